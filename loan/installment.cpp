#include "loan/installment.h"

#include <cmath>

#include "core/tiny_rate.h"

namespace loan {

double EqualInstallment(bool monthly, double ratePercent, int64_t balance, int count) {
  const double b = static_cast<double>(balance);
  const double r = ratePercent / 100.0;
  const double n = static_cast<double>(count);
  if (r == 0.0) return static_cast<double>(balance / count);  // no interest at all

  double t;
  if (core::IsTinyRate(ratePercent)) {
    // The same 1 − (1 + q)^−n without subtracting two numbers close to 1.
    const double q = monthly ? r : r / 12.0;
    t = -std::expm1(-n * std::log1p(q));
  } else {
    const double g = monthly ? std::pow(1.0 + r, n) : std::pow(r / 12.0 + 1.0, n);
    t = 1.0 - 1.0 / g;
  }
  return monthly ? b * r / t : b * r / 12.0 / t;
}

}  // namespace loan
