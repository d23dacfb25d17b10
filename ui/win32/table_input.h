// The schedule table on screen: its copy keys and its right-click menu.
#pragma once

#include "ui/win32/windows_api.h"

#include "ui/host.h"

namespace ui::win32 {

// A key went down in the table (LVN_KEYDOWN): Ctrl+A selects every row,
// Ctrl+C copies.
void OnTableKeyDown(ListView& view, WORD virtualKey);

// The right-click menu of the table, shown at `where` (screen coordinates as
// WM_CONTEXTMENU gives them; -1, -1 when it comes from the keyboard): "コピー",
// which the table does itself, and "グラフ", whose command (res::kIdTableGraph)
// is returned for the dialog to carry out. 0 when there is none to carry out.
int ShowTableMenu(HWND list, ListView& view, LPARAM where);

}  // namespace ui::win32
