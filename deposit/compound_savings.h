// Monthly installments compounded monthly at one twelfth of an annual yield,
// with tax withheld from the interest as a whole at maturity.
#pragma once

#include "deposit/savings_plan.h"
#include "ui/outcome.h"

namespace deposit {

ui::Outcome<SavingsResult> ComputeCompoundSavings(const SavingsInput& input);

}  // namespace deposit
