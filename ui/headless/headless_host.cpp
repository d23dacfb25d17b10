#include "ui/headless/headless_host.h"

#include "ui/dialog.h"
#include "ui/headless/headless_window.h"

namespace ui {

int HeadlessHost::RunModal(CDialog& dialog) {
  const res::DialogTemplate* dialogTemplate = res::FindDialogTemplate(dialog.TemplateId());
  if (dialogTemplate == nullptr) return -1;
  HeadlessWindow window(*dialogTemplate, dialog);
  stack_.push_back(&window);
  dialog.Attach(&window);
  if (dialog.OnInitDialog()) window.FocusFirstTabStop();
  automation_.OnDialogOpened(dialog.TemplateId());
  while (!window.Ended()) {
    if (!automation_.OnIdle(window)) {
      // Nobody is left to act: leave as Esc would.
      dialog.OnCancel();
      window.End(kIdCancel);
    }
  }
  dialog.Detach();
  stack_.pop_back();
  automation_.OnDialogClosed(dialog.TemplateId());
  return window.Result();
}

int HeadlessHost::MessageBox(DialogWindow*, std::string_view text, std::string_view caption,
                             unsigned type) {
  return automation_.OnMessageBox(caption, text, type);
}

std::optional<std::string> HeadlessHost::ShowSaveDialog(DialogWindow*,
                                                        const SaveDialogRequest& request) {
  return AnswerSaveDialog(automation_, request);
}

DialogWindow* HeadlessHost::TopWindow() { return stack_.empty() ? nullptr : stack_.back(); }

}  // namespace ui
