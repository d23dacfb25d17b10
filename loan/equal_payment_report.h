// The report file text of an equal-installment schedule.
#pragma once

#include <string>

#include "loan/equal_payment_schedule.h"

namespace loan {

// The report as UTF-8 text with "\n" line ends: loan, count, rate and
// installment, one line per repayment, the totals and the grand total. A
// backslash before an amount is the yen sign of a Japanese font.
std::string FormatEqualPaymentReport(const EqualPaymentSchedule& schedule);

}  // namespace loan
