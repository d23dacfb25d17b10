#include "loan/variable_rate_schedule.h"

#include <algorithm>
#include <utility>

#include "core/checked_math.h"
#include "loan/calendar.h"
#include "loan/installment.h"
#include "res/texts.h"

namespace loan {
namespace {

// The used rows in the order of their 回, or the warning that a row's 回 gets:
// outside 2 to n first, whichever row it is, then two rows with the same.
core::Outcome<std::vector<RateChange>> UsedRateChanges(const VariableRateInput& input) {
  std::vector<RateChange> used;
  for (const RateChange& change : input.changes) {
    if (change.from == 0) continue;
    if (change.from < 2 || change.from > input.loan.paymentCount)
      return core::Warning{res::text::kRateChangeNumberWrong};
    used.push_back(change);
  }
  std::sort(used.begin(), used.end(),
            [](const RateChange& a, const RateChange& b) { return a.from < b.from; });
  const auto same = [](const RateChange& a, const RateChange& b) { return a.from == b.from; };
  if (std::adjacent_find(used.begin(), used.end(), same) != used.end())
    return core::Warning{res::text::kRateChangeTwice};
  return used;
}

// floor(5/4 × installment), in 64 bits: at most what a review may raise it to.
int64_t ReviewCap(int64_t installment) {
  const int64_t scaled = installment * kReviewCapNumerator;
  const int64_t quotient = scaled / kReviewCapDenominator;
  return scaled % kReviewCapDenominator < 0 ? quotient - 1 : quotient;
}

// A month's interest on `balance`, before it is truncated, at the annual rate
// in force: by the days of the month as the equal-installment schedule counts
// them, or a twelfth of a year's.
double MonthInterest(bool dayCounted, double ratePercent, int64_t balance,
                     const CalendarMonth& month) {
  const double r = ratePercent / 100.0;
  if (!dayCounted) return static_cast<double>(balance) * r / 12.0;
  const double y = month.yearLength;
  const double d = month.days;
  const double f = r / y * d;
  return static_cast<double>(balance) * f;
}

// The installment in force at each repayment, under either review rule.
class InstallmentReviews {
 public:
  InstallmentReviews(bool fiveYearRule, double initialRatePercent)
      : fiveYearRule_(fiveYearRule),
        previousRate_(initialRatePercent),
        reviewedRate_(initialRatePercent) {}

  // The installment of repayment i at `ratePercent`, the rate in force, after
  // `installment` at repayment i − 1. `recompute()` gives the formula's
  // installment for the balance and the repayments left at that rate.
  template <class Recompute>
  int64_t At(int i, double ratePercent, int64_t installment, Recompute recompute) {
    const double previousRate = std::exchange(previousRate_, ratePercent);
    if (!fiveYearRule_) return ratePercent != previousRate ? recompute() : installment;
    if (i == 1 || (i - 1) % kReviewInterval != 0) return installment;
    const bool due = ratePercent != reviewedRate_ || capped_;
    reviewedRate_ = ratePercent;
    capped_ = false;
    if (!due) return installment;
    const int64_t fresh = recompute();
    const int64_t cap = ReviewCap(installment);
    capped_ = fresh > cap;
    return capped_ ? cap : fresh;
  }

