// Simple interest on a fixed-term deposit, from the 1st of one month to the 1st
// of a later one, at an annual rate or a daily rate (日歩), with tax withheld.
#pragma once

#include <cstdint>

#include "core/outcome.h"
#include "deposit/interest_tax.h"

namespace deposit {

enum SimpleDepositRateMode { kAnnualRate = 0, kDailyRate = 1 };

// The highest rates that the fields accept.
inline constexpr double kMaxDepositAnnualRate = 100.0;  // percent per year
inline constexpr double kMaxDailyRate = 1000.0;         // yen per 10,000 yen per day

struct SimpleDepositInput {
  int rateMode = kAnnualRate;   // kAnnualRate, anything else reads the daily rate
  double annualRate = 0.0;      // percent per year
  double dailyRate = 0.0;       // yen per 10,000 yen per day
  double depositAmount = 0.0;   // 万円
  double taxRate = 0.0;         // percent
  int startYear = 0, startMonth = 1;
  int endYear = 0, endMonth = 1;
};

struct SimpleDepositResult {
  int32_t interest = 0;        // after tax, yen
  int32_t tax = 0;             // yen
  int64_t maturityTotal = 0;   // principal plus after-tax interest, yen
};

core::Outcome<SimpleDepositResult> ComputeSimpleDeposit(const SimpleDepositInput& input);

}  // namespace deposit
