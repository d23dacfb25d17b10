#include "loan/loan_schedule.h"

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/units.h"
#include "loan/calendar.h"
#include "res/texts.h"

namespace loan {

std::optional<core::Stop> CheckLoanTerm(const LoanInput& input) {
  if (core::MonthsBetween(input.loanYear, input.loanMonth, input.repayStartYear,
                          input.repayStartMonth) < 0)
    return core::Warning{res::text::kLoanDateAfterStart};

  // Inputs that failed validation in a way the schedule cannot take.
  const int n = input.paymentCount;
  if (n < 1 || n > kMaxPaymentCount) return core::kAlreadyReported;
  const int64_t counter = core::MonthCounter(input.repayStartYear, input.repayStartMonth);
  if (!MonthAt(counter) || !MonthAt(counter + n - 1)) return core::kAlreadyReported;
  return std::nullopt;
}

core::Outcome<LoanStart> StartLoan(const LoanInput& input) {
  if (std::optional<core::Stop> stop = CheckLoanTerm(input)) return *stop;
  const int64_t deferralMonths = core::MonthsBetween(input.loanYear, input.loanMonth,
                                                     input.repayStartYear, input.repayStartMonth);
  const int n = input.paymentCount;
  const int64_t counter = core::MonthCounter(input.repayStartYear, input.repayStartMonth);

  LoanStart loan;
  loan.monthly = input.rateMode == kMonthRate;
  loan.ratePercent = loan.monthly ? input.monthRate : input.annualRate;
  loan.rate = loan.ratePercent / 100.0;
  loan.count = n;
  loan.firstCounter = counter;

  core::AmountGuard amount;
  loan.loan = amount(core::ManToYen(input.loanAmount));
  const double b = static_cast<double>(loan.loan);
  const double r = loan.rate;
  const double d = static_cast<double>(deferralMonths);
  loan.deferralInterest = amount.Trunc(loan.monthly ? b * r * d : b * r / 12.0 * d);
  if (amount.Overflowed()) return core::kOverflow;
  return loan;
}

}  // namespace loan
