// How much can be borrowed: the largest whole number of 万円 whose
// equal-installment repayment fits what the income leaves for it each month.
#pragma once

#include <cstdint>
#include <optional>

#include "core/checked_math.h"
#include "core/outcome.h"
#include "core/units.h"

namespace plan {

enum RatioMode { kFlat35Ratio = 0, kTypedRatio = 1 };

// The ranges of the dialog's fields. The rate and the number of repayments are
// those of the equal-installment simulation (loan/loan_schedule.h).
inline constexpr int kMinAnnualIncome = 1;  // 万円
inline constexpr int kMaxAnnualIncome = 100000;
inline constexpr double kMaxBurdenRatio = 100.0;  // percent
inline constexpr int kMinPaymentCount = 1;

// The repayment-burden ratios of the フラット35 rule: 30 % of an income below
// 400 万円, 35 % of one of 400 万円 or more.
inline constexpr int kFlat35IncomeStep = 400;  // 万円
inline constexpr double kFlat35LowerRatio = 30.0;
inline constexpr double kFlat35UpperRatio = 35.0;

// The largest loan searched: whole yen of it fit the amount limit.
inline constexpr int kMaxBorrowingMan = core::kAmountLimit / core::kYenPerMan;  // 214748

struct BorrowingLimitInput {
  int annualIncome = 0;          // 万円, before tax
  int ratioMode = kFlat35Ratio;  // kTypedRatio reads burdenRatio, anything else the rule
  double burdenRatio = 0.0;      // percent of the income that may go to repayments
  double screeningRate = 0.0;    // percent a year, the bank's 審査金利
  int paymentCount = 1;          // monthly repayments
  double otherRepayments = 0.0;  // 万円 a year already repaid on other loans
};

struct BorrowingLimitResult {
  double ratio = 0.0;         // percent applied
  int32_t monthlyBudget = 0;  // M, yen a month for the repayment
  int32_t limit = 0;          // L, yen: a whole number of 万円
  int32_t installment = 0;    // A(L), yen
};

// The installment of a loan of `man` 万円 over `count` monthly repayments at
// `annualRate` percent a year, truncated to whole yen as the equal-installment
// simulation computes it; nullopt when it is not a finite amount of yen.
std::optional<int64_t> InstallmentOfLoan(double annualRate, int count, int man);

// The ratio p, M = trunc((income × 10000 × p ÷ 100 − other × 10000) ÷ 12), and the
// largest L from 1 to kMaxBorrowingMan 万円 with A(L) ≤ M. M below 1 yen, and an
// A(1) above M, stop with their warnings; an M beyond the amount limit is an
// overflow. A rate, count or typed ratio outside its field's range gives
// core::kAlreadyReported: the field exchange has shown its message.
core::Outcome<BorrowingLimitResult> ComputeBorrowingLimit(const BorrowingLimitInput& input);

}  // namespace plan
