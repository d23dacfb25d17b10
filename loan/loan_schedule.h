// What the equal-installment and equal-principal schedules share: their inputs,
// their rows, and everything up to the first repayment.
#pragma once

#include <cstdint>
#include <optional>

#include "core/outcome.h"

namespace loan {

enum LoanRateMode { kAnnualRate = 0, kMonthRate = 1 };

// The largest number of repayments a schedule has.
inline constexpr int kMaxPaymentCount = 4000;
// The highest rates, in percent, that the fields accept.
inline constexpr double kMaxAnnualRate = 200.0;
inline constexpr double kMaxMonthRate = 400.0;

struct LoanInput {
  int rateMode = kAnnualRate;  // kMonthRate reads monthRate, anything else annualRate
  double annualRate = 0.0;     // percent per year
  double monthRate = 0.0;      // percent per month
  int loanAmount = 0;          // 万円
  int paymentCount = 1;
  int loanYear = 0, loanMonth = 1;
  int repayStartYear = 0, repayStartMonth = 1;
};

// One repayment, in whole yen.
struct ScheduleRow {
  int year = 0, month = 0, days = 0;
  int number = 0;  // 1 for the first repayment
  int32_t payment = 0, interest = 0, principal = 0;
  int32_t balance = 0;  // after the repayment
  // A sum repaid early, right after repayment `number`: dated as that
  // repayment, no days counted, no interest, the whole payment principal.
  bool prepayment = false;

  friend bool operator==(const ScheduleRow&, const ScheduleRow&) = default;
};

// A loan from its start to the first repayment.
struct LoanStart {
  bool monthly = false;     // the rate is per month
  double ratePercent = 0.0; // the rate as entered
  double rate = 0.0;        // the entered rate as a fraction, r
  int32_t loan = 0;         // L0, yen
  int count = 0;            // n, 1 to kMaxPaymentCount
  int32_t deferralInterest = 0;  // E, simple interest before the first repayment
  int64_t firstCounter = 0;      // month counter of the first repayment
};

// The checks of the loan's term, nullopt when they pass. The first repayment
// may not come before the loan month. A count outside 1 to kMaxPaymentCount,
// or dates whose month counter is negative, stop without a box of their own
// (their field has failed its validation).
std::optional<core::Stop> CheckLoanTerm(const LoanInput& input);

// CheckLoanTerm, then the amounts before the first repayment. A loan or
// deferral interest beyond 32 bits is an overflow.
core::Outcome<LoanStart> StartLoan(const LoanInput& input);

}  // namespace loan
