#include "ui/table_copy.h"

#include <string_view>
#include <vector>

#include "ui/host.h"

namespace ui {
namespace {

std::string_view WithoutPadding(std::string_view cell) {
  size_t first = cell.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return cell.substr(first, cell.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string TableText(const ListView& view) {
  std::vector<ListColumn> columns = view.Columns();
  std::vector<int> rows = view.SelectedItems();
  if (rows.empty())
    for (int item = 0; item < view.ItemCount(); ++item) rows.push_back(item);
  std::string text;
  auto addLine = [&](auto cellText) {
    for (size_t column = 0; column < columns.size(); ++column) {
      if (column > 0) text += '\t';
      text += WithoutPadding(cellText(static_cast<int>(column)));
    }
    text += "\r\n";
  };
  addLine([&](int column) { return columns[static_cast<size_t>(column)].caption; });
  for (int item : rows) addLine([&](int column) { return view.ItemText(item, column); });
  return text;
}

void CopyTable(const ListView& view) {
  if (view.ItemCount() > 0) CurrentHost().SetClipboardText(TableText(view));
}

bool OnTableKey(ListView& view, Key key) {
  if (key == Key::CtrlA) view.SelectAll();
  else if (key == Key::CtrlC) CopyTable(view);
  else return false;
  return true;
}

}  // namespace ui
