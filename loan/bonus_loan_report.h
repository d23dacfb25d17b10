// The bonus simulation's schedule in words: the cell texts of its table rows,
// and the report that Save writes.
#pragma once

#include <string>

#include "loan/bonus_loan_schedule.h"
#include "ui/schedule_list.h"

namespace loan {

// Mark, year.month, number, payment, interest, principal, balance.
ui::ScheduleRowTexts BonusRowTexts(const BonusScheduleRow& row);

// The header of the period mode, one line per installment, and the totals in
// whole yen; UTF-8 with "\n" line ends.
std::string BonusReport(const BonusLoanSchedule& schedule);

}  // namespace loan
