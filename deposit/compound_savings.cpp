#include "deposit/compound_savings.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/tiny_rate.h"
#include "core/units.h"
#include "res/texts.h"

namespace deposit {
namespace {

// Σ (x^k − 1) for k = 1 … n, x = 1 + i: the interest that one yen of each
// installment has earned by the end. Never negative for i ≥ 0.
double InterestPerYen(double i, int64_t months) {
  const double n = static_cast<double>(months);
  // With n·i this large the interest is a good part of the whole, and the
  // difference of the compounded sum and n keeps its digits.
  if (std::fabs(n * i) > 0.1) return (1.0 + i) * std::expm1(n * std::log1p(i)) / i - n;
  // Otherwise the binomial series Σ C(n+1, j+1) i^j for j ≥ 1, whose terms shrink
  // by n·i at least at every step.
  double term = n * (n + 1.0) / 2.0 * i;
  double sum = term;
  for (int64_t j = 1; j < months && std::fabs(term) > 1e-18 * std::fabs(sum); ++j) {
    term *= (n - static_cast<double>(j)) / static_cast<double>(j + 2) * i;
    sum += term;
  }
  return sum;
}

// The installments with their compound interest: A × (x + x² + … + xⁿ).
double GrossMaturityAmount(double yield, int64_t months, double installment) {
  const double i = yield / 100.0 / 12.0;
  if (core::IsTinyRate(yield)) {
    // No yield at all, or so little that only the principal and the interest
    // apart keep their digits (a yield of 0 pays in exactly the installments).
    const double paidIn = static_cast<double>(months) * installment;
    return paidIn + installment * InterestPerYen(i, months);
  }
  const double x = yield / 100.0 / 12.0 + 1.0;
  const double f = std::pow(x, static_cast<double>(months + 1));
  return (f - x) * installment / i;
}

}  // namespace

core::Outcome<SavingsResult> ComputeCompoundSavings(const SavingsInput& input) {
  // One installment a month; the number of months is the number of installments.
  const int64_t months =
      core::MonthsBetween(input.startYear, input.startMonth, input.endYear, input.endMonth);
  if (months < 0) return core::Warning{res::text::kPeriodSettingWrong};
  const double installment = core::ManToYen(input.installment);  // not truncated

  const double gross = std::trunc(GrossMaturityAmount(input.annualYield, months, installment));
  const double paidIn = std::trunc(static_cast<double>(months) * installment);
  const double interest = gross - paidIn;
  const double tax = std::trunc(interest * input.taxRate / 100.0);
  const double net = interest - tax;

  if (!core::WithinAmountLimit(gross) || !core::WithinAmountLimit(net)) return core::kOverflow;
  // The tax has no limit of its own; only a negative yield with a tax of 100 %
  // can leave one beyond 32 bits after the checks above. The sum paid in is
  // then as far from the limit, but fits 64 bits whatever the fields hold.
  const std::optional<int32_t> taxYen = core::TruncToInt32(tax);
  const std::optional<int64_t> paidInYen = core::TruncToInt64(paidIn);
  if (!taxYen || !paidInYen) return core::kOverflow;

  SavingsResult result;
  result.interest = static_cast<int32_t>(net);  // within the limit, so it fits
  result.tax = *taxYen;
  result.maturityTotal = static_cast<int64_t>(gross) - *taxYen;
  result.paidIn = *paidInYen;
  return result;
}

}  // namespace deposit
