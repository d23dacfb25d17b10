// The report file text of a bonus-combined schedule.
#pragma once

#include "core/report_text.h"
#include "loan/bonus_loan_schedule.h"

namespace loan {

// The report, as the file holds it: the header of the period mode, one line
// per installment, and the totals in whole yen. A backslash before an amount
// is the yen sign of a Japanese font.
core::ReportText BonusReport(const BonusLoanSchedule& schedule);

}  // namespace loan
