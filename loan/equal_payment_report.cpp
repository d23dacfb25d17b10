#include "loan/equal_payment_report.h"

#include "core/text_format.h"

namespace loan {

std::string FormatEqualPaymentReport(const EqualPaymentSchedule& schedule) {
  std::string report;
  report.reserve(128 + schedule.rows.size() * 96);
  core::AppendFormat(report, "借入金額（円）\u3000         \\%10d\n", schedule.loan);
  core::AppendFormat(report, "返済回数（回）           %11d\n", schedule.count);
  if (schedule.monthly)
    core::AppendFormat(report, "利率（月利)(%%)          %8.5lf\n", schedule.rate * 100.0);
  else
    core::AppendFormat(report, "利率（年利)(%%)          %8.5lf\n", schedule.rate * 100.0);
  core::AppendFormat(report, "一回あたりの返済元利合計 %11d\n", schedule.installment);
  for (const ScheduleRow& row : schedule.rows)
    core::AppendFormat(report, "%4d.%2d %2d日間 %3d回 利息\\%10d  返済元金\\%10d  残り\\%10d\n",
                     row.year, row.month, row.days, row.number, row.interest, row.principal,
                     row.balance);
  // A monthly rate's report has an empty line before the totals; an annual one has not.
  if (schedule.monthly) report += '\n';
  core::AppendFormat(report, "利息の合計 \\%10d  返済元金の合計 \\%10d\n", schedule.totalInterest,
                   schedule.totalPrincipal);
  core::AppendFormat(report, "最終的総支払額\\%10d\n", schedule.grandTotal);
  return report;
}

}  // namespace loan
