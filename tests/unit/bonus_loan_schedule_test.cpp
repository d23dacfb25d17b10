#include "loan/bonus_loan_schedule.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <string>

#include "res/texts.h"
#include "tests/unit/outcome_test_support.h"

namespace loan {
namespace {

// 1000 万円 over 10 years, bonuses of 20 万円 in June and December, 3 %,
// borrowed 2000/4 and repaid from 2000/5.
BonusLoanSimInput TenYearLoan() {
  BonusLoanSimInput in;
  in.loanAmount = 1000;
  in.periodMode = kPeriodInYears;
  in.period = 10;
  in.bonusCount = 2;
  in.bonusMonths = {6, 12, 1};
  in.bonusMonthPayment = 20;
  in.annualRate = 3;
  in.loanYear = 2000;
  in.loanMonth = 4;
  in.startYear = 2000;
  in.startMonth = 5;
  return in;
}

BonusLoanSchedule Ok(const BonusLoanSimInput& input) {
  return testing_support::ResultOf(ComputeBonusLoanSchedule(input));
}

std::string_view WarningOf(const BonusLoanSimInput& input) {
  return testing_support::WarningOf(ComputeBonusLoanSchedule(input));
}

struct Expected {
  int number;
  bool bonus;
  int year, month;
  int32_t payment, interest, principal, balance;
};

void ExpectRow(const BonusLoanSchedule& s, const Expected& e) {
  SCOPED_TRACE("installment " + std::to_string(e.number));
  ASSERT_GE(s.rows.size(), static_cast<size_t>(e.number));
  const BonusScheduleRow& row = s.rows[static_cast<size_t>(e.number - 1)];
  EXPECT_EQ(row.number, e.number);
  EXPECT_EQ(row.bonus, e.bonus);
  EXPECT_EQ(row.year, e.year);
  EXPECT_EQ(row.month, e.month);
  EXPECT_EQ(row.payment, e.payment);
  EXPECT_EQ(row.interest, e.interest);
  EXPECT_EQ(row.principal, e.principal);
  EXPECT_EQ(row.balance, e.balance);
}

// What every schedule must hold: each payment is its interest plus its
// principal, the balance falls by the principal and never below zero, only
// the last row clears it, and the payments add up to the totals.
void ExpectConsistent(const BonusLoanSchedule& s) {
  ASSERT_FALSE(s.rows.empty());
  int64_t balance = s.loan, paid = 0;
  for (const BonusScheduleRow& row : s.rows) {
    SCOPED_TRACE("installment " + std::to_string(row.number));
    EXPECT_EQ(row.payment, int64_t{row.interest} + row.principal);
    EXPECT_EQ(row.balance, balance - row.principal);
    EXPECT_GE(row.balance, 0);
    EXPECT_GE(row.payment, 0);
    EXPECT_GE(row.interest, 0);
    EXPECT_EQ(row.last, &row == &s.rows.back());
    EXPECT_EQ(row.balance == 0, row.last);
    if (!row.last && row.number > 1) {
      EXPECT_EQ(row.payment, row.bonus ? s.bonusPayment : s.installment);
    }
    balance = row.balance;
    paid += row.payment;
  }
  EXPECT_EQ(s.rows.back().balance, 0);
  EXPECT_EQ(s.totalPrincipal, s.loan);
  EXPECT_EQ(paid, int64_t{s.totalInterest} + s.totalPrincipal);
}

TEST(ComputeBonusLoanSchedule, APaymentNeverTakesTheBalanceBelowZero) {
  // The same loan walked with 65079, the installment that pricing the three
  // bonuses as if six months apart would give: by installment 118 the balance
  // is 33759 and its 84 of interest, less than 65079, so it pays those and ends.
  BonusLoanSimInput in = TenYearLoan();
  in.bonusCount = 3;
  in.bonusMonths = {4, 8, 12};
  BonusLoanSchedule solved = Ok(in);
  BonusRepaymentTerms terms;
  terms.firstCounter = 2000 * 12 + 4;
  terms.installments = 120;
  for (const BonusScheduleRow& row : solved.rows)
    if (row.bonus) terms.bonusInstallments.push_back(row.number);
  ASSERT_EQ(terms.bonusInstallments.size(), 29u);
  terms.loan = 10000000;
  terms.monthlyRate = 3 / 1200.0;
  terms.installment = 65079;
  terms.bonusPayment = 200000;
  terms.deferralInterest = 25000;
  const BonusLoanSchedule s = testing_support::ResultOf(WalkBonusSchedule(terms));
  ASSERT_EQ(s.rows.size(), 118u);
  ExpectRow(s, {116, true, 2009, 12, 200000, 744, 199256, 98592});
  ExpectRow(s, {117, false, 2010, 1, 65079, 246, 64833, 33759});
  ExpectRow(s, {118, false, 2010, 2, 33843, 84, 33759, 0});
  EXPECT_TRUE(s.rows.back().last);
  EXPECT_EQ(s.totalInterest, 1585795);
  ExpectConsistent(s);

  // A bonus payment that would pass the balance pays exactly what is owed:
  // 300000 less 99250 leaves 200750, with 501 of interest, under 250000.
  terms.bonusInstallments = {2};
  terms.installments = 5;
  terms.loan = 300000;
  terms.installment = 100000;
  terms.bonusPayment = 250000;
  terms.deferralInterest = 0;
  const BonusLoanSchedule e = testing_support::ResultOf(WalkBonusSchedule(terms));
  ASSERT_EQ(e.rows.size(), 2u);
  ExpectRow(e, {1, false, 2000, 5, 100000, 750, 99250, 200750});
  ExpectRow(e, {2, false, 2000, 6, 201251, 501, 200750, 0});
  EXPECT_EQ(e.totalInterest, 1251);
  ExpectConsistent(e);
}

TEST(ComputeBonusLoanSchedule, AnyTwoOfThreeBonusMonthsOverlap) {
  BonusLoanSimInput in = TenYearLoan();
  in.bonusCount = 3;
  for (const std::array<int, 3>& months : {std::array{6, 6, 12}, std::array{6, 12, 12},
                                           std::array{12, 6, 12}}) {
    in.bonusMonths = months;
    EXPECT_EQ(WarningOf(in), res::text::kBonusMonthsOverlapThree);
  }
}

TEST(ComputeBonusLoanSchedule, DeferralInterestIsSimpleInterestOnTheLoan) {
  BonusLoanSimInput in = TenYearLoan();
  in.loanYear = 1999;  // thirteen months before installment 1
  BonusLoanSchedule s = Ok(in);
  EXPECT_EQ(s.rows[0].interest, 25000 + 13 * 25000);
  EXPECT_EQ(s.rows[0].payment, s.installment + 13 * 25000);
  ExpectConsistent(s);
}

TEST(ComputeBonusLoanSchedule, ZeroRateSpreadsWhatTheBonusesLeave) {
  BonusLoanSimInput in = TenYearLoan();
  in.annualRate = 0;
  // (10,000,000 − 20 × 200,000) / (120 − 20).
  BonusLoanSchedule s = Ok(in);
  EXPECT_EQ(s.installment, 60000);
  EXPECT_EQ(s.totalInterest, 0);
  ExpectRow(s, {120, false, 2010, 4, 60000, 0, 60000, 0});
  ExpectConsistent(s);
  in.bonusMonthPayment = 20.0001;  // 6,000,000 − 20 × 1 does not divide by 100
  EXPECT_EQ(Ok(in).installment, 59999);
}

TEST(ComputeBonusLoanSchedule, TinyRatesKeepTheirDigits) {
  // Against the same formula in 80-digit decimals: 60000.000000005 at 1e-12 %
  // (the direct (q^N − 1) / r would give 55608), 60002.49 at 0.0005 %.
  BonusLoanSimInput in = TenYearLoan();
  in.loanMonth = 5;
  in.annualRate = 1e-12;
  EXPECT_EQ(Ok(in).installment, 60000);
  in.annualRate = 0.0005;
  BonusLoanSchedule s = Ok(in);
  EXPECT_EQ(s.installment, 60002);
  ExpectConsistent(s);
  // The two forms meet at the threshold.
  in.annualRate = 0.001;
  const int32_t at = Ok(in).installment;
  in.annualRate = 0.00099999999;
  EXPECT_LE(std::abs(Ok(in).installment - at), 1);
}

TEST(ComputeBonusLoanSchedule, AmountsBeyond32BitsOverflow) {
  BonusLoanSimInput in = TenYearLoan();
  in.loanAmount = 214749;
  EXPECT_EQ(WarningOf(in), res::text::kOverflow);
  in.loanAmount = 214748;
  in.bonusMonthPayment = 5000;
  in.annualRate = 0;  // any interest would take the total paid past 32 bits
  BonusLoanSchedule largest = Ok(in);
  EXPECT_EQ(largest.installment, (2147480000 - 20 * 50000000) / 100);
  ExpectConsistent(largest);
  in.annualRate = 0.01;
  EXPECT_EQ(WarningOf(in), res::text::kOverflow);
  in.annualRate = 3;
  // 2147483647 yen is the largest bonus payment; twice it must not wrap to a
  // small number that slips under the loan.
  in.bonusMonthPayment = 214748.3648;
  EXPECT_EQ(WarningOf(in), res::text::kOverflow);
  in.bonusMonthPayment = 214748.3647;
  EXPECT_EQ(WarningOf(in), res::text::kOverflow);
  in.bonusMonthPayment = 107374.1823;  // 20 × 1073741823 passes 32 bits
  EXPECT_EQ(WarningOf(in), res::text::kOverflow);
  in.bonusMonthPayment = 10737.4182;  // 20 × 107374182 = 2147483640 ≥ the loan
  EXPECT_EQ(WarningOf(in), res::text::kBonusesAloneRepay);
  // Deferral interest for 3000 years on 2,147,480,000 yen.
  in = TenYearLoan();
  in.loanAmount = 214748;
  in.loanYear = 0;
  in.startYear = 3000;
  EXPECT_EQ(WarningOf(in), res::text::kOverflow);
}

TEST(ComputeBonusLoanSchedule, ValuesTheFieldsRefusedComputeNothingSilently) {
  auto refused = [](auto change) {
    BonusLoanSimInput in = TenYearLoan();
    change(in);
    return WarningOf(in) == testing_support::kAlreadyReportedText;
  };
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) { in.bonusCount = 5; }));
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) { in.bonusCount = INT_MIN; }));
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) { in.bonusMonths[1] = 13; }));
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) { in.period = 1000; }));
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) { in.period = INT_MAX; }));
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) { in.period = -1; }));
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) { in.annualRate = 100.5; }));
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) { in.loanAmount = -1; }));
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) { in.bonusMonthPayment = -0.5; }));
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) {
    in.startYear = INT_MAX;
    in.startMonth = INT_MAX;
  }));
  // Up to 1200 months is a term, whatever the field says.
  EXPECT_TRUE(refused([](BonusLoanSimInput& in) {
    in.periodMode = kPeriodInMonths;
    in.period = 1201;
  }));
  EXPECT_FALSE(refused([](BonusLoanSimInput& in) {
    in.periodMode = kPeriodInMonths;
    in.period = 1200;
  }));
  // A third month of 13 is refused by its field but unused with two bonuses.
  EXPECT_FALSE(refused([](BonusLoanSimInput& in) { in.bonusMonths[2] = 13; }));
  // A month of 13 in a date is the next January, as the month index says.
  BonusLoanSimInput in = TenYearLoan();
  in.startYear = 1999;
  in.startMonth = 17;
  EXPECT_EQ(Ok(in).rows[0].month, 5);
}

