// The report file text of a bonus-combined schedule.
#pragma once

#include <string>

#include "loan/bonus_loan_schedule.h"

namespace loan {

// The header of the period mode, one line per installment, and the totals in
// whole yen; UTF-8 with "\n" line ends. A backslash before an amount is the yen
// sign of a Japanese font.
std::string BonusReport(const BonusLoanSchedule& schedule);

}  // namespace loan
