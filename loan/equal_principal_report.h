// The report file text of an equal-principal schedule.
#pragma once

#include <string>

#include "loan/equal_principal_schedule.h"

namespace loan {

// The report as UTF-8 text with "\n" line ends: loan, count, rate and principal
// part, one line per repayment, the totals and the principal total. A backslash
// before an amount is the yen sign of a Japanese font.
std::string FormatEqualPrincipalReport(const EqualPrincipalSchedule& schedule);

}  // namespace loan
