// A list control member of a dialog, bound to its control by the field exchange.
// Calls made while the dialog is not on screen do nothing.
#pragma once

#include <string_view>

#include "ui/table_rows.h"

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
  // Inserts the rows, top to bottom, at `position`; -1 when refused.
  int InsertRows(int position, TableRows rows);
  bool DeleteAllItems();

 protected:
  // The control on screen, or nullptr.
  ListView* View() const;

 private:
  CDialog* dialog_ = nullptr;
  int id_ = 0;
};

}  // namespace ui
