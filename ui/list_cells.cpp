#include "ui/list_cells.h"

#include <algorithm>

namespace ui {

void ListCells::InsertColumn(size_t position, size_t columnsNow) {
  Reshape(position, std::max<size_t>(columnsNow, 1));
}

void ListCells::DeleteColumn(size_t position, size_t columnsNow) {
  Reshape(position, std::max<size_t>(columnsNow, 1));
}

void ListCells::Reshape(size_t position, size_t width) {
  if (width == width_) return;
  const bool adding = width > width_;
  const size_t rows = RowCount();
  std::deque<std::string> reshaped;
  for (size_t row = 0; row < rows; ++row) {
    auto cells = cells_.begin() + static_cast<ptrdiff_t>(row * width_);
    for (size_t cell = 0; cell <= width_; ++cell) {
      if (cell == position && adding) reshaped.emplace_back();
      if (cell < width_ && (cell != position || adding)) reshaped.push_back(std::move(cells[cell]));
    }
  }
  cells_ = std::move(reshaped);
  width_ = width;
}

size_t ListCells::InsertRows(size_t position, std::span<const std::string_view> cells,
                             size_t columns) {
  const size_t at = std::min(position, RowCount());
  const size_t rows = columns == 0 ? 0 : cells.size() / columns;
  auto inserted = cells_.insert(cells_.begin() + static_cast<ptrdiff_t>(at * width_),
                                rows * width_, std::string());
  const size_t given = std::min(columns, width_);
  for (size_t row = 0; row < rows; ++row)
    for (size_t cell = 0; cell < given; ++cell)
      inserted[static_cast<ptrdiff_t>(row * width_ + cell)] = cells[row * columns + cell];
  return at;
}

bool ListCells::SetText(size_t row, size_t column, std::string_view text) {
  if (row >= RowCount() || column >= width_) return false;
  cells_[row * width_ + column] = text;
  return true;
}

std::string_view ListCells::Text(size_t row, size_t column) const {
  if (row >= RowCount() || column >= width_) return {};
  return cells_[row * width_ + column];
}

}  // namespace ui
