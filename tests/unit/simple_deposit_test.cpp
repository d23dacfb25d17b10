#include "deposit/simple_deposit.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/units.h"
#include "res/texts.h"
#include "tests/unit/outcome_test_support.h"

namespace deposit {
namespace {

SimpleDepositInput Deposit(double amount, int startYear, int startMonth, int endYear, int endMonth,
                           double rate, double tax, int mode = kAnnualRate) {
  SimpleDepositInput input;
  input.rateMode = mode;
  (mode == kAnnualRate ? input.annualRate : input.dailyRate) = rate;
  input.depositAmount = amount;
  input.taxRate = tax;
  input.startYear = startYear;
  input.startMonth = startMonth;
  input.endYear = endYear;
  input.endMonth = endMonth;
  return input;
}

SimpleDepositResult Ok(const SimpleDepositInput& input) {
  return testing_support::ResultOf(ComputeSimpleDeposit(input));
}

std::string_view WarningOf(const SimpleDepositInput& input) {
  return testing_support::WarningOf(ComputeSimpleDeposit(input));
}

struct Case {
  const char* name;
  SimpleDepositInput input;
  int32_t interest, tax;
  double total;
};

TEST(ComputeSimpleDeposit, KnownDeposits) {
  const Case cases[] = {
      {"annual 1% for a year", Deposit(100, 2000, 4, 2001, 4, 1, 20), 7890, 1972, 100.789},
      {"daily rate 0.5", Deposit(100, 2000, 1, 2000, 7, 0.5, 20, kDailyRate), 7200, 1800, 100.72},
      {"810 days", Deposit(300, 1999, 12, 2002, 3, 0.2, 20), 10652, 2663, 301.0652},
      {"1.13 counts as 11299 yen", Deposit(1.13, 2000, 1, 2001, 1, 1, 20), 88, 22, 1.1387},
      {"1234 yen", Deposit(0.1234, 2000, 1, 2001, 1, 5, 20), 47, 11, 0.1281},
      {"same month", Deposit(100, 2000, 5, 2000, 5, 1, 20), 0, 0, 100},
      {"tax 100%", Deposit(100, 2000, 1, 2001, 1, 1, 100), 0, 9863, 100},
      {"rate mode beyond 1 reads the daily rate", Deposit(100, 2000, 1, 2000, 7, 0.5, 20, 7), 7200,
       1800, 100.72},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimpleDepositResult result = Ok(c.input);
    EXPECT_EQ(result.interest, c.interest);
    EXPECT_EQ(result.tax, c.tax);
    EXPECT_EQ(core::ToMan(result.maturityTotal), c.total);
  }
}

TEST(ComputeSimpleDeposit, MaturityBeforeDepositIsADateError) {
  EXPECT_EQ(WarningOf(Deposit(100, 2001, 1, 2000, 12, 1, 20)), res::text::kDateWrong);
  EXPECT_EQ(Ok(Deposit(100, 2001, 1, 2001, 1, 1, 20)).interest, 0);
  // Only the month difference counts: a month that failed its range check shifts it.
  EXPECT_EQ(Ok(Deposit(100, 2000, 13, 2001, 1, 0.5, 0, kDailyRate)).interest, 0);
  EXPECT_EQ(WarningOf(Deposit(100, 2000, 13, 2000, 12, 1, 0)), res::text::kDateWrong);
}

TEST(ComputeSimpleDeposit, OverflowCheckIsOnTheRealBeforeTruncation) {
  // 214748.3600001 万円 (2147483600 yen; 214748.36 × 10000 lands just below and
  // truncates to 2147483599) for one month: U = 21474836, N = U × r × 30 / 100.
  // N = 2147483599.9999998 passes and truncates; N = 2147483600.000043 fails,
  // although both would truncate to the same whole yen.
  SimpleDepositResult atLimit =
      Ok(Deposit(214748.3600001, 2000, 1, 2000, 2, 333.3333333333333, 0, kDailyRate));
  EXPECT_EQ(atLimit.interest, 2147483599);
  EXPECT_EQ(core::ToMan(atLimit.maturityTotal), (2147483599.0 + 2147483600.0) / 10000.0);
  EXPECT_EQ(WarningOf(Deposit(214748.3600001, 2000, 1, 2000, 2, 333.33333333334, 0, kDailyRate)),
            res::text::kOverflow);
}

TEST(ComputeSimpleDeposit, LargeDailyInterestOverflows) {
  EXPECT_EQ(WarningOf(Deposit(100000, 2000, 1, 2000, 2, 1000, 0, kDailyRate)),
            res::text::kOverflow);
}

TEST(ComputeSimpleDeposit, TaxAbove100MakesNetInterestNegative) {
  EXPECT_EQ(WarningOf(Deposit(100, 2000, 1, 2001, 1, 1, 150)), res::text::kOverflow);
  // With no interest at all the net interest is 0 and passes.
  EXPECT_EQ(Ok(Deposit(100, 2000, 1, 2001, 1, 0, 150)).interest, 0);
}

TEST(ComputeSimpleDeposit, PrincipalBeyond32BitsIsAnOverflowNotAWrap) {
  // 214748.3647 万円 is the largest principal a 32-bit yen amount can hold.
  EXPECT_EQ(core::ToMan(Ok(Deposit(214748.3647, 2000, 1, 2000, 1, 0, 0)).maturityTotal), 214748.3647);
  EXPECT_EQ(WarningOf(Deposit(214748.3648, 2000, 1, 2000, 1, 0, 0)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Deposit(2147483600, 2000, 1, 2000, 1, 0, 0)), res::text::kOverflow);
}

TEST(ComputeSimpleDeposit, MaturityTotalDoesNotWrapWhenInterestAndPrincipalAreLarge) {
  // Principal near the 32-bit top plus a large interest: the sum passes 2^31.
  SimpleDepositResult result = Ok(Deposit(214748.3647, 2000, 1, 2000, 2, 100, 0, kDailyRate));
  EXPECT_GT(result.interest, 0);
  EXPECT_EQ(result.maturityTotal, int64_t{result.interest} + 2147483647);
  EXPECT_GT(result.maturityTotal, 2147483647);
}

TEST(ComputeSimpleDeposit, AbsurdInputsNeverReachAnIntegerConversion) {
  const double huge = std::numeric_limits<double>::max();
  EXPECT_EQ(WarningOf(Deposit(100, 2000, 1, 2001, 1, huge, 0)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Deposit(100, 2000, 1, 2001, 1, huge, 100)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Deposit(100, 0, 1, 2147483647, 12, 1, 20)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Deposit(100, 2147483647, 12, -2147483647 - 1, 1, 1, 20)),
            res::text::kDateWrong);
  EXPECT_EQ(WarningOf(Deposit(-huge, 2000, 1, 2001, 1, 1, 20)), res::text::kOverflow);
}

}  // namespace
}  // namespace deposit
