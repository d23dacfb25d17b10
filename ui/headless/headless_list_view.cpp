#include "ui/headless/headless_list_view.h"

#include <algorithm>

namespace ui {

int HeadlessListView::InsertColumn(int position, std::string_view caption, int width) {
  if (position < 0) return -1;
  size_t at = std::min(static_cast<size_t>(position), columns_.size());
  columns_.insert(columns_.begin() + static_cast<ptrdiff_t>(at),
                  ListColumn{std::string(caption), width});
  // An item always has its own text; only further columns add cells.
  if (columns_.size() > 1)
    for (auto& row : rows_) row.insert(row.begin() + static_cast<ptrdiff_t>(at), std::string());
  return static_cast<int>(at);
}

bool HeadlessListView::DeleteColumn(int position) {
  if (position < 0 || static_cast<size_t>(position) >= columns_.size()) return false;
  columns_.erase(columns_.begin() + position);
  for (auto& row : rows_)
    if (row.size() > 1) row.erase(row.begin() + position);
  return true;
}

int HeadlessListView::InsertItem(int position, std::string_view text) {
  if (position < 0) return -1;
  size_t at = std::min(static_cast<size_t>(position), rows_.size());
  std::vector<std::string> row(std::max<size_t>(columns_.size(), 1));
  row[0] = std::string(text);
  rows_.insert(rows_.begin() + static_cast<ptrdiff_t>(at), std::move(row));
  return static_cast<int>(at);
}

bool HeadlessListView::SetItemText(int item, int subItem, std::string_view text) {
  if (item < 0 || static_cast<size_t>(item) >= rows_.size()) return false;
  auto& row = rows_[static_cast<size_t>(item)];
  if (subItem < 0 || (subItem > 0 && static_cast<size_t>(subItem) >= columns_.size()))
    return false;
  row[static_cast<size_t>(subItem)] = std::string(text);
  return true;
}

bool HeadlessListView::DeleteAllItems() {
  rows_.clear();
  return true;
}

std::string HeadlessListView::ItemText(int item, int subItem) const {
  if (item < 0 || static_cast<size_t>(item) >= rows_.size()) return {};
  const auto& row = rows_[static_cast<size_t>(item)];
  if (subItem < 0 || static_cast<size_t>(subItem) >= row.size()) return {};
  return row[static_cast<size_t>(subItem)];
}

}  // namespace ui
