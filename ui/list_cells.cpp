#include "ui/list_cells.h"

#include <algorithm>

namespace ui {

void ListCells::InsertColumn(size_t position, size_t columnsNow) {
  const size_t width = std::max<size_t>(columnsNow, 1);
  if (width == width_) return;
  // Cells a row had beyond the old columns were never shown and stay hidden.
  rows_.InsertColumn(position, width);
  width_ = width;
}

void ListCells::DeleteColumn(size_t position, size_t columnsNow) {
  const size_t width = std::max<size_t>(columnsNow, 1);
  if (width == width_) return;
  rows_.DeleteColumn(position, width);
  width_ = width;
}

}  // namespace ui
