// Simple interest on monthly installments: each installment earns the yield / 12
// for every month it stays in, and tax is withheld from the interest as a whole.
#pragma once

#include "deposit/savings_plan.h"
#include "ui/outcome.h"

namespace deposit {

ui::Outcome<SavingsResult> ComputeSimpleSavings(const SavingsInput& input);

}  // namespace deposit
