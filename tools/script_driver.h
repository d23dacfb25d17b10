// tavoro-script: plays a script of user actions against the real dialogs and
// prints what the user would see, one line per result, fields split by a TAB.
// The same driver runs on every host, so a script prints the same everywhere.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/host.h"

namespace tools {

class ScriptDriver final : public ui::Automation {
 public:
  ScriptDriver(std::istream& script, std::ostream& out) : script_(script), out_(out) {}

  bool OnIdle(ui::DialogWindow& top) override;
  void OnDialogOpened(int templateId) override;
  void OnDialogClosed(int templateId) override;
  int OnMessageBox(std::string_view caption, std::string_view text, unsigned type) override;
  std::optional<std::string> OnSaveDialog(const ui::SaveDialogRequest& request) override;
  bool OnConfirmOverwrite(std::string_view path) override;
  // Prints the help file's name, as the program names it: relative to the
  // program's folder, the same on every host and in every build. The file is
  // taken as there, so that a script runs the same whether or not it is.
  bool OnOpenHelpFile(std::string_view name) override;

 private:
  // Runs one script line; returns false at the end of the script.
  bool RunLine(ui::DialogWindow& top, std::string_view line);
  void Print(std::initializer_list<std::string_view> fields);
  void Error(std::string_view what);

  void Open(ui::DialogWindow& top, std::string_view argument);
  void Set(ui::DialogWindow& top, std::string_view argument);
  void Click(ui::DialogWindow& top, std::string_view argument);
  void PressKey(ui::DialogWindow& top, std::string_view argument);
  void Get(ui::DialogWindow& top, std::string_view argument);
  void Checked(ui::DialogWindow& top, std::string_view argument);
  void Table(ui::DialogWindow& top);
  void SystemMenu(ui::DialogWindow& top);
  void SystemCommand(ui::DialogWindow& top, std::string_view argument);
  void Dialog(ui::DialogWindow& top);
  void Controls(ui::DialogWindow& top);
  void Show(std::string_view argument);
  void Wait(ui::DialogWindow& top, std::string_view argument);

  // The control named by a decimal id, or nullptr after printing an error.
  const res::ControlTemplate* ControlArgument(ui::DialogWindow& top, std::string_view text);

  std::istream& script_;
  std::ostream& out_;
  bool ended_ = false;
  // How the next Save dialog is answered: a path for OK, nothing for Cancel.
  std::optional<std::string> saveAnswer_;
};

// Control kinds and flags as the driver prints them.
std::string_view KindName(res::ControlKind kind);
std::string FlagNames(unsigned flags);
// A field with line breaks and TABs written as \n, \r and \t, so it stays one field.
std::string EscapeField(std::string_view text);

}  // namespace tools
