// A dialog on screen: the real window that DialogBoxIndirectParamW made from
// the dialog's template, with its controls.
#pragma once

#include "ui/win32/windows_api.h"

#include <map>
#include <memory>

#include "ui/host.h"
#include "ui/win32/win32_list_view.h"

namespace ui::win32 {

class Win32Window final : public DialogWindow {
 public:
  Win32Window(HWND window, const res::DialogTemplate& dialogTemplate, HINSTANCE instance);

  HWND Handle() const { return window_; }
  bool Ended() const { return ended_; }
  // The id of the control that is or holds window `inner`, or 0.
  int ControlIdOf(HWND inner) const;
  int Result() const { return result_; }

  const res::DialogTemplate& Template() const override { return template_; }

  std::string GetItemText(int id) const override;
  void SetItemText(int id, std::string_view text) override;
  void CheckRadioButton(int first, int last, int check) override;
  bool IsChecked(int id) const override;
  void FocusAndSelectAll(int id) override;
  Win32ListView* GetListView(int id) override;
  void AppendSystemMenuSeparator() override;
  void AppendSystemMenuItem(int command, std::string_view text) override;
  void SetIcon(int iconId, bool big) override;
  void End(int result) override;

  int FocusedId() const override;
  void UserType(int id, std::string_view text) override;
  void UserClick(int id) override;
  void UserEscape() override;
  void UserKey(Key key) override;
  void UserSysCommand(unsigned command) override;
  void UserWait(int milliseconds) override;
  std::vector<SystemMenuItem> SystemMenuItems() const override;

  // The window moved to a monitor of another DPI; the dialog manager rescales
  // the dialog, its controls and its font, this the table's columns.
  void OnDpiChanged(UINT dpi);

 private:
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  // Moves the focus as the dialog manager does for Tab, selecting an edit's text.
  void Focus(HWND control);
  // Handles every message queued for this thread as the dialog's modal loop
  // would, until none is left; false when the program is quitting.
  bool HandleQueuedMessages();
  // F1, as the system delivers it from the keyboard.
  void UserHelpKey();
  // Remembers where the platform's own system-menu items end.
  HMENU SystemMenuForAppending();

  HWND window_;
  const res::DialogTemplate& template_;
  HINSTANCE instance_;
  std::map<int, std::unique_ptr<Win32ListView>> lists_;
  int platformMenuItems_ = -1;  // -1 until the program appends to the system menu
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace ui::win32
