// The equal-installment schedule against worked examples and hand-checked cases.
#include "loan/equal_payment_schedule.h"

#include <gtest/gtest.h>

#include <climits>

#include "res/texts.h"
#include "tests/unit/loan_test_support.h"

namespace loan {
namespace {

using namespace testing_support;

void ExpectRow(const ScheduleRow& row, int year, int month, int days, int number, int32_t payment,
               int32_t interest, int32_t principal, int32_t balance) {
  SCOPED_TRACE(::testing::Message() << "row " << row.number);
  EXPECT_EQ(row.year, year);
  EXPECT_EQ(row.month, month);
  EXPECT_EQ(row.days, days);
  EXPECT_EQ(row.number, number);
  EXPECT_EQ(row.payment, payment);
  EXPECT_EQ(row.interest, interest);
  EXPECT_EQ(row.principal, principal);
  EXPECT_EQ(row.balance, balance);
}

// Every schedule: totals are the rows' sums, the principal adds up to the loan,
// and a row's payment is its interest plus its principal.
void ExpectConsistent(const EqualPaymentSchedule& s) {
  EXPECT_EQ(s.totalInterest, Sum(s.rows, &ScheduleRow::interest));
  EXPECT_EQ(s.totalPrincipal, Sum(s.rows, &ScheduleRow::principal));
  EXPECT_EQ(s.totalPrincipal, s.loan);
  EXPECT_EQ(s.grandTotal, s.totalPrincipal + s.totalInterest);
  for (const ScheduleRow& row : s.rows) EXPECT_EQ(row.payment, row.interest + row.principal);
  ASSERT_FALSE(s.rows.empty());
  EXPECT_EQ(s.rows.back().balance, 0);
}

TEST(EqualPaymentSchedule, LargestCountGivesEveryRow) {
  const EqualPaymentSchedule s =
      ResultOf(ComputeEqualPaymentSchedule(Loan(100000, 4000, 2000, 1, 2000, 1, 0.5)));
  ASSERT_EQ(s.rows.size(), 4000u);
  EXPECT_EQ(s.rows.back().number, 4000);
  // 3999 months after January 2000 is March 2333.
  EXPECT_EQ(s.rows.back().year, 2333);
  EXPECT_EQ(s.rows.back().month, 4);
  ExpectConsistent(s);
}

TEST(EqualPaymentSchedule, TinyRatesGiveTinyInterest) {
  // The annuity of 100 万円 over 12 months tends to 83333.33 as the rate falls:
  // at 0.0001 % a year it is 83333.378 (1 + q)-series, so 83333.
  for (double rate : {1e-4, 1e-9, 1e-14, 1e-300, 5e-324}) {
    SCOPED_TRACE(rate);
    const EqualPaymentSchedule s =
        ResultOf(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 1, 2000, 1, rate)));
    EXPECT_EQ(s.installment, 83333);
    EXPECT_EQ(s.totalInterest, 0);
    ExpectConsistent(s);
  }
  // At 0.001 % the written formula stands: 1000000 × q / (1 − (1 + q)^−12) = 83333.7847.
  EXPECT_EQ(
      ResultOf(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 1, 2000, 1, 0.001))).installment,
      83333);
  // A large loan shows the tiny rate: 2000000000 / 12 = 166666666.67, plus about
  // q × 6.5 of it (q = 0.0001 % / 12), so 166666756.94.
  EXPECT_EQ(
      ResultOf(ComputeEqualPaymentSchedule(Loan(200000, 12, 2000, 1, 2000, 1, 1e-4))).installment,
      166666756);
}

TEST(EqualPaymentSchedule, BalanceNeverGoesBelowZero) {
  // 1000 万円 over 360 months at 12 % from 2000/2: day-counted interest falls
  // behind the annuity, and repayment 359 would take the balance to −38830.
  // It pays off the 63385 left with its interest instead, and ends the schedule.
  const EqualPaymentSchedule s =
      ResultOf(ComputeEqualPaymentSchedule(Loan(1000, 360, 2000, 2, 2000, 2, 12)));
  EXPECT_EQ(s.installment, 102861);
  ASSERT_EQ(s.rows.size(), 359u);
  ExpectRow(s.rows[357], 2029, 11, 30, 358, 102861, 1623, 101238, 63385);
  ExpectRow(s.rows[358], 2029, 12, 31, 359, 64031, 646, 63385, 0);
  EXPECT_EQ(s.totalInterest, 26888269);
  ExpectConsistent(s);

  // 15 % over 35 years from 2000/1: repayment 416 would leave −8973.
  const EqualPaymentSchedule s15 =
      ResultOf(ComputeEqualPaymentSchedule(Loan(1000, 420, 2000, 1, 2000, 1, 15)));
  ASSERT_EQ(s15.rows.size(), 416u);
  ExpectRow(s15.rows[414], 2034, 7, 31, 415, 125681, 3030, 122651, 115240);
  ExpectRow(s15.rows[415], 2034, 8, 31, 416, 116708, 1468, 115240, 0);
  EXPECT_EQ(s15.totalInterest, 42274323);
  ExpectConsistent(s15);
  for (const ScheduleRow& row : s15.rows) {
    EXPECT_GE(row.balance, 0);
    EXPECT_GT(row.payment, 0);
  }
}

