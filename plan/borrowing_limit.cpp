#include "plan/borrowing_limit.h"

#include "loan/installment.h"
#include "loan/loan_schedule.h"
#include "res/texts.h"

namespace plan {
namespace {

bool WithinFieldRanges(const BorrowingLimitInput& in) {
  // Written so that NaN falls outside too.
  const bool rate = in.screeningRate >= 0.0 && in.screeningRate <= loan::kMaxAnnualRate;
  const bool count = in.paymentCount >= kMinPaymentCount && in.paymentCount <= loan::kMaxPaymentCount;
  const bool ratio = in.ratioMode != kTypedRatio ||
                     (in.burdenRatio >= 0.0 && in.burdenRatio <= kMaxBurdenRatio);
  return rate && count && ratio;
}

double AppliedRatio(const BorrowingLimitInput& in) {
  if (in.ratioMode == kTypedRatio) return in.burdenRatio;
  return in.annualIncome < kFlat35IncomeStep ? kFlat35LowerRatio : kFlat35UpperRatio;
}

}  // namespace

std::optional<int64_t> InstallmentOfLoan(double annualRate, int count, int man) {
  return core::TruncToInt64(
      loan::EqualInstallment(false, annualRate, core::ManToYen(man), count));
}

core::Outcome<BorrowingLimitResult> ComputeBorrowingLimit(const BorrowingLimitInput& in) {
  if (!WithinFieldRanges(in)) return core::kAlreadyReported;

  BorrowingLimitResult result;
  result.ratio = AppliedRatio(in);
  // In this order, each step a double.
  double budget = static_cast<double>(core::ManToYen(in.annualIncome));
  budget = budget * result.ratio;
  budget = budget / 100.0;
  budget = budget - core::ManToYen(in.otherRepayments);
  budget = budget / 12.0;
  // "Not at least 1" takes NaN in too; trunc(M) < 1 exactly when M < 1.
  if (!(budget >= 1.0)) return core::Warning{res::text::kNoRepaymentBudget};
  if (!core::WithinAmountLimit(budget)) return core::kOverflow;
  result.monthlyBudget = static_cast<int32_t>(budget);  // within the limit, so it fits

  // A(L) never falls as L grows: the balance is multiplied and divided by
  // positive numbers that do not depend on it (or divided by the count at a
  // rate of 0), each step rounded, and rounding keeps the order. So the loans
  // that fit are 1 … L, and a bisection finds L.
  const int64_t budgetYen = result.monthlyBudget;
  auto fits = [&](int man) {
    const std::optional<int64_t> a = InstallmentOfLoan(in.screeningRate, in.paymentCount, man);
    return a && *a <= budgetYen;
  };
  if (!fits(1)) return core::Warning{res::text::kBorrowingBelowOneMan};
  int fitting = 1, tooLarge = kMaxBorrowingMan + 1;  // fits(fitting), !fits(tooLarge)
  while (tooLarge - fitting > 1) {
    const int middle = fitting + (tooLarge - fitting) / 2;
    (fits(middle) ? fitting : tooLarge) = middle;
  }
  result.limit = static_cast<int32_t>(core::ManToYen(fitting));  // at most 214748 万円
  // fits(fitting) holds, so the installment is at most M.
  result.installment = static_cast<int32_t>(
      *InstallmentOfLoan(in.screeningRate, in.paymentCount, fitting));
  return result;
}

}  // namespace plan
