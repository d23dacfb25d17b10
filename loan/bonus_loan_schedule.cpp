#include "loan/bonus_loan_schedule.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/tiny_rate.h"
#include "loan/annuity.h"
#include "res/texts.h"

namespace loan {
namespace {

const core::Warning kOverflow{res::text::kOverflow};

bool IsBonusMonth(const BonusLoanSimInput& in, int month) {
  for (int k = 0; k < in.bonusCount; ++k)
    if (in.bonusMonths[k] == month) return true;
  return false;
}

int Installments(const BonusLoanSimInput& in) {
  return in.periodMode == kPeriodInYears ? in.period * 12 : in.period;
}

// Values no schedule can be made of. A term of up to 1200 months is still
// walked when its field refused it (120 in months, say), as other refused
// values are; a longer or negative one is not.
bool WithinFieldRanges(const BonusLoanSimInput& in) {
  if (in.period < 0 || in.period > 1200 || Installments(in) > 1200) return false;
  if (in.bonusCount < 2 || in.bonusCount > 3) return false;
  for (int k = 0; k < in.bonusCount; ++k)
    if (in.bonusMonths[k] < 1 || in.bonusMonths[k] > 12) return false;
  return in.annualRate >= 0.0 && in.annualRate <= 100.0 && in.loanAmount >= 0 &&
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

// One row, or nullopt when an amount does not fit 32 bits.
std::optional<BonusScheduleRow> Row(int64_t counter, int number, int64_t payment, int64_t interest,
                                    int64_t principal, int64_t balance) {
  auto p = core::Narrow(payment), i = core::Narrow(interest), k = core::Narrow(principal),
       b = core::Narrow(balance);
  if (!p || !i || !k || !b) return std::nullopt;
  BonusScheduleRow row;
  row.year = static_cast<int>(core::YearOfCounter(counter));
  row.month = core::MonthOfCounter(counter);
  row.number = number;
  row.payment = *p;
  row.interest = *i;
  row.principal = *k;
  row.balance = *b;
  return row;
}

}  // namespace

core::Outcome<BonusLoanSchedule> WalkBonusSchedule(const BonusRepaymentTerms& t) {
  BonusLoanSchedule schedule;
  schedule.installments = t.installments;
  schedule.loan = t.loan;
  schedule.monthlyRate = t.monthlyRate;
  schedule.installment = t.installment;
  schedule.bonusPayment = t.bonusPayment;

  int64_t balance = t.loan, totalInterest = 0, totalPrincipal = 0;
  size_t nextBonus = 0;
  for (int i = 1; i <= t.installments; ++i) {
    const std::optional<int64_t> interest =
        core::TruncToInt64(static_cast<double>(balance) * t.monthlyRate);
    if (!interest) return kOverflow;
    const bool bonus =
        nextBonus < t.bonusInstallments.size() && t.bonusInstallments[nextBonus] == i;
    if (bonus) ++nextBonus;
    const int64_t due = bonus ? t.bonusPayment : t.installment;
    const bool last = i == t.installments || due >= balance + *interest;
    const int64_t payment = last ? balance + *interest : due;
    const int64_t principal = payment - *interest;
    // Installment 1 also pays the interest from the borrowing up to it.
    const int64_t deferral = i == 1 ? t.deferralInterest : 0;
    std::optional<BonusScheduleRow> row = Row(t.firstCounter + i - 1, i, payment + deferral,
                                              *interest + deferral, principal, balance - principal);
    if (!row) return kOverflow;
    row->bonus = bonus && !last;
    row->last = last;
    schedule.rows.push_back(*row);
    totalInterest += *interest;
    totalPrincipal += principal;
    balance -= principal;
    if (last) break;
  }
  totalInterest += t.deferralInterest;

  const std::optional<int32_t> interest = core::Narrow(totalInterest);
  const std::optional<int32_t> principal = core::Narrow(totalPrincipal);
  if (!interest || !principal || !core::Narrow(totalInterest + totalPrincipal)) return kOverflow;
  schedule.totalInterest = *interest;
  schedule.totalPrincipal = *principal;
  return schedule;
}

core::Outcome<BonusLoanSchedule> ComputeBonusLoanSchedule(const BonusLoanSimInput& in) {
  if (!WithinFieldRanges(in)) return core::kAlreadyReported;
  BonusRepaymentTerms terms;
  terms.installments = Installments(in);
  terms.firstCounter = core::MonthCounter(in.startYear, in.startMonth);
  if (!DatesShowable(terms.firstCounter, terms.installments)) return core::kAlreadyReported;

  const std::optional<int32_t> loan = core::Narrow(int64_t{in.loanAmount} * 10000);
  if (!loan) return kOverflow;
  terms.loan = *loan;
  terms.monthlyRate = in.annualRate / 1200.0;

  if (MonthsOverlap(in))
    return core::Warning{in.bonusCount == 2 ? res::text::kBonusMonthsOverlapTwo
                                          : res::text::kBonusMonthsOverlapThree};
  const int64_t borrowed = core::MonthCounter(in.loanYear, in.loanMonth);
  if (terms.firstCounter < borrowed) return core::Warning{res::text::kLoanDateAfterStart};

  // Simple interest on the whole loan from the borrowing to installment 1. Only
  // dates their fields refused lie far enough apart to pass 64 bits.
  const int64_t months = terms.firstCounter - borrowed;
  if (terms.loan != 0 && months > INT64_MAX / terms.loan) return kOverflow;
  const std::optional<int32_t> deferral =
      core::TruncToInt32(static_cast<double>(terms.loan * months) * terms.monthlyRate);
  if (!deferral) return kOverflow;
  terms.deferralInterest = *deferral;

  // The last installment pays off the rest, whatever its month.
  for (int i = 1; i < terms.installments; ++i)
    if (IsBonusMonth(in, core::MonthOfCounter(terms.firstCounter + i - 1)))
      terms.bonusInstallments.push_back(i);
  const int64_t c = static_cast<int64_t>(terms.bonusInstallments.size());
  if (c == 0) return core::Warning{res::text::kNoBonusInTerm};

  const std::optional<int32_t> bonus = core::TruncToInt32(in.bonusMonthPayment * 10000.0);
  // b × c is compared whole: a product past 32 bits is an overflow, never a wrap.
  if (!bonus || !core::Narrow(*bonus * c)) return kOverflow;
  if (*bonus * c >= terms.loan) return core::Warning{res::text::kBonusesAloneRepay};
  terms.bonusPayment = *bonus;

  const std::optional<int32_t> installment =
      core::TruncToInt32(OrdinaryInstallment(in.annualRate, terms));
  if (!installment || *installment < 0) return kOverflow;
  if (*installment > *bonus) return core::Warning{res::text::kBonusPaymentTooSmall};
  terms.installment = *installment;

  core::Outcome<BonusLoanSchedule> schedule = WalkBonusSchedule(terms);
  if (auto* result = std::get_if<BonusLoanSchedule>(&schedule))
    result->periodInMonths = in.periodMode != kPeriodInYears;
  return schedule;
}

}  // namespace loan