// Random loans of every pairing and tripling of bonus months: whatever comes
// out is a consistent schedule or one of the warnings.
TEST(ComputeBonusLoanSchedule, RandomLoansNeverGoBelowZero) {
  std::mt19937 random(12345);
  auto uniform = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  int schedules = 0;
  auto check = [&](BonusLoanSimInput in) {
    in.loanAmount = uniform(1, 200000);
    in.periodMode = uniform(0, 1);
    in.period = uniform(1, 100);
    in.annualRate = uniform(0, 3) == 0 ? 0.0 : uniform(0, 100000) / 1000.0;
    // Mostly a bonus payment between an even share of the loan over the term
    // and an even share over the bonuses, sometimes anything.
    const int n = in.periodMode == kPeriodInYears ? in.period * 12 : in.period;
    const double low = std::log10(1.0 / n), high = std::log10(12.0 / (in.bonusCount * n));
    const double share = std::pow(10.0, low + (high - low) * uniform(0, 1000) / 1000.0);
    in.bonusMonthPayment = uniform(0, 4) == 0 ? uniform(0, 2000000) / 10.0
                                              : std::floor(in.loanAmount * share * 1e4) / 1e4;
    in.loanYear = uniform(1990, 2010);
    in.loanMonth = uniform(1, 12);
    in.startYear = in.loanYear + uniform(0, 2);
    in.startMonth = uniform(1, 12);
    auto outcome = ComputeBonusLoanSchedule(in);
    if (auto* s = std::get_if<BonusLoanSchedule>(&outcome)) {
      ++schedules;
      SCOPED_TRACE(std::to_string(in.loanAmount) + " 万円, period " + std::to_string(in.period) +
                   ", rate " + std::to_string(in.annualRate) + ", bonus " +
                   std::to_string(in.bonusMonthPayment));
      ExpectConsistent(*s);
      EXPECT_LE(s->rows.size(), static_cast<size_t>(s->installments));
    } else {
      const std::string_view text = testing_support::WarningOf(outcome);
      EXPECT_TRUE(text == res::text::kNoBonusInTerm || text == res::text::kBonusesAloneRepay ||
                  text == res::text::kBonusPaymentTooSmall || text == res::text::kOverflow ||
                  text == res::text::kLoanDateAfterStart)
          << text;
    }
  };
  for (int a = 1; a <= 12; ++a)
    for (int b = a + 1; b <= 12; ++b) {
      for (int n = 0; n < 40; ++n) check({.bonusCount = 2, .bonusMonths = {a, b, uniform(1, 12)}});
      for (int c = b + 1; c <= 12; ++c)
        for (int n = 0; n < 20; ++n) check({.bonusCount = 3, .bonusMonths = {c, a, b}});
    }
  EXPECT_GT(schedules, 1500);
}

