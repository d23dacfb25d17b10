// What the dialog framework needs from a windowing host, and what a host offers
// to the one who drives it (a person, or the script driver).
//
// Two hosts implement this: the headless host keeps controls in memory (tests and
// tavoro-script), the Win32 host puts them on real windows (Tavoro.exe).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "res/dialog_template.h"
#include "res/ids.h"
#include "ui/table_rows.h"

namespace ui {

class CDialog;

// How a modal run or a message box ended: the buttons' own ids, and Yes.
inline constexpr int kIdOk = res::kIdOk;
inline constexpr int kIdCancel = res::kIdCancel;
inline constexpr int kIdYes = 6;

// System commands with the platform's numbers.
inline constexpr unsigned kScClose = 0xF060;

// The keys a user can press on a dialog, with the modifiers they are pressed with.
enum class Key {
  Enter, Tab, ShiftTab, Up, Down, Left, Right, Home, End, Space, Esc, CtrlA, CtrlC, F1
};

struct ListColumn {
  std::string caption;
  int width = 0;  // pixels
};

// The report-view list control of a dialog. Positions count from 0.
class ListView {
 public:
  virtual ~ListView() = default;
  // Each returns -1 (or false) when the control refuses.
  virtual int InsertColumn(int position, std::string_view caption, int width) = 0;
  virtual bool DeleteColumn(int position) = 0;
  // Inserts the rows, top to bottom, at `position` (at the end when past it),
  // all at once; the list keeps them as they are. Returns the position of the
  // first.
  virtual int InsertRows(int position, TableRows rows) = 0;
  virtual bool DeleteAllItems() = 0;

  // What the control shows.
  virtual std::vector<ListColumn> Columns() const = 0;
  virtual int ItemCount() const = 0;
  virtual std::string ItemText(int item, int subItem) const = 0;
  // The rows the user selected, top to bottom; and selecting every row.
  virtual std::vector<int> SelectedItems() const = 0;
  virtual void SelectAll() = 0;
};

struct SystemMenuItem {
  bool separator = false;
  int command = 0;
  std::string text;
};

// A dialog while it is on screen.
class DialogWindow {
 public:
  virtual ~DialogWindow() = default;
  virtual const res::DialogTemplate& Template() const = 0;

  // --- The program's side ---
  virtual std::string GetItemText(int id) const = 0;
  virtual void SetItemText(int id, std::string_view text) = 0;
  // Checks `check` and unchecks every other radio whose id lies in first..last.
  virtual void CheckRadioButton(int first, int last, int check) = 0;
  virtual bool IsChecked(int id) const = 0;
  // Gives control `id` the focus with all of its text selected.
  virtual void FocusAndSelectAll(int id) = 0;
  // The list control `id`, or nullptr when the dialog has none by that id.
  virtual ListView* GetListView(int id) = 0;
  virtual void AppendSystemMenuSeparator() = 0;
  virtual void AppendSystemMenuItem(int command, std::string_view text) = 0;
  virtual void SetIcon(int iconId, bool big) = 0;
  // Ends the modal run with this result once the current handler returns.
  virtual void End(int result) = 0;

  // --- The user's side: what a person at the screen does and sees ---
  virtual int FocusedId() const = 0;
  // Replaces the text of an edit, as typing would (the edit takes the focus).
  virtual void UserType(int id, std::string_view text) = 0;
  // Clicks a push button or a radio (the control takes the focus); or a table,
  // on its empty area: the table takes the focus and no row stays selected.
  virtual void UserClick(int id) = 0;
  virtual void UserEscape() = 0;
  // Presses a key on the focused control, as the platform's dialog manager
  // delivers it: Tab and the arrows move the focus, Enter presses a button, F1
  // asks the dialog for help (the help command, res::kIdHelp).
  virtual void UserKey(Key key) = 0;
  virtual void UserSysCommand(unsigned command) = 0;
  // The user looks at the screen for a while before the next action. A host on
  // screen goes on painting and taking input meanwhile; others return at once.
  virtual void UserWait(int milliseconds) { (void)milliseconds; }
  // The items the program appended to the system menu, in order.
  virtual std::vector<SystemMenuItem> SystemMenuItems() const = 0;

  // The template entry of control `id`, or nullptr.
  const res::ControlTemplate* FindControl(int id) const;
};

// Flags of the Save dialog, with the platform's numbers.
inline constexpr unsigned kOfnOverwritePrompt = 0x2;
inline constexpr unsigned kOfnHideReadOnly = 0x4;

struct SaveDialogRequest {
  std::string defaultExtension;
  std::string initialName;
  std::string filter;  // entries "description|pattern|", ended by a further "|"
  unsigned flags = 0;
};

// Someone who drives a host instead of a person: the host asks it for the next
// user action whenever the dialog on top waits for input, and lets it answer the
// boxes the program shows.
class Automation {
 public:
  virtual ~Automation() = default;
  // Performs one user action on the dialog on top; false when there are no more.
  virtual bool OnIdle(DialogWindow& top) = 0;
  virtual void OnDialogOpened(int templateId) = 0;
  virtual void OnDialogClosed(int templateId) = 0;
  virtual int OnMessageBox(std::string_view caption, std::string_view text, unsigned type) = 0;
  // The chosen path (UTF-8), or nullopt for Cancel.
  virtual std::optional<std::string> OnSaveDialog(const SaveDialogRequest& request) = 0;
  // The Save dialog asks before replacing an existing file; true means replace.
  virtual bool OnConfirmOverwrite(std::string_view path) = 0;
  // The program opens its help file `name`, which lies in the program's folder,
  // as the system opens such a file; the host leaves the file alone. True takes
  // it as opened, false as missing.
  virtual bool OnOpenHelpFile(std::string_view name) = 0;
};

// How opening a help file went.
enum class HelpOpening { kOpened, kMissing, kFailed };

class Host {
 public:
  virtual ~Host() = default;
  // Shows the dialog's template, runs dialog.OnInitDialog(), then routes user
  // actions to the dialog until it ends; returns the result given to End.
  virtual int RunModal(CDialog& dialog) = 0;
  virtual int MessageBox(DialogWindow* owner, std::string_view text, std::string_view caption,
                         unsigned type) = 0;
  // The Save dialog; the chosen path (UTF-8) or nullopt when not ended with OK.
  virtual std::optional<std::string> ShowSaveDialog(DialogWindow* owner,
                                                    const SaveDialogRequest& request) = 0;
  // The clipboard's text (UTF-8), empty when it holds none; and replacing it.
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(std::string_view text) = 0;
  // Opens the help file `name`, in the program's folder, as the system opens
  // such a file (an HTML page in the default browser): kMissing when there is
  // no such file, kFailed when the system could not open it.
  virtual HelpOpening OpenHelpFile(DialogWindow* owner, std::string_view name) = 0;
};

// A Save dialog answered by an automation instead of a person: it asks for the
// path, then, when the request wants it, confirms replacing an existing file.
std::optional<std::string> AnswerSaveDialog(Automation& automation,
                                            const SaveDialogRequest& request);

// The host of this run; set once by the program's entry point.
Host& CurrentHost();
void SetCurrentHost(Host* host);

}  // namespace ui
