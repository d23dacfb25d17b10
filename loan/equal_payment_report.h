// The report file text of an equal-installment schedule.
#pragma once

#include "core/report_text.h"
#include "loan/equal_payment_schedule.h"

namespace loan {

// The report, as the file holds it: loan, count, rate and installment, one
// line per repayment, the totals and the grand total. A backslash before an
// amount is the yen sign of a Japanese font.
core::ReportText FormatEqualPaymentReport(const EqualPaymentSchedule& schedule);

}  // namespace loan
