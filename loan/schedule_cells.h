// The table rows of the repayment simulations, formatted as their columns show
// them: dates as year.month, numbers three wide, amounts in yen ten wide.
#pragma once

#include <span>

#include "loan/bonus_loan_schedule.h"
#include "loan/loan_schedule.h"
#include "loan/schedule_list.h"

namespace loan {

// Columns: 年月, 日数, 回, payment, interest, principal, balance. A prepayment
// shows no days and "繰上" for its number.
ScheduleTexts EqualPaymentTableRows(std::span<const ScheduleRow> rows);

// Columns: 年月, 日数, 回, principal, interest, payment, balance.
ScheduleTexts EqualPrincipalTableRows(std::span<const ScheduleRow> rows);

// Columns: the bonus mark, 年月, 回, payment, interest, principal, balance.
ScheduleTexts BonusTableRows(std::span<const BonusScheduleRow> rows);

}  // namespace loan
