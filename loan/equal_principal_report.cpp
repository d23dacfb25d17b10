#include "loan/equal_principal_report.h"

namespace loan {

core::ReportText FormatEqualPrincipalReport(const EqualPrincipalSchedule& schedule) {
  core::ReportText report;
  report.Reserve(128 + schedule.rows.size() * 96);
  report.Append("借入金額（円）\u3000         \\%10d\n", schedule.loan);
  report.Append("返済回数（回）           %11d\n", schedule.count);
  // A monthly rate is printed at least ten characters wide, an annual one eight.
  if (schedule.monthly)
    report.Append("利率（月利)(%%)          %10.5lf\n", schedule.rate * 100.0);
  else
    report.Append("利率（年利)(%%)          %8.5lf\n", schedule.rate * 100.0);
  report.Append("一回の返済元金（円）     \\%10d\n", schedule.principalPart);
  for (const ScheduleRow& row : schedule.rows)
    report.Append("%4d.%2d %2d日間 %3d回 利息\\%10d  元利合計\\%10d  残り\\%10d\n", row.year,
                  row.month, row.days, row.number, row.interest, row.payment, row.balance);
  report.Append("\n利息の合計 \\%10d  返済額の合計 \\%10d\n", schedule.totalInterest,
                schedule.totalPayment);
  report.Append("元金合計%10d\n", schedule.totalPrincipal);
  return report;
}

}  // namespace loan
