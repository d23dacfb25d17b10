// The equal-principal schedule against worked examples and hand-checked cases.
#include "loan/equal_principal_schedule.h"

#include <gtest/gtest.h>

#include <climits>

#include "res/texts.h"
#include "tests/unit/loan_test_support.h"

namespace loan {
namespace {

using namespace testing_support;

void ExpectRow(const ScheduleRow& row, int year, int month, int days, int number,
               int32_t principal, int32_t interest, int32_t payment, int32_t balance) {
  SCOPED_TRACE(::testing::Message() << "row " << row.number);
  EXPECT_EQ(row.year, year);
  EXPECT_EQ(row.month, month);
  EXPECT_EQ(row.days, days);
  EXPECT_EQ(row.number, number);
  EXPECT_EQ(row.principal, principal);
  EXPECT_EQ(row.interest, interest);
  EXPECT_EQ(row.payment, payment);
  EXPECT_EQ(row.balance, balance);
}

void ExpectConsistent(const EqualPrincipalSchedule& s) {
  EXPECT_EQ(s.totalInterest, Sum(s.rows, &ScheduleRow::interest));
  EXPECT_EQ(s.totalPayment, Sum(s.rows, &ScheduleRow::payment));
  EXPECT_EQ(s.totalPrincipal, Sum(s.rows, &ScheduleRow::principal));
  EXPECT_EQ(s.totalPrincipal, s.loan);
  EXPECT_EQ(s.totalPayment - s.totalInterest, s.loan);
  ASSERT_EQ(s.rows.size(), static_cast<size_t>(s.count));
  EXPECT_EQ(s.rows.back().balance, 0);
}

TEST(EqualPrincipalSchedule, AnnualRateWithOneMonthOfDeferral) {
  const EqualPrincipalSchedule s =
      Ok(ComputeEqualPrincipalSchedule(Loan(100, 12, 2000, 1, 2000, 2, 3)));
  EXPECT_EQ(s.principalPart, 83300);
  ASSERT_EQ(s.rows.size(), 12u);
  ExpectRow(s.rows[0], 2000, 2, 29, 1, 83300, 4877, 88177, 916700);
  ExpectRow(s.rows[1], 2000, 3, 31, 2, 83300, 2329, 85629, 833400);
  ExpectRow(s.rows[11], 2001, 1, 31, 12, 83700, 213, 83913, 0);
  EXPECT_EQ(s.totalInterest, 18676);
  EXPECT_EQ(s.totalPayment, 1018676);
  EXPECT_EQ(s.totalPrincipal, 1000000);
  ExpectConsistent(s);
}

TEST(EqualPrincipalSchedule, MonthlyRateWithoutDeferral) {
  const EqualPrincipalSchedule s =
      Ok(ComputeEqualPrincipalSchedule(Loan(100, 12, 2001, 4, 2001, 4, 0.25, kMonthRate)));
  ExpectRow(s.rows[0], 2001, 4, 30, 1, 83300, 2465, 85765, 916700);
  EXPECT_EQ(s.rows[10].month, 2);
  EXPECT_EQ(s.rows[10].days, 28);
  EXPECT_EQ(s.rows[10].interest, 384);
  EXPECT_EQ(s.totalInterest, 16285);
  EXPECT_EQ(s.totalPayment, 1016285);
  ExpectConsistent(s);
}

TEST(EqualPrincipalSchedule, PrincipalPartBelowOneHundredYenIsZero) {
  // 1 万円 in 120 repayments at 2 %: 83.33 yen a month cuts down to 0.
  const EqualPrincipalSchedule s =
      Ok(ComputeEqualPrincipalSchedule(Loan(1, 120, 2001, 1, 2001, 1, 2)));
  EXPECT_EQ(s.principalPart, 0);
  ExpectRow(s.rows[0], 2001, 1, 31, 1, 0, 16, 16, 10000);
  ExpectRow(s.rows[1], 2001, 2, 28, 2, 0, 15, 15, 10000);
  ExpectRow(s.rows[3], 2001, 4, 30, 4, 0, 16, 16, 10000);
  ExpectRow(s.rows[119], 2010, 12, 31, 120, 10000, 16, 10016, 0);
  ExpectConsistent(s);
}

TEST(EqualPrincipalSchedule, SingleRepaymentShowsTheDeferralInItsRow) {
  const EqualPrincipalSchedule s =
      Ok(ComputeEqualPrincipalSchedule(Loan(10, 1, 2000, 1, 2000, 3, 12)));
  EXPECT_EQ(s.principalPart, 100000);
  ASSERT_EQ(s.rows.size(), 1u);
  ExpectRow(s.rows[0], 2000, 3, 31, 1, 100000, 3016, 103016, 0);
  EXPECT_EQ(s.totalInterest, 3016);
  EXPECT_EQ(s.totalPayment, 103016);
  ExpectConsistent(s);
}

TEST(EqualPrincipalSchedule, ZeroLoanAndZeroRate) {
  const EqualPrincipalSchedule zeroLoan =
      Ok(ComputeEqualPrincipalSchedule(Loan(0, 24, 2000, 1, 2000, 5, 5)));
  ASSERT_EQ(zeroLoan.rows.size(), 24u);
  for (const ScheduleRow& row : zeroLoan.rows) {
    EXPECT_EQ(row.payment, 0);
    EXPECT_EQ(row.interest, 0);
    EXPECT_EQ(row.principal, 0);
    EXPECT_EQ(row.balance, 0);
  }
  const EqualPrincipalSchedule zeroRate =
      Ok(ComputeEqualPrincipalSchedule(Loan(100, 12, 2000, 1, 2000, 5, 0)));
  EXPECT_EQ(zeroRate.totalInterest, 0);
  EXPECT_EQ(zeroRate.rows.back().principal, 1000000 - 11 * 83300);
  ExpectConsistent(zeroRate);
}

TEST(EqualPrincipalSchedule, LargestCountGivesEveryRow) {
  const EqualPrincipalSchedule s =
      Ok(ComputeEqualPrincipalSchedule(Loan(1000, 4000, 2000, 1, 2000, 1, 1)));
  ASSERT_EQ(s.rows.size(), 4000u);
  EXPECT_EQ(s.principalPart, 2500);
  ExpectConsistent(s);
}

TEST(EqualPrincipalSchedule, ChecksAndOverflow) {
  EXPECT_EQ(WarningOf(ComputeEqualPrincipalSchedule(Loan(100, 12, 2000, 3, 2000, 2, 3))),
            res::text::kLoanDateAfterStart);
  EXPECT_EQ(WarningOf(ComputeEqualPrincipalSchedule(Loan(214749, 12, 2000, 1, 2000, 1, 0))),
            res::text::kOverflow);
  // The loan fits, the payments with their interest do not.
  EXPECT_EQ(WarningOf(ComputeEqualPrincipalSchedule(Loan(214748, 12, 2000, 1, 2000, 1, 3))),
            res::text::kOverflow);
  // 10^9 yen at 400 % a month: a month's interest alone is about 4.9 × 10^9.
  EXPECT_EQ(
      WarningOf(ComputeEqualPrincipalSchedule(Loan(100000, 12, 2000, 1, 2000, 1, 400, kMonthRate))),
      res::text::kOverflow);
  EXPECT_EQ(Ok(ComputeEqualPrincipalSchedule(Loan(214748, 12, 2000, 1, 2000, 1, 0))).totalPayment,
            2147480000);
}

TEST(EqualPrincipalSchedule, InputsThatFailedValidationStaySafe) {
  for (int count : {0, -3, 4001, INT_MIN})
    EXPECT_EQ(WarningOf(ComputeEqualPrincipalSchedule(Loan(100, count, 2000, 1, 2000, 1, 3))), "");
  EXPECT_EQ(WarningOf(ComputeEqualPrincipalSchedule(Loan(100, 12, 0, 0, 0, 0, 3))), "");
  EXPECT_EQ(WarningOf(ComputeEqualPrincipalSchedule(Loan(100, 12, 0, 1, INT_MAX, 13, 3))), "");
  // A month of 13 moves the date on.
  const EqualPrincipalSchedule s =
      Ok(ComputeEqualPrincipalSchedule(Loan(100, 12, 2001, 1, 2000, 13, 3)));
  EXPECT_EQ(s.rows[0].year, 2001);
  EXPECT_EQ(s.rows[0].month, 1);
}

}  // namespace
}  // namespace loan
