#include "ui/win32/dialog_keyboard.h"

#include <algorithm>

#include "ui/dialog_keys.h"

namespace ui::win32 {
namespace {

bool IsArrowKey(WPARAM key) {
  return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

// Moves the focus from `radio` to the next radio of its group (the one before
// with `backwards`) and selects it, as the dialog manager does when an arrow
// key lands on a radio.
void MoveToNextRadio(HWND radio, const res::DialogTemplate& dialogTemplate, bool backwards) {
  const auto& controls = dialogTemplate.controls;
  const int id = GetDlgCtrlID(radio);
  auto self = std::find_if(controls.begin(), controls.end(),
                           [id](const res::ControlTemplate& control) { return control.id == id; });
  if (self == controls.end()) return;
  size_t target = ArrowTarget(controls, static_cast<size_t>(self - controls.begin()), backwards);
  HWND next = GetDlgItem(GetParent(radio), controls[target].id);
  if (next == nullptr || next == radio) return;
  SetFocus(next);
  if (SendMessageW(next, BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessageW(next, BM_CLICK, 0, 0);
}

// A radio keeps the arrow keys to itself: the dialog manager would move to the
// next control of the group, which between the radios is a field or a label.
LRESULT CALLBACK RadioArrowKeys(HWND radio, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR subclassId, DWORD_PTR data) {
  switch (message) {
    case WM_GETDLGCODE:
      return DefSubclassProc(radio, message, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (!IsArrowKey(wParam)) break;
      MoveToNextRadio(radio, *reinterpret_cast<const res::DialogTemplate*>(data),
                      wParam == VK_UP || wParam == VK_LEFT);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(radio, RadioArrowKeys, subclassId);
      break;
  }
  return DefSubclassProc(radio, message, wParam, lParam);
}

}  // namespace

void PrepareKeyboard(HWND dialog, const res::DialogTemplate& dialogTemplate) {
  for (const res::ControlTemplate& control : dialogTemplate.controls) {
    HWND window = GetDlgItem(dialog, control.id);
    if (window == nullptr) continue;
    if (control.kind == res::ControlKind::Radio)
      SetWindowSubclass(window, RadioArrowKeys, 0, reinterpret_cast<DWORD_PTR>(&dialogTemplate));
    // Every push button of a template may carry the default style; on screen
    // only the dialog's default button keeps it.
    if (control.kind == res::ControlKind::Button && dialogTemplate.defaultButton != 0 &&
        control.id != dialogTemplate.defaultButton)
      SendMessageW(window, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  }
  if (dialogTemplate.defaultButton != 0)
    SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(dialogTemplate.defaultButton), 0);
}

}  // namespace ui::win32
