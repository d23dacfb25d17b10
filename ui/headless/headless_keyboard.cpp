// The keyboard on the headless host: what the platform's dialog manager and its
// controls do with each key that a user presses on a dialog.
#include <algorithm>

#include "ui/dialog.h"
#include "ui/dialog_keys.h"
#include "ui/headless/headless_window.h"
#include "ui/table_copy.h"

namespace ui {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The caret one character before or after `at` in UTF-8 text.
size_t CharacterBefore(const std::string& text, size_t at) {
  if (at == 0) return 0;
  do --at;
  while (at > 0 && IsContinuationByte(text[at]));
  return at;
}

size_t CharacterAfter(const std::string& text, size_t at) {
  if (at >= text.size()) return text.size();
  do ++at;
  while (at < text.size() && IsContinuationByte(text[at]));
  return at;
}

}  // namespace

void HeadlessWindow::UserKey(Key key) {
  Control* focus = Find(focusedId_);
  const res::ControlKind kind = focus != nullptr ? focus->source->kind : res::ControlKind::Static;
  switch (key) {
    case Key::Tab:
    case Key::ShiftTab:
      return MoveFocusByTab(key == Key::ShiftTab);
    case Key::Esc:
      return UserEscape();
    case Key::F1:
      // On any control: the dialog hears the help command.
      return dialog_.OnCommand(res::kIdHelp);
    case Key::Enter:
      // A push button with the focus is the default one while it has it.
      return dialog_.OnCommand(kind == res::ControlKind::Button ? focusedId_ : DefaultButton());
    default:
      break;
  }
  switch (kind) {
    case res::ControlKind::Button:
    case res::ControlKind::Radio:
      if (key == Key::Space) return UserClick(focusedId_);
      if (key == Key::Up || key == Key::Left) return MoveFocusByArrow(*focus, true);
      if (key == Key::Down || key == Key::Right) return MoveFocusByArrow(*focus, false);
      return;
    case res::ControlKind::Edit:
      return EditKey(*focus, key);
    case res::ControlKind::List:
      if (!OnTableKey(*lists_.at(focusedId_), key)) lists_.at(focusedId_)->OnKey(key);
      return;
    default:
      return;
  }
}

void HeadlessWindow::MoveFocusByTab(bool backwards) {
  const size_t count = controls_.size();
  const Control* focus = Find(focusedId_);
  // With nothing focused, Tab starts before the first control.
  size_t from = focus != nullptr ? IndexOf(*focus) : (backwards ? 0 : count - 1);
  for (size_t step = 1; step <= count; ++step) {
    const Control& candidate = controls_[(from + (backwards ? count - step : step)) % count];
    if (candidate.tabStop) return FocusAndSelectAll(candidate.source->id);
  }
}

void HeadlessWindow::MoveFocusByArrow(const Control& from, bool backwards) {
  Control& target = controls_[ArrowTarget(template_.controls, IndexOf(from), backwards)];
  if (&target == &from) return;
  // Landing on a radio selects it, as a click would.
  if (target.source->kind == res::ControlKind::Radio && !target.checked)
    return UserClick(target.source->id);
  FocusAndSelectAll(target.source->id);
}

int HeadlessWindow::DefaultButton() const {
  return template_.defaultButton != 0 ? template_.defaultButton : kIdOk;
}

void HeadlessWindow::EditKey(Control& edit, Key key) {
  std::string& text = edit.text;
  // The selection runs from begin to the caret, never beyond the text.
  size_t caret = std::min(selection_.second, text.size());
  size_t begin = std::min(selection_.first, caret);
  switch (key) {
    case Key::Left:
    case Key::Up:
      caret = CharacterBefore(text, caret);
      selection_ = {caret, caret};
      return;
    case Key::Right:
    case Key::Down:
      caret = CharacterAfter(text, caret);
      selection_ = {caret, caret};
      return;
    case Key::Home:
      selection_ = {0, 0};
      return;
    case Key::End:
      selection_ = {text.size(), text.size()};
      return;
    case Key::Space:
      // Typed over the selection.
      if (edit.source->flags & res::kReadOnly) return;
      text = text.substr(0, begin) + ' ' + text.substr(caret);
      selection_ = {begin + 1, begin + 1};
      return;
    case Key::CtrlA:
      selection_ = {0, text.size()};
      return;
    case Key::CtrlC:
      if (caret > begin) CurrentHost().SetClipboardText(text.substr(begin, caret - begin));
      return;
    default:
      return;
  }
}

}  // namespace ui
