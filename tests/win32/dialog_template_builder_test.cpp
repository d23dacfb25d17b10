// Every template, built into a real window by the platform's dialog manager:
// what the manager made of our DLGTEMPLATEEX must be what the template says.
#include "ui/win32/dialog_template_builder.h"

#include <gtest/gtest.h>

#include <string>

#include "core/utf16.h"
#include "res/dialog_template.h"
#include "res/ids.h"
#include "ui/win32/win32_chart_view.h"
#include "ui/win32/windows_api.h"

namespace ui::win32 {
namespace {

using res::ControlKind;

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The dialog of a template as a modeless window, destroyed with the holder.
class BuiltDialog {
 public:
  explicit BuiltDialog(const res::DialogTemplate& dialog) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    Win32ChartView::RegisterWindowClass(GetModuleHandleW(nullptr));
    std::vector<WORD> bytes = BuildDialogTemplate(dialog);
    window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                         reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
                                         QuietDialogProc, 0);
  }
  ~BuiltDialog() {
    if (window_ != nullptr) DestroyWindow(window_);
  }
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

std::wstring Text(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return buffer;
}

std::wstring ClassOf(HWND window) {
  wchar_t buffer[64] = {};
  GetClassNameW(window, buffer, 64);
  return buffer;
}

bool Has(LONG_PTR style, DWORD bits) { return (static_cast<DWORD>(style) & bits) == bits; }

class EveryTemplate : public ::testing::TestWithParam<const res::DialogTemplate*> {};

TEST_P(EveryTemplate, TheWindowHasTheTitleFrameAndFont) {
  const res::DialogTemplate& dialog = *GetParam();
  BuiltDialog built(dialog);
  ASSERT_NE(built.get(), nullptr);
  EXPECT_EQ(Text(built.get()), core::ToUtf16(dialog.title));
  LONG_PTR style = GetWindowLongPtrW(built.get(), GWL_STYLE);
  LONG_PTR exStyle = GetWindowLongPtrW(built.get(), GWL_EXSTYLE);
  EXPECT_TRUE(Has(style, WS_CAPTION | WS_SYSMENU));
  // A resizable dialog has a sizing border in place of the modal frame.
  const bool resizable = (dialog.style & res::kResizable) != 0;
  EXPECT_EQ(Has(exStyle, WS_EX_DLGMODALFRAME), !resizable);
  EXPECT_EQ(Has(style, WS_THICKFRAME | WS_MAXIMIZEBOX), resizable);
  EXPECT_EQ(Has(style, WS_MINIMIZEBOX), (dialog.style & res::kMinimizeBox) != 0);
  EXPECT_EQ(Has(exStyle, WS_EX_APPWINDOW), (dialog.style & res::kAppWindow) != 0);

  auto font = reinterpret_cast<HFONT>(SendMessageW(built.get(), WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTW face{};
  GetObjectW(font, sizeof face, &face);
  EXPECT_EQ(std::wstring(face.lfFaceName), L"ＭＳ Ｐゴシック");
  EXPECT_EQ(face.lfItalic, 0);

  // The client area is the template's size in dialog units.
  RECT expected{0, 0, dialog.w, dialog.h};
  MapDialogRect(built.get(), &expected);
  RECT client{};
  GetClientRect(built.get(), &client);
  EXPECT_EQ(client.right, expected.right);
  EXPECT_EQ(client.bottom, expected.bottom);
}

TEST_P(EveryTemplate, ControlsComeInTabOrderWithTheirStyles) {
  const res::DialogTemplate& dialog = *GetParam();
  BuiltDialog built(dialog);
  ASSERT_NE(built.get(), nullptr);
  HWND child = GetWindow(built.get(), GW_CHILD);
  for (const res::ControlTemplate& control : dialog.controls) {
    SCOPED_TRACE(core::ToUtf8(core::ToUtf16(control.caption)) + " id " +
                 std::to_string(control.id));
    ASSERT_NE(child, nullptr) << "fewer windows than controls";
    EXPECT_EQ(GetDlgCtrlID(child), control.id);
    LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    DWORD type = static_cast<DWORD>(style) & 0x1F;  // the button or static type bits
    EXPECT_EQ(Has(style, WS_TABSTOP), (control.flags & res::kTabStop) != 0);
    EXPECT_EQ(Has(style, WS_GROUP), (control.flags & res::kGroupStart) != 0);
    if (control.kind != ControlKind::Icon) {
      EXPECT_EQ(Text(child), core::ToUtf16(control.caption));
    }
    switch (control.kind) {
      case ControlKind::Button:
        // The dialog manager keeps one default button of those the template
        // marks (the platform's choice), so the template's own style is checked.
        EXPECT_EQ(ClassOf(child), L"Button");
        EXPECT_EQ(ControlWindowStyle(control).style & 0x1F,
                  (control.flags & res::kDefault) ? DWORD{BS_DEFPUSHBUTTON}
                                                  : DWORD{BS_PUSHBUTTON});
        EXPECT_TRUE(type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
        EXPECT_EQ(Has(style, BS_MULTILINE), (control.flags & res::kMultiline) != 0);
        break;
      case ControlKind::Radio:
        EXPECT_EQ(ClassOf(child), L"Button");
        EXPECT_EQ(type, DWORD{BS_AUTORADIOBUTTON});
        break;
      case ControlKind::Edit:
        EXPECT_EQ(ClassOf(child), L"Edit");
        EXPECT_EQ(Has(style, ES_READONLY), (control.flags & res::kReadOnly) != 0);
        EXPECT_TRUE(Has(style, ES_AUTOHSCROLL));
        break;
      case ControlKind::Static:
        EXPECT_EQ(ClassOf(child), L"Static");
        EXPECT_EQ(type, (control.flags & res::kAlignRight)    ? DWORD{SS_RIGHT}
                        : (control.flags & res::kAlignCenter) ? DWORD{SS_CENTER}
                                                              : DWORD{SS_LEFT});
        break;
      case ControlKind::Group:
        if (control.caption.empty()) {
          EXPECT_EQ(ClassOf(child), L"Static");
          EXPECT_EQ(type, DWORD{SS_ETCHEDFRAME});
        } else {
          EXPECT_EQ(ClassOf(child), L"Button");
          EXPECT_EQ(type, DWORD{BS_GROUPBOX});
        }
        break;
      case ControlKind::List:
        EXPECT_EQ(ClassOf(child), L"SysListView32");
        EXPECT_EQ(static_cast<DWORD>(style) & LVS_TYPEMASK, DWORD{LVS_REPORT});
        EXPECT_TRUE(Has(style, LVS_OWNERDATA)) << "the program keeps the rows";
        // The control draws its border as a client edge.
        EXPECT_TRUE(Has(ControlWindowStyle(control).style, WS_BORDER));
        EXPECT_TRUE(Has(style, WS_BORDER) ||
                    Has(GetWindowLongPtrW(child, GWL_EXSTYLE), WS_EX_CLIENTEDGE));
        EXPECT_FALSE(style & (LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_SINGLESEL |
                              LVS_NOCOLUMNHEADER));
        EXPECT_EQ(SendMessageW(child, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), 0);
        break;
      case ControlKind::Icon:
        EXPECT_EQ(ClassOf(child), L"Static");
        EXPECT_EQ(type, DWORD{SS_ICON});
        EXPECT_NE(SendMessageW(child, STM_GETICON, 0, 0), 0) << "the application icon";
        break;
      case ControlKind::Chart:
        EXPECT_EQ(ClassOf(child), Win32ChartView::kClassName);
        break;
    }
    // Placed at the template's position; an icon sizes itself to its picture.
    RECT expected{control.x, control.y, control.w, control.h};
    MapDialogRect(built.get(), &expected);
    RECT actual{};
    GetWindowRect(child, &actual);
    MapWindowPoints(HWND_DESKTOP, built.get(), reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    if (control.kind != ControlKind::Icon) {
      EXPECT_EQ(actual.right - actual.left, expected.right);
      EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
    }
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr) << "more windows than controls";
}

INSTANTIATE_TEST_SUITE_P(Dialogs, EveryTemplate,
                         ::testing::ValuesIn(res::AllDialogTemplates().begin(),
                                             res::AllDialogTemplates().end()),
                         [](const auto& info) { return std::to_string(info.param->id); });

// Enter presses one of the buttons the template marks as default.
TEST_P(EveryTemplate, DefaultButtonIsOneTheTemplateMarks) {
  const res::DialogTemplate& dialog = *GetParam();
  BuiltDialog built(dialog);
  LRESULT answer = SendMessageW(built.get(), DM_GETDEFID, 0, 0);
  bool anyDefault = false, marked = false;
  for (const res::ControlTemplate& control : dialog.controls) {
    if (!(control.flags & res::kDefault)) continue;
    anyDefault = true;
    marked = marked || (HIWORD(answer) == DC_HASDEFID && LOWORD(answer) == control.id);
  }
  EXPECT_EQ(marked, anyDefault);
}

TEST(DialogTemplateBuilder, HeaderIsTheExtendedFormatAndCountsTheControls) {
  for (const res::DialogTemplate* dialog : res::AllDialogTemplates()) {
    std::vector<WORD> bytes = BuildDialogTemplate(*dialog);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 0xFFFF);
    EXPECT_EQ(bytes[8], dialog->controls.size());
  }
}

}  // namespace
}  // namespace ui::win32
