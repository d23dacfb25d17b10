#include "deposit/simple_deposit.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/units.h"
#include "res/texts.h"

namespace deposit {

core::Outcome<SimpleDepositResult> ComputeSimpleDeposit(const SimpleDepositInput& input) {
  // The principal is held in whole yen; a deposit beyond 32 bits cannot be.
  std::optional<int32_t> principal = core::TruncToInt32(core::ManToYen(input.depositAmount));
  if (!principal) return core::kOverflow;

  // Every month counts as 30 days. Wide arithmetic, since a month or year that
  // failed its validation still reaches here.
  const int64_t days =
      core::MonthsBetween(input.startYear, input.startMonth, input.endYear, input.endMonth) * 30;
  if (days < 0) return core::Warning{res::text::kDateWrong};

  const double t = input.taxRate / 100.0;
  const double r = input.rateMode == kAnnualRate ? input.annualRate : input.dailyRate;
  // The last two digits of the yen amount earn no interest.
  const double hundreds = std::trunc(static_cast<double>(*principal) / 100.0);
  const double divisor = input.rateMode == kAnnualRate ? 365.0 : 100.0;
  const double d = static_cast<double>(days);

  // Net interest and tax are computed and truncated separately, in this order.
  double net = hundreds * r;
  net = net * (1.0 - t);
  net = net * d;
  net = net / divisor;
  double tax = hundreds * r;
  tax = tax * t;
  tax = tax * d;
  tax = tax / divisor;

  if (!core::WithinAmountLimit(net)) return core::kOverflow;
  std::optional<int32_t> taxYen = core::TruncToInt32(tax);
  if (!taxYen) return core::kOverflow;

  SimpleDepositResult result;
  result.interest = static_cast<int32_t>(net);  // within the limit, so it fits
  result.tax = *taxYen;
  result.maturityTotal = int64_t{result.interest} + *principal;
  return result;
}

}  // namespace deposit
