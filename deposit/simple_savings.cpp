#include "deposit/simple_savings.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/units.h"
#include "res/texts.h"

namespace deposit {

core::Outcome<SavingsResult> ComputeSimpleSavings(const SavingsInput& input) {
  // One installment a month; the number of months is the number of installments.
  const int64_t months =
      core::MonthsBetween(input.startYear, input.startMonth, input.endYear, input.endMonth);
  if (months < 0) return core::Warning{res::text::kPeriodSettingWrong};
  const double n = static_cast<double>(months);
  const double installment = core::ManToYen(input.installment);  // not truncated
  if (input.taxRate > kMaxTaxRate) return core::Warning{res::text::kTaxRateRange};

  const double paidIn = std::trunc(n * installment);
  // The k-th installment earns k months of interest, n (n + 1) / 2 installment-
  // months in all, at the yield / 12 a month; in this order, truncated once.
  double gross = n * installment;
  gross = gross * static_cast<double>(months + 1);
  gross = gross / 2.0;
  gross = gross * input.annualYield;
  gross = gross / 100.0;
  gross = std::trunc(gross / 12.0);
  const double tax = std::trunc(gross * input.taxRate / 100.0);
  const double net = gross - tax;

  if (!core::WithinAmountLimit(paidIn) || !core::WithinAmountLimit(net) ||
      !core::WithinAmountLimit(tax))
    return core::kOverflow;

  SavingsResult result;
  result.interest = static_cast<int32_t>(net);  // within the limit, so it fits
  result.tax = static_cast<int32_t>(tax);
  result.paidIn = static_cast<int64_t>(paidIn);  // within the limit
  // Each passed the limit alone; together they can pass 32 bits.
  result.maturityTotal = result.paidIn + result.interest;
  return result;
}

}  // namespace deposit
