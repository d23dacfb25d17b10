// Random loans for the equal-installment and equal-principal schedules and for
// the prepayment simulation: across the validated ranges every schedule that is
// computed must add up, keep its balance at or above zero and pay something on
// every row, and prepayments must do what their method says; far beyond them
// nothing may crash or trip the sanitizers. The seed is fixed, so a failure
// repeats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "loan/equal_payment_schedule.h"
#include "loan/equal_principal_schedule.h"
#include "core/checked_math.h"
#include "loan/equal_payment_report.h"
#include "loan/prepayment_schedule.h"
#include "tests/unit/loan_test_support.h"
#include "tests/unit/random_dice.h"

namespace loan {
namespace {

using namespace testing_support;
using ::testing_support::Dice;

constexpr int kCases = 1500;

// Where the nth line of a report ends, after its line feed.
size_t NthLineEnd(const std::string& report, int n) {
  size_t at = 0;
  for (int line = 0; line < n; ++line) at = report.find('\n', at) + 1;
  return at;
}

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
    PrepaymentInput prepayments;
    prepayments.loan = input;
    prepayments.method = dice.AnyInt();
    for (PrepaymentEntry& entry : prepayments.entries) entry = {dice.AnyInt(), dice.AnyInt()};
    const auto prepaid = ComputePrepaymentSchedule(prepayments);
    if (const auto* p = std::get_if<PrepaymentSchedule>(&prepaid)) {
      EXPECT_LE(p->schedule.rows.size(), static_cast<size_t>(kMaxPaymentCount) + 3);
    }
  }
}

// --- Prepayments ---

// Up to three prepayment rows: most used, with sums from a few 万円 to more
// than is owed; the others unused (no amount, or one that failed validation)
// whatever their 回.
PrepaymentInput WithPrepayments(Dice& dice, const LoanInput& loan) {
  PrepaymentInput input;
  input.loan = loan;
  input.method = dice.OneIn(2) ? kLowerInstallment : kShortenTerm;
  const int n = loan.paymentCount;
  for (PrepaymentEntry& entry : input.entries) {
    if (n < 2 || dice.OneIn(4)) {
      entry.after = static_cast<int>(dice.Between(0, kMaxPaymentCount));
      entry.amount = dice.OneIn(4) ? -static_cast<int>(dice.Between(1, 100)) : 0;
      continue;
    }
    entry.after = static_cast<int>(dice.Between(1, n - 1));
    switch (dice.Between(0, 3)) {
      case 0:
        entry.amount = static_cast<int>(dice.Between(1, 10));
        break;
      case 1:
        entry.amount = static_cast<int>(dice.Between(1, loan.loanAmount / 4 + 1));
        break;
      case 2:
        entry.amount = static_cast<int>(dice.Between(1, loan.loanAmount));
        break;
      default:
        entry.amount = dice.ValidInt(1, core::kAmountLimit);
    }
  }
  return input;
}

::testing::Message Describe(const PrepaymentInput& input) {
  ::testing::Message message;
  message << "loan " << input.loan.loanAmount << " count " << input.loan.paymentCount << " rate "
          << (input.loan.rateMode == kMonthRate ? input.loan.monthRate : input.loan.annualRate)
          << (input.loan.rateMode == kMonthRate ? " a month" : " a year") << " method "
          << input.method;
  for (const PrepaymentEntry& entry : input.entries)
    message << " " << entry.amount << " after " << entry.after;
  return message;
}

