#include "ui/list_ctrl.h"

#include "ui/dialog.h"
#include "ui/host.h"

namespace ui {

ListView* CListCtrl::View() const {
  if (dialog_ == nullptr || dialog_->Window() == nullptr) return nullptr;
  return dialog_->Window()->GetListView(id_);
}

int CListCtrl::InsertColumn(int position, std::string_view caption, int width) {
  ListView* view = View();
  return view != nullptr ? view->InsertColumn(position, caption, width) : -1;
}

bool CListCtrl::DeleteColumn(int position) {
  ListView* view = View();
  return view != nullptr && view->DeleteColumn(position);
}

int CListCtrl::InsertRows(int position, TableRows rows) {
  ListView* view = View();
  return view != nullptr ? view->InsertRows(position, std::move(rows)) : -1;
}

bool CListCtrl::DeleteAllItems() {
  ListView* view = View();
  return view != nullptr && view->DeleteAllItems();
}

}  // namespace ui
