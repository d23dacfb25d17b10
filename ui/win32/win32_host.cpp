#include "ui/win32/win32_host.h"


#include <optional>

#include "core/program_file.h"
#include "core/utf16.h"
#include "res/ids.h"
#include "ui/dialog.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/dialog_keyboard.h"
#include "ui/win32/dialog_template_builder.h"
#include "ui/win32/save_dialog.h"
#include "ui/win32/shell_open.h"
#include "ui/win32/table_input.h"
#include "ui/win32/win32_painter.h"
#include "ui/win32/win32_window.h"

namespace ui::win32 {
namespace {

// Posted to the dialog on top so that the automation acts once the messages
// queued before it have been handled; wParam is the turn's ticket.
constexpr UINT kIdleMessage = WM_APP + 0x54;

HWND OwnerHandle(DialogWindow* owner) {
  auto* window = dynamic_cast<Win32Window*>(owner);
  return window != nullptr ? window->Handle() : nullptr;
}

}  // namespace

struct Win32Host::ModalRun {
  Win32Host& host;
  CDialog& dialog;
  const res::DialogTemplate& dialogTemplate;
  std::optional<Win32Window> window;
};

Win32Host::Win32Host(HINSTANCE instance, Automation* automation)
    : instance_(instance), automation_(automation) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
}

int Win32Host::RunModal(CDialog& dialog) {
  const res::DialogTemplate* dialogTemplate = res::FindDialogTemplate(dialog.TemplateId());
  if (dialogTemplate == nullptr) return -1;
  std::vector<WORD> bytes = BuildDialogTemplate(*dialogTemplate);
  ModalRun run{*this, dialog, *dialogTemplate, std::nullopt};
  HWND owner = TopWindow() != nullptr ? TopWindow()->Handle() : nullptr;
  INT_PTR result = DialogBoxIndirectParamW(instance_,
                                           reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner,
                                           &Win32Host::DialogProc, reinterpret_cast<LPARAM>(&run));
  if (!run.window) return static_cast<int>(result);  // the window was never made
  dialog.Detach();
  stack_.pop_back();
  if (automation_ != nullptr) automation_->OnDialogClosed(dialog.TemplateId());
  PostIdleTurn();  // the dialog below is on top again
  return run.window->Ended() ? run.window->Result() : static_cast<int>(result);
}

INT_PTR CALLBACK Win32Host::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ModalRun* run = nullptr;
  if (message == WM_INITDIALOG) {
    run = reinterpret_cast<ModalRun*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    run->window.emplace(window, run->dialogTemplate, run->host.instance_);
  } else {
    run = reinterpret_cast<ModalRun*>(GetWindowLongPtrW(window, DWLP_USER));
  }
  // Messages that come before WM_INITDIALOG get the dialog manager's defaults.
  if (run == nullptr || !run->window) return FALSE;
  return run->host.OnMessage(*run, message, wParam, lParam);
}

void Win32Host::PostIdleTurn() {
  if (automation_ == nullptr || stack_.empty()) return;
  // A new ticket voids any turn still queued, so there is only ever one.
  PostMessageW(TopWindow()->Handle(), kIdleMessage, ++idleTicket_, 0);
}

