#include "deposit/simple_deposit_dlg.h"

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/units.h"
#include "deposit/simple_deposit.h"
#include "res/ids.h"
#include "ui/data_exchange.h"

namespace deposit {

namespace id = res::simple_deposit;

CSimpleDepositDlg::CSimpleDepositDlg() : CCalculatorDlg(res::kDlgSimpleDeposit) {
  SetInitialValues();
  OnClicked(id::kCalc, &CSimpleDepositDlg::OnCalc);
  OnClicked(id::kClear, &CSimpleDepositDlg::OnClear);
  OnClicked(id::kRadioAnnualRate, &CSimpleDepositDlg::OnRadioAnnualRate);
  OnClicked(id::kRadioDailyRate, &CSimpleDepositDlg::OnRadioDailyRate);
}

void CSimpleDepositDlg::SetInitialValues() {
  m_nRateMode = kAnnualRate;
  m_nInterest = 0;
  m_dDailyRate = 0.0;
  m_dAnnualRate = 0.0;
  m_dDepositAmount = 0.0;
  m_dTaxRate = 0.0;
  m_nTax = 0;
  m_nStartYear = 0;
  m_nStartMonth = 1;
  m_nEndYear = 0;
  m_nEndMonth = 1;
  m_dMaturityTotal = 0.0;
}

void CSimpleDepositDlg::DoDataExchange(ui::CDataExchange& dx) {
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Text(dx, id::kInterest, m_nInterest);
  DDV_MinMaxInt(dx, m_nInterest, 0, core::kAmountLimit);
  DDX_Text(dx, id::kDailyRate, m_dDailyRate);
  DDV_MinMaxDouble(dx, m_dDailyRate, 0.0, kMaxDailyRate);
  DDX_Text(dx, id::kAnnualRate, m_dAnnualRate);
  DDV_MinMaxDouble(dx, m_dAnnualRate, 0.0, kMaxDepositAnnualRate);
  DDX_Text(dx, id::kDepositAmount, m_dDepositAmount);
  DDV_MinMaxDouble(dx, m_dDepositAmount, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kTaxRate, m_dTaxRate);
  DDV_MinMaxDouble(dx, m_dTaxRate, 0.0, kMaxTaxRate);
  DDX_Text(dx, id::kTax, m_nTax);
  DDV_MinMaxInt(dx, m_nTax, 0, core::kAmountLimit);
  DDX_Text(dx, id::kStartYear, m_nStartYear);
  DDV_MinMaxInt(dx, m_nStartYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kStartMonth, m_nStartMonth);
  DDV_MinMaxInt(dx, m_nStartMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kEndYear, m_nEndYear);
  DDV_MinMaxInt(dx, m_nEndYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kEndMonth, m_nEndMonth);
  DDV_MinMaxInt(dx, m_nEndMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kMaturityTotal, m_dMaturityTotal);
  DDV_MinMaxDouble(dx, m_dMaturityTotal, 0.0, core::kAmountLimit);
  DDX_RadioGroup(dx, id::kRadioAnnualRate, id::kRadioDailyRate,
                 m_nRateMode == kAnnualRate ? id::kRadioAnnualRate : id::kRadioDailyRate);
}

SimpleDepositInput CSimpleDepositDlg::Input() const {
  SimpleDepositInput input;
  input.rateMode = m_nRateMode;
  input.annualRate = m_dAnnualRate;
  input.dailyRate = m_dDailyRate;
  input.depositAmount = m_dDepositAmount;
  input.taxRate = m_dTaxRate;
  input.startYear = m_nStartYear;
  input.startMonth = m_nStartMonth;
  input.endYear = m_nEndYear;
  input.endMonth = m_nEndMonth;
  return input;
}

void CSimpleDepositDlg::OnCalc() {
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  ApplyOutcome(ComputeSimpleDeposit(Input()), [this](const SimpleDepositResult& result) {
    m_nInterest = result.interest;
    m_dMaturityTotal = core::ToMan(result.maturityTotal);
    m_nTax = result.tax;
  });
}

void CSimpleDepositDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);
  CheckRadioButton(id::kRadioAnnualRate, id::kRadioDailyRate, id::kRadioAnnualRate);
}

void CSimpleDepositDlg::OnRadioAnnualRate() { m_nRateMode = kAnnualRate; }

void CSimpleDepositDlg::OnRadioDailyRate() { m_nRateMode = kDailyRate; }

}  // namespace deposit
