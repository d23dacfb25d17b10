// The real program on the Win32 host, driven by a test's queued user steps:
// Run() starts at the function menu and returns when the steps run out.
#pragma once

#include "app/interest_app.h"
#include "tests/unit/test_automation.h"
#include "ui/win32/win32_host.h"
#include "ui/win32/windows_api.h"

namespace ui::win32 {

// Chooses entry `item` (counted from 1) of the table's right-click menu: the
// menu's own loop takes the keys posted before it opens.
inline void ChooseFromTableMenu(HWND list, int item) {
  for (int down = 0; down < item; ++down) PostMessageW(list, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(list, WM_KEYDOWN, VK_RETURN, 1);
  RECT box;
  GetWindowRect(list, &box);
  SendMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list),
               MAKELPARAM(box.left + 10, box.top + 30));
}

class Win32Automation : public testing_support::RecordingAutomation {
 public:
  Win32Automation() : host_(GetModuleHandleW(nullptr), this) { SetCurrentHost(&host_); }
  ~Win32Automation() override { SetCurrentHost(nullptr); }
  void Run() { app::Run(host_); }

 private:
  Win32Host host_;
};

}  // namespace ui::win32
