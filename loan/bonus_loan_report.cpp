#include "loan/bonus_loan_report.h"

#include <cstdarg>
#include <cstdio>

#include "res/texts.h"

namespace loan {
namespace {

// printf into a string.
std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

}  // namespace

ui::ScheduleRowTexts BonusRowTexts(const BonusScheduleRow& row) {
  using namespace res::text;
  return {
      Format(kBonusCellMark, row.bonus ? '*' : ' '),
      Format(kBonusCellDate, row.year, row.month),
      Format(kBonusCellNumber, row.number),
      Format(kBonusCellAmount, row.payment),
      Format(kBonusCellAmount, row.interest),
      Format(kBonusCellAmount, row.principal),
      Format(kBonusCellAmount, row.balance),
  };
}

std::string BonusReport(const BonusLoanSchedule& s) {
  using namespace res::text;
  const BonusReportHeader& header = s.periodInMonths ? kBonusReportInMonths : kBonusReportInYears;
  std::string report = Format(header.loan, s.loan);
  report += Format(header.period, s.periodInMonths ? s.installments : s.installments / 12);
  report += Format(header.rate, s.monthlyRate * (s.periodInMonths ? 100.0 : 1200.0));
  report += Format(header.installment, s.installment);
  report += Format(kBonusReportBonusPayment, s.bonusPayment);
  report += kBonusReportMarkNote;
  for (const BonusScheduleRow& row : s.rows) {
    const char* line = row.last    ? kBonusReportLastLine
                       : row.bonus ? kBonusReportBonusLine
                                   : kBonusReportPlainLine;
    report += Format(line, row.year, row.month, row.payment, row.interest, row.principal,
                     row.balance);
  }
  report += Format(kBonusReportTotals, s.totalInterest, s.totalPrincipal);
  report += Format(kBonusReportGrandTotal, s.totalInterest + s.totalPrincipal);
  return report;
}

}  // namespace loan
