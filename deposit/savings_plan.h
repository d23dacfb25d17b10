// A monthly installment savings plan: what the simple- and the compound-interest
// savings calculators both read and show.
#pragma once

#include <cstdint>

#include "deposit/interest_tax.h"

namespace deposit {

// The savings dialogs validate their large fields against this bound; their
// overflow check still uses the common amount limit.
inline constexpr int32_t kSavingsFieldLimit = 2147000000;

// The highest annual yield in percent that the field accepts.
inline constexpr double kMaxAnnualYield = 300.0;

struct SavingsInput {
  double annualYield = 0.0;  // percent per year
  double taxRate = 0.0;      // percent
  double installment = 0.0;  // 万円 paid in on the 1st of every month
  int startYear = 0, startMonth = 1;
  int endYear = 0, endMonth = 1;
};

struct SavingsResult {
  int32_t interest = 0;       // after tax, yen
  int32_t tax = 0;            // yen
  int64_t maturityTotal = 0;  // amount received at maturity, yen
  int64_t paidIn = 0;         // the installments paid in, yen
};

}  // namespace deposit
