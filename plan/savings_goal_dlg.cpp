#include "plan/savings_goal_dlg.h"

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/units.h"
#include "deposit/interest_tax.h"
#include "res/ids.h"
#include "ui/data_exchange.h"

namespace plan {

namespace id = res::savings_goal;

CSavingsGoalDlg::CSavingsGoalDlg() : CCalculatorDlg(res::kDlgSavingsGoal) {
  SetInitialValues();
  OnClicked(id::kCalc, &CSavingsGoalDlg::OnCalc);
  OnClicked(id::kClear, &CSavingsGoalDlg::OnClear);
  OnClicked(id::kRadioSimple, &CSavingsGoalDlg::OnRadioSimple);
  OnClicked(id::kRadioCompound, &CSavingsGoalDlg::OnRadioCompound);
}

void CSavingsGoalDlg::SetInitialValues() {
  m_nInterestMode = kCompoundInterest;
  m_dGoal = 0.0;
  m_nStartYear = 0;
  m_nStartMonth = 1;
  m_nEndYear = 0;
  m_nEndMonth = 1;
  m_dAnnualYield = 0.0;
  m_dTaxRate = kInitialTaxRate;
  m_nInstallment = 0;
  m_dMaturityTotal = 0.0;
  m_dPaidIn = 0.0;
  m_nInterest = 0;
}

void CSavingsGoalDlg::DoDataExchange(ui::CDataExchange& dx) {
  constexpr double kLimit = deposit::kSavingsFieldLimit;
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Text(dx, id::kGoal, m_dGoal);
  DDV_MinMaxDouble(dx, m_dGoal, 0.0, kLimit);
  DDX_Text(dx, id::kStartYear, m_nStartYear);
  DDV_MinMaxInt(dx, m_nStartYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kStartMonth, m_nStartMonth);
  DDV_MinMaxInt(dx, m_nStartMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kEndYear, m_nEndYear);
  DDV_MinMaxInt(dx, m_nEndYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kEndMonth, m_nEndMonth);
  DDV_MinMaxInt(dx, m_nEndMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kAnnualYield, m_dAnnualYield);
  DDV_MinMaxDouble(dx, m_dAnnualYield, 0.0, deposit::kMaxAnnualYield);
  DDX_Text(dx, id::kTaxRate, m_dTaxRate);
  DDV_MinMaxDouble(dx, m_dTaxRate, 0.0, deposit::kMaxTaxRate);
  DDX_Text(dx, id::kInstallment, m_nInstallment);
  DDV_MinMaxInt(dx, m_nInstallment, 0, kMaxInstallmentYen);
  DDX_Text(dx, id::kMaturityTotal, m_dMaturityTotal);
  DDV_MinMaxDouble(dx, m_dMaturityTotal, 0.0, kLimit);
  DDX_Text(dx, id::kPaidIn, m_dPaidIn);
  DDV_MinMaxDouble(dx, m_dPaidIn, 0.0, kLimit);
  DDX_Text(dx, id::kInterest, m_nInterest);
  DDV_MinMaxInt(dx, m_nInterest, 0, core::kAmountLimit);
  DDX_RadioGroup(dx, id::kRadioSimple, id::kRadioCompound,
                 m_nInterestMode == kSimpleInterest ? id::kRadioSimple : id::kRadioCompound);
}

SavingsGoalInput CSavingsGoalDlg::Input() const {
  SavingsGoalInput input;
  input.goal = m_dGoal;
  input.interest = m_nInterestMode;
  input.plan.annualYield = m_dAnnualYield;
  input.plan.taxRate = m_dTaxRate;
  input.plan.startYear = m_nStartYear;
  input.plan.startMonth = m_nStartMonth;
  input.plan.endYear = m_nEndYear;
  input.plan.endMonth = m_nEndMonth;
  return input;
}

void CSavingsGoalDlg::OnCalc() {
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  ApplyOutcome(ComputeSavingsGoal(Input()), [this](const SavingsGoalResult& result) {
    m_nInstallment = result.installment;
    m_dMaturityTotal = core::ToMan(result.savings.maturityTotal);
    m_dPaidIn = core::ToMan(result.savings.paidIn);
    m_nInterest = result.savings.interest;
  });
}

void CSavingsGoalDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);  // the exchange selects the compound radio again
}

void CSavingsGoalDlg::OnRadioSimple() { m_nInterestMode = kSimpleInterest; }

void CSavingsGoalDlg::OnRadioCompound() { m_nInterestMode = kCompoundInterest; }

}  // namespace plan
