#include "loan/prepayment_schedule.h"

#include "core/checked_math.h"
#include "core/units.h"
#include "res/texts.h"

namespace loan {

core::Outcome<PrepaymentSchedule> ComputePrepaymentSchedule(const PrepaymentInput& input) {
  if (std::optional<core::Stop> stop = CheckLoanTerm(input.loan)) return *stop;
  Prepayments prepayments;
  prepayments.method = input.method;
  for (const PrepaymentEntry& entry : input.entries) {
    if (entry.amount <= 0) continue;  // unused, whatever its 回
    if (entry.after < 1) return core::Warning{res::text::kPrepaymentNeedsNumber};
    if (entry.after >= input.loan.paymentCount)
      return core::Warning{res::text::kPrepaymentBeyondTerm};
    prepayments.sums.push_back({entry.after, core::ManToYen(entry.amount)});
  }

  core::Outcome<EqualPaymentSchedule> with = ComputeEqualPaymentSchedule(input.loan, prepayments);
  if (const core::Stop* stop = std::get_if<core::Stop>(&with)) return *stop;
  core::Outcome<EqualPaymentSchedule> without = ComputeEqualPaymentSchedule(input.loan);
  if (const core::Stop* stop = std::get_if<core::Stop>(&without)) return *stop;

  PrepaymentSchedule result;
  result.method = input.method;
  result.schedule = std::move(std::get<EqualPaymentSchedule>(with));
  // A prepayment row carries the number of the repayment it follows, and the
  // schedule always ends on its last repayment or on a prepayment after it.
  result.repaymentCount = result.schedule.rows.back().number;
  core::AmountGuard amount;
  result.interestSaved = amount(int64_t{std::get<EqualPaymentSchedule>(without).totalInterest} -
                                result.schedule.totalInterest);
  if (amount.Overflowed()) return core::kOverflow;
  return result;
}

}  // namespace loan
