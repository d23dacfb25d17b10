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

TEST(EqualPaymentSchedule, AnnualRateWithOneMonthOfDeferral) {
  // 100 万円, 12 repayments, loan 2000/1, first repayment 2000/2, 3 % a year.
  const EqualPaymentSchedule s = Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 1, 2000, 2, 3)));
  EXPECT_EQ(s.installment, 84693);
  EXPECT_EQ(s.loan, 1000000);
  ASSERT_EQ(s.rows.size(), 12u);
  // February 2000 counts 29 days of a 366-day year: 2377 + the deferral 2500.
  ExpectRow(s.rows[0], 2000, 2, 29, 1, 87193, 4877, 82316, 917684);
  ExpectRow(s.rows[1], 2000, 3, 31, 2, 84693, 2331, 82362, 835322);
  ExpectRow(s.rows[11], 2001, 1, 31, 12, 84620, 215, 84405, 0);
  EXPECT_EQ(s.totalInterest, 18743);
  EXPECT_EQ(s.totalPrincipal, 1000000);
  EXPECT_EQ(s.grandTotal, 1018743);
  ExpectConsistent(s);
}

TEST(EqualPaymentSchedule, MonthlyRateWithoutDeferral) {
  // The same loan at 0.25 % a month, taken and first repaid 2001/4.
  const EqualPaymentSchedule s =
      Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2001, 4, 2001, 4, 0.25, kMonthRate)));
  EXPECT_TRUE(s.monthly);
  EXPECT_EQ(s.installment, 84693);
  ASSERT_EQ(s.rows.size(), 12u);
  EXPECT_EQ(s.rows[0].year, 2001);
  EXPECT_EQ(s.rows[0].month, 4);
  EXPECT_EQ(s.rows[0].days, 30);
  EXPECT_EQ(s.rows[0].interest, 2465);
  EXPECT_EQ(s.rows[0].payment, 84693);  // no deferral
  EXPECT_EQ(s.rows[10].month, 2);
  EXPECT_EQ(s.rows[10].days, 28);
  EXPECT_EQ(s.rows[10].interest, 388);
  ExpectRow(s.rows[11], 2002, 3, 31, 12, 84734, 215, 84519, 0);
  EXPECT_EQ(s.totalInterest, 16357);
  ExpectConsistent(s);
}

TEST(EqualPaymentSchedule, SingleRepaymentShowsTheDeferralInItsRow) {
  // 10 万円 in one repayment, loan 2000/1, repaid 2000/3 at 12 %: E = 2000.
  const EqualPaymentSchedule s = Ok(ComputeEqualPaymentSchedule(Loan(10, 1, 2000, 1, 2000, 3, 12)));
  // One repayment: A is the loan times 1.01 computed in doubles, which lands below 101000.
  EXPECT_EQ(s.installment, 100999);
  ASSERT_EQ(s.rows.size(), 1u);
  ExpectRow(s.rows[0], 2000, 3, 31, 1, 103016, 3016, 100000, 0);
  EXPECT_EQ(s.totalInterest, 3016);
  ExpectConsistent(s);
}

TEST(EqualPaymentSchedule, FebruaryOfCenturyYears) {
  const EqualPaymentSchedule s1900 =
      Ok(ComputeEqualPaymentSchedule(Loan(100, 2, 1900, 2, 1900, 2, 36.5)));
  const EqualPaymentSchedule s2000 =
      Ok(ComputeEqualPaymentSchedule(Loan(100, 2, 2000, 2, 2000, 2, 36.6)));
  const EqualPaymentSchedule s2100 =
      Ok(ComputeEqualPaymentSchedule(Loan(100, 2, 2100, 2, 2100, 2, 36.5)));
  // 36.5 % over 365 days (36.6 % over 366) is 0.1 % a day: 1000 yen a day on 100 万円.
  EXPECT_EQ(s1900.rows[0].days, 28);
  EXPECT_EQ(s1900.rows[0].interest, 28000);
  EXPECT_EQ(s2000.rows[0].days, 29);
  EXPECT_EQ(s2000.rows[0].interest, 29000);
  EXPECT_EQ(s2100.rows[0].days, 28);
  EXPECT_EQ(s2100.rows[0].interest, 28000);
}

TEST(EqualPaymentSchedule, LoanDateAfterFirstRepaymentIsRefused) {
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 3, 2000, 2, 3))),
            res::text::kLoanDateAfterStart);
  // The same month passes, without deferral interest.
  const EqualPaymentSchedule s = Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 2, 2000, 2, 3)));
  EXPECT_EQ(s.rows[0].payment, s.installment);
}

TEST(EqualPaymentSchedule, LargestCountGivesEveryRow) {
  const EqualPaymentSchedule s =
      Ok(ComputeEqualPaymentSchedule(Loan(100000, 4000, 2000, 1, 2000, 1, 0.5)));
  ASSERT_EQ(s.rows.size(), 4000u);
  EXPECT_EQ(s.rows.back().number, 4000);
  // 3999 months after January 2000 is March 2333.
  EXPECT_EQ(s.rows.back().year, 2333);
  EXPECT_EQ(s.rows.back().month, 4);
  ExpectConsistent(s);
}

