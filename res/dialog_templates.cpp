// Lookup over all dialog templates.
#include "res/dialog_template.h"
#include "res/templates.h"

namespace res {
namespace {

// The function menu first, then the About box, then the calculators in the
// order of the menu's buttons, then the windows the calculators open.
constinit const DialogTemplate* const kAllTemplates[] = {
    &kMenuDialog,
    &kAboutDialog,
    &kSimpleDepositDialog,
    &kCompoundDepositDialog,
    &kSimpleSavingsDialog,
    &kCompoundSavingsDialog,
    &kEqualPaymentLoanDialog,
    &kEqualPrincipalLoanDialog,
    &kBonusLoanCalcDialog,
    &kBonusLoanSimDialog,
    &kPrepaymentLoanDialog,
    &kVariableRateLoanDialog,
    &kBorrowingLimitDialog,
    &kSavingsGoalDialog,
    &kGraphDialog,
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate* tpl : kAllTemplates) {
    if (tpl->id == id) return tpl;
  }
  return nullptr;
}

std::span<const DialogTemplate* const> AllDialogTemplates() { return kAllTemplates; }

}  // namespace res
