#include "deposit/compound_deposit.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/units.h"
#include "res/texts.h"
#include "tests/unit/outcome_test_support.h"

namespace deposit {
namespace {

CompoundDepositInput Deposit(double amount, int startYear, int startMonth, int endYear,
                             int endMonth, int8_t mode, double rate, double tax) {
  CompoundDepositInput input;
  input.rateMode = mode;
  input.depositAmount = amount;
  (mode == kYearly ? input.yearRate : mode == kHalfYearly ? input.halfYearRate : input.monthRate) =
      rate;
  input.taxRate = tax;
  input.startYear = startYear;
  input.startMonth = startMonth;
  input.endYear = endYear;
  input.endMonth = endMonth;
  return input;
}

CompoundDepositResult Ok(const CompoundDepositInput& input) {
  return testing_support::ResultOf(ComputeCompoundDeposit(input));
}

std::string_view WarningOf(const CompoundDepositInput& input) {
  return testing_support::WarningOf(ComputeCompoundDeposit(input));
}

struct Case {
  const char* name;
  CompoundDepositInput input;
  int32_t periods, interest, tax;
  double total;
  int32_t endYear, endMonth;
};

TEST(ComputeCompoundDeposit, KnownDeposits) {
  const Case cases[] = {
      {"same month", Deposit(100, 2000, 1, 2000, 1, kYearly, 1, 20), 0, 0, 0, 100, 2000, 1},
      {"yearly 1% for five years", Deposit(100, 2000, 4, 2005, 4, kYearly, 1, 20), 5, 40645,
       10365, 104.0645, 2005, 4},
      {"35 months hold two years", Deposit(100, 2000, 4, 2003, 3, kYearly, 0.35, 20), 2, 5607,
       1405, 100.5607, 2002, 4},
      {"three half-years from September", Deposit(100, 2000, 9, 2002, 4, kHalfYearly, 0.5, 20), 3,
       12048, 3027, 101.2048, 2002, 3},
      // 1.005 × 1000000 is 1004999.99…, so the gross amount is 1004999.
      {"one half-year from June", Deposit(100, 2000, 6, 2000, 12, kHalfYearly, 0.5, 20), 1, 4000,
       999, 100.4, 2000, 12},
      {"two half-years keep the start month", Deposit(100, 2000, 4, 2001, 7, kHalfYearly, 0.5, 20),
       2, 8016, 2008, 100.8016, 2001, 4},
      {"monthly keeps the maturity as typed", Deposit(100, 2000, 4, 2001, 4, kMonthly, 0.1, 20),
       12, 9642, 2424, 100.9642, 2001, 4},
      {"any other mode compounds monthly", Deposit(100, 2000, 4, 2001, 4, 7, 0.1, 20), 12, 9642,
       2424, 100.9642, 2001, 4},
      {"1.13 万円 is 11299 yen", Deposit(1.13, 2000, 1, 2000, 1, kYearly, 1, 20), 0, 0, 0, 1.1299,
       2000, 1},
      // 2000/12 plus three half-years is 2002/6, never month 0.
      {"three half-years from December", Deposit(100, 2000, 12, 2002, 8, kHalfYearly, 0.5, 20), 3,
       12048, 3027, 101.2048, 2002, 6},
      {"one half-year from December", Deposit(100, 2000, 12, 2001, 6, kHalfYearly, 0.5, 20), 1,
       4000, 999, 100.4, 2001, 6},
      // A later year with an earlier month passes; no whole year has gone by.
      {"later year, earlier month", Deposit(100, 2000, 12, 2001, 1, kYearly, 1, 20), 0, 0, 0, 100,
       2000, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CompoundDepositResult result = Ok(c.input);
    EXPECT_EQ(result.periodCount, c.periods);
    EXPECT_EQ(result.interest, c.interest);
    EXPECT_EQ(result.tax, c.tax);
    EXPECT_EQ(core::ToMan(result.maturityTotal), c.total);
    EXPECT_EQ(result.endYear, c.endYear);
    EXPECT_EQ(result.endMonth, c.endMonth);
  }
}

TEST(ComputeCompoundDeposit, ReadsOnlyTheRateOfItsMode) {
  CompoundDepositInput input = Deposit(100, 2000, 4, 2005, 4, kYearly, 1, 20);
  input.halfYearRate = 50;
  input.monthRate = 50;
  EXPECT_EQ(Ok(input).interest, 40645);
  input.rateMode = kHalfYearly;
  input.halfYearRate = 0;
  EXPECT_EQ(Ok(input).interest, 0);
  EXPECT_EQ(Ok(input).periodCount, 10);
}

TEST(ComputeCompoundDeposit, MaturityBeforeDepositIsAPeriodError) {
  EXPECT_EQ(WarningOf(Deposit(100, 2001, 1, 2000, 12, kYearly, 1, 20)), res::text::kPeriodWrong);
  EXPECT_EQ(WarningOf(Deposit(100, 2000, 5, 2000, 4, kMonthly, 1, 20)), res::text::kPeriodWrong);
  // Months that failed their range check can put a later year's maturity first:
  // 2000/20 is 2001/8, after 2001/1.
  EXPECT_EQ(WarningOf(Deposit(100, 2000, 20, 2001, 1, kMonthly, 1, 20)), res::text::kPeriodWrong);
  EXPECT_EQ(Ok(Deposit(100, 2000, 13, 2001, 1, kMonthly, 0, 20)).periodCount, 0);
}

TEST(ComputeCompoundDeposit, OverflowCheckIsOnTheTruncatedAmounts) {
  EXPECT_EQ(WarningOf(Deposit(500000, 2000, 1, 2000, 1, kYearly, 0, 0)), res::text::kOverflow);
  // 214748.3600001 万円 is 2147483600 yen after truncation, the largest amount
  // that passes; 214748.3601 万円 is 2147483601 yen.
  EXPECT_EQ(core::ToMan(Ok(Deposit(214748.3600001, 2000, 1, 2000, 1, kYearly, 1, 20)).maturityTotal),
            214748.36);
  EXPECT_EQ(WarningOf(Deposit(214748.3601, 2000, 1, 2000, 1, kYearly, 1, 20)),
            res::text::kOverflow);
  // The gross amount is checked too: the net one stays below the limit with tax 100 %.
  EXPECT_EQ(WarningOf(Deposit(200000, 2000, 1, 2001, 1, kYearly, 10, 100)), res::text::kOverflow);
  EXPECT_EQ(Ok(Deposit(190000, 2000, 1, 2001, 1, kYearly, 10, 100)).tax, 190000000);
}

TEST(ComputeCompoundDeposit, TaxAbove100IsUsedAsWritten) {
  // 1.01^5 × 10^6 = 1051010.05; 0.995^5 × 10^6 = 975248.75.
  CompoundDepositResult result = Ok(Deposit(100, 2000, 4, 2005, 4, kYearly, 1, 150));
  EXPECT_EQ(result.interest, -24752);
  EXPECT_EQ(result.tax, 75762);
  EXPECT_EQ(core::ToMan(result.maturityTotal), 97.5248);
}

TEST(ComputeCompoundDeposit, PeriodCountBeyondItsFieldIsAnOverflow) {
  // Monthly from 0/1: 3333/5 is 40000 months, the most the count field holds.
  EXPECT_EQ(Ok(Deposit(100, 0, 1, 3333, 5, kMonthly, 0, 20)).periodCount, 40000);
  EXPECT_EQ(WarningOf(Deposit(100, 0, 1, 3333, 6, kMonthly, 0, 20)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Deposit(100, -2147483647 - 1, 1, 2147483647, 12, kMonthly, 0, 20)),
            res::text::kOverflow);
}

TEST(ComputeCompoundDeposit, MaturityRewriteBeyond32BitsIsAnOverflow) {
  // One whole year from 2147483647/1 ends in year 2^31.
  EXPECT_EQ(WarningOf(Deposit(100, 2147483647, 1, 2147483647, 13, kYearly, 0, 0)),
            res::text::kOverflow);
  EXPECT_EQ(WarningOf(Deposit(100, 2147483647, 7, 2147483647, 13, kHalfYearly, 0, 0)),
            res::text::kOverflow);
  // Start month 2147483647 is year 178956970, month 7 in months; six months later
  // (year 0 + 1, month (2147483647 + 6) mod 12 = 1) needs no more than 32 bits.
  CompoundDepositResult result = Ok(Deposit(100, 0, 2147483647, 178956971, 1, kHalfYearly, 0, 0));
  EXPECT_EQ(result.periodCount, 1);
  EXPECT_EQ(result.endYear, 1);
  EXPECT_EQ(result.endMonth, 1);
}

TEST(ComputeCompoundDeposit, ValuesThatAreNotNumbersAreOverflows) {
  const double inf = std::numeric_limits<double>::infinity();
  // An infinite rate on no principal: inf × 0 is not a number.
  EXPECT_EQ(WarningOf(Deposit(0, 2000, 1, 2001, 1, kYearly, inf, 20)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Deposit(inf, 2000, 1, 2000, 1, kYearly, 1, 20)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Deposit(100, 2000, 1, 2001, 1, kYearly, 1, -inf)), res::text::kOverflow);
  EXPECT_EQ(WarningOf(Deposit(std::numeric_limits<double>::quiet_NaN(), 2000, 1, 2001, 1,
                              kYearly, 1, 20)),
            res::text::kOverflow);
}

TEST(ComputeCompoundDeposit, InterestBelowThePrincipalMustFitItsField) {
  // A rate of -100 % leaves nothing: an interest of minus the principal.
  CompoundDepositResult result = Ok(Deposit(1000, 2000, 1, 2001, 1, kYearly, -100, 0));
  EXPECT_EQ(result.interest, -10000000);
  EXPECT_EQ(result.maturityTotal, 0);
  // With a principal beyond 32 bits that interest has no place.
  EXPECT_EQ(WarningOf(Deposit(1e10, 2000, 1, 2001, 1, kYearly, -100, 0)), res::text::kOverflow);
}

}  // namespace
}  // namespace deposit