INT_PTR Win32Host::OnMessage(ModalRun& run, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(run);
    case WM_COMMAND:
      // Clicks of buttons and radios, and Enter and Esc through the dialog
      // manager; the edits' notifications are not commands.
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      run.dialog.OnCommand(LOWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      Win32ListView* list = run.window->GetListView(static_cast<int>(header->idFrom));
      if (list == nullptr) return FALSE;
      switch (header->code) {
        case LVN_GETDISPINFOW:
          list->OnGetDispInfo(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
          return TRUE;
        case LVN_ODFINDITEMW:
          SetWindowLongPtrW(run.window->Handle(), DWLP_MSGRESULT,
                            list->OnFindItem(*reinterpret_cast<const NMLVFINDITEMW*>(lParam)));
          return TRUE;
        case LVN_KEYDOWN:
          OnTableKeyDown(*list, reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey);
          return FALSE;
      }
      return FALSE;
    }
    case WM_CONTEXTMENU: {
      // From the table or from its header, which belongs to it.
      int id = run.window->ControlIdOf(reinterpret_cast<HWND>(wParam));
      ListView* view = run.window->GetListView(id);
      if (view == nullptr) return FALSE;
      ShowTableMenu(GetDlgItem(run.window->Handle(), id), *view, lParam);
      return TRUE;
    }
    case WM_HELP:
      // F1 on the dialog or any of its controls. Handled here, so that it does
      // not go on to the owner (the function menu under a calculator). F1 on a
      // message box comes here too, from the box to its owner: while a box
      // keeps the dialog disabled, one more box would only stack on it.
      if (IsWindowEnabled(run.window->Handle())) run.dialog.OnCommand(res::kIdHelp);
      SetWindowLongPtrW(run.window->Handle(), DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_SYSCOMMAND:
      if (!run.dialog.OnSysCommand(static_cast<unsigned>(wParam))) return FALSE;
      SetWindowLongPtrW(run.window->Handle(), DWLP_MSGRESULT, 0);
      return TRUE;
    case WM_PAINT: {
      Win32Painter painter(run.window->Handle(), instance_);
      return run.dialog.OnPaint(painter) ? TRUE : FALSE;
    }
    case WM_QUERYDRAGICON: {
      // Answered directly: the cursor to show while the minimised window is dragged.
      int icon = run.dialog.OnQueryDragIcon();
      if (icon == 0) return FALSE;
      return reinterpret_cast<INT_PTR>(LoadIconW(instance_, MAKEINTRESOURCEW(icon)));
    }
    case WM_DPICHANGED:
      // The dialog manager goes on to rescale the window, its controls and font.
      run.window->OnDpiChanged(LOWORD(wParam));
      return FALSE;
    case kIdleMessage:
      if (wParam == idleTicket_) OnIdle(run);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR Win32Host::OnInitDialog(ModalRun& run) {
  stack_.push_back(&*run.window);
  run.dialog.Attach(&*run.window);
  HWND window = run.window->Handle();
  PrepareKeyboard(window, run.dialogTemplate);
  bool focusFirstTabStop = run.dialog.OnInitDialog();
  if (focusFirstTabStop) {
    // The first tab stop gets the focus as Tab would give it: a push button
    // becomes the default one, so that Enter presses the button that shows the
    // focus (the dialog manager's own first focus leaves Enter to the IDOK
    // command, which would close the function menu).
    if (HWND first = GetNextDlgTabItem(window, nullptr, FALSE))
      SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
  }
  if (automation_ != nullptr) automation_->OnDialogOpened(run.dialog.TemplateId());
  PostIdleTurn();
  return FALSE;  // the focus is placed
}

void Win32Host::OnIdle(ModalRun& run) {
  Win32Window& window = *run.window;
  if (automation_ == nullptr || window.Ended()) return;
  if (TopWindow() != &window) return PostIdleTurn();
  if (!automation_->OnIdle(window)) {
    // Nobody is left to act: leave as Esc would.
    run.dialog.OnCancel();
    window.End(kIdCancel);
    return;
  }
  // Behind whatever the action queued, so the next action comes when the
  // dialog has handled all of it. A dialog that ended hands the turn on when
  // its modal run returns.
  if (!window.Ended()) PostIdleTurn();
}

int Win32Host::MessageBox(DialogWindow* owner, std::string_view text, std::string_view caption,
                          unsigned type) {
  if (automation_ != nullptr) return automation_->OnMessageBox(caption, text, type);
  return MessageBoxW(OwnerHandle(owner), core::ToUtf16(text).c_str(), core::ToUtf16(caption).c_str(), type);
}

std::string Win32Host::ClipboardText() { return ReadClipboardText(); }

void Win32Host::SetClipboardText(std::string_view text) {
  WriteClipboardText(TopWindow() != nullptr ? TopWindow()->Handle() : nullptr, text);
}

HelpOpening Win32Host::OpenHelpFile(DialogWindow* owner, std::string_view name) {
  if (automation_ != nullptr)
    return automation_->OnOpenHelpFile(name) ? HelpOpening::kOpened : HelpOpening::kMissing;
  return OpenWithShell(OwnerHandle(owner), core::ProgramFilePath(name));
}

std::optional<std::string> Win32Host::ShowSaveDialog(DialogWindow* owner,
                                                     const SaveDialogRequest& request) {
  if (automation_ != nullptr) return AnswerSaveDialog(*automation_, request);
  return ShowSaveFileDialog(OwnerHandle(owner), request);
}

}  // namespace ui::win32
