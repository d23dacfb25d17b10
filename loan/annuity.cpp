#include "loan/annuity.h"

#include <cmath>

namespace loan {

bool IsTinyRate(double annualPercent) {
  return annualPercent > 0.0 && annualPercent < kTinyRatePercent;
}

double StableAnnuitySum(double rate, int periods) {
  return std::expm1(static_cast<double>(periods) * std::log1p(rate)) / rate;
}

}  // namespace loan
