#include "ui/win32/dialog_layout.h"

#include "ui/win32/dpi.h"

namespace ui::win32 {
namespace {

RECT InPixels(HWND dialog, int x, int y, int w, int h) {
  RECT rect{x, y, x + w, y + h};
  MapDialogRect(dialog, &rect);
  return rect;
}

}  // namespace

void LayOutControls(HWND dialog, const res::DialogTemplate& dialogTemplate) {
  RECT client{};
  GetClientRect(dialog, &client);
  const RECT designed = InPixels(dialog, 0, 0, dialogTemplate.w, dialogTemplate.h);
  const int grownX = client.right - designed.right;
  const int grownY = client.bottom - designed.bottom;
  for (const res::ControlTemplate& control : dialogTemplate.controls) {
    const unsigned anchors =
        control.flags & (res::kAnchorRight | res::kAnchorBottom | res::kStretch);
    HWND window = GetDlgItem(dialog, control.id);
    if (anchors == 0 || window == nullptr) continue;
    RECT place = InPixels(dialog, control.x, control.y, control.w, control.h);
    if (anchors & (res::kAnchorRight | res::kStretch)) place.right += grownX;
    if (anchors & (res::kAnchorBottom | res::kStretch)) place.bottom += grownY;
    if (anchors & res::kAnchorRight) place.left += grownX;
    if (anchors & res::kAnchorBottom) place.top += grownY;
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(dialog, nullptr, TRUE);
}

POINT MinimumWindowSize(HWND dialog, const res::DialogTemplate& dialogTemplate) {
  RECT frame = InPixels(dialog, 0, 0, dialogTemplate.w, dialogTemplate.h);
  // The frame around it, as thick as at the window's DPI where Windows tells.
  using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE));
  if (adjustForDpi != nullptr)
    adjustForDpi(&frame, style, FALSE, exStyle, WindowDpi(dialog));
  else
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace ui::win32
