// The texts of a list's rows as the program keeps them: what the headless host
// shows, and what the Win32 host's list draws when it asks for the rows it
// paints. Rows count from 0 at the top.
#pragma once

#include <cstddef>
#include <string_view>

#include "ui/table_rows.h"

namespace ui {

class ListCells {
 public:
  // The list got a column at `position`, or lost it. An item always has its
  // own text; only columns beyond the first add cells to the rows.
  void InsertColumn(size_t position, size_t columnsNow);
  void DeleteColumn(size_t position, size_t columnsNow);

  // Inserts the rows, top to bottom, at `position` (at the end when past it)
  // and returns where. A row's cells beyond the list's columns are not shown;
  // cells a row lacks are empty.
  size_t InsertRows(size_t position, TableRows&& rows) {
    return rows_.Insert(position, std::move(rows));
  }
  // Empty when there is no such row or cell.
  std::string_view Text(size_t row, size_t column) const {
    return column < width_ ? rows_.Cell(row, column) : std::string_view();
  }
  size_t RowCount() const { return rows_.RowCount(); }
  void Clear() { rows_.Clear(); }

 private:
  size_t width_ = 1;  // cells per row
  TableRows rows_;
};

}  // namespace ui
