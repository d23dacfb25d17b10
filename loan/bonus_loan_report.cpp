#include "loan/bonus_loan_report.h"

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

core::ReportText BonusReport(const BonusLoanSchedule& s) {
  core::ReportText report;
  report.Reserve(256 + s.rows.size() * 96);
  // The header counts the term in the unit it was entered in, and gives the
  // rate per year or per month to match.
  if (s.periodInMonths) {
    report.Append("借入金額（円）　         \\%10d\n", s.loan);
    report.Append("返済期間（月）           %11d\n", s.installments);
    report.Append("利率（月利)(%%)          %8.5lf\n", s.monthlyRate * 100.0);
    report.Append("一回の返済金額（円）     \\%10d\n", s.installment);
  } else {
    report.Append("借入金額（円）　          \\%10d\n", s.loan);
    report.Append("返済期間（年）            %11d\n", s.installments / 12);
    report.Append("利率（年利)(%%)           %8.5lf\n", s.monthlyRate * 1200.0);
    report.Append("一回の返済金額（円）      \\%10d\n", s.installment);
  }
  report.Append("ボーナス時の支払い額（円）\\%10d\n", s.bonusPayment);
  report.Append("*印がボーナス時の支払額\n");
  for (const BonusScheduleRow& row : s.rows)
    report.Append(InstallmentLine(row), row.year, row.month, row.payment, row.interest,
                  row.principal, row.balance);
  report.Append("\n利息の合計 \\%10d  返済元金の合計 \\%10d\n", s.totalInterest, s.totalPrincipal);
  report.Append("最終的総支払額\\%10d\n", s.grandTotal);
  return report;
}

}  // namespace loan
