#include "ui/headless/headless_window.h"

#include "ui/dialog.h"
#include "ui/dialog_keys.h"

namespace ui {

HeadlessWindow::HeadlessWindow(const res::DialogTemplate& dialogTemplate, CDialog& dialog)
    : template_(dialogTemplate), dialog_(dialog) {
  for (const res::ControlTemplate& source : template_.controls) {
    controls_.push_back(
        Control{&source, std::string(source.caption), false, (source.flags & res::kTabStop) != 0});
    if (source.kind == res::ControlKind::List)
      lists_[source.id] = std::make_unique<HeadlessListView>();
  }
}

HeadlessWindow::Control* HeadlessWindow::Find(int id) {
  for (Control& control : controls_)
    if (control.source->id == id) return &control;
  return nullptr;
}

const HeadlessWindow::Control* HeadlessWindow::Find(int id) const {
  return const_cast<HeadlessWindow*>(this)->Find(id);
}

std::string HeadlessWindow::GetItemText(int id) const {
  const Control* control = Find(id);
  return control != nullptr ? control->text : std::string();
}

void HeadlessWindow::SetItemText(int id, std::string_view text) {
  Control* control = Find(id);
  if (control == nullptr) return;
  control->text = std::string(text);
  // An edit given a new text puts its caret at the start.
  if (id == focusedId_) selection_ = {0, 0};
}

void HeadlessWindow::CheckRadioButton(int first, int last, int check) {
  for (Control& control : controls_) {
    int id = control.source->id;
    if (control.source->kind == res::ControlKind::Radio && id >= first && id <= last)
      SetChecked(control, id == check);
  }
}

bool HeadlessWindow::IsChecked(int id) const {
  const Control* control = Find(id);
  return control != nullptr && control->checked;
}

void HeadlessWindow::SetFocus(int id) {
  if (Find(id) == nullptr) return;
  focusedId_ = id;
  selection_ = {0, 0};
}

void HeadlessWindow::FocusAndSelectAll(int id) {
  SetFocus(id);
  if (const Control* control = Find(id)) selection_ = {0, control->text.size()};
}

ListView* HeadlessWindow::GetListView(int id) {
  auto found = lists_.find(id);
  return found != lists_.end() ? found->second.get() : nullptr;
}

void HeadlessWindow::AppendSystemMenuSeparator() { systemMenu_.push_back({true, 0, {}}); }

void HeadlessWindow::AppendSystemMenuItem(int command, std::string_view text) {
  systemMenu_.push_back({false, command, std::string(text)});
}

void HeadlessWindow::SetIcon(int iconId, bool big) { (big ? bigIcon_ : smallIcon_) = iconId; }

void HeadlessWindow::End(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
}

void HeadlessWindow::FocusFirstTabStop() {
  for (const Control& control : controls_) {
    if (control.tabStop) {
      FocusAndSelectAll(control.source->id);
      return;
    }
  }
}

void HeadlessWindow::UserType(int id, std::string_view text) {
  SetFocus(id);
  SetItemText(id, text);
  if (const Control* control = Find(id)) selection_ = {control->text.size(), control->text.size()};
}

void HeadlessWindow::SetChecked(Control& radio, bool checked) {
  radio.checked = checked;
  radio.tabStop = checked;
}

void HeadlessWindow::UncheckGroupOf(size_t index) {
  auto [begin, end] = GroupOf(template_.controls, index);
  for (size_t i = begin; i < end; ++i)
    if (controls_[i].source->kind == res::ControlKind::Radio) SetChecked(controls_[i], false);
}

void HeadlessWindow::UserClick(int id) {
  Control* control = Find(id);
  if (control == nullptr) return;
  SetFocus(id);
  if (control->source->kind == res::ControlKind::List) {
    // On the table's empty area: no row stays selected, and a table makes no command.
    lists_.at(id)->SelectNone();
    return;
  }
  if (control->source->kind == res::ControlKind::Radio) {
    UncheckGroupOf(IndexOf(*control));
    SetChecked(*control, true);
  }
  dialog_.OnCommand(id);
}

void HeadlessWindow::UserEscape() { dialog_.OnCommand(kIdCancel); }

void HeadlessWindow::UserSysCommand(unsigned command) {
  if (dialog_.OnSysCommand(command)) return;
  // The platform's own handling of the commands a headless window can carry out.
  if ((command & 0xFFF0) == kScClose) dialog_.OnCancel();
}

}  // namespace ui
