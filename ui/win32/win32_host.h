// The Win32 host: dialogs on real windows, built from the templates of res/ at
// run time. Tavoro.exe runs it for a person; tavoro-script.exe runs it with an
// Automation, which is asked for the next user action whenever the dialog on
// top is idle and which answers message boxes and Save dialogs itself.
#pragma once

#include "ui/win32/windows_api.h"

#include <vector>

#include "ui/host.h"

namespace ui::win32 {

class Win32Window;

class Win32Host final : public Host {
 public:
  explicit Win32Host(HINSTANCE instance, Automation* automation = nullptr);

  int RunModal(CDialog& dialog) override;
  int MessageBox(DialogWindow* owner, std::string_view text, std::string_view caption,
                 unsigned type) override;
  std::optional<std::string> ShowSaveDialog(DialogWindow* owner,
                                            const SaveDialogRequest& request) override;
  std::string ClipboardText() override;
  void SetClipboardText(std::string_view text) override;
  // With an automation, the automation hears of it and no file is touched.
  HelpOpening OpenHelpFile(DialogWindow* owner, std::string_view name) override;

  // The dialog on top, or nullptr when none is open.
  Win32Window* TopWindow() const { return stack_.empty() ? nullptr : stack_.back(); }

 private:
  struct ModalRun;
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(ModalRun& run, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnInitDialog(ModalRun& run);
  // The automation's turn: one user action on the idle dialog on top.
  void OnIdle(ModalRun& run);
  void PostIdleTurn();

  HINSTANCE instance_;
  Automation* automation_;
  std::vector<Win32Window*> stack_;
  WPARAM idleTicket_ = 0;
};

}  // namespace ui::win32
