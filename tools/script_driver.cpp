#include "tools/script_driver.h"

#include <charconv>
#include <istream>
#include <ostream>

#include "app/calculators.h"
#include "res/ids.h"
#include "ui/dialog.h"

namespace tools {
namespace {

std::optional<long long> ParseNumber(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<ui::Key> KeyNamed(std::string_view name) {
  using ui::Key;
  static constexpr std::pair<std::string_view, Key> kKeys[] = {
      {"Enter", Key::Enter}, {"Tab", Key::Tab},     {"Shift+Tab", Key::ShiftTab},
      {"Up", Key::Up},       {"Down", Key::Down},   {"Left", Key::Left},
      {"Right", Key::Right}, {"Home", Key::Home},   {"End", Key::End},
      {"Space", Key::Space}, {"Esc", Key::Esc},     {"Ctrl+A", Key::CtrlA},
      {"Ctrl+C", Key::CtrlC}, {"F1", Key::F1},
  };
  for (auto [keyName, key] : kKeys)
    if (keyName == name) return key;
  return std::nullopt;
}

// Splits "word rest" at the first space.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view line) {
  size_t space = line.find(' ');
  if (space == std::string_view::npos) return {line, {}};
  return {line.substr(0, space), line.substr(space + 1)};
}

bool IsMenuButton(long long id) {
  // The buttons that open a dialog: the About box's, and the calculators' as
  // the application lists them.
  if (id < INT32_MIN || id > INT32_MAX) return false;
  return id == res::menu::kVersion || app::HasCalculator(static_cast<int>(id));
}

}  // namespace

std::string_view KindName(res::ControlKind kind) {
  switch (kind) {
    case res::ControlKind::Button: return "button";
    case res::ControlKind::Radio: return "radio";
    case res::ControlKind::Edit: return "edit";
    case res::ControlKind::Static: return "static";
    case res::ControlKind::Group: return "group";
    case res::ControlKind::List: return "list";
    case res::ControlKind::Icon: return "icon";
  }
  return "?";
}

std::string FlagNames(unsigned flags) {
  std::string names;
  auto add = [&](unsigned flag, std::string_view name) {
    if (!(flags & flag)) return;
    if (!names.empty()) names += ',';
    names += name;
  };
  add(res::kReadOnly, "readonly");
  add(res::kTabStop, "tabstop");
  add(res::kDefault, "default");
  add(res::kMultiline, "multiline");
  return names;
}

std::string EscapeField(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    if (c == '\n') escaped += "\\n";
    else if (c == '\r') escaped += "\\r";
    else if (c == '\t') escaped += "\\t";
    else escaped += c;
  }
  return escaped;
}

void ScriptDriver::Print(std::initializer_list<std::string_view> fields) {
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) out_ << '\t';
    out_ << EscapeField(field);
    first = false;
  }
  out_ << '\n' << std::flush;
}

void ScriptDriver::Error(std::string_view what) { Print({"error", what}); }

