// The dialog base class: a modal dialog built from a template, whose members are
// copied to and from its controls by the field exchange.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

class CDataExchange;
class DialogWindow;
class WindowPainter;

class CDialog {
 public:
  explicit CDialog(int templateId);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog modally over whatever is on screen; returns how it ended.
  int DoModal();
  int TemplateId() const { return templateId_; }

  // --- Called by the host ---
  void Attach(DialogWindow* window) { window_ = window; }
  void Detach() { window_ = nullptr; }
  // The first exchange shows the members; true lets the host place the focus.
  virtual bool OnInitDialog();
  // A button or radio was clicked.
  void OnCommand(int id);
  // The close button: validate everything, and end only if that succeeds.
  virtual void OnOK();
  // Esc or the close box: end without any exchange.
  virtual void OnCancel();
  // A system-menu command; false leaves it to the platform's default handling.
  virtual bool OnSysCommand(unsigned command);
  // The window needs painting; false leaves it to the platform's default painting.
  virtual bool OnPaint(WindowPainter& painter);
  // The icon (resource id) to show while the minimised window is dragged, or 0
  // for the platform's default.
  virtual int OnQueryDragIcon();

  // --- Used by dialogs ---
  // Copies controls into members (save) or members into controls; false when a
  // field failed its parse or range check.
  bool UpdateData(bool saveAndValidate = true);
  void EndDialog(int result);
  int MessageBox(std::string_view text, std::string_view caption, unsigned type);
  void CheckRadioButton(int first, int last, int check);
  std::string GetDlgItemText(int id) const;
  void SetDlgItemText(int id, std::string_view text);
  DialogWindow* Window() const { return window_; }

 protected:
  // Binds each member to its control; dialogs list theirs in their own order.
  virtual void DoDataExchange(CDataExchange& dx);

  // The message table: `handler` runs when control `id` is clicked.
  template <class Dialog>
  void OnClicked(int id, void (Dialog::*handler)()) {
    commands_.emplace_back(id, [this, handler] { (static_cast<Dialog*>(this)->*handler)(); });
  }
  void OnClicked(int id, std::function<void()> action) {
    commands_.emplace_back(id, std::move(action));
  }

 private:
  int templateId_;
  DialogWindow* window_ = nullptr;
  std::vector<std::pair<int, std::function<void()>>> commands_;
};

}  // namespace ui
