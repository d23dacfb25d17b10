// The stable form of the annuity sum that the loan calculators take for a tiny
// rate (core/tiny_rate.h).
#pragma once

namespace loan {

// ((1 + rate)^periods − 1) / rate, the value after `periods` periods of paying 1
// each period, accurate however small the positive rate is.
double StableAnnuitySum(double rate, int periods);

}  // namespace loan
