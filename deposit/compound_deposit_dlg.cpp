#include "deposit/compound_deposit_dlg.h"

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/units.h"
#include "res/ids.h"
#include "ui/data_exchange.h"

namespace deposit {

namespace id = res::compound_deposit;

CCompoundDepositDlg::CCompoundDepositDlg() : CCalculatorDlg(res::kDlgCompoundDeposit) {
  SetInitialValues();
  OnClicked(id::kCalc, &CCompoundDepositDlg::OnCalc);
  OnClicked(id::kClear, &CCompoundDepositDlg::OnClear);
  OnClicked(id::kRadioYear, &CCompoundDepositDlg::OnRadioYear);
  OnClicked(id::kRadioHalfYear, &CCompoundDepositDlg::OnRadioHalfYear);
  OnClicked(id::kRadioMonth, &CCompoundDepositDlg::OnRadioMonth);
}

void CCompoundDepositDlg::SetInitialValues() {
  m_nRateMode = kYearly;
  m_dDepositAmount = 0.0;
  m_nInterest = 0;
  m_nEndYear = 0;
  m_nEndMonth = 1;
  m_dHalfYearRate = 0.0;
  m_dYearRate = 0.0;
  m_nStartYear = 0;
  m_nStartMonth = 1;
  m_nPeriodCount = 0;
  m_dTaxRate = 0.0;
  m_nTax = 0;
  m_dMonthRate = 0.0;
  m_dMaturityTotal = 0.0;
}

// The monthly radio stands for every mode but the yearly and half-yearly ones.
int CCompoundDepositDlg::CheckedRadio() const {
  switch (m_nRateMode) {
    case kYearly: return id::kRadioYear;
    case kHalfYearly: return id::kRadioHalfYear;
    default: return id::kRadioMonth;
  }
}

void CCompoundDepositDlg::DoDataExchange(ui::CDataExchange& dx) {
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Text(dx, id::kDepositAmount, m_dDepositAmount);
  DDV_MinMaxDouble(dx, m_dDepositAmount, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kInterest, m_nInterest);
  DDV_MinMaxInt(dx, m_nInterest, 0, core::kAmountLimit);
  DDX_Text(dx, id::kEndYear, m_nEndYear);
  DDV_MinMaxInt(dx, m_nEndYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kEndMonth, m_nEndMonth);
  DDV_MinMaxInt(dx, m_nEndMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kHalfYearRate, m_dHalfYearRate);
  DDV_MinMaxDouble(dx, m_dHalfYearRate, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kYearRate, m_dYearRate);
  DDV_MinMaxDouble(dx, m_dYearRate, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kStartYear, m_nStartYear);
  DDV_MinMaxInt(dx, m_nStartYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kStartMonth, m_nStartMonth);
  DDV_MinMaxInt(dx, m_nStartMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kPeriodCount, m_nPeriodCount);
  DDV_MinMaxInt(dx, m_nPeriodCount, 0, kMaxPeriodCount);
  DDX_Text(dx, id::kTaxRate, m_dTaxRate);
  DDV_MinMaxDouble(dx, m_dTaxRate, 0.0, kMaxTaxRate);
  DDX_Text(dx, id::kTax, m_nTax);
  DDV_MinMaxInt(dx, m_nTax, 0, core::kAmountLimit);
  DDX_Text(dx, id::kMonthRate, m_dMonthRate);
  DDV_MinMaxDouble(dx, m_dMonthRate, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kMaturityTotal, m_dMaturityTotal);
  DDV_MinMaxDouble(dx, m_dMaturityTotal, 0.0, core::kAmountLimit);
  DDX_RadioGroup(dx, id::kRadioYear, id::kRadioMonth, CheckedRadio());
}

CompoundDepositInput CCompoundDepositDlg::Input() const {
  CompoundDepositInput input;
  input.rateMode = m_nRateMode;
  input.depositAmount = m_dDepositAmount;
  input.yearRate = m_dYearRate;
  input.halfYearRate = m_dHalfYearRate;
  input.monthRate = m_dMonthRate;
  input.taxRate = m_dTaxRate;
  input.startYear = m_nStartYear;
  input.startMonth = m_nStartMonth;
  input.endYear = m_nEndYear;
  input.endMonth = m_nEndMonth;
  return input;
}

void CCompoundDepositDlg::OnCalc() {
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  ApplyOutcome(ComputeCompoundDeposit(Input()), [this](const CompoundDepositResult& result) {
    m_nPeriodCount = result.periodCount;
    m_nInterest = result.interest;
    m_dMaturityTotal = core::ToMan(result.maturityTotal);
    m_nTax = result.tax;
    m_nEndYear = result.endYear;
    m_nEndMonth = result.endMonth;
  });
}

void CCompoundDepositDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);
  CheckRadioButton(id::kRadioYear, id::kRadioMonth, id::kRadioYear);
}

void CCompoundDepositDlg::OnRadioYear() { m_nRateMode = kYearly; }

void CCompoundDepositDlg::OnRadioHalfYear() { m_nRateMode = kHalfYearly; }

void CCompoundDepositDlg::OnRadioMonth() { m_nRateMode = kMonthly; }

}  // namespace deposit