// What every schedule with prepayments keeps against `plain`, the same loan
// without them: rows in order, the principal parts and prepayments adding up to
// the loan, no balance below 0, the interest saved as the difference of the
// totals. A shortened term keeps the installment, ends no later and saves.
void ExpectPrepaymentsSound(const PrepaymentSchedule& p, const EqualPaymentSchedule& plain,
                            const PrepaymentInput& input) {
  SCOPED_TRACE(Describe(input));
  const EqualPaymentSchedule& s = p.schedule;
  ASSERT_FALSE(s.rows.empty());
  int number = 0;
  for (size_t i = 0; i < s.rows.size(); ++i) {
    const ScheduleRow& row = s.rows[i];
    ASSERT_GE(row.balance, 0) << "row " << i;
    ASSERT_EQ(row.payment, int64_t{row.principal} + row.interest) << "row " << i;
    if (row.prepayment) {
      // Right after its repayment, once, and only while something is owed.
      ASSERT_TRUE(i > 0 && !s.rows[i - 1].prepayment && row.number == number) << "row " << i;
      ASSERT_TRUE(row.interest == 0 && row.principal > 0) << "row " << i;
    } else {
      ASSERT_EQ(row.number, ++number) << "row " << i;
      ASSERT_GE(row.interest, 0) << "row " << i;
    }
  }
  EXPECT_EQ(s.rows.back().balance, 0);
  EXPECT_EQ(Sum(s.rows, &ScheduleRow::principal), s.loan);
  EXPECT_EQ(s.totalPrincipal, s.loan);
  EXPECT_EQ(s.totalInterest, Sum(s.rows, &ScheduleRow::interest));
  EXPECT_EQ(p.repaymentCount, number);
  EXPECT_LE(number, input.loan.paymentCount);
  EXPECT_EQ(p.interestSaved, int64_t{plain.totalInterest} - s.totalInterest);
  if (input.method != kShortenTerm) return;
  EXPECT_EQ(s.finalInstallment, s.installment);
  for (const ScheduleRow& row : s.rows) {
    if (!row.prepayment && row.number > 1 && &row != &s.rows.back()) {
      ASSERT_EQ(row.payment, s.installment) << "row " << row.number;
    }
  }
  EXPECT_LE(p.repaymentCount, static_cast<int>(plain.rows.size()));
  EXPECT_GE(p.interestSaved, 0);
}

TEST(LoanRandom, PrepaymentsAddUpAndAShortenedTermSaves) {
  Dice dice(20250401);
  int computed = 0;
  for (int i = 0; i < kCases; ++i) {
    const PrepaymentInput input = WithPrepayments(dice, ValidLoan(dice));
    const auto prepaid = ComputePrepaymentSchedule(input);
    if (const auto* p = std::get_if<PrepaymentSchedule>(&prepaid)) {
      ExpectPrepaymentsSound(*p, ResultOf(ComputeEqualPaymentSchedule(input.loan)), input);
      ++computed;
    } else {
      EXPECT_EQ(WarningOf(prepaid), "オーバーフローしました") << Describe(input);
    }
    if (HasFatalFailure()) return;
  }
  // Overflow is the exception (a large loan at an extreme rate), not the rule.
  EXPECT_GT(computed, kCases / 2);
}

