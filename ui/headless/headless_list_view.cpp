#include "ui/headless/headless_list_view.h"

#include <algorithm>

namespace ui {

int HeadlessListView::InsertColumn(int position, std::string_view caption, int width) {
  if (position < 0) return -1;
  size_t at = std::min(static_cast<size_t>(position), columns_.size());
  columns_.insert(columns_.begin() + static_cast<ptrdiff_t>(at),
                  ListColumn{std::string(caption), width});
  cells_.InsertColumn(at, columns_.size());
  return static_cast<int>(at);
}

bool HeadlessListView::DeleteColumn(int position) {
  if (position < 0 || static_cast<size_t>(position) >= columns_.size()) return false;
  columns_.erase(columns_.begin() + position);
  cells_.DeleteColumn(static_cast<size_t>(position), columns_.size());
  return true;
}

int HeadlessListView::InsertRows(int position, TableRows rows) {
  if (position < 0) return -1;
  const size_t count = rows.RowCount();
  const size_t at = cells_.InsertRows(static_cast<size_t>(position), std::move(rows));
  selected_.insert(selected_.begin() + static_cast<ptrdiff_t>(at), count, false);
  if (focusedItem_ >= static_cast<int>(at)) focusedItem_ += static_cast<int>(count);
  return static_cast<int>(at);
}

bool HeadlessListView::DeleteAllItems() {
  cells_.Clear();
  selected_.clear();
  focusedItem_ = -1;
  return true;
}

std::string HeadlessListView::ItemText(int item, int subItem) const {
  if (item < 0 || subItem < 0) return {};
  return std::string(cells_.Text(static_cast<size_t>(item), static_cast<size_t>(subItem)));
}

std::vector<int> HeadlessListView::SelectedItems() const {
  std::vector<int> items;
  for (size_t item = 0; item < selected_.size(); ++item)
    if (selected_[item]) items.push_back(static_cast<int>(item));
  return items;
}

void HeadlessListView::SelectAll() { std::fill(selected_.begin(), selected_.end(), true); }

void HeadlessListView::SelectNone() { std::fill(selected_.begin(), selected_.end(), false); }

void HeadlessListView::FocusAndSelectOnly(int item) {
  focusedItem_ = item;
  for (size_t i = 0; i < selected_.size(); ++i) selected_[i] = static_cast<int>(i) == item;
}

void HeadlessListView::OnKey(Key key) {
  const int last = ItemCount() - 1;
  if (last < 0) return;
  if (key == Key::Down)
    FocusAndSelectOnly(std::min(focusedItem_ + 1, last));
  else if (key == Key::Up && focusedItem_ >= 0)
    FocusAndSelectOnly(std::max(focusedItem_ - 1, 0));
  else if (key == Key::Home)
    FocusAndSelectOnly(0);
  else if (key == Key::End)
    FocusAndSelectOnly(last);
  else if (key == Key::Space && focusedItem_ >= 0)
    FocusAndSelectOnly(focusedItem_);
}

}  // namespace ui
