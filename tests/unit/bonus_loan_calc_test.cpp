#include "loan/bonus_loan_calc.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/units.h"
#include "res/texts.h"
#include "tests/unit/outcome_test_support.h"

namespace loan {
namespace {

BonusLoanCalcInput Loan(int loan, int years, int count, double rate, int portion) {
  BonusLoanCalcInput input;
  input.loanAmount = loan;
  input.years = years;
  input.bonusCount = count;
  input.annualRate = rate;
  input.bonusPortion = portion;
  return input;
}

BonusLoanCalcResult Ok(const BonusLoanCalcInput& input) {
  return testing_support::ResultOf(ComputeBonusLoanCalc(input));
}

std::string_view WarningOf(const BonusLoanCalcInput& input) {
  return testing_support::WarningOf(ComputeBonusLoanCalc(input));
}

TEST(ComputeBonusLoanCalc, ChecksInTheirOrder) {
  EXPECT_EQ(WarningOf(Loan(100, 10, 2, 3, 101)), res::text::kBonusPortionExceedsLoan);
  EXPECT_EQ(WarningOf(Loan(100, 0, 0, 3, 101)), res::text::kBonusPortionExceedsLoan);
  EXPECT_EQ(WarningOf(Loan(100, 0, 2, 3, 50)), res::text::kNoRepaymentYears);
  EXPECT_EQ(WarningOf(Loan(100, 0, 0, 0, 50)), res::text::kNoRepaymentYears);
  // Without bonuses the bonus portion would vanish from every result.
  EXPECT_EQ(WarningOf(Loan(100, 10, 0, 3, 1)), res::text::kNoBonusesForBonusPortion);
  EXPECT_EQ(WarningOf(Loan(100, 10, 0, 0, 100)), res::text::kNoBonusesForBonusPortion);
}

TEST(ComputeBonusLoanCalc, ZeroRateRepaysInEqualParts) {
  // 4,000,000 yen over 120 months, 6,000,000 over 20 bonus months.
  BonusLoanCalcResult result = Ok(Loan(1000, 10, 2, 0, 600));
  EXPECT_EQ(result.monthlyPayment, 33333);
  EXPECT_EQ(result.bonusIncrease, 300000);
  EXPECT_EQ(core::ToMan(result.bonusMonthPayment), 33.3333);
  EXPECT_EQ(core::ToMan(result.totalPayment), 999.996);
  // A positive rate that underflows to zero per month is the same loan.
  BonusLoanCalcResult underflow = Ok(Loan(1000, 10, 2, 1e-320, 600));
  EXPECT_EQ(underflow.monthlyPayment, 33333);
  EXPECT_EQ(underflow.bonusIncrease, 300000);
}

TEST(ComputeBonusLoanCalc, TinyRatesKeepTheirDigits) {
  // Against the annuity formula in 60-digit decimals:
  // 10,000,000 at 1e-10 % over 120 months: 83333.33333375.
  EXPECT_EQ(Ok(Loan(1000, 10, 0, 1e-10, 0)).monthlyPayment, 83333);
  // 0.0009 %: 14,000,000 over 420 months 33338.596, 6,000,000 over 70 bonuses 85727.98.
  BonusLoanCalcResult small = Ok(Loan(2000, 35, 2, 0.0009, 600));
  EXPECT_EQ(small.monthlyPayment, 33338);
  EXPECT_EQ(small.bonusIncrease, 85727);
  // 1e-7 %, 100 years: 956233.38 a month and 833333.375 for each of 1200 bonuses.
  BonusLoanCalcResult large = Ok(Loan(214748, 100, 12, 1e-7, 100000));
  EXPECT_EQ(large.monthlyPayment, 956233);
  EXPECT_EQ(large.bonusIncrease, 833333);
  EXPECT_EQ(core::ToMan(large.totalPayment), 214747.92);
}

TEST(ComputeBonusLoanCalc, AmountsBeyondTheLimitOverflow) {
  // 214748 万円 is the largest loan that whole yen in 32 bits can hold.
  EXPECT_EQ(Ok(Loan(214748, 1, 0, 0, 0)).monthlyPayment, 178956666);
  EXPECT_EQ(WarningOf(Loan(214749, 1, 0, 0, 0)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Loan(2147483600, 1, 0, 0, 0)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Loan(300000, 1, 1, 3, 214749)), res::text::kOverflow);
  // One bonus a year at 100 %: the increase is twice the bonus part.
  BonusLoanCalcResult atLimit = Ok(Loan(107374, 1, 1, 100, 107374));
  EXPECT_EQ(atLimit.bonusIncrease, 2147480000);
  EXPECT_EQ(core::ToMan(atLimit.totalPayment), 214748.0);
  EXPECT_EQ(WarningOf(Loan(107375, 1, 1, 100, 107375)), res::text::kOverflow);
  // 2,000,000,000 yen at 100 % over 100 years: 166666666 a month, 1200 times.
  EXPECT_EQ(WarningOf(Loan(200000, 100, 0, 100, 0)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Loan(200000, 100, 12, 100, 200000)), res::text::kOverflow);
}

TEST(ComputeBonusLoanCalc, ValuesTheFieldsRefusedComputeNothingSilently) {
  const BonusLoanCalcInput refused[] = {
      Loan(100, 10, 13, 3, 50),  Loan(100, 10, -1, 3, 50),   Loan(100, 101, 2, 3, 50),
      Loan(100, 1000, 2, 3, 50), Loan(100, -1, 2, 3, 50),    Loan(100, 10, 2, -1, 50),
      Loan(100, 10, 2, 100.5, 50), Loan(-1, 10, 2, 3, 0),    Loan(100, 10, 2, 3, -1),
      Loan(100, 10, 2147483647, 3, 50), Loan(100, -2147483647 - 1, 2, 3, 50),
  };
  for (const BonusLoanCalcInput& input : refused) {
    auto outcome = ComputeBonusLoanCalc(input);
    ASSERT_FALSE(std::holds_alternative<BonusLoanCalcResult>(outcome));
    EXPECT_EQ(testing_support::WarningOf(outcome), testing_support::kAlreadyReportedText);
  }
}

TEST(ComputeBonusLoanCalc, RandomLoansStayWithinTheirParts) {
  std::mt19937 random(20240611);
  auto uniform = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int n = 0; n < 20000; ++n) {
    const int loan = uniform(1, 200000);
    const int portion = uniform(0, loan);
    const int years = uniform(1, 100);
    const int count = uniform(1, 12);
    const double rate = uniform(0, 100000) / 1000.0;
    auto outcome = ComputeBonusLoanCalc(Loan(loan, years, count, rate, portion));
    if (!std::holds_alternative<BonusLoanCalcResult>(outcome)) {
      EXPECT_EQ(testing_support::WarningOf(outcome), res::text::kOverflow);
      continue;
    }
    const BonusLoanCalcResult& r = std::get<BonusLoanCalcResult>(outcome);
    // An annuity never repays less than its principal, nor more than all the
    // interest of the whole term on top of it.
    const double paid = static_cast<double>(r.totalPayment);
    EXPECT_GE(paid, loan * 10000.0 - 12.0 * years - count * years) << loan << " " << rate;
    EXPECT_LE(paid, loan * 10000.0 * (1.0 + rate / 100.0 * years)) << loan << " " << rate;
  }
}

}  // namespace
}  // namespace loan
