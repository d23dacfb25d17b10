#include "plan/savings_goal.h"

#include <cmath>

#include "core/month_index.h"
#include "core/units.h"
#include "deposit/compound_savings.h"
#include "deposit/simple_savings.h"
#include "res/texts.h"

namespace plan {
namespace {

using deposit::SavingsResult;
using Outcome = core::Outcome<SavingsResult>;

bool IsOverflow(const Outcome& outcome) {
  const core::Stop* stop = std::get_if<core::Stop>(&outcome);
  const core::Warning* warning = stop ? std::get_if<core::Warning>(stop) : nullptr;
  return warning != nullptr && warning->text == core::kOverflow.text;
}

// The savings calculator on a plan of `yen` a month, its field holding yen ÷ 10000.
class Plan {
 public:
  explicit Plan(const SavingsGoalInput& in)
      : input_(in.plan),
        compute_(in.interest == kSimpleInterest ? deposit::ComputeSimpleSavings
                                                : deposit::ComputeCompoundSavings) {}

  Outcome At(int64_t yen) const {
    deposit::SavingsInput input = input_;
    input.installment = core::ToMan(yen);
    return compute_(input);
  }

 private:
  deposit::SavingsInput input_;
  Outcome (*compute_)(const deposit::SavingsInput&);
};

}  // namespace

core::Outcome<SavingsGoalResult> ComputeSavingsGoal(const SavingsGoalInput& in) {
  if (std::isnan(in.goal)) return core::kAlreadyReported;
  const Plan plan(in);
  // The amount received against the goal as their fields show them, in 万円:
  // a plan that pays out exactly the goal typed reaches it, whatever the
  // rounding of goal × 10000 would have made of it.
  auto reaches = [goal = in.goal](const SavingsResult& r) {
    return core::ToMan(r.maturityTotal) >= goal;
  };

  // Nothing paid in: the calculator's own checks (period, tax rate), which do
  // not depend on the installment, and the answer to a goal of 0.
  const Outcome nothing = plan.At(0);
  if (const core::Stop* stop = std::get_if<core::Stop>(&nothing)) {
    if (!IsOverflow(nothing)) return *stop;
    // A yield so high for so long that its power overflows fails even 0 yen a
    // month, as the savings calculator shows it: no goal, not even 0, is met.
    return core::Warning{res::text::kGoalNotReached};
  }
  if (reaches(std::get<SavingsResult>(nothing)))
    return SavingsGoalResult{0, std::get<SavingsResult>(nothing)};
  if (core::MonthsBetween(in.plan.startYear, in.plan.startMonth, in.plan.endYear,
                          in.plan.endMonth) == 0)
    return core::Warning{res::text::kNoSavingsMonths};

  // "Reaches the goal or overflows" does not turn false again as X grows, for a
  // yield of 0 or more and a tax rate from 0 to 100 %: the installment
  // X ÷ 10000 × 10000, the sum paid in, the gross amount and the tax are each
  // made of steps that keep the order (rounding keeps it too), and the tax,
  // at most the whole interest, takes no more of a rise than the rise itself;
  // so the amount received never falls, and each overflow check, once failed,
  // fails for every larger X. (Rounding in the tax could in principle take one
  // yen more only for a rate within 0.0002 of 100 %.) So the smallest X at
  // which it holds is found by bisection between 0, which reaches nothing, and
  // the largest installment searched, beyond the limit with one month or more.
  auto reachesOrOverflows = [&](int64_t yen) {
    const Outcome outcome = plan.At(yen);
    const SavingsResult* result = std::get_if<SavingsResult>(&outcome);
    return result == nullptr || reaches(*result);
  };
  int64_t tooLittle = 0, enough = kMaxInstallmentYen;
  if (!reachesOrOverflows(enough)) return core::Warning{res::text::kGoalNotReached};
  while (enough - tooLittle > 1) {
    const int64_t middle = tooLittle + (enough - tooLittle) / 2;
    (reachesOrOverflows(middle) ? enough : tooLittle) = middle;
  }
  const Outcome found = plan.At(enough);
  const SavingsResult* result = std::get_if<SavingsResult>(&found);
  if (result == nullptr) return core::Warning{res::text::kGoalNotReached};
  return SavingsGoalResult{static_cast<int32_t>(enough), *result};  // at most kMaxInstallmentYen
}

}  // namespace plan
