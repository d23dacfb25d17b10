#include "loan/equal_payment_report.h"

#include "core/text_format.h"

namespace loan {
namespace {

// The loan, the count, the rate and the installment.
void AppendHeader(std::string& report, const EqualPaymentSchedule& schedule) {
  core::AppendFormat(report, "借入金額（円）\u3000         \\%10d\n", schedule.loan);
  core::AppendFormat(report, "返済回数（回）           %11d\n", schedule.count);
  if (schedule.monthly)
    core::AppendFormat(report, "利率（月利)(%%)          %8.5lf\n", schedule.rate * 100.0);
  else
    core::AppendFormat(report, "利率（年利)(%%)          %8.5lf\n", schedule.rate * 100.0);
  core::AppendFormat(report, "一回あたりの返済元利合計 %11d\n", schedule.installment);
}

// A line per repayment and per prepayment, the totals and the grand total. A
// prepayment's label stands where a repayment's days and number do, and its
// amount and the balance after it under the repayments' principal and balance.
void AppendRepayments(std::string& report, const EqualPaymentSchedule& schedule) {
  for (const ScheduleRow& row : schedule.rows) {
    if (row.prepayment)
      core::AppendFormat(report, "%4d.%2d 繰上げ返済                    返済元金\\%10d  残り\\%10d\n",
                         row.year, row.month, row.principal, row.balance);
    else
      core::AppendFormat(report, "%4d.%2d %2d日間 %3d回 利息\\%10d  返済元金\\%10d  残り\\%10d\n",
                         row.year, row.month, row.days, row.number, row.interest, row.principal,
                         row.balance);
  }
  // A monthly rate's report has an empty line before the totals; an annual one has not.
  if (schedule.monthly) report += '\n';
  core::AppendFormat(report, "利息の合計 \\%10d  返済元金の合計 \\%10d\n", schedule.totalInterest,
                     schedule.totalPrincipal);
  core::AppendFormat(report, "最終的総支払額\\%10d\n", schedule.grandTotal);
}

}  // namespace

std::string FormatEqualPaymentReport(const EqualPaymentSchedule& schedule) {
  std::string report;
  report.reserve(128 + schedule.rows.size() * 96);
  AppendHeader(report, schedule);
  AppendRepayments(report, schedule);
  return report;
}

std::string FormatPrepaymentReport(const PrepaymentSchedule& prepayment) {
  const EqualPaymentSchedule& schedule = prepayment.schedule;
  std::string report;
  report.reserve(256 + schedule.rows.size() * 96);
  AppendHeader(report, schedule);
  if (prepayment.method == kLowerInstallment)
    core::AppendFormat(report, "繰上げ返済の方法         返済額軽減型\n");
  else
    core::AppendFormat(report, "繰上げ返済の方法         期間短縮型\n");
  AppendRepayments(report, schedule);
  core::AppendFormat(report, "繰上げ返済額合計\\%10d\n", schedule.totalPrepaid);
  core::AppendFormat(report, "利息軽減額      \\%10d\n", prepayment.interestSaved);
  return report;
}

}  // namespace loan
