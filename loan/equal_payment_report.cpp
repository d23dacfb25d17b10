#include "loan/equal_payment_report.h"

namespace loan {
namespace {

// The loan, the count, the rate and the installment.
void AppendHeader(core::ReportText& report, const EqualPaymentSchedule& schedule) {
  report.Append("借入金額（円）\u3000         \\%10d\n", schedule.loan);
  report.Append("返済回数（回）           %11d\n", schedule.count);
  if (schedule.monthly)
    report.Append("利率（月利)(%%)          %8.5lf\n", schedule.rate * 100.0);
  else
    report.Append("利率（年利)(%%)          %8.5lf\n", schedule.rate * 100.0);
  report.Append("一回あたりの返済元利合計 %11d\n", schedule.installment);
}

// A line per repayment and per prepayment, the totals and the grand total. A
// prepayment's label stands where a repayment's days and number do, and its
// amount and the balance after it under the repayments' principal and balance.
void AppendRepayments(core::ReportText& report, const EqualPaymentSchedule& schedule) {
  for (const ScheduleRow& row : schedule.rows) {
    if (row.prepayment)
      report.Append("%4d.%2d 繰上げ返済                    返済元金\\%10d  残り\\%10d\n", row.year,
                    row.month, row.principal, row.balance);
    else
      report.Append("%4d.%2d %2d日間 %3d回 利息\\%10d  返済元金\\%10d  残り\\%10d\n", row.year,
                    row.month, row.days, row.number, row.interest, row.principal, row.balance);
  }
  // A monthly rate's report has an empty line before the totals; an annual one has not.
  if (schedule.monthly) report.Append("\n");
  report.Append("利息の合計 \\%10d  返済元金の合計 \\%10d\n", schedule.totalInterest,
                schedule.totalPrincipal);
  report.Append("最終的総支払額\\%10d\n", schedule.grandTotal);
}

}  // namespace

core::ReportText FormatEqualPaymentReport(const EqualPaymentSchedule& schedule) {
  core::ReportText report;
  report.Reserve(128 + schedule.rows.size() * 96);
  AppendHeader(report, schedule);
  AppendRepayments(report, schedule);
  return report;
}

core::ReportText FormatPrepaymentReport(const PrepaymentSchedule& prepayment) {
  const EqualPaymentSchedule& schedule = prepayment.schedule;
  core::ReportText report;
  report.Reserve(256 + schedule.rows.size() * 96);
  AppendHeader(report, schedule);
  if (prepayment.method == kLowerInstallment)
    report.Append("繰上げ返済の方法         返済額軽減型\n");
  else
    report.Append("繰上げ返済の方法         期間短縮型\n");
  AppendRepayments(report, schedule);
  report.Append("繰上げ返済額合計\\%10d\n", schedule.totalPrepaid);
  report.Append("利息軽減額      \\%10d\n", prepayment.interestSaved);
  return report;
}

}  // namespace loan
