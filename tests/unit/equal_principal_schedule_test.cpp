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

TEST(EqualPrincipalSchedule, SingleRepaymentShowsTheDeferralInItsRow) {
  const EqualPrincipalSchedule s =
      ResultOf(ComputeEqualPrincipalSchedule(Loan(10, 1, 2000, 1, 2000, 3, 12)));
  EXPECT_EQ(s.principalPart, 100000);
  ASSERT_EQ(s.rows.size(), 1u);
  ExpectRow(s.rows[0], 2000, 3, 31, 1, 100000, 3016, 103016, 0);
  EXPECT_EQ(s.totalInterest, 3016);
  EXPECT_EQ(s.totalPayment, 103016);
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
  EXPECT_EQ(
      ResultOf(ComputeEqualPrincipalSchedule(Loan(214748, 12, 2000, 1, 2000, 1, 0))).totalPayment,
      2147480000);
}

TEST(EqualPrincipalSchedule, InputsThatFailedValidationStaySafe) {
  for (int count : {0, -3, 4001, INT_MIN})
    EXPECT_EQ(WarningOf(ComputeEqualPrincipalSchedule(Loan(100, count, 2000, 1, 2000, 1, 3))),
              kAlreadyReportedText);
  EXPECT_EQ(WarningOf(ComputeEqualPrincipalSchedule(Loan(100, 12, 0, 0, 0, 0, 3))),
            kAlreadyReportedText);
  EXPECT_EQ(WarningOf(ComputeEqualPrincipalSchedule(Loan(100, 12, 0, 1, INT_MAX, 13, 3))),
            kAlreadyReportedText);
  // A month of 13 moves the date on.
  const EqualPrincipalSchedule s =
      ResultOf(ComputeEqualPrincipalSchedule(Loan(100, 12, 2001, 1, 2000, 13, 3)));
  EXPECT_EQ(s.rows[0].year, 2001);
  EXPECT_EQ(s.rows[0].month, 1);
}

}  // namespace
}  // namespace loan
