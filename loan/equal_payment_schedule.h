// The equal-installment repayment schedule: an installment from the annuity
// formula at the monthly rate, interest day-counted over each calendar month,
// the last repayment paying off what is left; and the same schedule with sums
// repaid early between its repayments.
#pragma once

#include <cstdint>
#include <vector>

#include "core/outcome.h"
#include "loan/loan_schedule.h"

namespace loan {

// What a prepayment does to the repayments after it.
enum PrepaymentMethod {
  kShortenTerm = 0,        // the installment stays and the loan is repaid sooner
  kLowerInstallment = 1,   // the installment is recomputed over the repayments left
};

// A sum repaid early, right after regular repayment `after`.
struct Prepayment {
  int after = 0;
  int64_t amount = 0;  // yen; none at all when 0 or less
};

struct Prepayments {
  int method = kShortenTerm;  // kLowerInstallment recomputes, anything else shortens
  std::vector<Prepayment> sums;  // in any order; sums after the same repayment add up
};

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
  // A prepayment is a row of its own right after its repayment's row.
  std::vector<ScheduleRow> rows;
  int32_t totalInterest = 0;   // TI, the interest of all rows
  int32_t totalPrincipal = 0;  // TP, the principal of all rows, always the loan
  int32_t grandTotal = 0;      // TP + TI
  int32_t totalPrepaid = 0;        // the principal of the prepayment rows
  int32_t finalInstallment = 0;    // the installment in force at the end
};

// The schedule, or the warning that stopped it: the loan date after the first
// repayment, or an amount beyond 32 bits ("オーバーフローしました").
//
// Each prepayment reduces the balance right after its repayment; one that
// reaches the balance pays off what is left and ends the schedule. One whose
// repayment is never reached, or that finds nothing owed, does not happen.
// With no prepayments this is the plain schedule, row for row.
core::Outcome<EqualPaymentSchedule> ComputeEqualPaymentSchedule(
    const LoanInput& input, const Prepayments& prepayments = {});

}  // namespace loan
