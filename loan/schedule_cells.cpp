#include "loan/schedule_cells.h"

namespace loan {
namespace {

// The row of a day-counted layout: 年月, 日数, 回, then its four amounts.
using DayCountedRow = core::FormatString<int, int, int, int, int, int, int, int>;
constexpr DayCountedRow kDayCountedRow = "%4d.%2d\t%2d\t%3d\t%10d\t%10d\t%10d\t%10d";

// A prepayment's row: no days of its own, and "繰上" in place of a repayment number.
using PrepaymentRow = core::FormatString<int, int, int, int, int, int>;
constexpr PrepaymentRow kPrepaymentRow = "%4d.%2d\t\t繰上\t%10d\t%10d\t%10d\t%10d";

// Columns 3 to 6 of a day-counted layout: its four amounts in the order shown.
using AmountColumns = std::array<int32_t ScheduleRow::*, 4>;

ScheduleTexts DayCountedTableRows(std::span<const ScheduleRow> rows,
                                  const AmountColumns& amounts) {
  ScheduleTexts table;
  table.Reserve(rows.size());
  for (const ScheduleRow& row : rows) {
    if (row.prepayment)
      table.AddRow(kPrepaymentRow, row.year, row.month, row.*amounts[0], row.*amounts[1],
                   row.*amounts[2], row.*amounts[3]);
    else
      table.AddRow(kDayCountedRow, row.year, row.month, row.days, row.number, row.*amounts[0],
                   row.*amounts[1], row.*amounts[2], row.*amounts[3]);
  }
  return table;
}

}  // namespace

ScheduleTexts EqualPaymentTableRows(std::span<const ScheduleRow> rows) {
  return DayCountedTableRows(rows, {&ScheduleRow::payment, &ScheduleRow::interest,
                                    &ScheduleRow::principal, &ScheduleRow::balance});
}

ScheduleTexts EqualPrincipalTableRows(std::span<const ScheduleRow> rows) {
  return DayCountedTableRows(rows, {&ScheduleRow::principal, &ScheduleRow::interest,
                                    &ScheduleRow::payment, &ScheduleRow::balance});
}

ScheduleTexts BonusTableRows(std::span<const BonusScheduleRow> rows) {
  ScheduleTexts table;
  table.Reserve(rows.size());
  for (const BonusScheduleRow& row : rows)
    table.AddRow("%2c\t%4d.%2d\t%3d\t%10d\t%10d\t%10d\t%10d", row.bonus ? '*' : ' ', row.year,
                 row.month, row.number, row.payment, row.interest, row.principal, row.balance);
  return table;
}

}  // namespace loan
