// Pieces of the annuity formulas that the loan calculators share: when a rate
// is too small for the direct formula, and the stable form that replaces it.
#pragma once

namespace loan {

// Below this annual rate in percent the direct formulas lose their digits to
// cancellation ((1 + i)^n − 1 with i near zero); the stable form takes over.
inline constexpr double kTinyRatePercent = 0.001;

// A positive rate below kTinyRatePercent.
bool IsTinyRate(double annualPercent);

// ((1 + rate)^periods − 1) / rate, the value after `periods` periods of paying 1
// each period, accurate however small the positive rate is.
double StableAnnuitySum(double rate, int periods);

}  // namespace loan
