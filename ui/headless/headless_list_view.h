// A report-view list kept in memory, behaving as the platform's control does.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/host.h"
#include "ui/list_cells.h"

namespace ui {

class HeadlessListView final : public ListView {
 public:
  int InsertColumn(int position, std::string_view caption, int width) override;
  bool DeleteColumn(int position) override;
  int InsertRows(int position, TableRows rows) override;
  bool DeleteAllItems() override;

  std::vector<ListColumn> Columns() const override { return columns_; }
  int ItemCount() const override { return static_cast<int>(cells_.RowCount()); }
  std::string ItemText(int item, int subItem) const override;
  std::vector<int> SelectedItems() const override;
  void SelectAll() override;
  // A click on the empty area: every row unselected, the focused row kept.
  void SelectNone();

  // The list's own keys: Down and Up move the focused row and select it alone
  // (Down from no focused row goes to the first), Home and End do so with the
  // first and the last row, Space selects the focused row alone; others do
  // nothing.
  void OnKey(Key key);

 private:
  void FocusAndSelectOnly(int item);

  std::vector<ListColumn> columns_;
  ListCells cells_;
  std::deque<bool> selected_;  // of each row
  int focusedItem_ = -1;
};

}  // namespace ui
