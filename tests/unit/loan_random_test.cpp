// Random loans for the equal-installment and equal-principal schedules: across
// the validated ranges every schedule that is computed must add up, keep its
// balance at or above zero and pay something on every row; far beyond them
// nothing may crash or trip the sanitizers. The seed is fixed, so a failure
// repeats.
#include <gtest/gtest.h>

#include <cstdint>

#include "loan/equal_payment_schedule.h"
#include "loan/equal_principal_schedule.h"
#include "tests/unit/loan_test_support.h"
#include "tests/unit/random_dice.h"

namespace loan {
namespace {

using namespace testing_support;
using ::testing_support::Dice;

constexpr int kCases = 1500;

// Mostly the terms people take, now and then the longest there is.
int Count(Dice& dice) {
  if (dice.OneIn(20)) return kMaxPaymentCount;
  return static_cast<int>(dice.OneIn(4) ? dice.Between(1, kMaxPaymentCount)
                                        : dice.Between(1, 600));
}

double Rate(Dice& dice, bool monthly) {
  switch (dice.Between(0, 3)) {
    case 0:
      return 0.0;
    case 1:
      return dice.Real(0, monthly ? 2.0 : 20.0);
    case 2:
      return dice.Real(0, 1e-3);
    default:
      return dice.Real(0, 100.0);
  }
}

// A loan as the dialog accepts it: a valid date, the first repayment in or
// after the loan month.
LoanInput ValidLoan(Dice& dice) {
  const bool monthly = dice.OneIn(3);
  const int loanYear = static_cast<int>(dice.Between(1900, 2100));
  const int loanMonth = static_cast<int>(dice.Between(1, 12));
  const int64_t startCounter = loanYear * 12LL + loanMonth - 1 + dice.Between(0, 24);
  return Loan(static_cast<int>(dice.Between(1, 200000)), Count(dice), loanYear, loanMonth,
              static_cast<int>(startCounter / 12), static_cast<int>(startCounter % 12 + 1),
              Rate(dice, monthly), monthly ? kMonthRate : kAnnualRate);
}

// Whatever reaches Calc once validation has failed: any value in any field.
LoanInput AnyLoan(Dice& dice) {
  LoanInput input;
  input.rateMode = dice.AnyInt();
  input.annualRate = dice.AnyReal();
  input.monthRate = dice.AnyReal();
  input.loanAmount = dice.AnyInt();
  input.paymentCount = dice.OneIn(2) ? Count(dice) : dice.AnyInt();
  input.loanYear = dice.AnyInt();
  input.loanMonth = dice.AnyInt();
  input.repayStartYear = dice.OneIn(2) ? input.loanYear : dice.AnyInt();
  input.repayStartMonth = dice.AnyInt();
  return input;
}

// What every computed schedule keeps, whichever kind it is.
template <class Schedule>
void ExpectSound(const Schedule& s, const LoanInput& input) {
  SCOPED_TRACE(::testing::Message()
               << "loan " << input.loanAmount << " count " << input.paymentCount << " rate "
               << (input.rateMode == kMonthRate ? input.monthRate : input.annualRate) << " from "
               << input.loanYear << "/" << input.loanMonth << " first "
               << input.repayStartYear << "/" << input.repayStartMonth);
  ASSERT_FALSE(s.rows.empty());
  ASSERT_LE(s.rows.size(), static_cast<size_t>(input.paymentCount));
  for (size_t i = 0; i < s.rows.size(); ++i) {
    const ScheduleRow& row = s.rows[i];
    ASSERT_EQ(row.number, static_cast<int>(i) + 1);
    ASSERT_GE(row.balance, 0) << "row " << row.number;
    ASSERT_GT(row.payment, 0) << "row " << row.number;
    ASSERT_GE(row.interest, 0) << "row " << row.number;
    ASSERT_EQ(row.payment, int64_t{row.principal} + row.interest) << "row " << row.number;
  }
  EXPECT_EQ(s.rows.back().balance, 0);
  EXPECT_EQ(s.totalInterest, Sum(s.rows, &ScheduleRow::interest));
  EXPECT_EQ(s.totalPrincipal, Sum(s.rows, &ScheduleRow::principal));
  EXPECT_EQ(s.totalPrincipal, s.loan);
}

TEST(LoanRandom, ValidLoansAddUpAndNeverGoBelowZero) {
  Dice dice(20261207);
  int computed = 0;
  for (int i = 0; i < kCases; ++i) {
    const LoanInput input = ValidLoan(dice);
    const auto payment = ComputeEqualPaymentSchedule(input);
    if (const auto* s = std::get_if<EqualPaymentSchedule>(&payment)) {
      ExpectSound(*s, input);
      EXPECT_EQ(s->grandTotal, int64_t{s->totalPrincipal} + s->totalInterest);
      ++computed;
    } else {
      EXPECT_EQ(WarningOf(payment), "オーバーフローしました");
    }
    const auto principal = ComputeEqualPrincipalSchedule(input);
    if (const auto* s = std::get_if<EqualPrincipalSchedule>(&principal)) {
      ExpectSound(*s, input);
      EXPECT_EQ(s->totalPayment, Sum(s->rows, &ScheduleRow::payment));
      ++computed;
    } else {
      EXPECT_EQ(WarningOf(principal), "オーバーフローしました");
    }
    if (HasFatalFailure()) return;
  }
  // Overflow is the exception (a large loan at an extreme rate), not the rule.
  EXPECT_GT(computed, kCases);
}

TEST(LoanRandom, AnyValuesStaySafe) {
  Dice dice(7);
  for (int i = 0; i < kCases; ++i) {
    const LoanInput input = AnyLoan(dice);
    const auto payment = ComputeEqualPaymentSchedule(input);
    if (const auto* s = std::get_if<EqualPaymentSchedule>(&payment)) {
      EXPECT_LE(s->rows.size(), static_cast<size_t>(kMaxPaymentCount));
    }
    const auto principal = ComputeEqualPrincipalSchedule(input);
    if (const auto* s = std::get_if<EqualPrincipalSchedule>(&principal)) {
      EXPECT_LE(s->rows.size(), static_cast<size_t>(kMaxPaymentCount));
    }
  }
}

}  // namespace
}  // namespace loan
