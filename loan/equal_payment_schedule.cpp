#include "loan/equal_payment_schedule.h"

#include <cmath>
#include <optional>

#include "core/checked_math.h"
#include "core/tiny_rate.h"
#include "loan/calendar.h"
#include "res/texts.h"

namespace loan {
namespace {

// The installment A: the annuity payment at the monthly rate, truncated; the
// loan over the count at a rate of 0. Nullopt when it does not fit 32 bits.
std::optional<int32_t> Installment(const LoanStart& start) {
  const double b = static_cast<double>(start.loan);
  const double r = start.rate;
  const double n = static_cast<double>(start.count);
  if (r == 0.0) return static_cast<int32_t>(start.loan / start.count);  // no interest at all

  double t;
  if (core::IsTinyRate(start.ratePercent)) {
    // The same 1 − (1 + q)^−n without subtracting two numbers close to 1.
    const double q = start.monthly ? r : r / 12.0;
    t = -std::expm1(-n * std::log1p(q));
  } else {
    const double g = start.monthly ? std::pow(1.0 + r, n) : std::pow(r / 12.0 + 1.0, n);
    t = 1.0 - 1.0 / g;
  }
  return core::TruncToInt32(start.monthly ? b * r / t : b * r / 12.0 / t);
}

}  // namespace

core::Outcome<EqualPaymentSchedule> ComputeEqualPaymentSchedule(const LoanInput& input) {
  core::Outcome<LoanStart> started = StartLoan(input);
  if (const core::Warning* warning = std::get_if<core::Warning>(&started)) return *warning;
  const LoanStart& start = std::get<LoanStart>(started);

  std::optional<int32_t> installment = Installment(start);
  if (!installment) return core::Warning{res::text::kOverflow};

  EqualPaymentSchedule schedule;
  schedule.monthly = start.monthly;
  schedule.rate = start.rate;
  schedule.loan = start.loan;
  schedule.count = start.count;
  schedule.installment = *installment;
  schedule.rows.reserve(static_cast<size_t>(start.count));

  AmountGuard amount;
  const double r = start.rate;
  const int64_t a = *installment;
  const int64_t e = start.deferralInterest;
  int64_t balance = start.loan;
  int64_t totalInterest = 0, totalPrincipal = 0;
  int64_t counter = start.firstCounter;
  for (int i = 1; i <= start.count; ++i, ++counter) {
    const CalendarMonth month = *MonthAt(counter);  // StartLoan checked the whole range
    const double y = month.yearLength;
    const double d = month.days;
    // Interest is day-counted over the calendar month at the yearly rate.
    const double f = start.monthly ? r / y * 12.0 * d : r / y * d;
    const int64_t interest = amount.Trunc(static_cast<double>(balance) * f);

    // The last repayment pays off the balance; so does an earlier one whose
    // principal part would reach or pass a balance still owed.
    int64_t principal = a - interest;
    const bool last = i == start.count || (balance > 0 && principal >= balance);
    if (last) principal = balance;
    const int64_t deferral = i == 1 ? e : 0;

    ScheduleRow row;
    row.year = month.year;
    row.month = month.month;
    row.days = month.days;
    row.number = i;
    row.interest = amount(interest + deferral);
    row.principal = amount(principal);
    row.payment = amount(principal + interest + deferral);
    row.balance = amount(balance - principal);
    schedule.rows.push_back(row);

    totalInterest += row.interest;
    totalPrincipal += row.principal;
    balance = row.balance;
    if (amount.Overflowed()) return core::Warning{res::text::kOverflow};
    if (last) break;
  }
  schedule.totalInterest = amount(totalInterest);
  schedule.totalPrincipal = amount(totalPrincipal);
  schedule.grandTotal = amount(totalPrincipal + totalInterest);
  if (amount.Overflowed()) return core::Warning{res::text::kOverflow};
  return schedule;
}

}  // namespace loan
