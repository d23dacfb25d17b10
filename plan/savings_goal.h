// How much to save each month: the smallest whole monthly installment in yen
// that makes a savings plan pay out at least a goal, as the simple- or the
// compound-interest savings calculator computes the plan.
#pragma once

#include <cstdint>
#include <limits>

#include "core/outcome.h"
#include "deposit/savings_plan.h"

namespace plan {

enum SavingsInterest { kSimpleInterest = 0, kCompoundInterest = 1 };

// The tax rate the dialog starts with: the 20.315 % withheld from interest.
inline constexpr double kInitialTaxRate = 20.315;

// The largest installment searched, in yen; with at least one month it is
// beyond the amount limit, so any goal not reached below it cannot be reached.
inline constexpr int32_t kMaxInstallmentYen = std::numeric_limits<int32_t>::max();

struct SavingsGoalInput {
  double goal = 0.0;                  // 万円
  int interest = kCompoundInterest;   // kSimpleInterest, or anything else for compound
  deposit::SavingsInput plan;         // its installment is what is searched; ignored
};

struct SavingsGoalResult {
  int32_t installment = 0;          // X, yen a month
  deposit::SavingsResult savings;   // what the savings calculator shows for X
};

// X reaches the goal when the savings calculator, its installment field
// holding X ÷ 10000, computes a plan whose principal paid in plus net interest
// is at least the goal: compared in 万円, as the fields show both.
//
// The calculator's own warnings come first. A goal of 0 (or less) gives X = 0.
// A period without installments cannot reach any other goal; nor can a plan
// whose installment would pass the calculator's overflow limit first. A goal
// that is not a number gives core::kAlreadyReported.
core::Outcome<SavingsGoalResult> ComputeSavingsGoal(const SavingsGoalInput& input);

}  // namespace plan
