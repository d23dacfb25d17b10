#include "loan/bonus_loan_report.h"

#include "core/text_format.h"

namespace loan {
namespace {

// The line of one installment: a bonus installment is marked with "*"; the last
// has no mark and its year one column wider.
using InstallmentFormat = core::FormatString<int, int, int, int, int, int>;

const InstallmentFormat& InstallmentLine(const BonusScheduleRow& row) {
  static constexpr InstallmentFormat kLast =
      "%5d.%2d　元利合計%10d  利息\\%10d  返済元金\\%10d  残り\\%10d\n";
  static constexpr InstallmentFormat kBonus =
      "*%4d.%2d　元利合計%10d  利息\\%10d  返済元金\\%10d  残り\\%10d\n";
  static constexpr InstallmentFormat kPlain =
      " %4d.%2d　元利合計%10d  利息\\%10d  返済元金\\%10d  残り\\%10d\n";
  return row.last ? kLast : row.bonus ? kBonus : kPlain;
}

}  // namespace

std::string BonusReport(const BonusLoanSchedule& s) {
  std::string report;
  report.reserve(256 + s.rows.size() * 96);
  // The header counts the term in the unit it was entered in, and gives the
  // rate per year or per month to match.
  if (s.periodInMonths) {
    core::AppendFormat(report, "借入金額（円）　         \\%10d\n", s.loan);
    core::AppendFormat(report, "返済期間（月）           %11d\n", s.installments);
    core::AppendFormat(report, "利率（月利)(%%)          %8.5lf\n", s.monthlyRate * 100.0);
    core::AppendFormat(report, "一回の返済金額（円）     \\%10d\n", s.installment);
  } else {
    core::AppendFormat(report, "借入金額（円）　          \\%10d\n", s.loan);
    core::AppendFormat(report, "返済期間（年）            %11d\n", s.installments / 12);
    core::AppendFormat(report, "利率（年利)(%%)           %8.5lf\n", s.monthlyRate * 1200.0);
    core::AppendFormat(report, "一回の返済金額（円）      \\%10d\n", s.installment);
  }
  core::AppendFormat(report, "ボーナス時の支払い額（円）\\%10d\n", s.bonusPayment);
  report += "*印がボーナス時の支払額\n";
  for (const BonusScheduleRow& row : s.rows)
    core::AppendFormat(report, InstallmentLine(row), row.year, row.month, row.payment, row.interest,
                       row.principal, row.balance);
  core::AppendFormat(report, "\n利息の合計 \\%10d  返済元金の合計 \\%10d\n", s.totalInterest,
                     s.totalPrincipal);
  core::AppendFormat(report, "最終的総支払額\\%10d\n", s.grandTotal);
  return report;
}

}  // namespace loan
