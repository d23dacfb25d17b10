// The table rows of the day-counted schedules, formatted as their columns show
// them: year.month, days, number, then four amounts in yen.
#pragma once

#include <span>
#include <vector>

#include "loan/loan_schedule.h"
#include "ui/schedule_list.h"

namespace loan {

// Columns: 年月, 日数, 回, payment, interest, principal, balance.
std::vector<ui::ScheduleRowTexts> EqualPaymentTableRows(std::span<const ScheduleRow> rows);

// Columns: 年月, 日数, 回, principal, interest, payment, balance.
std::vector<ui::ScheduleRowTexts> EqualPrincipalTableRows(std::span<const ScheduleRow> rows);

}  // namespace loan
