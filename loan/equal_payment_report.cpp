#include "loan/equal_payment_report.h"

namespace loan {

core::ReportText FormatEqualPaymentReport(const EqualPaymentSchedule& schedule) {
  core::ReportText report;
  report.Reserve(128 + schedule.rows.size() * 96);
  report.Append("借入金額（円）\u3000         \\%10d\n", schedule.loan);
  report.Append("返済回数（回）           %11d\n", schedule.count);
  if (schedule.monthly)
    report.Append("利率（月利)(%%)          %8.5lf\n", schedule.rate * 100.0);
  else
    report.Append("利率（年利)(%%)          %8.5lf\n", schedule.rate * 100.0);
  report.Append("一回あたりの返済元利合計 %11d\n", schedule.installment);
  for (const ScheduleRow& row : schedule.rows)
    report.Append("%4d.%2d %2d日間 %3d回 利息\\%10d  返済元金\\%10d  残り\\%10d\n", row.year,
                  row.month, row.days, row.number, row.interest, row.principal, row.balance);
  // A monthly rate's report has an empty line before the totals; an annual one has not.
  if (schedule.monthly) report.Append("\n");
  report.Append("利息の合計 \\%10d  返済元金の合計 \\%10d\n", schedule.totalInterest,
                schedule.totalPrincipal);
  report.Append("最終的総支払額\\%10d\n", schedule.grandTotal);
  return report;
}

}  // namespace loan
