#include "loan/schedule_list.h"

#include "loan/schedule_columns.h"
#include "ui/host.h"

namespace loan {

void CScheduleList::SetupColumns(std::span<const ColumnHeading> columns) {
  for (size_t k = 0; k < columns.size(); ++k)
    InsertColumn(static_cast<int>(k), columns[k].caption, columns[k].width);
}

void CScheduleList::SetupEqualPaymentColumns() { SetupColumns(EqualPaymentColumns::kHeadings); }

void CScheduleList::SetupEqualPrincipalColumns() {
  SetupColumns(EqualPrincipalColumns::kHeadings);
}

void CScheduleList::SetupBonusColumns() { SetupColumns(BonusColumns::kHeadings); }

void CScheduleList::SetupVariableRateColumns() { SetupColumns(VariableRateColumns::kHeadings); }

void CScheduleList::AddRow(std::span<const std::string_view> texts) {
  // A row the control refuses is left out, together with its cells.
  ui::TableRows row;
  row.AddRow(texts);
  InsertRows(0, std::move(row));
}

void CScheduleList::AddRows(ui::TableRows rows) {
  // Each row in turn would go to the top: the last comes first.
  rows.Reverse();
  InsertRows(0, std::move(rows));
}

void CScheduleList::ClearTable() {
  DeleteAllItems();
  const ui::ListView* view = View();
  if (view == nullptr) return;
  // From the highest position down to 0.
  for (int position = static_cast<int>(view->Columns().size()) - 1; position >= 0; --position)
    DeleteColumn(position);
}

}  // namespace loan
