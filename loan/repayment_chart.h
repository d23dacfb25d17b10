// The repayment graph of a schedule: its rows summed by calendar year, with
// the balance at each year's end and the round values of the two axes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/chart_series.h"
#include "loan/bonus_loan_schedule.h"
#include "loan/loan_schedule.h"
#include "loan/variable_rate_schedule.h"

namespace loan {

// One row of a schedule as the graph takes it, in yen. Amounts of 32 bits,
// as the schedules have them, so that no sum of rows overflows.
struct ChartRow {
  int year = 0;  // of the row's 年月
  int32_t principal = 0;
  int32_t interest = 0;
  int32_t unpaid = 0;  // unpaid interest added to the balance by this row
  int32_t balance = 0;  // after the row
};

// The totals of the loan, as its dialog shows them.
struct ChartTotals {
  int64_t principal = 0;
  int64_t interest = 0;
  int64_t unpaid = 0;
};

// The rows of the schedules whose tables show them.
std::vector<ChartRow> ChartRowsOf(std::span<const ScheduleRow> rows);
std::vector<ChartRow> ChartRowsOf(std::span<const BonusScheduleRow> rows);
// With the unpaid interest that each repayment adds to what is carried; the
// last repayment, which settles it, adds none.
std::vector<ChartRow> ChartRowsOf(std::span<const VariableRateRow> rows);

// The series of the rows, in repayment order: for each calendar year that has
// a row, oldest first, the sums of the rows' principal, interest and (with
// `withUnpaid`) unpaid interest, and the balance after the last of its rows.
// The bars' axis covers each year's positive parts stacked upwards from 0 and
// its negative parts stacked downwards; the balance's axis every balance.
core::ChartSeries RepaymentChart(std::span<const ChartRow> rows, const ChartTotals& totals,
                                 bool withUnpaid = false);

}  // namespace loan
