// The equal-principal repayment schedule: the same principal part every month
// (the loan over the count, cut to a multiple of 100 yen), interest day-counted
// over each calendar month, the last repayment paying off what is left.
#pragma once

#include <cstdint>
#include <vector>

#include "core/outcome.h"
#include "loan/loan_schedule.h"

namespace loan {

struct EqualPrincipalSchedule {
  bool monthly = false;      // the rate is per month
  double rate = 0.0;         // r, the entered rate as a fraction
  int32_t loan = 0;          // L0, yen
  int count = 0;             // n
  int32_t principalPart = 0; // U, repaid by every row but the last
  // In repayment order. The first row carries the deferral interest in its
  // interest and payment; the last pays off the balance.
  std::vector<ScheduleRow> rows;
  int32_t totalInterest = 0;   // TI, the interest of all rows
  int32_t totalPayment = 0;    // TQ, the payments of all rows
  int32_t totalPrincipal = 0;  // TR, the principal of all rows, always the loan
};

// The schedule, or the warning that stopped it: the loan date after the first
// repayment, or an amount beyond 32 bits ("オーバーフローしました").
core::Outcome<EqualPrincipalSchedule> ComputeEqualPrincipalSchedule(const LoanInput& input);

}  // namespace loan
