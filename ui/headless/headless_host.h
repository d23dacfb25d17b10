// The headless host: dialogs whose controls live in memory, driven by an
// Automation (the script driver, or a test) instead of a person.
#pragma once

#include <memory>
#include <vector>

#include "ui/host.h"

namespace ui {

class HeadlessWindow;

class HeadlessHost final : public Host {
 public:
  explicit HeadlessHost(Automation& automation) : automation_(automation) {}

  int RunModal(CDialog& dialog) override;
  int MessageBox(DialogWindow* owner, std::string_view text, std::string_view caption,
                 unsigned type) override;
  std::optional<std::string> ShowSaveDialog(DialogWindow* owner,
                                            const SaveDialogRequest& request) override;
  std::string ClipboardText() override { return clipboard_; }
  void SetClipboardText(std::string_view text) override { clipboard_ = text; }
  // Nothing to open in memory: the automation hears of it and answers.
  HelpOpening OpenHelpFile(DialogWindow*, std::string_view name) override {
    return automation_.OnOpenHelpFile(name) ? HelpOpening::kOpened : HelpOpening::kMissing;
  }

  // The dialog on top, or nullptr when none is open.
  DialogWindow* TopWindow();

 private:
  Automation& automation_;
  std::vector<HeadlessWindow*> stack_;
  std::string clipboard_;
};

}  // namespace ui
