// A dialog on the headless host: the controls of its template, in memory.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/headless/headless_chart_view.h"
#include "ui/headless/headless_list_view.h"
#include "ui/host.h"

namespace ui {

class HeadlessWindow final : public DialogWindow {
 public:
  HeadlessWindow(const res::DialogTemplate& dialogTemplate, CDialog& dialog);

  const res::DialogTemplate& Template() const override { return template_; }

  std::string GetItemText(int id) const override;
  void SetItemText(int id, std::string_view text) override;
  void CheckRadioButton(int first, int last, int check) override;
  bool IsChecked(int id) const override;
  void FocusAndSelectAll(int id) override;
  ListView* GetListView(int id) override;
  ChartView* GetChartView(int id) override;
  void AppendSystemMenuSeparator() override;
  void AppendSystemMenuItem(int command, std::string_view text) override;
  void SetIcon(int iconId, bool big) override;
  void End(int result) override;

  int FocusedId() const override { return focusedId_; }
  void UserType(int id, std::string_view text) override;
  void UserClick(int id) override;
  void UserEscape() override;
  void UserKey(Key key) override;
  void UserSysCommand(unsigned command) override;
  std::vector<SystemMenuItem> SystemMenuItems() const override { return systemMenu_; }

  // The dialog manager's initial focus: the first tab stop, as Tab gives it.
  void FocusFirstTabStop();
  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  // Selected bytes of the focused edit, [begin, end); the caret stands at end.
  std::pair<size_t, size_t> Selection() const { return selection_; }
  int BigIconId() const { return bigIcon_; }
  int SmallIconId() const { return smallIcon_; }

 private:
  struct Control {
    const res::ControlTemplate* source;
    std::string text;
    bool checked = false;
    bool tabStop = false;
  };
  Control* Find(int id);
  const Control* Find(int id) const;
  size_t IndexOf(const Control& control) const {
    return static_cast<size_t>(&control - controls_.data());
  }
  void SetFocus(int id);
  // Checks or unchecks a radio. As the platform's radio buttons do, a radio's
  // tab stop follows its check, so that Tab enters a group at its checked radio.
  static void SetChecked(Control& radio, bool checked);
  // Unchecks every radio of the group that control `index` belongs to.
  void UncheckGroupOf(size_t index);

  // The keyboard, as the platform's dialog manager delivers each key
  // (headless_keyboard.cpp).
  void MoveFocusByTab(bool backwards);
  void MoveFocusByArrow(const Control& from, bool backwards);
  int DefaultButton() const;
  void EditKey(Control& edit, Key key);

  const res::DialogTemplate& template_;
  CDialog& dialog_;
  std::vector<Control> controls_;
  std::map<int, std::unique_ptr<HeadlessListView>> lists_;
  std::map<int, std::unique_ptr<HeadlessChartView>> charts_;
  std::vector<SystemMenuItem> systemMenu_;
  int focusedId_ = 0;
  std::pair<size_t, size_t> selection_{0, 0};
  int bigIcon_ = 0;
  int smallIcon_ = 0;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace ui
