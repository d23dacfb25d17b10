#include "loan/bonus_loan_schedule.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/tiny_rate.h"
#include "core/units.h"
#include "loan/annuity.h"
#include "res/texts.h"

namespace loan {
namespace {

bool IsBonusMonth(const BonusLoanSimInput& in, int month) {
  for (int k = 0; k < in.bonusCount; ++k)
    if (in.bonusMonths[k] == month) return true;
  return false;
}

int Installments(const BonusLoanSimInput& in) {
  return in.periodMode == kPeriodInYears ? in.period * 12 : in.period;
}

// Values no schedule can be made of. A term longer than kSimMaxInstallments
// or negative is among them (the period is checked alone first, so that the
// months of a huge one are never multiplied out).
bool WithinFieldRanges(const BonusLoanSimInput& in) {
  if (in.period < 0 || in.period > kSimMaxInstallments || Installments(in) > kSimMaxInstallments)
    return false;
  if (in.bonusCount < kSimMinBonusCount || in.bonusCount > kSimMaxBonusCount) return false;
  for (int k = 0; k < in.bonusCount; ++k)
    if (in.bonusMonths[k] < 1 || in.bonusMonths[k] > 12) return false;
  return in.annualRate >= 0.0 && in.annualRate <= kSimMaxRate && in.loanAmount >= 0 &&
         in.bonusMonthPayment >= 0.0;
}

// The term's months must be dates a row can show: not before year 0 and no
// year beyond an int. Only a date its field refused fails this.
bool DatesShowable(int64_t firstCounter, int installments) {
  const int64_t lastCounter = firstCounter + installments - 1;
  return firstCounter >= 0 && core::YearOfCounter(lastCounter) <= INT_MAX;
}

bool MonthsOverlap(const BonusLoanSimInput& in) {
  const std::array<int, 3>& m = in.bonusMonths;
  if (in.bonusCount == 2) return m[0] == m[1];
  return m[0] == m[1] || m[1] == m[2] || m[2] == m[0];
}

// The ordinary installment M that, with b paid in every bonus installment,
// repays the loan by the end of the term: the value of the loan at the end less
// that of the bonus payments, over that of the ordinary ones. Each bonus
// installment i counts as q^(N − i + 1), by where it falls in the term, so any
// spacing of the bonus months is priced right.
double OrdinaryInstallment(double annualPercent, const BonusRepaymentTerms& t) {
  const int n = t.installments;
  const int64_t c = static_cast<int64_t>(t.bonusInstallments.size());
  const double r = t.monthlyRate;
  // Without interest the loan less the bonus payments spreads over the rest.
  if (r == 0.0) return static_cast<double>((t.loan - t.bonusPayment * c) / (n - c));
  const double q = 1.0 + r;
  const double growth = std::pow(q, static_cast<double>(n));
  const double a = core::IsTinyRate(annualPercent) ? StableAnnuitySum(r, n) : (growth - 1.0) / r;
  double g = 0.0;
  for (int i : t.bonusInstallments) g += std::pow(q, static_cast<double>(n - i + 1));
  const double v = growth * static_cast<double>(t.loan);
  return (v - static_cast<double>(t.bonusPayment) * g) / (a - g);
}

}  // namespace

core::Outcome<BonusLoanSchedule> WalkBonusSchedule(const BonusRepaymentTerms& t) {
  BonusLoanSchedule schedule;
  schedule.installments = t.installments;
  schedule.loan = t.loan;
  schedule.monthlyRate = t.monthlyRate;
  schedule.installment = t.installment;
  schedule.bonusPayment = t.bonusPayment;

  core::AmountGuard amount;
  int64_t balance = t.loan, totalInterest = 0, totalPrincipal = 0;
  size_t nextBonus = 0;
  for (int i = 1; i <= t.installments; ++i) {
    const std::optional<int64_t> interest =
        core::TruncToInt64(static_cast<double>(balance) * t.monthlyRate);
    if (!interest) return core::kOverflow;
    const bool bonus =
        nextBonus < t.bonusInstallments.size() && t.bonusInstallments[nextBonus] == i;
    if (bonus) ++nextBonus;
    const int64_t due = bonus ? t.bonusPayment : t.installment;
    const bool last = i == t.installments || due >= balance + *interest;
    const int64_t payment = last ? balance + *interest : due;
    const int64_t principal = payment - *interest;
    // Installment 1 also pays the interest from the borrowing up to it.
    const int64_t deferral = i == 1 ? t.deferralInterest : 0;
    const int64_t counter = t.firstCounter + i - 1;
    BonusScheduleRow row;
    row.bonus = bonus && !last;
    row.last = last;
    row.year = static_cast<int>(core::YearOfCounter(counter));
    row.month = core::MonthOfCounter(counter);
    row.number = i;
    row.payment = amount(payment + deferral);
    row.interest = amount(*interest + deferral);
    row.principal = amount(principal);
    row.balance = amount(balance - principal);
    if (amount.Overflowed()) return core::kOverflow;
    schedule.rows.push_back(row);
    totalInterest += *interest;
    totalPrincipal += principal;
    balance -= principal;
    if (last) break;
  }
  totalInterest += t.deferralInterest;

  schedule.totalInterest = amount(totalInterest);
  schedule.totalPrincipal = amount(totalPrincipal);
  schedule.grandTotal = amount(totalInterest + totalPrincipal);
  if (amount.Overflowed()) return core::kOverflow;
  return schedule;
}

core::Outcome<BonusLoanSchedule> ComputeBonusLoanSchedule(const BonusLoanSimInput& in) {
  if (!WithinFieldRanges(in)) return core::kAlreadyReported;
  BonusRepaymentTerms terms;
  terms.installments = Installments(in);
  terms.firstCounter = core::MonthCounter(in.startYear, in.startMonth);
  if (!DatesShowable(terms.firstCounter, terms.installments)) return core::kAlreadyReported;

  core::AmountGuard amount;
  terms.loan = amount(core::ManToYen(in.loanAmount));
  if (amount.Overflowed()) return core::kOverflow;
  terms.monthlyRate = in.annualRate / 1200.0;

  if (MonthsOverlap(in))
    return core::Warning{in.bonusCount == 2 ? res::text::kBonusMonthsOverlapTwo
                                          : res::text::kBonusMonthsOverlapThree};
  const int64_t borrowed = core::MonthCounter(in.loanYear, in.loanMonth);
  if (terms.firstCounter < borrowed) return core::Warning{res::text::kLoanDateAfterStart};

  // Simple interest on the whole loan from the borrowing to installment 1. Only
  // dates their fields refused lie far enough apart to pass 64 bits.
  const int64_t months = terms.firstCounter - borrowed;
  if (terms.loan != 0 && months > INT64_MAX / terms.loan) return core::kOverflow;
  terms.deferralInterest =
      amount.Trunc(static_cast<double>(terms.loan * months) * terms.monthlyRate);
  if (amount.Overflowed()) return core::kOverflow;

  // The last installment pays off the rest, whatever its month.
  for (int i = 1; i < terms.installments; ++i)
    if (IsBonusMonth(in, core::MonthOfCounter(terms.firstCounter + i - 1)))
      terms.bonusInstallments.push_back(i);
  const int64_t c = static_cast<int64_t>(terms.bonusInstallments.size());
  if (c == 0) return core::Warning{res::text::kNoBonusInTerm};

  terms.bonusPayment = amount.Trunc(core::ManToYen(in.bonusMonthPayment));
  // b × c is compared whole: a product past 32 bits is an overflow, never a wrap.
  const int32_t allBonuses = amount(terms.bonusPayment * c);
  if (amount.Overflowed()) return core::kOverflow;
  if (allBonuses >= terms.loan) return core::Warning{res::text::kBonusesAloneRepay};

  terms.installment = amount.Trunc(OrdinaryInstallment(in.annualRate, terms));
  if (amount.Overflowed() || terms.installment < 0) return core::kOverflow;
  if (terms.installment > terms.bonusPayment)
    return core::Warning{res::text::kBonusPaymentTooSmall};

  core::Outcome<BonusLoanSchedule> schedule = WalkBonusSchedule(terms);
  if (auto* result = std::get_if<BonusLoanSchedule>(&schedule))
    result->periodInMonths = in.periodMode != kPeriodInYears;
  return schedule;
}

}  // namespace loan
