#include "loan/schedule_cells.h"

#include "core/text_format.h"

namespace loan {
namespace {

std::string Yen(int32_t amount) { return core::FormatText("%10d", amount); }

// The three columns that both layouts begin with.
ui::ScheduleRowTexts DatedRow(const ScheduleRow& row) {
  ui::ScheduleRowTexts cells;
  cells[0] = core::FormatText("%4d.%2d", row.year, row.month);
  cells[1] = core::FormatText("%2d", row.days);
  cells[2] = core::FormatText("%3d", row.number);
  return cells;
}

}  // namespace

std::vector<ui::ScheduleRowTexts> EqualPaymentTableRows(std::span<const ScheduleRow> rows) {
  std::vector<ui::ScheduleRowTexts> table;
  table.reserve(rows.size());
  for (const ScheduleRow& row : rows) {
    ui::ScheduleRowTexts& cells = table.emplace_back(DatedRow(row));
    cells[3] = Yen(row.payment);
    cells[4] = Yen(row.interest);
    cells[5] = Yen(row.principal);
    cells[6] = Yen(row.balance);
  }
  return table;
}

std::vector<ui::ScheduleRowTexts> EqualPrincipalTableRows(std::span<const ScheduleRow> rows) {
  std::vector<ui::ScheduleRowTexts> table;
  table.reserve(rows.size());
  for (const ScheduleRow& row : rows) {
    ui::ScheduleRowTexts& cells = table.emplace_back(DatedRow(row));
    cells[3] = Yen(row.principal);
    cells[4] = Yen(row.interest);
    cells[5] = Yen(row.payment);
    cells[6] = Yen(row.balance);
  }
  return table;
}

}  // namespace loan
