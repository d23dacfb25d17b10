#include "loan/bonus_loan_schedule.h"

#include <climits>
#include <cstdint>
#include <cmath>
#include <optional>

#include "loan/annuity.h"
#include "res/texts.h"
#include "ui/checked_math.h"

namespace loan {
namespace {

const ui::Warning kOverflow{res::text::kOverflow};

struct Term {
  int64_t start = 0;  // month index of installment 1: year × 12 + month − 1
  int installments = 0;
  std::vector<int> bonusInstallments;  // in order; never the last installment
};

int MonthOf(int64_t index) { return static_cast<int>(index % 12) + 1; }

bool IsBonusMonth(const BonusLoanSimInput& in, int month) {
  for (int k = 0; k < in.bonusCount; ++k)
    if (in.bonusMonths[k] == month) return true;
  return false;
}

bool WithinFieldRanges(const BonusLoanSimInput& in) {
  if (in.period < 0 || in.period > 100 || in.bonusCount < 2 || in.bonusCount > 3) return false;
  for (int k = 0; k < in.bonusCount; ++k)
    if (in.bonusMonths[k] < 1 || in.bonusMonths[k] > 12) return false;
  return in.annualRate >= 0.0 && in.annualRate <= 100.0 && in.loanAmount >= 0 &&
         in.bonusMonthPayment >= 0.0;
}

// The term's month indices must be dates a schedule row can show: not before
// year 0, and no year beyond an int. Only a date the field refused fails this.
bool DatesShowable(const Term& term) {
  const int64_t lastIndex = term.start + term.installments - 1;
  return term.start >= 0 && lastIndex / 12 <= INT_MAX;
}

bool MonthsOverlap(const BonusLoanSimInput& in) {
  const std::array<int, 3>& m = in.bonusMonths;
  if (in.bonusCount == 2) return m[0] == m[1];
  return m[0] == m[1] || m[1] == m[2] || m[2] == m[0];
}

// The ordinary installment M that, with b paid in every bonus installment,
// repays the loan by the end of the term: the future value of the loan less
// that of the bonus payments, over the future value of the ordinary ones.
// Each bonus installment i is valued at q^(N − i + 1), its own position in the
// term, whatever the spacing of the bonus months.
double OrdinaryInstallment(double r, double annualPercent, const Term& term, int32_t loan,
                           int32_t bonus) {
  const int n = term.installments;
  const int64_t c = static_cast<int64_t>(term.bonusInstallments.size());
  // Without interest the loan less the bonus payments spreads over the rest.
  if (r == 0.0) return static_cast<double>((loan - bonus * c) / (n - c));
  const double q = 1.0 + r;
  const double growth = std::pow(q, static_cast<double>(n));
  const double a = IsTinyRate(annualPercent) ? StableAnnuitySum(r, n) : (growth - 1.0) / r;
  double g = 0.0;
  for (int i : term.bonusInstallments) g += std::pow(q, static_cast<double>(n - i + 1));
  const double v = growth * static_cast<double>(loan);
  return (v - static_cast<double>(bonus) * g) / (a - g);
}

struct Ledger {
  int64_t balance;
  int64_t interest = 0, principal = 0;
};

// One schedule row, or nullopt when an amount does not fit 32 bits.
std::optional<BonusScheduleRow> Row(int64_t index, int number, int64_t payment, int64_t interest,
                                    int64_t principal, int64_t balance) {
  auto p = ui::Narrow(payment), i = ui::Narrow(interest), k = ui::Narrow(principal),
       b = ui::Narrow(balance);
  if (!p || !i || !k || !b) return std::nullopt;
  BonusScheduleRow row;
  row.year = static_cast<int>(index / 12);
  row.month = MonthOf(index);
  row.number = number;
  row.payment = *p;
  row.interest = *i;
  row.principal = *k;
  row.balance = *b;
  return row;
}

}  // namespace

ui::Outcome<BonusLoanSchedule> ComputeBonusLoanSchedule(const BonusLoanSimInput& in) {
  if (!WithinFieldRanges(in)) return ui::kAlreadyReported;
  Term term;
  term.installments = in.periodMode == kPeriodInYears ? in.period * 12 : in.period;
  term.start = int64_t{in.startYear} * 12 + in.startMonth - 1;
  if (!DatesShowable(term)) return ui::kAlreadyReported;

  const std::optional<int32_t> loan = ui::Narrow(int64_t{in.loanAmount} * 10000);
  if (!loan) return kOverflow;
  const double r = in.annualRate / 1200.0;

  if (MonthsOverlap(in))
    return ui::Warning{in.bonusCount == 2 ? res::text::kBonusMonthsOverlapTwo
                                          : res::text::kBonusMonthsOverlapThree};
  const int64_t borrowed = int64_t{in.loanYear} * 12 + in.loanMonth - 1;
  if (term.start < borrowed) return ui::Warning{res::text::kLoanAfterFirstRepayment};

  // Simple interest on the whole loan from the borrowing to installment 1.
  // Only dates the fields refused are far enough apart to pass 64 bits.
  const int64_t months = term.start - borrowed;
  if (*loan != 0 && months > INT64_MAX / *loan) return kOverflow;
  const std::optional<int32_t> deferral =
      ui::TruncToInt32(static_cast<double>(*loan * months) * r);
  if (!deferral) return kOverflow;

  for (int i = 1; i < term.installments; ++i)
    if (IsBonusMonth(in, MonthOf(term.start + i - 1))) term.bonusInstallments.push_back(i);
  const int64_t c = static_cast<int64_t>(term.bonusInstallments.size());
  if (c == 0) return ui::Warning{res::text::kNoBonusInTerm};

  const std::optional<int32_t> bonus = ui::TruncToInt32(in.bonusMonthPayment * 10000.0);
  if (!bonus || !ui::Narrow(*bonus * c)) return kOverflow;
  if (*bonus * c >= *loan) return ui::Warning{res::text::kBonusesAloneRepay};

  const std::optional<int32_t> installment =
      ui::TruncToInt32(OrdinaryInstallment(r, in.annualRate, term, *loan, *bonus));
  if (!installment || *installment < 0) return kOverflow;
  if (*installment > *bonus) return ui::Warning{res::text::kBonusPaymentTooSmall};

  BonusLoanSchedule schedule;
  schedule.periodInMonths = in.periodMode != kPeriodInYears;
  schedule.installments = term.installments;
  schedule.loan = *loan;
  schedule.monthlyRate = r;
  schedule.installment = *installment;
  schedule.bonusPayment = *bonus;

  // Installment 1 also pays the deferral interest. A payment that would reach
  // or pass what is owed pays the balance with its interest and ends the
  // schedule, as the last installment always does.
  Ledger ledger{*loan};
  size_t nextBonus = 0;
  for (int i = 1; i <= term.installments; ++i) {
    const int64_t index = term.start + i - 1;
    const std::optional<int64_t> interestOrNone =
        ui::TruncToInt64(static_cast<double>(ledger.balance) * r);
    if (!interestOrNone) return kOverflow;
    const int64_t interest = *interestOrNone;
    const bool bonusInstallment = nextBonus < term.bonusInstallments.size() &&
                                  term.bonusInstallments[nextBonus] == i;
    if (bonusInstallment) ++nextBonus;
    const int64_t due = bonusInstallment ? *bonus : *installment;
    const bool last = i == term.installments || due >= ledger.balance + interest;
    const int64_t payment = last ? ledger.balance + interest : due;
    const int64_t principal = payment - interest;
    const int64_t extra = i == 1 ? *deferral : 0;
    std::optional<BonusScheduleRow> row = Row(index, i, payment + extra, interest + extra,
                                              principal, ledger.balance - principal);
    if (!row) return kOverflow;
    row->bonus = bonusInstallment && !last;
    row->last = last;
    schedule.rows.push_back(*row);
    ledger.interest += interest;
    ledger.principal += principal;
    ledger.balance -= principal;
    if (last) break;
  }
  ledger.interest += *deferral;

  const std::optional<int32_t> totalInterest = ui::Narrow(ledger.interest);
  const std::optional<int32_t> totalPrincipal = ui::Narrow(ledger.principal);
  if (!totalInterest || !totalPrincipal || !ui::Narrow(ledger.interest + ledger.principal))
    return kOverflow;
  schedule.totalInterest = *totalInterest;
  schedule.totalPrincipal = *totalPrincipal;
  return schedule;
}

}  // namespace loan
