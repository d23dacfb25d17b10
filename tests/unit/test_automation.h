// Drives dialogs from a test: each queued action is one user step on the dialog
// on top; message boxes and Save dialogs are recorded. TestAutomation runs the
// headless host; other hosts' tests put RecordingAutomation on their own host.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/headless/headless_host.h"
#include "ui/host.h"

namespace testing_support {

class RecordingAutomation : public ui::Automation {
 public:
  using Action = std::function<void(ui::DialogWindow&)>;

  // Queues a user step.
  RecordingAutomation& Then(Action action) {
    actions_.push_back(std::move(action));
    return *this;
  }
  // Queues typing into an edit, and clicking a button.
  RecordingAutomation& Type(int id, std::string text) {
    return Then([id, text](ui::DialogWindow& w) { w.UserType(id, text); });
  }
  RecordingAutomation& Click(int id) {
    return Then([id](ui::DialogWindow& w) { w.UserClick(id); });
  }

  struct Box {
    std::string caption, text;
    unsigned type;
  };
  std::vector<Box> boxes;
  std::vector<ui::SaveDialogRequest> saveDialogs;
  std::optional<std::string> saveAnswer;  // given to every Save dialog
  bool overwriteAnswer = true;
  std::vector<std::string> overwritePrompts;

  bool OnIdle(ui::DialogWindow& top) override {
    if (actions_.empty()) return false;
    Action action = std::move(actions_.front());
    actions_.pop_front();
    action(top);
    return true;
  }
  std::vector<int> opened;  // template ids, in the order the dialogs opened
  void OnDialogOpened(int templateId) override { opened.push_back(templateId); }
  void OnDialogClosed(int) override {}
  int OnMessageBox(std::string_view caption, std::string_view text, unsigned type) override {
    boxes.push_back({std::string(caption), std::string(text), type});
    return ui::kIdOk;
  }
  std::optional<std::string> OnSaveDialog(const ui::SaveDialogRequest& request) override {
    saveDialogs.push_back(request);
    return saveAnswer;
  }
  bool OnConfirmOverwrite(std::string_view path) override {
    overwritePrompts.emplace_back(path);
    return overwriteAnswer;
  }
  std::vector<std::string> helpFiles;  // the help files the program opened
  bool helpAnswer = true;                // whether each is there
  bool OnOpenHelpFile(std::string_view name) override {
    helpFiles.emplace_back(name);
    return helpAnswer;
  }

 private:
  std::deque<Action> actions_;
};

class TestAutomation : public RecordingAutomation {
 public:
  TestAutomation() : host_(*this) { ui::SetCurrentHost(&host_); }
  ~TestAutomation() override { ui::SetCurrentHost(nullptr); }

 private:
  ui::HeadlessHost host_;
};

}  // namespace testing_support