// Whatever integers and reals the fields can hold: nothing undefined happens.
TEST(ComputeBonusLoanSchedule, AnythingTheFieldsCanHoldIsSafe) {
  std::mt19937 random(777);
  auto anyInt = [&] {
    switch (random() % 4) {
      case 0: return static_cast<int>(random());
      case 1: return INT_MIN + static_cast<int>(random() % 3);
      case 2: return INT_MAX - static_cast<int>(random() % 3);
      default: return static_cast<int>(random() % 30) - 5;
    }
  };
  auto anyReal = [&] {
    switch (random() % 4) {
      case 0: return std::ldexp(static_cast<double>(random()), static_cast<int>(random() % 2000) - 1000);
      case 1: return -static_cast<double>(random());
      case 2: return 1e308;
      default: return static_cast<double>(random() % 1000) / 7.0;
    }
  };
  for (int n = 0; n < 3000; ++n) {
    BonusLoanSimInput in;
    in.periodMode = anyInt();
    in.period = random() % 2 ? anyInt() : static_cast<int>(random() % 101);
    in.bonusCount = random() % 2 ? anyInt() : 2 + static_cast<int>(random() % 2);
    for (int& m : in.bonusMonths) m = random() % 2 ? anyInt() : 1 + static_cast<int>(random() % 12);
    in.bonusMonthPayment = anyReal();
    in.annualRate = random() % 2 ? anyReal() : static_cast<double>(random() % 101);
    in.loanYear = anyInt();
    in.loanMonth = anyInt();
    in.startYear = random() % 2 ? anyInt() : 2000;
    in.startMonth = anyInt();
    in.loanAmount = random() % 2 ? anyInt() : static_cast<int>(random() % 300000);
    auto outcome = ComputeBonusLoanSchedule(in);
    if (auto* s = std::get_if<BonusLoanSchedule>(&outcome)) ExpectConsistent(*s);
  }
}

}  // namespace
}  // namespace loan
