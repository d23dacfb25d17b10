#include "ui/win32/dialog_template_builder.h"


#include <string_view>

#include "core/utf16.h"
#include "res/ids.h"
#include "ui/win32/win32_chart_view.h"

namespace ui::win32 {
namespace {

using res::ControlKind;

bool IsEtchedFrame(const res::ControlTemplate& control) {
  return control.kind == ControlKind::Group && control.caption.empty();
}

// Appends the fields of a template in its 16-bit units.
class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void DWord(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Coordinate(int value) { Word(static_cast<WORD>(static_cast<short>(value))); }
  void Text(std::wstring_view text) {
    for (wchar_t c : text) Word(static_cast<WORD>(c));
    Word(0);
  }
  void Ordinal(WORD id) {
    Word(0xFFFF);
    Word(id);
  }
  // Every item starts on a 32-bit boundary.
  void AlignToDWord() {
    if (words_.size() % 2 != 0) Word(0);
  }
  std::vector<WORD> Take() { return std::move(words_); }

 private:
  std::vector<WORD> words_;
};

void WriteControl(TemplateWriter& out, const res::ControlTemplate& control) {
  WindowStyle style = ControlWindowStyle(control);
  out.AlignToDWord();
  out.DWord(0);  // help id
  out.DWord(style.exStyle);
  out.DWord(style.style);
  out.Coordinate(control.x);
  out.Coordinate(control.y);
  out.Coordinate(control.w);
  out.Coordinate(control.h);
  out.DWord(static_cast<DWORD>(control.id));
  out.Text(ControlClassName(control));
  if (control.kind == ControlKind::Icon)
    out.Ordinal(static_cast<WORD>(res::kIconMain));
  else
    out.Text(core::ToUtf16(control.caption));
  out.Word(0);  // no creation data
}

}  // namespace

WindowStyle DialogWindowStyle(const res::DialogTemplate& dialog) {
  WindowStyle style;
  style.style =
      WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
  if (dialog.style & res::kMinimizeBox) style.style |= WS_MINIMIZEBOX;
  if (dialog.style & res::kAppWindow) style.exStyle |= WS_EX_APPWINDOW;
  // A sizing border in place of the modal frame.
  if (dialog.style & res::kResizable)
    style.style =
        (style.style & ~static_cast<DWORD>(DS_MODALFRAME)) | WS_THICKFRAME | WS_MAXIMIZEBOX;
  return style;
}

WindowStyle ControlWindowStyle(const res::ControlTemplate& control) {
  WindowStyle style;
  style.style = WS_CHILD | WS_VISIBLE;
  if (control.flags & res::kTabStop) style.style |= WS_TABSTOP;
  if (control.flags & res::kGroupStart) style.style |= WS_GROUP;
  switch (control.kind) {
    case ControlKind::Button:
      style.style |= (control.flags & res::kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      if (control.flags & res::kMultiline) style.style |= BS_MULTILINE;
      break;
    case ControlKind::Radio:
      style.style |= BS_AUTORADIOBUTTON;
      break;
    case ControlKind::Edit:
      style.style |= ES_LEFT | ES_AUTOHSCROLL;
      if (control.flags & res::kReadOnly) style.style |= ES_READONLY;
      style.exStyle |= WS_EX_CLIENTEDGE;
      break;
    case ControlKind::Static:
      if (control.flags & res::kAlignRight)
        style.style |= SS_RIGHT;
      else if (control.flags & res::kAlignCenter)
        style.style |= SS_CENTER;
      else
        style.style |= SS_LEFT;
      break;
    case ControlKind::Group:
      style.style |= IsEtchedFrame(control) ? SS_ETCHEDFRAME : BS_GROUPBOX;
      break;
    case ControlKind::List:
      // Report view with its header; no sorting, multiple selection, no extended
      // styles. Every list is a schedule table whose rows the program keeps and
      // the control asks for as it paints them (ui/win32/win32_list_view.h).
      style.style |= LVS_REPORT | LVS_OWNERDATA | WS_BORDER;
      break;
    case ControlKind::Icon:
      style.style |= SS_ICON;
      break;
    case ControlKind::Chart:
      break;  // the class draws it all
  }
  return style;
}

const wchar_t* ControlClassName(const res::ControlTemplate& control) {
  switch (control.kind) {
    case ControlKind::Button:
    case ControlKind::Radio:
      return WC_BUTTONW;
    case ControlKind::Edit:
      return WC_EDITW;
    case ControlKind::Static:
    case ControlKind::Icon:
      return WC_STATICW;
    case ControlKind::Group:
      return IsEtchedFrame(control) ? WC_STATICW : WC_BUTTONW;
    case ControlKind::List:
      return WC_LISTVIEWW;
    case ControlKind::Chart:
      return Win32ChartView::kClassName;
  }
  return WC_STATICW;
}

std::vector<WORD> BuildDialogTemplate(const res::DialogTemplate& dialog) {
  WindowStyle style = DialogWindowStyle(dialog);
  TemplateWriter out;
  out.Word(1);       // DLGTEMPLATEEX version
  out.Word(0xFFFF);  // the extended template's signature
  out.DWord(0);      // help id
  out.DWord(style.exStyle);
  out.DWord(style.style);
  out.Word(static_cast<WORD>(dialog.controls.size()));
  out.Coordinate(0);
  out.Coordinate(0);
  out.Coordinate(dialog.w);
  out.Coordinate(dialog.h);
  out.Word(0);  // no menu
  out.Word(0);  // the dialog class
  out.Text(core::ToUtf16(dialog.title));
  out.Word(static_cast<WORD>(dialog.pointSize));
  out.Word(FW_NORMAL);
  out.Word(MAKEWORD(FALSE, SHIFTJIS_CHARSET));  // not italic; a Japanese face
  out.Text(core::ToUtf16(dialog.font));
  for (const res::ControlTemplate& control : dialog.controls) WriteControl(out, control);
  return out.Take();
}

}  // namespace ui::win32
