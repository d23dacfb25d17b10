#include "loan/schedule_cells.h"

#include <array>

#include "core/text_format.h"

namespace loan {
namespace {

std::string Date(int year, int month) { return core::FormatText("%4d.%2d", year, month); }
std::string Number(int number) { return core::FormatText("%3d", number); }
std::string Yen(int32_t amount) { return core::FormatText("%10d", amount); }

// A prepayment has no days of its own and this in place of a repayment number.
constexpr const char* kPrepaymentMark = "繰上";

// Columns 3 to 6 of a day-counted layout: its four amounts in the order shown.
using AmountColumns = std::array<int32_t ScheduleRow::*, 4>;

std::vector<ScheduleRowTexts> DayCountedTableRows(std::span<const ScheduleRow> rows,
                                                  const AmountColumns& amounts) {
  std::vector<ScheduleRowTexts> table;
  table.reserve(rows.size());
  for (const ScheduleRow& row : rows) {
    ScheduleRowTexts& cells = table.emplace_back();
    cells[0] = Date(row.year, row.month);
    if (row.prepayment) {
      cells[2] = kPrepaymentMark;
    } else {
      cells[1] = core::FormatText("%2d", row.days);
      cells[2] = Number(row.number);
    }
    for (size_t k = 0; k < amounts.size(); ++k) cells[3 + k] = Yen(row.*amounts[k]);
  }
  return table;
}

}  // namespace

std::vector<ScheduleRowTexts> EqualPaymentTableRows(std::span<const ScheduleRow> rows) {
  return DayCountedTableRows(rows, {&ScheduleRow::payment, &ScheduleRow::interest,
                                    &ScheduleRow::principal, &ScheduleRow::balance});
}

std::vector<ScheduleRowTexts> EqualPrincipalTableRows(std::span<const ScheduleRow> rows) {
  return DayCountedTableRows(rows, {&ScheduleRow::principal, &ScheduleRow::interest,
                                    &ScheduleRow::payment, &ScheduleRow::balance});
}

std::vector<ScheduleRowTexts> BonusTableRows(std::span<const BonusScheduleRow> rows) {
  std::vector<ScheduleRowTexts> table;
  table.reserve(rows.size());
  for (const BonusScheduleRow& row : rows)
    table.push_back({core::FormatText("%2c", row.bonus ? '*' : ' '), Date(row.year, row.month),
                     Number(row.number), Yen(row.payment), Yen(row.interest), Yen(row.principal),
                     Yen(row.balance)});
  return table;
}

}  // namespace loan