 private:
  bool fiveYearRule_;
  double previousRate_;  // in force at the repayment before
  double reviewedRate_;  // in force at the last review; the initial rate before the first
  bool capped_ = false;  // the last review cut the installment to its cap
};

}  // namespace

core::Outcome<VariableRateSchedule> ComputeVariableRateSchedule(const VariableRateInput& input) {
  LoanInput loanInput = input.loan;
  loanInput.rateMode = kAnnualRate;
  if (std::optional<core::Stop> stop = CheckLoanTerm(loanInput)) return *stop;
  core::Outcome<std::vector<RateChange>> usedChanges = UsedRateChanges(input);
  if (const core::Stop* stop = std::get_if<core::Stop>(&usedChanges)) return *stop;
  const std::vector<RateChange>& changes = std::get<std::vector<RateChange>>(usedChanges);
  core::Outcome<LoanStart> started = StartLoan(loanInput);
  if (const core::Stop* stop = std::get_if<core::Stop>(&started)) return *stop;
  const LoanStart& start = std::get<LoanStart>(started);
  const int n = start.count;

  core::AmountGuard amount;
  // The installment for `balance` over the repayments from `from` on.
  const auto installmentFor = [&](double ratePercent, int64_t balance, int from) -> int64_t {
    return amount.Trunc(EqualInstallment(false, ratePercent, balance, n - from + 1));
  };
  int64_t a = installmentFor(start.ratePercent, start.loan, 1);
  if (amount.Overflowed()) return core::kOverflow;

  VariableRateSchedule schedule;
  schedule.dayCounted = input.interestRule == kDayCountedInterest;
  schedule.fiveYearRule = input.reviewRule != kReviewAtEachChange;
  schedule.initialRatePercent = start.ratePercent;
  schedule.loan = start.loan;
  schedule.count = n;
  schedule.installment = amount(a);
  schedule.rows.reserve(static_cast<size_t>(n));

  double ratePercent = start.ratePercent;  // in force
  auto nextChange = changes.begin();
  InstallmentReviews reviews(schedule.fiveYearRule, ratePercent);
  int64_t balance = start.loan, unpaid = 0, largest = 0;
  int64_t totalPayment = 0, totalInterest = 0, totalPrincipal = 0;
  int64_t counter = start.firstCounter;
  for (int i = 1; i <= n; ++i, ++counter) {
    for (; nextChange != changes.end() && nextChange->from == i; ++nextChange)
      ratePercent = nextChange->annualRate;
    a = reviews.At(i, ratePercent, a, [&] { return installmentFor(ratePercent, balance, i); });
    largest = std::max(largest, a);

    const CalendarMonth month = *MonthAt(counter);  // CheckLoanTerm checked the whole range
    const int64_t interest =
        amount.Trunc(MonthInterest(schedule.dayCounted, ratePercent, balance, month));

    // The last repayment pays off the balance and the unpaid interest; so does
    // an earlier one whose principal part would reach a balance still owed.
    // Before it, interest beyond the installment is left unpaid.
    int64_t principal = a - interest;
    int64_t interestPaid = interest;
    const bool last = i == n || (balance > 0 && principal >= balance);
    if (last) {
      principal = balance;
      interestPaid = interest + unpaid;
      schedule.settledUnpaid = amount(unpaid);
      unpaid = 0;
    } else if (principal < 0) {
      principal = 0;
      interestPaid = a;
      unpaid += interest - a;
      if (schedule.firstUnpaidNumber == 0) schedule.firstUnpaidNumber = i;
    }
    const int64_t deferral = i == 1 ? start.deferralInterest : 0;

    VariableRateRow row;
    row.year = month.year;
    row.month = month.month;
    row.days = month.days;
    row.number = i;
    row.ratePercent = ratePercent;
    row.interest = amount(interestPaid + deferral);
    row.principal = amount(principal);
    row.payment = amount(principal + interestPaid + deferral);
    row.balance = amount(balance - principal);
    row.unpaidInterest = amount(unpaid);
    schedule.rows.push_back(row);

    totalPayment += row.payment;
    totalInterest += row.interest;
    totalPrincipal += row.principal;
    balance = row.balance;
    if (amount.Overflowed()) return core::kOverflow;
    if (last) break;
  }
  schedule.totalPayment = amount(totalPayment);
  schedule.totalInterest = amount(totalInterest);
  schedule.totalPrincipal = amount(totalPrincipal);
  schedule.largestInstallment = amount(largest);
  schedule.lastPayment = schedule.rows.back().payment;
  if (amount.Overflowed()) return core::kOverflow;
  return schedule;
}

}  // namespace loan
