#include "loan/equal_principal_schedule.h"

#include <cmath>

#include "core/checked_math.h"
#include "loan/calendar.h"

namespace loan {

core::Outcome<EqualPrincipalSchedule> ComputeEqualPrincipalSchedule(const LoanInput& input) {
  core::Outcome<LoanStart> started = StartLoan(input);
  if (const core::Stop* stop = std::get_if<core::Stop>(&started)) return *stop;
  const LoanStart& start = std::get<LoanStart>(started);

  EqualPrincipalSchedule schedule;
  schedule.monthly = start.monthly;
  schedule.rate = start.rate;
  schedule.loan = start.loan;
  schedule.count = start.count;
  // Within the loan's size, so it fits.
  schedule.principalPart = static_cast<int32_t>(
      std::trunc(static_cast<double>(start.loan) / start.count / 100.0) * 100.0);
  schedule.rows.reserve(static_cast<size_t>(start.count));

  core::AmountGuard amount;
  const double r = start.rate;
  const int64_t u = schedule.principalPart;
  int64_t balance = start.loan;
  int64_t totalInterest = 0, totalPayment = 0, totalPrincipal = 0;
  int64_t counter = start.firstCounter;
  for (int i = 1; i <= start.count; ++i, ++counter) {
    const CalendarMonth month = *MonthAt(counter);  // StartLoan checked the whole range
    const double y = month.yearLength;
    const double d = month.days;
    const double b = static_cast<double>(balance);
    // Interest is day-counted over the calendar month at the yearly rate.
    const int64_t interest = amount.Trunc(start.monthly ? b * 12.0 * r / y * d : b * r / y * d);
    const int64_t principal = i == start.count ? balance : u;
    const int64_t deferral = i == 1 ? start.deferralInterest : 0;

    ScheduleRow row;
    row.year = month.year;
    row.month = month.month;
    row.days = month.days;
    row.number = i;
    row.principal = amount(principal);
    row.interest = amount(interest + deferral);
    row.payment = amount(principal + interest + deferral);
    row.balance = amount(balance - principal);
    schedule.rows.push_back(row);

    totalInterest += row.interest;
    totalPayment += row.payment;
    totalPrincipal += row.principal;
    balance = row.balance;
    if (amount.Overflowed()) return core::kOverflow;
  }
  schedule.totalInterest = amount(totalInterest);
  schedule.totalPayment = amount(totalPayment);
  schedule.totalPrincipal = amount(totalPrincipal);
  if (amount.Overflowed()) return core::kOverflow;
  return schedule;
}

}  // namespace loan
