#include "ui/win32/win32_window.h"

#include <algorithm>
#include <string>

#include "core/utf16.h"

namespace ui::win32 {
namespace {

std::wstring WindowText(HWND window) {
  if (window == nullptr) return {};
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(std::max(length, 0)));
  return text;
}

struct KeyStroke {
  WORD virtualKey;
  bool shift;
  bool control;
};

KeyStroke StrokeOf(Key key) {
  switch (key) {
    case Key::Enter: return {VK_RETURN, false, false};
    case Key::Tab: return {VK_TAB, false, false};
    case Key::ShiftTab: return {VK_TAB, true, false};
    case Key::Up: return {VK_UP, false, false};
    case Key::Down: return {VK_DOWN, false, false};
    case Key::Left: return {VK_LEFT, false, false};
    case Key::Right: return {VK_RIGHT, false, false};
    case Key::Home: return {VK_HOME, false, false};
    case Key::End: return {VK_END, false, false};
    case Key::Space: return {VK_SPACE, false, false};
    case Key::Esc: return {VK_ESCAPE, false, false};
    case Key::CtrlA: return {'A', false, true};
    case Key::CtrlC: return {'C', false, true};
    case Key::F1: break;  // UserKey asks for help instead
  }
  return {0, false, false};
}

}  // namespace

Win32Window::Win32Window(HWND window, const res::DialogTemplate& dialogTemplate,
                         HINSTANCE instance)
    : window_(window), template_(dialogTemplate), instance_(instance) {
  for (const res::ControlTemplate& control : template_.controls)
    if (control.kind == res::ControlKind::List)
      if (HWND list = Control(control.id)) lists_[control.id] = std::make_unique<Win32ListView>(list);
  for (const res::ControlTemplate& control : template_.controls)
    if (control.kind == res::ControlKind::Chart)
      if (HWND chart = Control(control.id))
        charts_[control.id] = std::make_unique<Win32ChartView>(chart);
}

std::string Win32Window::GetItemText(int id) const { return core::ToUtf8(WindowText(Control(id))); }

// A control whose text is already this one is left alone, as the Windows
// framework's own field exchange does: writing it again would repaint it
// (a dialog writes every field after each Calc) and put the caret back to
// the start of what the user typed.
void Win32Window::SetItemText(int id, std::string_view text) {
  const std::wstring wide = core::ToUtf16(text);
  if (HWND control = Control(id); control != nullptr && WindowText(control) == wide) return;
  SetDlgItemTextW(window_, id, wide.c_str());
}

// Every exchange selects the radios again; a group that already shows the
// selection is left alone, since Wine's buttons repaint at once when set.
void Win32Window::CheckRadioButton(int first, int last, int check) {
  bool shown = true;
  for (int id = first; id <= last && shown; ++id)
    shown = (IsDlgButtonChecked(window_, id) == BST_CHECKED) == (id == check);
  if (!shown) ::CheckRadioButton(window_, first, last, check);
}

bool Win32Window::IsChecked(int id) const {
  return IsDlgButtonChecked(window_, id) == BST_CHECKED;
}

void Win32Window::Focus(HWND control) {
  if (control != nullptr)
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void Win32Window::FocusAndSelectAll(int id) {
  HWND control = Control(id);
  Focus(control);
  if (control != nullptr) SendMessageW(control, EM_SETSEL, 0, -1);
}

Win32ListView* Win32Window::GetListView(int id) {
  auto found = lists_.find(id);
  return found != lists_.end() ? found->second.get() : nullptr;
}

Win32ChartView* Win32Window::GetChartView(int id) {
  auto found = charts_.find(id);
  return found != charts_.end() ? found->second.get() : nullptr;
}

void Win32Window::OnDpiChanged(UINT dpi) {
  for (auto& [id, list] : lists_) list->OnDpiChanged(dpi);
}

HMENU Win32Window::SystemMenuForAppending() {
  HMENU menu = GetSystemMenu(window_, FALSE);
  if (platformMenuItems_ < 0 && menu != nullptr) platformMenuItems_ = GetMenuItemCount(menu);
  return menu;
}

void Win32Window::AppendSystemMenuSeparator() {
  if (HMENU menu = SystemMenuForAppending()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

void Win32Window::AppendSystemMenuItem(int command, std::string_view text) {
  if (HMENU menu = SystemMenuForAppending())
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command), core::ToUtf16(text).c_str());
}

void Win32Window::SetIcon(int iconId, bool big) {
  HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(iconId));
  SendMessageW(window_, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Win32Window::End(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
  // The modal loop ends once the current message has been handled.
  EndDialog(window_, result);
}

int Win32Window::ControlIdOf(HWND inner) const {
  if (inner == nullptr || !IsChild(window_, inner)) return 0;
  // A control's own child (a list view's header) counts as the control.
  while (GetAncestor(inner, GA_PARENT) != window_) inner = GetAncestor(inner, GA_PARENT);
  return GetDlgCtrlID(inner);
}

int Win32Window::FocusedId() const { return ControlIdOf(GetFocus()); }

void Win32Window::UserType(int id, std::string_view text) {
  HWND control = Control(id);
  if (control == nullptr) return;
  Focus(control);
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(core::ToUtf16(text).c_str()));
  // The caret ends after the typed text.
  WPARAM end = static_cast<WPARAM>(GetWindowTextLengthW(control));
  SendMessageW(control, EM_SETSEL, end, static_cast<LPARAM>(end));
}

void Win32Window::UserClick(int id) {
  HWND control = Control(id);
  if (control == nullptr) return;
  Focus(control);
  if (GetListView(id) != nullptr) {
    // As a mouse click on the table's empty area: no row stays selected; the
    // focused row stays where it was.
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&state));
    return;
  }
  // As a mouse click: an auto radio button checks itself and unchecks its group,
  // then the dialog hears BN_CLICKED.
  SendMessageW(control, BM_CLICK, 0, 0);
}

