// The report file text of the variable-rate simulation.
#pragma once

#include "core/report_text.h"
#include "loan/variable_rate_schedule.h"

namespace loan {

// The report, as the file holds it: the loan, the count, the initial rate and
// installment, the interest and review rules; one line per repayment with the
// rate in force, its payment and its parts, the unpaid interest after it and
// the balance; then the totals. A backslash before an amount is the yen sign
// of a Japanese font.
core::ReportText FormatVariableRateReport(const VariableRateSchedule& schedule);

}  // namespace loan