bool ScriptDriver::OnIdle(ui::DialogWindow& top) {
  std::string line;
  while (!ended_) {
    if (!std::getline(script_, line)) {
      ended_ = true;
      break;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Blank lines and comments are for the reader of the script.
    if (line.empty() || line.front() == '#') continue;
    return RunLine(top, line);
  }
  return false;
}

bool ScriptDriver::RunLine(ui::DialogWindow& top, std::string_view line) {
  auto [command, argument] = SplitWord(line);
  if (command == "open") Open(top, argument);
  else if (command == "set") Set(top, argument);
  else if (command == "click") Click(top, argument);
  else if (command == "esc") top.UserEscape();
  else if (command == "key") PressKey(top, argument);
  else if (command == "clipboard") Print({"clipboard", ui::CurrentHost().ClipboardText()});
  else if (command == "get") Get(top, argument);
  else if (command == "checked") Checked(top, argument);
  else if (command == "focus") Print({"focus", std::to_string(top.FocusedId())});
  else if (command == "table") Table(top);
  else if (command == "save") saveAnswer_ = std::string(argument);
  else if (command == "save-cancel") saveAnswer_.reset();
  else if (command == "sysmenu") SystemMenu(top);
  else if (command == "syscommand") SystemCommand(top, argument);
  else if (command == "dialog") Dialog(top);
  else if (command == "controls") Controls(top);
  else if (command == "show") Show(argument);
  else if (command == "wait") Wait(top, argument);
  else Error("unknown command: " + std::string(command));
  return true;
}

const res::ControlTemplate* ScriptDriver::ControlArgument(ui::DialogWindow& top,
                                                          std::string_view text) {
  std::optional<long long> id = ParseNumber(text);
  if (!id) {
    Error("bad id: " + std::string(text));
    return nullptr;
  }
  const res::ControlTemplate* control = nullptr;
  if (*id != res::kIdStatic && *id >= INT32_MIN && *id <= INT32_MAX)
    control = top.FindControl(static_cast<int>(*id));
  if (control == nullptr) Error("no control: " + std::string(text));
  return control;
}

void ScriptDriver::Open(ui::DialogWindow& top, std::string_view argument) {
  std::optional<long long> id = ParseNumber(argument);
  if (!id || !IsMenuButton(*id) || top.Template().id != res::kDlgMenu) {
    Error("no menu button: " + std::string(argument));
    return;
  }
  top.UserClick(static_cast<int>(*id));
}

void ScriptDriver::Set(ui::DialogWindow& top, std::string_view argument) {
  auto [idText, text] = SplitWord(argument);
  const res::ControlTemplate* control = ControlArgument(top, idText);
  if (control == nullptr) return;
  if (control->kind != res::ControlKind::Edit) return Error("not an edit: " + std::string(idText));
  if (control->flags & res::kReadOnly) return Error("read-only: " + std::string(idText));
  top.UserType(control->id, text);
}

void ScriptDriver::Click(ui::DialogWindow& top, std::string_view argument) {
  const res::ControlTemplate* control = ControlArgument(top, argument);
  if (control == nullptr) return;
  if (control->kind != res::ControlKind::Button && control->kind != res::ControlKind::Radio &&
      control->kind != res::ControlKind::List)
    return Error("not a button: " + std::string(argument));
  top.UserClick(control->id);
}

void ScriptDriver::PressKey(ui::DialogWindow& top, std::string_view argument) {
  std::optional<ui::Key> key = KeyNamed(argument);
  if (!key) return Error("no key: " + std::string(argument));
  top.UserKey(*key);
}

void ScriptDriver::Get(ui::DialogWindow& top, std::string_view argument) {
  const res::ControlTemplate* control = ControlArgument(top, argument);
  if (control == nullptr) return;
  Print({std::to_string(control->id), top.GetItemText(control->id)});
}

void ScriptDriver::Checked(ui::DialogWindow& top, std::string_view argument) {
  auto [firstText, lastText] = SplitWord(argument);
  std::optional<long long> first = ParseNumber(firstText);
  std::optional<long long> last = ParseNumber(lastText);
  if (!first || !last) return Error("bad range: " + std::string(argument));
  int checked = 0;
  for (const res::ControlTemplate& control : top.Template().controls) {
    if (control.kind == res::ControlKind::Radio && control.id >= *first && control.id <= *last &&
        top.IsChecked(control.id)) {
      checked = control.id;
      break;
    }
  }
  Print({"checked", std::to_string(checked)});
}

void ScriptDriver::Table(ui::DialogWindow& top) {
  ui::ListView* view = nullptr;
  for (const res::ControlTemplate& control : top.Template().controls)
    if (control.kind == res::ControlKind::List) view = top.GetListView(control.id);
  if (view == nullptr) return Error("no table");
  std::vector<ui::ListColumn> columns = view->Columns();
  std::string header = "columns";
  for (const ui::ListColumn& column : columns)
    header += '\t' + EscapeField(column.caption) + ':' + std::to_string(column.width);
  out_ << header << '\n';
  for (int item = 0; item < view->ItemCount(); ++item) {
    std::string row = "row";
    for (size_t sub = 0; sub < std::max<size_t>(columns.size(), 1); ++sub)
      row += '\t' + EscapeField(view->ItemText(item, static_cast<int>(sub)));
    out_ << row << '\n';
  }
  out_ << "end\n" << std::flush;
}

void ScriptDriver::SystemMenu(ui::DialogWindow& top) {
  for (const ui::SystemMenuItem& item : top.SystemMenuItems()) {
    if (item.separator)
      Print({"sysmenu", "separator"});
    else
      Print({"sysmenu", std::to_string(item.command), item.text});
  }
}

void ScriptDriver::SystemCommand(ui::DialogWindow& top, std::string_view argument) {
  std::optional<long long> command = ParseNumber(argument);
  if (!command || *command < 0 || *command > 0xFFFF) return Error("bad command: " + std::string(argument));
  top.UserSysCommand(static_cast<unsigned>(*command));
}

void ScriptDriver::Dialog(ui::DialogWindow& top) {
  const res::DialogTemplate& dialog = top.Template();
  Print({"dialog", std::to_string(dialog.id), dialog.title, std::to_string(dialog.w),
         std::to_string(dialog.h)});
}

void ScriptDriver::Controls(ui::DialogWindow& top) {
  for (const res::ControlTemplate& control : top.Template().controls) {
    std::string rect = std::to_string(control.x) + ',' + std::to_string(control.y) + ',' +
                       std::to_string(control.w) + ',' + std::to_string(control.h);
    Print({"control", std::to_string(control.id), KindName(control.kind), rect, control.caption,
           FlagNames(control.flags)});
  }
}

void ScriptDriver::Show(std::string_view argument) {
  std::optional<long long> id = ParseNumber(argument);
  if (!id || *id < INT32_MIN || *id > INT32_MAX || !res::FindDialogTemplate(static_cast<int>(*id)))
    return Error("no dialog: " + std::string(argument));
  // The template alone, with no calculator behind it: for looking at a layout.
  ui::CDialog bare(static_cast<int>(*id));
  bare.DoModal();
}

void ScriptDriver::Wait(ui::DialogWindow& top, std::string_view argument) {
  std::optional<long long> milliseconds = ParseNumber(argument);
  if (!milliseconds || *milliseconds < 0 || *milliseconds > 600000)
    return Error("bad time: " + std::string(argument));
  top.UserWait(static_cast<int>(*milliseconds));
}

void ScriptDriver::OnDialogOpened(int templateId) {
  Print({"opened", std::to_string(templateId)});
}

void ScriptDriver::OnDialogClosed(int templateId) {
  Print({"closed", std::to_string(templateId)});
}

int ScriptDriver::OnMessageBox(std::string_view caption, std::string_view text, unsigned type) {
  Print({"msgbox", caption, text, std::to_string(type)});
  // Boxes with Yes and No are answered Yes; all others OK.
  unsigned buttons = type & 0xF;
  return buttons == 3 || buttons == 4 ? ui::kIdYes : ui::kIdOk;
}

std::optional<std::string> ScriptDriver::OnSaveDialog(const ui::SaveDialogRequest& request) {
  Print({"savedialog", request.initialName, request.filter, std::to_string(request.flags)});
  std::optional<std::string> answer = std::move(saveAnswer_);
  saveAnswer_.reset();
  return answer;
}

bool ScriptDriver::OnConfirmOverwrite(std::string_view path) {
  Print({"overwrite", path});
  return true;
}

bool ScriptDriver::OnOpenHelpFile(std::string_view name) {
  Print({"help", name});
  return true;
}

}  // namespace tools
