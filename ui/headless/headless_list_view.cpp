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
    for (auto& row : rows_)
      row.cells.insert(row.cells.begin() + static_cast<ptrdiff_t>(at), std::string());
  return static_cast<int>(at);
}

bool HeadlessListView::DeleteColumn(int position) {
  if (position < 0 || static_cast<size_t>(position) >= columns_.size()) return false;
  columns_.erase(columns_.begin() + position);
  for (auto& row : rows_)
    if (row.cells.size() > 1) row.cells.erase(row.cells.begin() + position);
  return true;
}

int HeadlessListView::InsertItem(int position, std::string_view text) {
  if (position < 0) return -1;
  size_t at = std::min(static_cast<size_t>(position), rows_.size());
  Row row{std::vector<std::string>(std::max<size_t>(columns_.size(), 1))};
  row.cells[0] = std::string(text);
  rows_.insert(rows_.begin() + static_cast<ptrdiff_t>(at), std::move(row));
  if (focusedItem_ >= static_cast<int>(at)) ++focusedItem_;
  return static_cast<int>(at);
}

bool HeadlessListView::SetItemText(int item, int subItem, std::string_view text) {
  if (item < 0 || static_cast<size_t>(item) >= rows_.size()) return false;
  auto& cells = rows_[static_cast<size_t>(item)].cells;
  if (subItem < 0 || (subItem > 0 && static_cast<size_t>(subItem) >= columns_.size()))
    return false;
  cells[static_cast<size_t>(subItem)] = std::string(text);
  return true;
}

bool HeadlessListView::DeleteAllItems() {
  rows_.clear();
  focusedItem_ = -1;
  return true;
}

std::string HeadlessListView::ItemText(int item, int subItem) const {
  if (item < 0 || static_cast<size_t>(item) >= rows_.size()) return {};
  const auto& cells = rows_[static_cast<size_t>(item)].cells;
  if (subItem < 0 || static_cast<size_t>(subItem) >= cells.size()) return {};
  return cells[static_cast<size_t>(subItem)];
}

std::vector<int> HeadlessListView::SelectedItems() const {
  std::vector<int> items;
  for (size_t item = 0; item < rows_.size(); ++item)
    if (rows_[item].selected) items.push_back(static_cast<int>(item));
  return items;
}

void HeadlessListView::SelectAll() {
  for (Row& row : rows_) row.selected = true;
}

void HeadlessListView::FocusAndSelectOnly(int item) {
  focusedItem_ = item;
  for (size_t i = 0; i < rows_.size(); ++i) rows_[i].selected = static_cast<int>(i) == item;
}

void HeadlessListView::OnKey(Key key) {
  const int last = ItemCount() - 1;
  if (last < 0) return;
  if (key == Key::Down)
    FocusAndSelectOnly(std::min(focusedItem_ + 1, last));
  else if (key == Key::Up && focusedItem_ >= 0)
    FocusAndSelectOnly(std::max(focusedItem_ - 1, 0));
  else if (key == Key::Space && focusedItem_ >= 0)
    FocusAndSelectOnly(focusedItem_);
}

}  // namespace ui
