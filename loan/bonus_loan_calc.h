// A loan repaid in two parts, each an equal-installment (annuity) loan at the
// same annual rate over the same years: the monthly part with twelve payments a
// year, the bonus part with one payment in each bonus month.
#pragma once

#include <cstdint>

#include "core/outcome.h"

namespace loan {

// The ranges of the dialog's fields, which the calculation checks again.
inline constexpr double kCalcMaxRate = 100.0;  // percent a year
inline constexpr int kCalcMaxBonusCount = 12;  // bonus months a year
inline constexpr int kCalcMaxYears = 100;

struct BonusLoanCalcInput {
  int loanAmount = 0;    // whole 万円
  int bonusPortion = 0;  // whole 万円 of the loan repaid in bonus months
  int years = 0;
  int bonusCount = 0;    // bonus months a year
  double annualRate = 0.0;  // percent
};

struct BonusLoanCalcResult {
  int32_t monthlyPayment = 0;     // yen
  int32_t bonusIncrease = 0;      // yen added in a bonus month
  int64_t bonusMonthPayment = 0;  // yen, the two together
  int64_t totalPayment = 0;       // yen
};

// A value outside what its field accepts gives core::kAlreadyReported: the field
// exchange has shown its message, and nothing is computed.
core::Outcome<BonusLoanCalcResult> ComputeBonusLoanCalc(const BonusLoanCalcInput& input);

}  // namespace loan
