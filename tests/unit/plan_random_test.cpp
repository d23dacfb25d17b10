// Random plans against independent searches: each answer found again by
// walking from a closed-form estimate in long double to where the arithmetic
// turns, and checked where the rules put it: A(L) ≤ M < A(L + 1) by the
// equal-installment arithmetic, X reaching the goal and X − 1 not by the savings
// calculations with X ÷ 10000 and (X − 1) ÷ 10000 in their field.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/checked_math.h"
#include "core/month_index.h"
#include "deposit/compound_savings.h"
#include "deposit/simple_savings.h"
#include "loan/installment.h"
#include "loan/loan_schedule.h"
#include "plan/borrowing_limit.h"
#include "plan/savings_goal.h"
#include "tests/unit/outcome_test_support.h"
#include "tests/unit/random_dice.h"

namespace plan {
namespace {

using testing_support::Dice;
using testing_support::WarningOf;

constexpr int kCases = 3000;

// A(man): the equal-installment simulation's installment; no yen is above all.
int64_t Installment(const BorrowingLimitInput& in, int64_t man) {
  const double a = loan::EqualInstallment(false, in.screeningRate, man * 10000, in.paymentCount);
  return core::TruncToInt64(a).value_or(INT64_MAX);
}

// The amount received for `yen` a month, or -1 when the calculator stops.
int64_t Received(const SavingsGoalInput& in, int64_t yen) {
  deposit::SavingsInput plan = in.plan;
  plan.installment = static_cast<double>(yen) / 10000.0;
  const auto outcome = in.interest == kSimpleInterest ? deposit::ComputeSimpleSavings(plan)
                                                      : deposit::ComputeCompoundSavings(plan);
  const auto* result = std::get_if<deposit::SavingsResult>(&outcome);
  return result ? result->maturityTotal : -1;
}
bool Reaches(const SavingsGoalInput& in, int64_t yen) {
  return Received(in, yen) >= 0 && static_cast<double>(Received(in, yen)) / 10000.0 >= in.goal;
}

// The rules' claims about any answer, whatever the inputs.
void ExpectTurn(const BorrowingLimitInput& in, const BorrowingLimitResult& r) {
  const int64_t man = r.limit / 10000;
  EXPECT_TRUE(man >= 1 && man <= kMaxBorrowingMan && r.limit == man * 10000) << r.limit;
  EXPECT_EQ(r.installment, Installment(in, man));
  EXPECT_LE(r.installment, r.monthlyBudget);
  EXPECT_TRUE(man == kMaxBorrowingMan || Installment(in, man + 1) > r.monthlyBudget);
}
void ExpectTurn(const SavingsGoalInput& in, const SavingsGoalResult& r) {
  EXPECT_EQ(Received(in, r.installment), r.savings.maturityTotal);
  EXPECT_TRUE(Reaches(in, r.installment));
  EXPECT_TRUE(r.installment == 0 || !Reaches(in, r.installment - 1));
}

BorrowingLimitInput RandomBorrowing(Dice& dice) {
  BorrowingLimitInput in;
  in.annualIncome = dice.ValidInt(kMinAnnualIncome, dice.OneIn(4) ? kMaxAnnualIncome : 3000);
  in.ratioMode = static_cast<int>(dice.Between(kFlat35Ratio, kTypedRatio));
  in.burdenRatio = dice.ValidReal(kMaxBurdenRatio);
  in.screeningRate = dice.OneIn(4) ? dice.Magnitude(-9, std::log10(loan::kMaxAnnualRate))
                                   : dice.ValidReal(dice.OneIn(4) ? loan::kMaxAnnualRate : 8.0);
  in.paymentCount = dice.ValidInt(kMinPaymentCount, loan::kMaxPaymentCount);
  in.otherRepayments = dice.OneIn(2) ? 0.0 : dice.ValidReal(dice.OneIn(4) ? 1e6 : 200.0);
  return in;
}

TEST(RandomPlans, BorrowingLimitIsWhereTheInstallmentPassesTheBudget) {
  Dice dice(149);
  int found = 0;
  for (int k = 0; k < kCases; ++k) {
    const BorrowingLimitInput in = RandomBorrowing(dice);
    SCOPED_TRACE(k);
    const auto outcome = ComputeBorrowingLimit(in);
    const double p = in.ratioMode == kTypedRatio ? in.burdenRatio : in.annualIncome < 400 ? 30 : 35;
    const double m = (in.annualIncome * 10000.0 * p / 100.0 - in.otherRepayments * 10000.0) / 12.0;
    if (!(m >= 1.0)) {
      EXPECT_EQ(WarningOf(outcome), res::text::kNoRepaymentBudget);
      continue;
    }
    const auto budget = static_cast<int64_t>(m);  // below 10^9 for these fields
    // The budget's present value over the repayments, then step to the turn.
    const long double q = in.screeningRate / 1200.0L;
    const long double value =
        q == 0 ? in.paymentCount : -std::expm1(-in.paymentCount * std::log1p(q)) / q;
    auto man = static_cast<int64_t>(
        std::min<long double>(budget * value / 10000, kMaxBorrowingMan));
    int steps = 0;
    for (; man < kMaxBorrowingMan && Installment(in, man + 1) <= budget; ++man) ++steps;
    for (; man > 0 && Installment(in, man) > budget; --man) ++steps;
    EXPECT_LE(steps, 3);
    if (man == 0) {
      EXPECT_EQ(WarningOf(outcome), res::text::kBorrowingBelowOneMan);
      continue;
    }
    const BorrowingLimitResult r = testing_support::ResultOf(outcome);
    EXPECT_TRUE(r.ratio == p && r.monthlyBudget == budget && r.limit == man * 10000) << r.limit;
    ExpectTurn(in, r);
    ++found;
  }
  EXPECT_GT(found, kCases / 2);
}

SavingsGoalInput RandomGoal(Dice& dice) {
  SavingsGoalInput in;
  in.interest = static_cast<int>(dice.Between(kSimpleInterest, kCompoundInterest));
  in.goal = dice.OneIn(8) ? dice.ValidReal(deposit::kSavingsFieldLimit) : dice.ValidReal(5000.0);
  in.plan.annualYield = dice.OneIn(4) ? dice.Magnitude(-12, std::log10(deposit::kMaxAnnualYield))
                                      : dice.ValidReal(dice.OneIn(4) ? 300.0 : 8.0);
  in.plan.taxRate = dice.OneIn(2) ? 20.315 : dice.ValidReal(deposit::kMaxTaxRate);
  in.plan.startYear = dice.ValidInt(core::kMinYear, core::kMaxYear);
  in.plan.startMonth = dice.ValidInt(core::kMinMonth, core::kMaxMonth);
  const int64_t end = core::MonthCounter(in.plan.startYear, in.plan.startMonth) +
                      dice.Between(0, dice.OneIn(8) ? 12000 : 600);
  in.plan.endYear = static_cast<int>(core::YearOfCounter(end));
  in.plan.endMonth = core::MonthOfCounter(end);
  return in;
}

TEST(RandomPlans, SavingsGoalIsTheSmallestInstallmentThatReachesIt) {
  Dice dice(150);
  int compared = 0, walked = 0;
  for (int k = 0; k < kCases; ++k) {
    const SavingsGoalInput in = RandomGoal(dice);
    SCOPED_TRACE(k);
    const auto outcome = ComputeSavingsGoal(in);
    const auto* r = std::get_if<SavingsGoalResult>(&outcome);
    if (r != nullptr) ExpectTurn(in, *r);
    const int64_t n = core::MonthsBetween(in.plan.startYear, in.plan.startMonth, in.plan.endYear,
                                          in.plan.endMonth);
    if (in.goal == 0.0 || n == 0) {
      const std::string_view expected = in.goal > 0.0           ? res::text::kNoSavingsMonths
                                        : Received(in, 0) >= 0 ? "0"
                                                               : res::text::kGoalNotReached;
      EXPECT_EQ(r ? std::string_view("0") : WarningOf(outcome), expected);
      continue;
    }
    // No plan pays out more than its amounts' limit: the gross amount of a
    // compound plan, the sum paid in and the interest of a simple one.
    if (in.goal * 10000.0L > core::kAmountLimit * (in.interest == kSimpleInterest ? 2.0L : 1.0L)) {
      EXPECT_EQ(WarningOf(outcome), res::text::kGoalNotReached);
      continue;
    }
    // The yen received per yen a month, taxed: each installment's interest, for
    // as many months as it stays in, simple or compound.
    const long double i = in.plan.annualYield / 1200.0L, tax = in.plan.taxRate / 100.0L;
    const long double interest =
        in.interest == kSimpleInterest ? n * (n + 1) / 2.0L * i
        : i == 0                       ? 0
                                       : (1 + i) * std::expm1(n * std::log1p(i)) / i - n;
    const long double x = std::ceil(in.goal * 10000.0L / (n + interest * (1 - tax)));
    int64_t yen = static_cast<int64_t>(std::clamp<long double>(x, 1, kMaxInstallmentYen));
    int steps = 0;
    ++walked;
    for (; yen > 1 && (Received(in, yen) < 0 || Reaches(in, yen - 1)) && steps < 50; --yen) ++steps;
    for (; !Reaches(in, yen) && Received(in, yen) >= 0 && steps < 50; ++yen) ++steps;
    if (steps == 50) continue;  // far off, cut by the limit: the turn was checked above
    ++compared;
    if (Received(in, yen) < 0) {
      EXPECT_EQ(WarningOf(outcome), res::text::kGoalNotReached);
    } else {
      ASSERT_NE(r, nullptr) << WarningOf(outcome);
      EXPECT_EQ(r->installment, yen);
      for (int j = 0; j < 3; ++j) EXPECT_FALSE(Reaches(in, dice.Between(0, yen - 1)));  // nor below
    }
  }
  EXPECT_GT(compared, std::max(walked * 98 / 100, kCases / 2));
}

// Whatever the fields hold, even what failed validation, the answers keep their turns.
TEST(RandomPlans, AnyInputIsSafe) {
  Dice dice(1499);
  for (int k = 0; k < kCases; ++k) {
    SCOPED_TRACE(k);
    BorrowingLimitInput b = RandomBorrowing(dice);
    if (dice.OneIn(2)) b.annualIncome = dice.AnyInt();
    if (dice.OneIn(2)) b.burdenRatio = dice.AnyReal();
    if (dice.OneIn(3)) b.screeningRate = dice.AnyReal();
    if (dice.OneIn(3)) b.paymentCount = dice.AnyInt();
    if (dice.OneIn(2)) b.otherRepayments = dice.AnyReal();
    const auto borrowing = ComputeBorrowingLimit(b);
    if (const auto* r = std::get_if<BorrowingLimitResult>(&borrowing)) ExpectTurn(b, *r);

    SavingsGoalInput s = RandomGoal(dice);
    if (dice.OneIn(2)) s.goal = dice.AnyReal();
    if (dice.OneIn(2)) s.plan.annualYield = dice.AnyReal();
    if (dice.OneIn(2)) s.plan.taxRate = dice.AnyReal();
    if (dice.OneIn(4)) s.plan.startYear = dice.AnyInt();
    if (dice.OneIn(4)) s.plan.endMonth = dice.AnyInt();
    const auto goal = ComputeSavingsGoal(s);
    if (const auto* r = std::get_if<SavingsGoalResult>(&goal)) ExpectTurn(s, *r);
  }
}

}  // namespace
}  // namespace plan
