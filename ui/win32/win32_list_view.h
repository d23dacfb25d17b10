// The report-view list control of a dialog on screen (SysListView32), with the
// owner-data style: the control holds no texts but asks for the cells of the
// rows it paints (LVN_GETDISPINFO), which this keeps, so that thousands of rows
// go in as quickly as a few. The control keeps the selection and the focus.
//
// The program gives and reads column widths in pixels at 96 DPI; on the
// control they are pixels at the window's DPI, so that the columns grow with
// the text.
#pragma once

#include "ui/win32/windows_api.h"

#include "ui/host.h"
#include "ui/list_cells.h"

namespace ui::win32 {

class Win32ListView final : public ListView {
 public:
  explicit Win32ListView(HWND control);

  int InsertColumn(int position, std::string_view caption, int width) override;
  bool DeleteColumn(int position) override;
  int InsertRows(int position, TableRows rows) override;
  bool DeleteAllItems() override;

  std::vector<ListColumn> Columns() const override;
  int ItemCount() const override { return static_cast<int>(cells_.RowCount()); }
  std::string ItemText(int item, int subItem) const override;
  std::vector<int> SelectedItems() const override;
  void SelectAll() override;

  // The control asks for the text of a cell it paints.
  void OnGetDispInfo(NMLVDISPINFOW& request) const;
  // The control looks for the row whose first cell begins with (or is) the
  // letters typed on it: that row, or -1.
  int OnFindItem(const NMLVFINDITEMW& request) const;
  // The window now shows at `dpi`: every column keeps its width at 96 DPI.
  void OnDpiChanged(UINT dpi);

 private:
  // Gives the control the new count of rows after `inserted` rows came in at
  // `at`: selected and focused rows below them move down with them, as the
  // control's own rows would.
  void ShowRowsInserted(size_t at, size_t inserted);
  void SetItemState(int item, UINT state, UINT mask);

  HWND control_;
  UINT dpi_;  // the DPI that the widths on the control are for
  size_t columns_ = 0;
  ListCells cells_;
};

}  // namespace ui::win32
