#include "loan/equal_payment_schedule.h"

#include <algorithm>

#include "core/checked_math.h"
#include "loan/calendar.h"
#include "loan/installment.h"

namespace loan {

core::Outcome<EqualPaymentSchedule> ComputeEqualPaymentSchedule(const LoanInput& input,
                                                                const Prepayments& prepayments) {
  core::Outcome<LoanStart> started = StartLoan(input);
  if (const core::Stop* stop = std::get_if<core::Stop>(&started)) return *stop;
  const LoanStart& start = std::get<LoanStart>(started);

  core::AmountGuard amount;
  const int32_t installment = amount.Trunc(
      EqualInstallment(start.monthly, start.ratePercent, start.loan, start.count));
  if (amount.Overflowed()) return core::kOverflow;

  std::vector<Prepayment> early = prepayments.sums;
  std::stable_sort(early.begin(), early.end(),
                   [](const Prepayment& a, const Prepayment& b) { return a.after < b.after; });
  auto nextEarly = early.begin();

  EqualPaymentSchedule schedule;
  schedule.monthly = start.monthly;
  schedule.rate = start.rate;
  schedule.loan = start.loan;
  schedule.count = start.count;
  schedule.installment = installment;
  schedule.rows.reserve(static_cast<size_t>(start.count) + early.size());

  const double r = start.rate;
  int64_t a = installment;
  const int64_t e = start.deferralInterest;
  int64_t balance = start.loan;
  int64_t totalInterest = 0, totalPrincipal = 0, totalPrepaid = 0;
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
    if (amount.Overflowed()) return core::kOverflow;
    if (last) break;

    // The sums repaid early after this repayment, each at most what is owed.
    int64_t due = 0;
    for (; nextEarly != early.end() && nextEarly->after <= i; ++nextEarly) {
      if (nextEarly->after == i && nextEarly->amount > 0)
        due += std::min(nextEarly->amount, std::max<int64_t>(balance, 0));
    }
    const int64_t paid = std::min(due, balance);
    if (paid <= 0) continue;
    ScheduleRow prepaid = row;
    prepaid.days = 0;
    prepaid.prepayment = true;
    prepaid.interest = 0;
    prepaid.principal = amount(paid);
    prepaid.payment = amount(paid);
    prepaid.balance = amount(balance - paid);
    schedule.rows.push_back(prepaid);

    totalPrincipal += paid;
    totalPrepaid += paid;
    balance -= paid;
    if (balance == 0) break;  // paid off early
    if (prepayments.method == kLowerInstallment) {
      a = amount.Trunc(
          EqualInstallment(start.monthly, start.ratePercent, balance, start.count - i));
      if (amount.Overflowed()) return core::kOverflow;
    }
  }
  schedule.totalInterest = amount(totalInterest);
  schedule.totalPrincipal = amount(totalPrincipal);
  schedule.grandTotal = amount(totalPrincipal + totalInterest);
  schedule.totalPrepaid = amount(totalPrepaid);
  schedule.finalInstallment = amount(a);
  if (amount.Overflowed()) return core::kOverflow;
  return schedule;
}

}  // namespace loan
