// The columns of the repayment simulations' tables, each written once.
//
// Widths are pixels at 96 DPI; the host scales them to the window's DPI. Each
// column holds its widest cell ("9999.12", repayment 4000, ten-digit amounts,
// the rate 200.000) whole from 96 to 192 DPI, also in the wider font that Wine draws
// "ＭＳ Ｐゴシック" with: 年月, 回 and the bonus layout's 利息 are a few pixels
// wider than the classic layouts made them for that. 日数, which holds two
// digits, gives back what its caption can spare, so that the day-counted
// layouts still fit their table without a horizontal scroll bar.
#pragma once

#include "loan/bonus_loan_schedule.h"
#include "loan/loan_schedule.h"
#include "loan/schedule_layout.h"
#include "loan/variable_rate_schedule.h"

namespace loan {

// A prepayment shows no days and "繰上" for its number.
using EqualPaymentColumns = ScheduleLayout<ScheduleRow,
    Column<"年月", 58, "%4d.%2d", &ScheduleRow::year, &ScheduleRow::month>,
    Column<"日数", 36, "%2d", &ScheduleRow::days>::Prepayment<"">,
    Column<"回", 37, "%3d", &ScheduleRow::number>::Prepayment<"繰上">,
    Column<"元利合計（円）", 90, "%10d", &ScheduleRow::payment>,
    Column<"利息（円）", 90, "%10d", &ScheduleRow::interest>,
    Column<"返済元金（円）", 90, "%10d", &ScheduleRow::principal>,
    Column<"残り（円）", 90, "%10d", &ScheduleRow::balance>>;

using EqualPrincipalColumns = ScheduleLayout<ScheduleRow,
    Column<"年月", 58, "%4d.%2d", &ScheduleRow::year, &ScheduleRow::month>,
    Column<"日数", 36, "%2d", &ScheduleRow::days>,
    Column<"回", 37, "%3d", &ScheduleRow::number>,
    Column<"返済元金（円）", 90, "%10d", &ScheduleRow::principal>,
    Column<"利息（円）", 90, "%10d", &ScheduleRow::interest>,
    Column<"元利合計（円）", 90, "%10d", &ScheduleRow::payment>,
    Column<"残り（円）", 90, "%10d", &ScheduleRow::balance>>;

// The mark of a bonus installment.
constexpr char BonusMark(const BonusScheduleRow& row) { return row.bonus ? '*' : ' '; }

// The narrow first column carries the bonus mark and has no caption.
using BonusColumns = ScheduleLayout<BonusScheduleRow,
    Column<"", 20, "%2c", BonusMark>,
    Column<"年月", 60, "%4d.%2d", &BonusScheduleRow::year, &BonusScheduleRow::month>,
    Column<"回", 37, "%3d", &BonusScheduleRow::number>,
    Column<"元利合計（円）", 90, "%10d", &BonusScheduleRow::payment>,
    Column<"利息（円）", 85, "%10d", &BonusScheduleRow::interest>,
    Column<"返済元金（円）", 90, "%10d", &BonusScheduleRow::principal>,
    Column<"残高（円）", 90, "%10d", &BonusScheduleRow::balance>>;

// The rate in force and the unpaid interest after each repayment, beside the
// equal-installment layout's columns; 年利率 is as wide as its caption needs.
// The nine columns fit dialog 148's wider table without a horizontal scroll
// bar.
using VariableRateColumns = ScheduleLayout<VariableRateRow,
    Column<"年月", 58, "%4d.%2d", &VariableRateRow::year, &VariableRateRow::month>,
    Column<"日数", 36, "%2d", &VariableRateRow::days>,
    Column<"回", 37, "%3d", &VariableRateRow::number>,
    Column<"年利率（％）", 80, "%7.3f", &VariableRateRow::ratePercent>,
    Column<"元利合計（円）", 90, "%10d", &VariableRateRow::payment>,
    Column<"利息（円）", 85, "%10d", &VariableRateRow::interest>,
    Column<"返済元金（円）", 90, "%10d", &VariableRateRow::principal>,
    Column<"未払利息（円）", 90, "%10d", &VariableRateRow::unpaidInterest>,
    Column<"残り（円）", 90, "%10d", &VariableRateRow::balance>>;

}  // namespace loan