// The dialog manager turns the key into Cancel.
void Win32Window::UserEscape() { UserKey(Key::Esc); }

bool Win32Window::HandleQueuedMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Left for the modal loop, which ends on it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    if (!IsDialogMessageW(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return true;
}

void Win32Window::UserKey(Key key) {
  if (key == Key::F1) return UserHelpKey();
  KeyStroke stroke = StrokeOf(key);
  // The modifiers are held down in the thread's key state, which is what the
  // dialog manager and the controls ask.
  BYTE saved[256] = {};
  GetKeyboardState(saved);
  BYTE pressed[256];
  std::copy(std::begin(saved), std::end(saved), std::begin(pressed));
  pressed[VK_SHIFT] = pressed[VK_LSHIFT] = stroke.shift ? 0x80 : 0;
  pressed[VK_CONTROL] = pressed[VK_LCONTROL] = stroke.control ? 0x80 : 0;
  SetKeyboardState(pressed);
  UINT scanCode = MapVirtualKeyW(stroke.virtualKey, MAPVK_VK_TO_VSC);
  // Each half goes to whichever control has the focus when it comes, through
  // the dialog's message loop as a real key would.
  auto press = [&](UINT message, LPARAM flags) {
    HWND focus = GetFocus();
    HWND target = focus != nullptr && IsChild(window_, focus) ? focus : window_;
    LPARAM details = 1 | static_cast<LPARAM>(scanCode) << 16 | flags;  // one stroke, its scan code
    PostMessageW(target, message, stroke.virtualKey, details);
    return HandleQueuedMessages();
  };
  if (press(WM_KEYDOWN, 0) && !ended_) press(WM_KEYUP, static_cast<LPARAM>(0xC0000000u));
  SetKeyboardState(saved);
}

void Win32Window::UserHelpKey() {
  // The system answers F1 from the keyboard (not a posted key) with WM_HELP to
  // the focused window, whose default handling passes it up to the dialog.
  HWND focus = GetFocus();
  HWND target = focus != nullptr && IsChild(window_, focus) ? focus : window_;
  HELPINFO help{};
  help.cbSize = sizeof help;
  help.iContextType = HELPINFO_WINDOW;
  help.iCtrlId = target == window_ ? 0 : GetDlgCtrlID(target);
  help.hItemHandle = target;
  GetCursorPos(&help.MousePos);
  SendMessageW(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
}

void Win32Window::UserSysCommand(unsigned command) {
  SendMessageW(window_, WM_SYSCOMMAND, command, 0);
}

void Win32Window::UserWait(int milliseconds) {
  ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(std::max(milliseconds, 0));
  for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    if (!HandleQueuedMessages()) return;
  }
}

std::vector<SystemMenuItem> Win32Window::SystemMenuItems() const {
  std::vector<SystemMenuItem> items;
  HMENU menu = GetSystemMenu(window_, FALSE);
  if (menu == nullptr || platformMenuItems_ < 0) return items;
  int count = GetMenuItemCount(menu);
  for (int index = platformMenuItems_; index < count; ++index) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info)) continue;
    if (info.fType & MFT_SEPARATOR) {
      items.push_back({true, 0, {}});
      continue;
    }
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info);
    text.resize(info.cch);
    items.push_back({false, static_cast<int>(info.wID), core::ToUtf8(text)});
  }
  return items;
}

}  // namespace ui::win32
