#include "loan/bonus_loan_calc_dlg.h"

#include "core/checked_math.h"
#include "core/units.h"
#include "res/ids.h"
#include "ui/data_exchange.h"

namespace loan {

namespace id = res::bonus_loan_calc;

CBonusLoanCalcDlg::CBonusLoanCalcDlg() : CCalculatorDlg(res::kDlgBonusLoanCalc) {
  SetInitialValues();
  OnClicked(id::kCalc, &CBonusLoanCalcDlg::OnCalc);
  OnClicked(id::kClear, &CBonusLoanCalcDlg::OnClear);
}

void CBonusLoanCalcDlg::SetInitialValues() {
  m_dAnnualRate = 0.0;
  m_nBonusCount = 0;
  m_nYears = 0;
  m_nMonthlyPayment = 0;
  m_nLoanAmount = 0;
  m_nBonusPortion = 0;
  m_nBonusIncrease = 0;
  m_dTotalPayment = 0.0;
  m_dBonusMonthPayment = 0.0;
}

void CBonusLoanCalcDlg::DoDataExchange(ui::CDataExchange& dx) {
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Text(dx, id::kAnnualRate, m_dAnnualRate);
  DDV_MinMaxDouble(dx, m_dAnnualRate, 0.0, kCalcMaxRate);
  DDX_Text(dx, id::kBonusCount, m_nBonusCount);
  DDV_MinMaxInt(dx, m_nBonusCount, 0, kCalcMaxBonusCount);
  DDX_Text(dx, id::kYears, m_nYears);
  DDV_MinMaxInt(dx, m_nYears, 0, kCalcMaxYears);
  DDX_Text(dx, id::kMonthlyPayment, m_nMonthlyPayment);
  DDV_MinMaxInt(dx, m_nMonthlyPayment, 0, core::kAmountLimit);
  DDX_Text(dx, id::kLoanAmount, m_nLoanAmount);
  DDV_MinMaxInt(dx, m_nLoanAmount, 0, core::kAmountLimit);
  DDX_Text(dx, id::kBonusPortion, m_nBonusPortion);
  DDV_MinMaxInt(dx, m_nBonusPortion, 0, core::kAmountLimit);
  DDX_Text(dx, id::kBonusIncrease, m_nBonusIncrease);
  DDV_MinMaxInt(dx, m_nBonusIncrease, 0, core::kAmountLimit);
  DDX_Text(dx, id::kTotalPayment, m_dTotalPayment);
  DDV_MinMaxDouble(dx, m_dTotalPayment, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kBonusMonthPayment, m_dBonusMonthPayment);
  DDV_MinMaxDouble(dx, m_dBonusMonthPayment, 0.0, core::kAmountLimit);
}

BonusLoanCalcInput CBonusLoanCalcDlg::Input() const {
  BonusLoanCalcInput input;
  input.loanAmount = m_nLoanAmount;
  input.bonusPortion = m_nBonusPortion;
  input.years = m_nYears;
  input.bonusCount = m_nBonusCount;
  input.annualRate = m_dAnnualRate;
  return input;
}

void CBonusLoanCalcDlg::OnCalc() {
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  ApplyOutcome(ComputeBonusLoanCalc(Input()), [this](const BonusLoanCalcResult& result) {
    m_nMonthlyPayment = result.monthlyPayment;
    m_nBonusIncrease = result.bonusIncrease;
    m_dBonusMonthPayment = core::ToMan(result.bonusMonthPayment);
    m_dTotalPayment = core::ToMan(result.totalPayment);
  });
}

void CBonusLoanCalcDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);
}

}  // namespace loan
