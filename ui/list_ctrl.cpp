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

int CListCtrl::InsertItem(int position, std::string_view text) {
  ListView* view = View();
  return view != nullptr ? view->InsertItem(position, text) : -1;
}

bool CListCtrl::SetItemText(int item, int subItem, std::string_view text) {
  ListView* view = View();
  return view != nullptr && view->SetItemText(item, subItem, text);
}

int CListCtrl::InsertRows(int position, std::span<const std::string_view> cells, size_t columns) {
  ListView* view = View();
  return view != nullptr ? view->InsertRows(position, cells, columns) : -1;
}

bool CListCtrl::DeleteAllItems() {
  ListView* view = View();
  return view != nullptr && view->DeleteAllItems();
}

}  // namespace ui
