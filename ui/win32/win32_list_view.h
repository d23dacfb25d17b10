// The report-view list control of a dialog on screen (SysListView32).
#pragma once

#include "ui/win32/windows_api.h"

#include "ui/host.h"

namespace ui::win32 {

class Win32ListView final : public ListView {
 public:
  explicit Win32ListView(HWND control) : control_(control) {}

  int InsertColumn(int position, std::string_view caption, int width) override;
  bool DeleteColumn(int position) override;
  int InsertItem(int position, std::string_view text) override;
  bool SetItemText(int item, int subItem, std::string_view text) override;
  bool DeleteAllItems() override;
  void SetRedraw(bool redraw) override;

  std::vector<ListColumn> Columns() const override;
  int ItemCount() const override;
  std::string ItemText(int item, int subItem) const override;
  std::vector<int> SelectedItems() const override;
  void SelectAll() override;

 private:
  HWND control_;
};

}  // namespace ui::win32