TEST(EqualPaymentSchedule, ZeroRateRepaysEqualPartsWithoutInterest) {
  // 100 万円 / 12 = 83333.33: eleven rows of 83333 and a last one of the 83337 left.
  const EqualPaymentSchedule s = Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 1, 2000, 3, 0)));
  EXPECT_EQ(s.installment, 83333);
  ASSERT_EQ(s.rows.size(), 12u);
  for (const ScheduleRow& row : s.rows) EXPECT_EQ(row.interest, 0);
  ExpectRow(s.rows[0], 2000, 3, 31, 1, 83333, 0, 83333, 916667);
  ExpectRow(s.rows[11], 2001, 2, 28, 12, 83337, 0, 83337, 0);
  EXPECT_EQ(s.totalInterest, 0);
  ExpectConsistent(s);
  const EqualPaymentSchedule monthly =
      Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 1, 2000, 3, 0, kMonthRate)));
  EXPECT_EQ(monthly.installment, 83333);
}

TEST(EqualPaymentSchedule, TinyRatesGiveTinyInterest) {
  // The annuity of 100 万円 over 12 months tends to 83333.33 as the rate falls:
  // at 0.0001 % a year it is 83333.378 (1 + q)-series, so 83333.
  for (double rate : {1e-4, 1e-9, 1e-14, 1e-300, 5e-324}) {
    SCOPED_TRACE(rate);
    const EqualPaymentSchedule s =
        Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 1, 2000, 1, rate)));
    EXPECT_EQ(s.installment, 83333);
    EXPECT_EQ(s.totalInterest, 0);
    ExpectConsistent(s);
  }
  // At 0.001 % the written formula stands: 1000000 × q / (1 − (1 + q)^−12) = 83333.7847.
  EXPECT_EQ(Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 1, 2000, 1, 0.001))).installment,
            83333);
  // A large loan shows the tiny rate: 2000000000 / 12 = 166666666.67, plus about
  // q × 6.5 of it (q = 0.0001 % / 12), so 166666756.94.
  EXPECT_EQ(Ok(ComputeEqualPaymentSchedule(Loan(200000, 12, 2000, 1, 2000, 1, 1e-4))).installment,
            166666756);
}

TEST(EqualPaymentSchedule, BalanceNeverGoesBelowZero) {
  // 1000 万円 over 360 months at 12 % from 2000/2: day-counted interest falls
  // behind the annuity, and repayment 359 would take the balance to −38830.
  // It pays off the 63385 left with its interest instead, and ends the schedule.
  const EqualPaymentSchedule s =
      Ok(ComputeEqualPaymentSchedule(Loan(1000, 360, 2000, 2, 2000, 2, 12)));
  EXPECT_EQ(s.installment, 102861);
  ASSERT_EQ(s.rows.size(), 359u);
  ExpectRow(s.rows[357], 2029, 11, 30, 358, 102861, 1623, 101238, 63385);
  ExpectRow(s.rows[358], 2029, 12, 31, 359, 64031, 646, 63385, 0);
  EXPECT_EQ(s.totalInterest, 26888269);
  ExpectConsistent(s);

  // 15 % over 35 years from 2000/1: repayment 416 would leave −8973.
  const EqualPaymentSchedule s15 =
      Ok(ComputeEqualPaymentSchedule(Loan(1000, 420, 2000, 1, 2000, 1, 15)));
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
  EXPECT_EQ(Ok(ComputeEqualPaymentSchedule(Loan(214748, 12, 2000, 1, 2000, 1, 0))).loan,
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
    EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, count, 2000, 1, 2000, 1, 3))), "");
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, 12, 0, 0, 0, 0, 3))), "");
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, 12, -1, 1, -1, 1, 3))), "");
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, 12, INT_MIN, 1, INT_MAX, 12, 3))), "");
  // The date check comes first.
  EXPECT_EQ(WarningOf(ComputeEqualPaymentSchedule(Loan(100, 0, 2000, 2, 2000, 1, 3))),
            res::text::kLoanDateAfterStart);
  // A month of 13 moves the date on: the first repayment falls in January 2001.
  const EqualPaymentSchedule s = Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2001, 1, 2000, 13, 3)));
  EXPECT_EQ(s.rows[0].year, 2001);
  EXPECT_EQ(s.rows[0].month, 1);
  EXPECT_EQ(s.rows[0].interest, 2547);  // 1000000 × 0.03 / 365 × 31; 2001/1 is the same month
  // Rates far outside their range: no undefined arithmetic (the sanitizer build
  // checks), a schedule or an overflow.
  for (double rate : {-100.0, -1200.0, -1e300, 1e300, -1e-20}) {
    const std::string_view warning =
        WarningOf(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 1, 2000, 1, rate)));
    EXPECT_TRUE(warning == "(none)" || warning == res::text::kOverflow) << rate;
  }
  const EqualPaymentSchedule zero =
      Ok(ComputeEqualPaymentSchedule(Loan(0, 12, 2000, 1, 2000, 1, 1.7e308, kMonthRate)));
  EXPECT_EQ(zero.rows.size(), 12u);
  EXPECT_EQ(zero.totalInterest, 0);
}

TEST(EqualPaymentSchedule, NegativeLoanComputesAsWritten) {
  // A loan below 0 fails its validation but is computed: every amount mirrored.
  const EqualPaymentSchedule s = Ok(ComputeEqualPaymentSchedule(Loan(-100, 12, 2000, 1, 2000, 2, 3)));
  ASSERT_EQ(s.rows.size(), 12u);
  EXPECT_EQ(s.installment, -84693);
  EXPECT_EQ(s.rows[0].interest, -4877);
  EXPECT_EQ(s.totalPrincipal, -1000000);
}

}  // namespace
}  // namespace loan