// A lower installment spreads the balance left over the repayments left, and
// so carries on the day-counted interest's small departures from the monthly
// annuity, which the plain schedule settles in its last repayment. For loans as
// people take them (up to 5 % a year over up to 35 years, prepaying at least
// two months' interest and leaving at least 1 万円 for each repayment left) the
// term stays, the installment falls and interest is saved. Far outside (40 %
// over 35 years, say) the plain schedule itself ends years early, and the
// lower installment may cost more interest than it saves.
TEST(LoanRandom, ALowerInstallmentKeepsTheTermOfUsualLoans) {
  Dice dice(20250402);
  int checked = 0;
  for (int i = 0; i < kCases * 4; ++i) {
    const bool monthly = dice.OneIn(3);
    const double annualRate = dice.Real(0, 5.0);
    const int64_t start = 2000 * 12 + dice.Between(0, 600);
    PrepaymentInput input = WithPrepayments(
        dice, Loan(static_cast<int>(dice.Between(1, 200000)),
                   static_cast<int>(dice.Between(2, 420)), 2000, 1, static_cast<int>(start / 12),
                   static_cast<int>(start % 12 + 1), monthly ? annualRate / 12.0 : annualRate,
                   monthly ? kMonthRate : kAnnualRate));
    input.method = kLowerInstallment;
    const auto prepaid = ComputePrepaymentSchedule(input);
    const auto* p = std::get_if<PrepaymentSchedule>(&prepaid);
    if (p == nullptr) continue;
    const EqualPaymentSchedule& s = p->schedule;
    const int n = input.loan.paymentCount;
    int lastAfter = 0;
    int64_t left = 0;
    for (const ScheduleRow& row : s.rows) {
      if (row.prepayment) {
        lastAfter = row.number;
        left = row.balance;
      }
    }
    const double monthsOfInterest = s.totalPrepaid / (s.loan * (annualRate / 1200.0));
    if (lastAfter == 0 || left < 10000LL * (n - lastAfter) || !(monthsOfInterest >= 2.0))
      continue;
    SCOPED_TRACE(Describe(input));
    EXPECT_EQ(p->repaymentCount, n);
    EXPECT_LT(s.finalInstallment, s.installment);
    EXPECT_GE(p->interestSaved, 0);
    ++checked;
  }
  EXPECT_GT(checked, kCases / 2);
}

// Rows left unused, whatever their 回, give exactly the plain schedule: its
// rows, its totals, its report lines between the method line and the two
// closing lines.
TEST(LoanRandom, UnusedPrepaymentRowsGiveThePlainSchedule) {
  Dice dice(20250403);
  for (int i = 0; i < kCases / 3; ++i) {
    PrepaymentInput input;
    input.loan = ValidLoan(dice);
    input.method = dice.OneIn(2) ? kLowerInstallment : kShortenTerm;
    for (PrepaymentEntry& entry : input.entries) {
      entry.after = dice.OneIn(2) ? static_cast<int>(dice.Between(0, kMaxPaymentCount))
                                  : dice.AnyInt();
      entry.amount = dice.OneIn(2) ? 0 : -static_cast<int>(dice.Between(1, 2147483647));
    }
    const auto plain = ComputeEqualPaymentSchedule(input.loan);
    const auto prepaid = ComputePrepaymentSchedule(input);
    const auto* s = std::get_if<EqualPaymentSchedule>(&plain);
    const auto* p = std::get_if<PrepaymentSchedule>(&prepaid);
    ASSERT_EQ(s == nullptr, p == nullptr) << Describe(input);
    if (s == nullptr) {
      EXPECT_EQ(WarningOf(plain), WarningOf(prepaid));
      continue;
    }
    SCOPED_TRACE(Describe(input));
    ASSERT_EQ(p->schedule.rows, s->rows);
    EXPECT_EQ(p->schedule.totalInterest, s->totalInterest);
    EXPECT_EQ(p->schedule.totalPrincipal, s->totalPrincipal);
    EXPECT_EQ(p->schedule.grandTotal, s->grandTotal);
    EXPECT_EQ(p->schedule.finalInstallment, s->installment);
    EXPECT_EQ(p->schedule.totalPrepaid, 0);
    EXPECT_EQ(p->interestSaved, 0);
    EXPECT_EQ(p->repaymentCount, static_cast<int>(s->rows.size()));
    const std::string report = FormatEqualPaymentReport(*s).Bytes();
    const std::string kuriage = FormatPrepaymentReport(*p).Bytes();
    const size_t header = NthLineEnd(report, 4);
    const size_t method = NthLineEnd(kuriage, 5);
    ASSERT_EQ(kuriage.substr(0, header), report.substr(0, header));
    ASSERT_EQ(kuriage.substr(method, report.size() - header), report.substr(header));
    EXPECT_EQ(std::count(kuriage.begin(), kuriage.end(), '\n'),
              std::count(report.begin(), report.end(), '\n') + 3);
  }
}

}  // namespace
}  // namespace loan