TEST(EqualPaymentSchedule, AmountsBeyond32BitsAreAnOverflow) {
  // 214748 万円 fits in yen, 214749 万円 does not.
  EXPECT_EQ(ResultOf(ComputeEqualPaymentSchedule(Loan(214748, 12, 2000, 1, 2000, 1, 0))).loan,
            2147480000);
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(214749, 12, 2000, 1, 2000, 1, 0))),
            res::text::kOverflow);
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(2147483600, 12, 2000, 1, 2000, 1, 3))),
            res::text::kOverflow);
  // The loan fits but loan plus interest does not.
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(214748, 12, 2000, 1, 2000, 1, 3))),
            res::text::kOverflow);
  // 1000 years of deferral at 200 %: E = 10^9 × 2 / 12 × 12000.
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100000, 12, 2000, 1, 3000, 1, 200))),
            res::text::kOverflow);
  // An installment of 10^9 × 4 = 4 × 10^9 at 400 % a month over one repayment.
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100000, 1, 2000, 1, 2000, 1, 400, kMonthRate))),
            res::text::kOverflow);
}

TEST(EqualPaymentSchedule, InputsThatFailedValidationStaySafe) {
  // Counts outside 1 to 4000 and dates before year 0 stop without a box of their own.
  for (int count : {0, -1, 4001, INT_MIN, INT_MAX})
    EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, count, 2000, 1, 2000, 1, 3))),
              kAlreadyReportedText);
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, 12, 0, 0, 0, 0, 3))),
            kAlreadyReportedText);
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, 12, -1, 1, -1, 1, 3))),
            kAlreadyReportedText);
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, 12, INT_MIN, 1, INT_MAX, 12, 3))),
            kAlreadyReportedText);
  // The date check comes first.
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, 0, 2000, 2, 2000, 1, 3))),
            res::text::kLoanDateAfterStart);
  // A month of 13 moves the date on: the first repayment falls in January 2001.
  const EqualPaymentSchedule s =
      ResultOf(ComputeEqualPaymentSchedule(Loan(100, 12, 2001, 1, 2000, 13, 3)));
  EXPECT_EQ(s.rows[0].year, 2001);
  EXPECT_EQ(s.rows[0].month, 1);
  EXPECT_EQ(s.rows[0].interest, 2547);  // 1000000 × 0.03 / 365 × 31; 2001/1 is the same month
  // Rates far outside their range: no undefined arithmetic (the sanitizer build
  // checks), a schedule or an overflow.
  for (double rate : {-100.0, -1200.0, -1e300, 1e300, -1e-20}) {
    const std::string_view warning =
        WarningOf(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 1, 2000, 1, rate)));
    EXPECT_TRUE(warning == kNoWarning || warning == res::text::kOverflow) << rate;
  }
  const EqualPaymentSchedule zero =
      ResultOf(ComputeEqualPaymentSchedule(Loan(0, 12, 2000, 1, 2000, 1, 1.7e308, kMonthRate)));
  EXPECT_EQ(zero.rows.size(), 12u);
  EXPECT_EQ(zero.totalInterest, 0);
}

TEST(EqualPaymentSchedule, NegativeLoanComputesAsWritten) {
  // A loan below 0 fails its validation but is computed: every amount mirrored.
  const EqualPaymentSchedule s =
      ResultOf(ComputeEqualPaymentSchedule(Loan(-100, 12, 2000, 1, 2000, 2, 3)));
  ASSERT_EQ(s.rows.size(), 12u);
  EXPECT_EQ(s.installment, -84693);
  EXPECT_EQ(s.rows[0].interest, -4877);
  EXPECT_EQ(s.totalPrincipal, -1000000);
}

}  // namespace
}  // namespace loan
