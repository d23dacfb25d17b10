// A list control member of a dialog, bound to its control by the field exchange.
// Calls made while the dialog is not on screen do nothing.
#pragma once

#include <span>
#include <string_view>

namespace ui {

class CDialog;
class ListView;

class CListCtrl {
 public:
  bool IsAttached() const { return dialog_ != nullptr; }
  void Attach(CDialog& dialog, int id) {
    dialog_ = &dialog;
    id_ = id;
  }

  int InsertColumn(int position, std::string_view caption, int width);
  bool DeleteColumn(int position);
  int InsertItem(int position, std::string_view text);
  bool SetItemText(int item, int subItem, std::string_view text);
  int InsertRows(int position, std::span<const std::string_view> cells, size_t columns);
  bool DeleteAllItems();

 protected:
  // The control on screen, or nullptr.
  ListView* View() const;

 private:
  CDialog* dialog_ = nullptr;
  int id_ = 0;
};

}  // namespace ui
