// Where the direct interest formulas stop being accurate. With a rate i near
// zero, (1 + i)^n − 1 and 1 − (1 + i)^−n subtract two numbers close to 1 and
// lose their digits to cancellation; the calculators then switch to a form that
// keeps them (log1p and expm1, or a series).
#pragma once

namespace core {

// In percent per period, whatever the period: per year, per month.
inline constexpr double kTinyRatePercent = 0.001;

// The rate's size is below kTinyRatePercent; zero is tiny too. NaN is not.
constexpr bool IsTinyRate(double percent) {
  return percent > -kTinyRatePercent && percent < kTinyRatePercent;
}

}  // namespace core
