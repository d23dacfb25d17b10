// Monthly installments compounded monthly at one twelfth of an annual yield,
// with tax withheld from the interest as a whole at maturity.
#pragma once

#include "core/outcome.h"
#include "deposit/savings_plan.h"

namespace deposit {

core::Outcome<SavingsResult> ComputeCompoundSavings(const SavingsInput& input);

}  // namespace deposit
