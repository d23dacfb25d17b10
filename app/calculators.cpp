#include "app/calculators.h"

#include "deposit/compound_deposit_dlg.h"
#include "deposit/compound_savings_dlg.h"
#include "deposit/simple_deposit_dlg.h"
#include "deposit/simple_savings_dlg.h"
#include "loan/equal_payment_loan_dlg.h"
#include "loan/equal_principal_loan_dlg.h"
#include "loan/bonus_loan_calc_dlg.h"
#include "loan/bonus_loan_sim_dlg.h"
#include "loan/prepayment_loan_dlg.h"
#include "loan/variable_rate_loan_dlg.h"
#include "plan/borrowing_limit_dlg.h"
#include "plan/savings_goal_dlg.h"
#include "res/ids.h"

namespace app {
namespace {

// Every calculator starts afresh from its constructor's values and keeps nothing.
template <class Dialog>
void Run() {
  Dialog dialog;
  dialog.DoModal();
}

constexpr Calculator kCalculators[] = {
    {res::menu::kSimpleDeposit, Run<deposit::CSimpleDepositDlg>},
    {res::menu::kCompoundDeposit, Run<deposit::CCompoundDepositDlg>},
    {res::menu::kSimpleSavings, Run<deposit::CSimpleSavingsDlg>},
    {res::menu::kCompoundSavings, Run<deposit::CCompoundSavingsDlg>},
    {res::menu::kEqualPaymentLoan, Run<loan::CEqualPaymentLoanDlg>},
    {res::menu::kEqualPrincipalLoan, Run<loan::CEqualPrincipalLoanDlg>},
    {res::menu::kBonusLoanCalc, Run<loan::CBonusLoanCalcDlg>},
    {res::menu::kBonusLoanSim, Run<loan::CBonusLoanSimDlg>},
    {res::menu::kPrepaymentLoan, Run<loan::CPrepaymentLoanDlg>},
    {res::menu::kVariableRateLoan, Run<loan::CVariableRateLoanDlg>},
    {res::menu::kBorrowingLimit, Run<plan::CBorrowingLimitDlg>},
    {res::menu::kSavingsGoal, Run<plan::CSavingsGoalDlg>},
};

}  // namespace

std::span<const Calculator> Calculators() { return kCalculators; }

bool HasCalculator(int buttonId) {
  for (const Calculator& calculator : kCalculators)
    if (calculator.buttonId == buttonId) return true;
  return false;
}

}  // namespace app
