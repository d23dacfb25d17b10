#include "deposit/simple_savings.h"

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
  return testing_support::ResultOf(ComputeSimpleSavings(input));
}

std::string_view WarningOf(const SavingsInput& input) {
  return testing_support::WarningOf(ComputeSimpleSavings(input));
}

TEST(ComputeSimpleSavings, KnownPlans) {
  ExpectResults(ComputeSimpleSavings, {
      {"twelve installments at 1%", Savings(1, 2000, 1, 2001, 1, 1, 20), 520, 130, 12.052},
      {"sixty installments at 0.5%", Savings(3, 2000, 4, 2005, 4, 0.5, 20), 18300, 4575, 181.83},
      {"same month", Savings(1, 2000, 5, 2000, 5, 1, 20), 0, 0, 0},
      // 1000 yen × 2 / 2 × 0.3 / 100 / 12 = 0.25 yen.
      {"a quarter yen truncates", Savings(0.1, 2000, 1, 2000, 2, 0.3, 20), 0, 0, 0.1},
      {"tax 100%", Savings(1, 2000, 1, 2001, 1, 1, 100), 0, 650, 12},
      // One installment, one month: 10000 × 1 / 1200 = 8.33 yen, tax 1.66.
      {"later year, earlier month", Savings(1, 2000, 12, 2001, 1, 1, 20), 7, 1, 1.0007},
  });
}

TEST(ComputeSimpleSavings, LastMonthBeforeTheFirstIsAPeriodError) {
  EXPECT_EQ(WarningOf(Savings(1, 2000, 2, 2000, 1, 1, 20)), res::text::kPeriodSettingWrong);
  // The period is checked before the tax rate.
  EXPECT_EQ(WarningOf(Savings(1, 2000, 2, 2000, 1, 1, 150)), res::text::kPeriodSettingWrong);
}

TEST(ComputeSimpleSavings, TaxRateAbove100IsRefused) {
  EXPECT_EQ(WarningOf(Savings(1, 2000, 1, 2001, 1, 1, 100.0000001)), res::text::kTaxRateRange);
  EXPECT_EQ(WarningOf(Savings(1, 2000, 1, 2000, 1, 0, 101)), res::text::kTaxRateRange);
}

TEST(ComputeSimpleSavings, OverflowChecksPrincipalInterestAndTax) {
  EXPECT_EQ(WarningOf(Savings(100000, 1990, 1, 2020, 1, 1, 20)), res::text::kOverflow);
  // 214748.3600001 万円 once is 2147483600 yen paid in, the limit; one yen more fails.
  EXPECT_EQ(core::ToMan(Ok(Savings(214748.3600001, 2000, 1, 2000, 2, 0, 0)).maturityTotal),
            214748.36);
  EXPECT_EQ(WarningOf(Savings(214748.3601, 2000, 1, 2000, 2, 0, 0)), res::text::kOverflow);
  // A negative yield (reported by the field exchange, then used) makes the net
  // interest negative; a negative tax rate makes the tax negative.
  EXPECT_EQ(WarningOf(Savings(1, 2000, 1, 2001, 1, -1, 20)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Savings(1, 2000, 1, 2001, 1, 1, -20)), res::text::kOverflow);
}

TEST(ComputeSimpleSavings, MaturityTotalOfTwoLargeAmountsDoesNotWrap) {
  // 2147483600 yen paid in once and 1789569 yen of interest each pass the limit,
  // but their sum is beyond 32 bits.
  SavingsResult result = Ok(Savings(214748.3600001, 2000, 1, 2000, 2, 1, 0));
  EXPECT_EQ(result.interest, 1789569);
  EXPECT_EQ(core::ToMan(result.maturityTotal), 214927.3169);
}

TEST(ComputeSimpleSavings, ValuesThatAreNotNumbersAreOverflows) {
  const double inf = std::numeric_limits<double>::infinity();
  // Nothing paid in at an infinite yield: 0 × inf is not a number.
  EXPECT_EQ(WarningOf(Savings(0, 2000, 1, 2001, 1, inf, 20)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Savings(inf, 2000, 1, 2000, 1, 1, 20)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Savings(1, 2000, 1, 2001, 1, 1, std::numeric_limits<double>::quiet_NaN())),
            res::text::kOverflow);
}

TEST(ComputeSimpleSavings, YearsAtTheEndsOf32BitsDoNotWrap) {
  EXPECT_EQ(WarningOf(Savings(1, -2147483647 - 1, 1, 2147483647, 12, 1, 20)),
            res::text::kOverflow);
  EXPECT_EQ(WarningOf(Savings(1, 2147483647, 12, -2147483647 - 1, 1, 1, 20)),
            res::text::kPeriodSettingWrong);
  // Months beyond 1..12 take part only through year × 12 + month.
  EXPECT_EQ(Ok(Savings(1, 2000, 13, 2001, 1, 1, 20)).maturityTotal, 0);
  EXPECT_EQ(Ok(Savings(1, 2000, 1, 2000, 13, 1, 20)).interest, 520);
}

}  // namespace
}  // namespace deposit
