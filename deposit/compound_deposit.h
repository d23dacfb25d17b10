// Compound interest on a fixed-term deposit, from the 1st of one month to the
// 1st of a later one, compounded yearly, half-yearly or monthly at a rate per
// period, with the tax taken from each period's interest before it compounds.
#pragma once

#include <cstdint>

#include "core/outcome.h"
#include "deposit/interest_tax.h"

namespace deposit {

enum CompoundDepositMode : int8_t { kYearly = 1, kHalfYearly = 2, kMonthly = 3 };

// The period-count field shows 0 to 40000 periods.
inline constexpr int32_t kMaxPeriodCount = 40000;

struct CompoundDepositInput {
  int8_t rateMode = kYearly;   // kYearly, kHalfYearly; any other value compounds monthly
  double depositAmount = 0.0;  // 万円
  double yearRate = 0.0;       // percent per year
  double halfYearRate = 0.0;   // percent per half-year, not halved
  double monthRate = 0.0;      // percent per month
  double taxRate = 0.0;        // percent
  int startYear = 0, startMonth = 1;
  int endYear = 0, endMonth = 1;
};

struct CompoundDepositResult {
  int32_t periodCount = 0;     // whole compounding periods
  int32_t interest = 0;        // after tax, yen
  int32_t tax = 0;             // yen
  int64_t maturityTotal = 0;   // principal plus after-tax interest, yen
  // The maturity moved back to the end of the last whole period (monthly
  // compounding keeps the maturity as entered).
  int32_t endYear = 0, endMonth = 1;
};

core::Outcome<CompoundDepositResult> ComputeCompoundDeposit(const CompoundDepositInput& input);

}  // namespace deposit
