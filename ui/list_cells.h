// The texts of a list's rows as the program keeps them: what the headless host
// shows, and what the Win32 host's list draws when it asks for the rows it
// paints. Rows count from 0 at the top.
#pragma once

#include <deque>
#include <span>
#include <string>
#include <string_view>

namespace ui {

class ListCells {
 public:
  // The list got a column at `position`, or lost it. An item always has its
  // own text; only columns beyond the first add cells to the rows.
  void InsertColumn(size_t position, size_t columnsNow);
  void DeleteColumn(size_t position, size_t columnsNow);

  // Inserts rows at `position` (at the end when past it) and returns where:
  // `cells` holds `columns` texts of each new row, the rows top to bottom.
  // Texts beyond the row's cells are left out; cells without a text are empty.
  size_t InsertRows(size_t position, std::span<const std::string_view> cells, size_t columns);
  // False when there is no such row or cell.
  bool SetText(size_t row, size_t column, std::string_view text);
  // Empty when there is no such row or cell.
  std::string_view Text(size_t row, size_t column) const;
  size_t RowCount() const { return cells_.size() / width_; }
  void Clear() { cells_.clear(); }

 private:
  // Gives every row `width` cells, the cell at `position` added or removed.
  void Reshape(size_t position, size_t width);

  size_t width_ = 1;  // cells per row
  std::deque<std::string> cells_;  // row after row
};

}  // namespace ui
