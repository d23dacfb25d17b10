#include "loan/variable_rate_report.h"

namespace loan {

core::ReportText FormatVariableRateReport(const VariableRateSchedule& schedule) {
  core::ReportText report;
  report.Reserve(512 + schedule.rows.size() * 136);  // a repayment line is 132 bytes
  // Labels of the header are padded to 25 columns, a wide character counting two.
  report.Append("借入金額（円）\u3000         \\%10d\n", schedule.loan);
  report.Append("返済回数（回）           %11d\n", schedule.count);
  report.Append("当初の年利率（％）       %11.5f\n", schedule.initialRatePercent);
  report.Append("当初の返済元利合計       %11d\n", schedule.installment);
  if (schedule.dayCounted)
    report.Append("利息の計算               日割（日数で計算）\n");
  else
    report.Append("利息の計算               月割（年利率÷12）\n");
  if (schedule.fiveYearRule)
    report.Append("返済額の見直し           5年ルール・125%%ルール\n");
  else
    report.Append("返済額の見直し           金利が変わるたびに見直す\n");

  for (const VariableRateRow& row : schedule.rows)
    report.Append(
        "%4d.%2d %2d日間 %4d回 年利%7.3f%% 元利合計\\%10d  利息\\%10d  返済元金\\%10d  "
        "未払利息\\%10d  残り\\%10d\n",
        row.year, row.month, row.days, row.number, row.ratePercent, row.payment, row.interest,
        row.principal, row.unpaidInterest, row.balance);

  // Labels of the totals are padded to 18 columns.
  report.Append("総返済額          \\%10d\n", schedule.totalPayment);
  report.Append("返済元金合計      \\%10d\n", schedule.totalPrincipal);
  report.Append("利息合計          \\%10d\n", schedule.totalInterest);
  report.Append("うち未払利息      \\%10d\n", schedule.settledUnpaid);
  if (schedule.firstUnpaidNumber > 0)
    report.Append("未払利息が生じた回%9d回\n", schedule.firstUnpaidNumber);
  else
    report.Append("未払利息が生じた回       なし\n");
  report.Append("毎月返済額の最大  \\%10d\n", schedule.largestInstallment);
  report.Append("最終回の返済額    \\%10d\n", schedule.lastPayment);
  return report;
}

}  // namespace loan
