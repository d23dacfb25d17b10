#include "loan/annuity.h"

#include <cmath>

namespace loan {

double StableAnnuitySum(double rate, int periods) {
  return std::expm1(static_cast<double>(periods) * std::log1p(rate)) / rate;
}

}  // namespace loan
