#include "ui/win32/table_input.h"

#include "core/utf16.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/table_copy.h"

namespace ui::win32 {

void OnTableKeyDown(ListView& view, WORD virtualKey) {
  if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return;
  if (virtualKey == 'A') OnTableKey(view, Key::CtrlA);
  if (virtualKey == 'C') OnTableKey(view, Key::CtrlC);
}

int ShowTableMenu(HWND list, ListView& view, LPARAM where) {
  POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (at.x == -1 && at.y == -1) {
    // From the keyboard: at the table's upper left corner.
    at = {0, 0};
    ClientToScreen(list, &at);
  }
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return 0;
  AppendMenuW(menu, MF_STRING, res::kIdEditCopy, core::ToUtf16(res::text::kTableCopy).c_str());
  AppendMenuW(menu, MF_STRING, res::kIdTableGraph, core::ToUtf16(res::text::kGraph).c_str());
  UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x,
                                                 at.y, 0, list, nullptr));
  DestroyMenu(menu);
  if (chosen == res::kIdEditCopy) CopyTable(view);
  return chosen == res::kIdTableGraph ? res::kIdTableGraph : 0;
}

}  // namespace ui::win32
