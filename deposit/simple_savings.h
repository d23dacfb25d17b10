// Simple interest on monthly installments: each installment earns the yield / 12
// for every month it stays in, and tax is withheld from the interest as a whole.
#pragma once

#include "core/outcome.h"
#include "deposit/savings_plan.h"

namespace deposit {

core::Outcome<SavingsResult> ComputeSimpleSavings(const SavingsInput& input);

}  // namespace deposit
