#include "loan/bonus_loan_calc.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/tiny_rate.h"
#include "core/units.h"
#include "loan/annuity.h"
#include "res/texts.h"

namespace loan {
namespace {

// The installment of an annuity on `principal` yen when the written quotient
// F / (F − 1) has no digits left: equal parts at a zero rate (or one that
// underflows per period), F over the stably computed annuity sum at a tiny one.
double NearZeroInstallment(double rate, int payments, int64_t principal) {
  if (rate == 0.0) return static_cast<double>(principal / payments);
  const double f = std::pow(1.0 + rate, static_cast<double>(payments));
  return f / StableAnnuitySum(rate, payments) * static_cast<double>(principal);
}

// The installment of the monthly part, in yen, before truncation.
double MonthlyPayment(double r, int years, int64_t monthlyPart) {
  const int payments = years * 12;
  const double rate = r / 1200.0;
  if (core::IsTinyRate(r)) return NearZeroInstallment(rate, payments, monthlyPart);
  const double f = std::pow(1.0 + rate, static_cast<double>(payments));
  double q = f / (f - 1.0);
  q = q * r;
  q = q / 1200.0;
  return q * static_cast<double>(monthlyPart);
}

// What a bonus month adds to the monthly installment, in yen, before truncation:
// the installment of the bonus part at the rate per bonus period.
double BonusIncrease(double r, int years, int count, int64_t bonusPart) {
  if (count == 0) return 0.0;
  const int payments = count * years;
  const double rate = r / 100.0 / count;
  if (core::IsTinyRate(r)) return NearZeroInstallment(rate, payments, bonusPart);
  const double g = std::pow(1.0 + rate, static_cast<double>(payments));
  double q = g / (g - 1.0);
  q = q * r;
  q = q / 100.0;
  q = q / count;
  return static_cast<double>(bonusPart) * q;
}

bool WithinFieldRanges(const BonusLoanCalcInput& in) {
  return in.annualRate >= 0.0 && in.annualRate <= kCalcMaxRate && in.bonusCount >= 0 &&
         in.bonusCount <= kCalcMaxBonusCount && in.years >= 0 && in.years <= kCalcMaxYears &&
         in.loanAmount >= 0 && in.bonusPortion >= 0;
}

}  // namespace

core::Outcome<BonusLoanCalcResult> ComputeBonusLoanCalc(const BonusLoanCalcInput& in) {
  if (!WithinFieldRanges(in)) return core::kAlreadyReported;

  // Both parts are whole yen; beyond 32 bits they cannot be held.
  core::AmountGuard amount;
  const int32_t loan = amount(core::ManToYen(in.loanAmount));
  const int32_t bonusPart = amount(core::ManToYen(in.bonusPortion));
  if (amount.Overflowed()) return core::kOverflow;
  if (loan < bonusPart) return core::Warning{res::text::kBonusPortionExceedsLoan};
  // Neither part can be repaid in no time, nor the bonus part without bonuses.
  if (in.years == 0) return core::Warning{res::text::kNoRepaymentYears};
  if (in.bonusCount == 0 && bonusPart > 0)
    return core::Warning{res::text::kNoBonusesForBonusPortion};

  const double monthly = MonthlyPayment(in.annualRate, in.years, int64_t{loan} - bonusPart);
  const double increase = BonusIncrease(in.annualRate, in.years, in.bonusCount, bonusPart);
  if (!core::WithinAmountLimit(monthly) || !core::WithinAmountLimit(increase))
    return core::kOverflow;

  BonusLoanCalcResult result;
  result.monthlyPayment = static_cast<int32_t>(monthly);  // within the limit, so it fits
  result.bonusIncrease = static_cast<int32_t>(increase);
  const int64_t total = int64_t{result.monthlyPayment} * in.years * 12 +
                        int64_t{result.bonusIncrease} * in.bonusCount * in.years;
  if (!core::WithinAmountLimit(total)) return core::kOverflow;
  result.bonusMonthPayment = int64_t{result.bonusIncrease} + result.monthlyPayment;
  result.totalPayment = total;
  return result;
}

}  // namespace loan
