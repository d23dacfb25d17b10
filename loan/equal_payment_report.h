// The report file texts of the equal-installment schedule and of the
// prepayment simulation, which is that report with its prepayments added.
#pragma once

#include "core/report_text.h"
#include "loan/equal_payment_schedule.h"
#include "loan/prepayment_schedule.h"

namespace loan {

// The report, as the file holds it: loan, count, rate and installment, one
// line per repayment, the totals and the grand total. A backslash before an
// amount is the yen sign of a Japanese font.
core::ReportText FormatEqualPaymentReport(const EqualPaymentSchedule& schedule);

// The same report with a line naming the method after the installment, a line
// for each prepayment after its repayment's, and after the grand total the sum
// prepaid and the interest saved.
core::ReportText FormatPrepaymentReport(const PrepaymentSchedule& prepayment);

}  // namespace loan
