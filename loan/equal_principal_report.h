// The report file text of an equal-principal schedule.
#pragma once

#include "core/report_text.h"
#include "loan/equal_principal_schedule.h"

namespace loan {

// The report, as the file holds it: loan, count, rate and principal part, one
// line per repayment, the totals and the principal total. A backslash before
// an amount is the yen sign of a Japanese font.
core::ReportText FormatEqualPrincipalReport(const EqualPrincipalSchedule& schedule);

}  // namespace loan
