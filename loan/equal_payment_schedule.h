// The equal-installment repayment schedule: an installment from the annuity
// formula at the monthly rate, interest day-counted over each calendar month,
// the last repayment paying off what is left.
#pragma once

#include <cstdint>
#include <vector>

#include "core/outcome.h"
#include "loan/loan_schedule.h"

namespace loan {

struct EqualPaymentSchedule {
  bool monthly = false;      // the rate is per month
  double rate = 0.0;         // r, the entered rate as a fraction
  int32_t loan = 0;          // L0, yen
  int count = 0;             // repayments asked for
  int32_t installment = 0;   // A
  // In repayment order. The first row carries the deferral interest in its
  // interest and payment; the last pays off the balance. When the installment
  // would repay more than the balance before the last repayment, that row pays
  // it off and ends the schedule, so there may be fewer rows than `count`.
  std::vector<ScheduleRow> rows;
  int32_t totalInterest = 0;   // TI, the interest of all rows
  int32_t totalPrincipal = 0;  // TP, the principal of all rows, always the loan
  int32_t grandTotal = 0;      // TP + TI
};

// The schedule, or the warning that stopped it: the loan date after the first
// repayment, or an amount beyond 32 bits ("オーバーフローしました").
core::Outcome<EqualPaymentSchedule> ComputeEqualPaymentSchedule(const LoanInput& input);

}  // namespace loan
