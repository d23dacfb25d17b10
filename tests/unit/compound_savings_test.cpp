#include "deposit/compound_savings.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/units.h"
#include "res/texts.h"
#include "tests/unit/savings_test_support.h"

namespace deposit {
namespace {

using testing_support::ExpectResults;
using testing_support::Savings;

SavingsResult Ok(const SavingsInput& input) {
  return testing_support::ResultOf(ComputeCompoundSavings(input));
}

std::string_view WarningOf(const SavingsInput& input) {
  return testing_support::WarningOf(ComputeCompoundSavings(input));
}

TEST(ComputeCompoundSavings, KnownPlans) {
  ExpectResults(ComputeCompoundSavings, {
      // Gross amount 120651 yen: 651 of interest, against 650 at simple interest.
      {"twelve installments at 1%", Savings(1, 2000, 1, 2001, 1, 1, 20), 521, 130, 12.0521},
      {"sixty installments at 0.5%", Savings(3, 2000, 4, 2005, 4, 0.5, 20), 18451, 4612,
       181.8451},
      {"120 installments at 2%", Savings(5, 2000, 1, 2010, 1, 2, 20), 517634, 129408, 651.7634},
      {"same month", Savings(1, 2000, 5, 2000, 5, 1, 20), 0, 0, 0},
      {"tax 100%", Savings(1, 2000, 1, 2001, 1, 1, 100), 0, 651, 12},
  });
}

TEST(ComputeCompoundSavings, LastMonthBeforeTheFirstIsAPeriodError) {
  EXPECT_EQ(WarningOf(Savings(1, 2000, 2, 2000, 1, 1, 20)), res::text::kPeriodSettingWrong);
  EXPECT_EQ(WarningOf(Savings(1, 2147483647, 12, -2147483647 - 1, 1, 1, 20)),
            res::text::kPeriodSettingWrong);
}

TEST(ComputeCompoundSavings, OverflowChecksGrossAmountAndNetInterest) {
  EXPECT_EQ(WarningOf(Savings(100000, 1990, 1, 2020, 1, 1, 20)), res::text::kOverflow);
  // No tax-rate check of its own: above 100 % the net interest turns negative.
  EXPECT_EQ(WarningOf(Savings(1, 2000, 1, 2001, 1, 1, 150)), res::text::kOverflow);
  // Without interest, a tax rate above 100 % takes nothing.
  EXPECT_EQ(core::ToMan(Ok(Savings(1, 2000, 1, 2001, 1, 0, 150)).maturityTotal), 12);
  // 214748.3600001 万円 once at no yield is 2147483600 yen, the limit.
  EXPECT_EQ(core::ToMan(Ok(Savings(214748.3600001, 2000, 1, 2000, 2, 0, 0)).maturityTotal),
            214748.36);
  EXPECT_EQ(WarningOf(Savings(214748.3601, 2000, 1, 2000, 2, 0, 0)), res::text::kOverflow);
}

TEST(ComputeCompoundSavings, ZeroYieldPaysBackTheInstallments) {
  ExpectResults(ComputeCompoundSavings, {
      {"120 installments", Savings(5, 2000, 1, 2010, 1, 0, 20), 0, 0, 600},
      {"no installment", Savings(5, 2000, 1, 2000, 1, 0, 20), 0, 0, 0},
      // 1.13 万円 is 11299.999… yen; twelve of them 135599.99… truncate once.
      {"fractions of a yen", Savings(1.13, 2000, 1, 2001, 1, 0, 20), 0, 0, 13.5599},
  });
}

TEST(ComputeCompoundSavings, TinyYieldsEarnTinyInterest) {
  // Expected values from the sum A (x + … + xⁿ) in 60-digit decimal arithmetic.
  ExpectResults(ComputeCompoundSavings, {
      // 6000000.0000003 yen; the closed form in doubles makes it 6394884.
      {"1e-12 %", Savings(5, 2000, 1, 2010, 1, 1e-12, 20), 0, 0, 600},
      {"1e-300 %", Savings(5, 2000, 1, 2010, 1, 1e-300, 20), 0, 0, 600},
      {"smallest double", Savings(5, 2000, 1, 2010, 1, std::numeric_limits<double>::denorm_min(),
                                  20), 0, 0, 600},
      // 6000272.258 yen: interest 272, tax 54.
      {"0.0009 %", Savings(5, 2000, 1, 2010, 1, 0.0009, 20), 218, 54, 600.0218},
      // 6000151.2525 yen: interest 151, tax 30.
      {"0.0005 %", Savings(5, 2000, 1, 2010, 1, 0.0005, 20), 121, 30, 600.0121},
      // 36011 installments of 1000 yen, the longest valid plan: 36501718.28 yen.
      {"0.0009 % over 3000 years", Savings(0.1, 0, 1, 3000, 12, 0.0009, 20), 392575, 98143,
       3640.3575},
      // 200000 installments of 5000 yen, where n·i passes 0.1: 1078895325.005 yen.
      {"0.0009 % over 16666 years", Savings(0.5, 0, 1, 16666, 9, 0.0009, 20), 63116260, 15779065,
       106311.626},
  });
}

TEST(ComputeCompoundSavings, ValuesThatAreNotNumbersAreOverflows) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(WarningOf(Savings(0, 2000, 1, 2001, 1, inf, 20)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Savings(inf, 2000, 1, 2000, 1, 1, 20)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Savings(1, 2000, 1, 2001, 1, std::numeric_limits<double>::quiet_NaN(), 20)),
            res::text::kOverflow);
}

TEST(ComputeCompoundSavings, TaxBeyond32BitsIsAnOverflow) {
  // A yield of -1200 % leaves nothing of 1e12 yen paid in, and with tax 100 %
  // the net interest is 0 while the tax is -1e12 yen.
  EXPECT_EQ(WarningOf(Savings(1e8, 2000, 1, 2000, 2, -1200, 100)), res::text::kOverflow);
  SavingsResult small = Ok(Savings(1, 2000, 1, 2000, 2, -1200, 100));
  EXPECT_EQ(small.tax, -10000);
  EXPECT_EQ(small.interest, 0);
}

}  // namespace
}  // namespace deposit
