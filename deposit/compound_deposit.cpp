#include "deposit/compound_deposit.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/units.h"
#include "res/texts.h"

namespace deposit {
namespace {

double RateOf(const CompoundDepositInput& input) {
  switch (input.rateMode) {
    case kYearly: return input.yearRate;
    case kHalfYearly: return input.halfYearRate;
    default: return input.monthRate;
  }
}

int64_t MonthsPerPeriod(int8_t rateMode) {
  switch (rateMode) {
    case kYearly: return 12;
    case kHalfYearly: return 6;
    default: return 1;
  }
}

struct YearMonth {
  int64_t year, month;
};

// The end of the last whole period. A half-year from a start month of 7 or more
// runs into the next year; the month is then taken modulo 12, so a start in
// December ends in June. Wide arithmetic: years and months that failed their
// range check still reach here.
YearMonth LastPeriodEnd(const CompoundDepositInput& input, int64_t periods) {
  const int64_t startYear = input.startYear, startMonth = input.startMonth;
  switch (input.rateMode) {
    case kYearly: return {startYear + periods, startMonth};
    case kHalfYearly:
      if (periods % 2 == 0) return {startYear + periods / 2, startMonth};
      if (startMonth < 7) return {startYear + periods / 2, startMonth + 6};
      return {startYear + periods / 2 + 1, (startMonth + 6) % 12};
    default: return {input.endYear, input.endMonth};
  }
}

// principal × factor^periods, truncated to whole yen; still a real, so that the
// overflow check sees the amount before it is held in 32 bits.
double Compound(double onePlusRate, int64_t periods, double principal) {
  return std::trunc(std::pow(onePlusRate, static_cast<double>(periods)) * principal);
}

}  // namespace

core::Outcome<CompoundDepositResult> ComputeCompoundDeposit(const CompoundDepositInput& input) {
  // Whole yen, held as a real: a principal beyond 32 bits is caught by the
  // overflow check of the amounts below.
  const double principal = std::trunc(core::ManToYen(input.depositAmount));
  const double t = input.taxRate / 100.0;
  const double r = RateOf(input);

  // An earlier maturity year, or the same year and an earlier month; a later
  // year with an earlier month is fine.
  if (int64_t{input.endYear} - input.startYear < 0) return core::Warning{res::text::kPeriodWrong};
  if (input.endYear == input.startYear && int64_t{input.endMonth} - input.startMonth < 0)
    return core::Warning{res::text::kPeriodWrong};
  const int64_t months =
      core::MonthsBetween(input.startYear, input.startMonth, input.endYear, input.endMonth);
  // Months that failed their range check can still put the maturity first in
  // a later year (2000/20 to 2001/1); that period is as wrong as the others.
  if (months < 0) return core::Warning{res::text::kPeriodWrong};
  const int64_t periods = months / MonthsPerPeriod(input.rateMode);

  const double gross = Compound(1.0 + r / 100.0, periods, principal);
  // The tax leaves each period's interest before it compounds.
  const double net = Compound(1.0 + (r / 100.0) * (1.0 - t), periods, principal);
  if (!core::WithinAmountLimit(net) || !core::WithinAmountLimit(gross)) return core::kOverflow;
  // More periods than the count field holds come only from years beyond their
  // range. Shown, such a count would fail every later exchange at a field the
  // user cannot edit, and Calc would then ignore what is typed after it.
  if (periods > kMaxPeriodCount) return core::kOverflow;
  // Below the principal only with a negative rate or a tax above 100 %; a
  // principal far beyond 32 bits then leaves an interest no yen field holds.
  const std::optional<int32_t> interest = core::TruncToInt32(net - principal);
  const YearMonth end = LastPeriodEnd(input, periods);
  const std::optional<int32_t> endYear = core::Narrow(end.year);
  const std::optional<int32_t> endMonth = core::Narrow(end.month);
  if (!interest || !endYear || !endMonth) return core::kOverflow;

  CompoundDepositResult result;
  result.periodCount = static_cast<int32_t>(periods);
  result.interest = *interest;
  result.maturityTotal = static_cast<int64_t>(net);  // within the limit
  // Both amounts passed the check, so both and their difference fit 32 bits.
  result.tax = static_cast<int32_t>(gross) - static_cast<int32_t>(net);
  result.endYear = *endYear;
  result.endMonth = *endMonth;
  return result;
}

}  // namespace deposit
