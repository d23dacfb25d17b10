// The prepayment simulation: the equal-installment schedule with up to three
// sums repaid early, and what they save against the same loan without them.
#pragma once

#include <array>
#include <cstdint>

#include "core/outcome.h"
#include "loan/equal_payment_schedule.h"

namespace loan {

inline constexpr int kPrepaymentRowCount = 3;

// One prepayment row as typed: a row whose amount is 0 is unused.
struct PrepaymentEntry {
  int after = 0;   // 回: the repayment it follows
  int amount = 0;  // 金額, whole 万円
};

struct PrepaymentInput {
  LoanInput loan;
  int method = kShortenTerm;
  std::array<PrepaymentEntry, kPrepaymentRowCount> entries{};
};

struct PrepaymentSchedule {
  int method = kShortenTerm;
  EqualPaymentSchedule schedule;  // its rows and totals with the prepayments
  int repaymentCount = 0;         // the regular repayments made
  int32_t interestSaved = 0;      // the interest without prepayments less that with them
};

// The schedule, or the warning that stopped it. The checks, in order: the
// loan's term (CheckLoanTerm); each used row in turn, whose 回 must name a
// repayment before the last; then the amounts, which may overflow as the plain
// schedule's do. A typed amount larger than what is owed pays off the rest.
core::Outcome<PrepaymentSchedule> ComputePrepaymentSchedule(const PrepaymentInput& input);

}  // namespace loan
