// The Win32 host end to end: the real menu and calculator windows, driven as a
// user would, and what they show read back from the windows themselves.
#include "ui/win32/win32_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "res/ids.h"
#include "res/texts.h"
#include "tests/win32/win32_automation.h"
#include "ui/win32/win32_window.h"
#include "ui/win32/windows_api.h"

namespace ui::win32 {
namespace {

namespace sd = res::simple_deposit;

HWND HandleOf(DialogWindow& window) { return static_cast<Win32Window&>(window).Handle(); }

std::wstring WindowTextOf(HWND window) {
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return buffer;
}

TEST(Win32Host, MenuCarriesTheAboutEntryAndTheIcon) {
  Win32Automation automation;
  std::vector<SystemMenuItem> items;
  HICON big = nullptr, small = nullptr, dragged = nullptr;
  int focus = 0;
  std::wstring title;
  automation.Then([&](DialogWindow& menu) {
    items = menu.SystemMenuItems();
    HWND window = HandleOf(menu);
    big = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    small = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    dragged = reinterpret_cast<HICON>(SendMessageW(window, WM_QUERYDRAGICON, 0, 0));
    focus = menu.FocusedId();
    title = WindowTextOf(window);
  });
  automation.Run();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_TRUE(items[0].separator);
  EXPECT_EQ(items[1].command, 16);
  EXPECT_EQ(items[1].text, res::text::kAboutBoxMenuItem);
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(res::kIconMain));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(big, icon);
  EXPECT_EQ(small, icon);
  EXPECT_EQ(dragged, icon);
  EXPECT_EQ(focus, res::menu::kSimpleDeposit);
  EXPECT_EQ(title, L"Tavoro V.4　機能メニュー");
}

TEST(Win32Host, SystemMenuAboutEntryOpensTheAboutBoxAtAnyLowBits) {
  Win32Automation automation;
  auto escape = [](DialogWindow& about) { about.UserEscape(); };
  automation.Then([](DialogWindow& menu) { menu.UserSysCommand(16); })
      .Then(escape)
      .Then([](DialogWindow& menu) { menu.UserSysCommand(31); })
      .Then(escape)
      .Then([](DialogWindow& menu) { menu.UserSysCommand(32); });  // not the entry
  automation.Run();
  EXPECT_EQ(automation.opened, (std::vector<int>{res::kDlgMenu, res::kDlgAbout, res::kDlgAbout}));
}

TEST(Win32Host, CalculatorRunsModallyOverTheMenu) {
  Win32Automation automation;
  HWND menuWindow = nullptr, owner = nullptr;
  bool menuEnabled = true;
  automation.Then([&](DialogWindow& menu) {
    menuWindow = HandleOf(menu);
    menu.UserClick(res::menu::kSimpleDeposit);
  });
  automation.Then([&](DialogWindow& calculator) {
    owner = GetWindow(HandleOf(calculator), GW_OWNER);
    menuEnabled = IsWindowEnabled(menuWindow) != FALSE;
  });
  automation.Run();
  EXPECT_EQ(automation.opened, (std::vector<int>{res::kDlgMenu, res::kDlgSimpleDeposit}));
  EXPECT_EQ(owner, menuWindow);
  EXPECT_FALSE(menuEnabled);
}

TEST(Win32Host, ClickingARadioChecksItAndUnchecksTheOther) {
  Win32Automation automation;
  bool annual = true, daily = false, annualAfter = false, dailyAfter = true;
  automation.Click(res::menu::kSimpleDeposit).Click(sd::kRadioDailyRate);
  automation.Then([&](DialogWindow& calculator) {
    annual = IsDlgButtonChecked(HandleOf(calculator), sd::kRadioAnnualRate) == BST_CHECKED;
    daily = calculator.IsChecked(sd::kRadioDailyRate);
  });
  // Clear selects the first radio again, which only works if the click set the mode.
  automation.Click(sd::kClear).Then([&](DialogWindow& calculator) {
    annualAfter = calculator.IsChecked(sd::kRadioAnnualRate);
    dailyAfter = calculator.IsChecked(sd::kRadioDailyRate);
  });
  automation.Run();
  EXPECT_FALSE(annual);
  EXPECT_TRUE(daily);
  EXPECT_TRUE(annualAfter);
  EXPECT_FALSE(dailyAfter);
}

TEST(Win32Host, TypedTextReachesTheEditAsUtf16) {
  Win32Automation automation;
  std::wstring raw;
  std::string readBack;
  automation.Click(res::menu::kSimpleDeposit).Type(sd::kDepositAmount, "１００万円");
  automation.Then([&](DialogWindow& calculator) {
    raw = WindowTextOf(GetDlgItem(HandleOf(calculator), sd::kDepositAmount));
    readBack = calculator.GetItemText(sd::kDepositAmount);
  });
  automation.Run();
  EXPECT_EQ(raw, L"１００万円");
  EXPECT_EQ(readBack, "１００万円");
}

TEST(Win32Host, FailedFieldIsReportedFocusedAndSelected) {
  Win32Automation automation;
  int focus = 0;
  DWORD selectionStart = 99, selectionEnd = 0;
  std::string shown;
  automation.Click(res::menu::kSimpleDeposit)
      .Type(sd::kStartMonth, "13")
      .Click(sd::kCalc)
      .Then([&](DialogWindow& calculator) {
        focus = calculator.FocusedId();
        SendMessageW(GetDlgItem(HandleOf(calculator), sd::kStartMonth), EM_GETSEL,
                     reinterpret_cast<WPARAM>(&selectionStart),
                     reinterpret_cast<LPARAM>(&selectionEnd));
        shown = calculator.GetItemText(sd::kStartMonth);
      });
  automation.Run();
  ASSERT_FALSE(automation.boxes.empty());
  EXPECT_EQ(automation.boxes[0].caption, res::text::kFieldCaption);
  EXPECT_EQ(automation.boxes[0].text, "1 から 12 までの整数を入力してください。");
  EXPECT_EQ(focus, sd::kStartMonth);
  EXPECT_EQ(selectionStart, 0u);
  EXPECT_EQ(selectionEnd, 2u);
  EXPECT_EQ(shown, "13");  // the out-of-range value was taken and is shown again
}

TEST(Win32Host, EscClosesTheCalculatorAndCloseBoxEndsTheMenu) {
  Win32Automation automation;
  int topAfterEsc = 0;
  bool laterActionRan = false;
  automation.Click(res::menu::kSimpleDeposit)
      .Then([](DialogWindow& calculator) { calculator.UserEscape(); })
      .Then([&](DialogWindow& top) { topAfterEsc = top.Template().id; })
      .Then([](DialogWindow& menu) { menu.UserSysCommand(kScClose); })
      .Then([&](DialogWindow&) { laterActionRan = true; });
  automation.Run();
  EXPECT_EQ(topAfterEsc, res::kDlgMenu);
  EXPECT_FALSE(laterActionRan);
}

TEST(Win32Host, EnterPressesTheButtonThatHasTheFocusAtStart) {
  Win32Automation automation;
  int top = 0;
  automation.Then([](DialogWindow& menu) { menu.UserKey(Key::Enter); })
      .Then([&](DialogWindow& window) { top = window.Template().id; });
  automation.Run();
  EXPECT_EQ(top, res::kDlgSimpleDeposit);
}

TEST(Win32Host, EnterInAnEditPressesCalcAndTheCalculatorStaysOpen) {
  Win32Automation automation;
  int top = 0;
  automation.Click(res::menu::kSimpleDeposit)
      .Type(sd::kStartMonth, "13")
      .Then([](DialogWindow& calculator) { calculator.UserKey(Key::Enter); })
      .Then([&](DialogWindow& window) { top = window.Template().id; });
  automation.Run();
  ASSERT_FALSE(automation.boxes.empty());
  EXPECT_EQ(automation.boxes[0].text, "1 から 12 までの整数を入力してください。");
  EXPECT_EQ(top, res::kDlgSimpleDeposit);
}

// The push buttons that show as the default: only 計算 while a field has the
// focus; the focused button while a button has it.
std::vector<int> DefaultLookingButtons(DialogWindow& window) {
  std::vector<int> ids;
  for (const res::ControlTemplate& control : window.Template().controls) {
    HWND button = GetDlgItem(HandleOf(window), control.id);
    if (control.kind == res::ControlKind::Button &&
        (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      ids.push_back(control.id);
  }
  return ids;
}

TEST(Win32Host, CalcIsTheDefaultButtonAndShowsAsSuch) {
  Win32Automation automation;
  std::vector<int> atStart, onClear, backInAField;
  LRESULT defaultId = 0;
  automation.Click(res::menu::kSimpleDeposit).Then([&](DialogWindow& calculator) {
    atStart = DefaultLookingButtons(calculator);
    defaultId = SendMessageW(HandleOf(calculator), DM_GETDEFID, 0, 0);
    // From the deposit amount back round the results and 終了 to クリア.
    for (int i = 0; i < 4; ++i) calculator.UserKey(Key::ShiftTab);
    onClear = DefaultLookingButtons(calculator);
    // Past 計算 to the tax rate.
    for (int i = 0; i < 2; ++i) calculator.UserKey(Key::ShiftTab);
    backInAField = DefaultLookingButtons(calculator);
  });
  automation.Run();
  EXPECT_EQ(LOWORD(defaultId), sd::kCalc);
  EXPECT_EQ(HIWORD(defaultId), DC_HASDEFID);
  EXPECT_EQ(atStart, std::vector<int>{sd::kCalc});
  EXPECT_EQ(onClear, std::vector<int>{sd::kClear});
  EXPECT_EQ(backInAField, std::vector<int>{sd::kCalc});
}

TEST(Win32Host, TableMenuCopiesTheRows) {
  namespace ep = res::equal_payment_loan;
  Win32Automation automation;
  std::string copied;
  automation.Click(res::menu::kEqualPaymentLoan).Type(ep::kPaymentCount, "2").Click(ep::kCalc);
  automation.Then([&](DialogWindow& calculator) {
    HWND list = GetDlgItem(HandleOf(calculator), ep::kList);
    CurrentHost().SetClipboardText("before");
    ChooseFromTableMenu(list, 1);  // "コピー"
    copied = CurrentHost().ClipboardText();
  });
  automation.Run();
  EXPECT_EQ(copied.substr(0, copied.find("\r\n")),
            "年月\t日数\t回\t元利合計（円）\t利息（円）\t返済元金（円）\t残り（円）");
  EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 3);
}

// The table's rows live in the program; typing on the table still finds the
// first row from the top whose date begins with the letters typed.
TEST(Win32Host, TypingOnTheTableFindsTheRow) {
  namespace ep = res::equal_payment_loan;
  Win32Automation automation;
  int found = -1;
  wchar_t shown[16] = {};
  automation.Click(res::menu::kEqualPaymentLoan)
      .Type(ep::kPaymentCount, "24")
      .Type(ep::kLoanYear, "2001")
      .Type(ep::kRepayStartYear, "2001")
      .Click(ep::kCalc);
  automation.Then([&](DialogWindow& calculator) {
    HWND list = GetDlgItem(HandleOf(calculator), ep::kList);
    SetFocus(list);
    for (wchar_t letter : std::wstring_view(L"2001")) SendMessageW(list, WM_CHAR, letter, 1);
    found = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    ListView_GetItemText(list, found, 0, shown, 16);
  });
  automation.Run();
  // 2002.12 at the top, down to 2002. 1, then 2001.12.
  EXPECT_EQ(found, 12);
  EXPECT_EQ(std::wstring(shown), L"2001.12");
}

TEST(Win32Host, WaitingKeepsHandlingWhatComesIn) {
  Win32Automation automation;
  bool endedDuringWait = false;
  long long waited = 0;
  automation.Click(res::menu::kVersion).Then([&](DialogWindow& about) {
    PostMessageW(HandleOf(about), WM_KEYDOWN, VK_ESCAPE, 1);
    auto start = GetTickCount64();
    about.UserWait(100);
    waited = static_cast<long long>(GetTickCount64() - start);
    endedDuringWait = static_cast<Win32Window&>(about).Ended();
  });
  automation.Run();
  EXPECT_TRUE(endedDuringWait);
  EXPECT_GE(waited, 90);  // the tick count is coarse
  EXPECT_LT(waited, 2000);
}

TEST(Win32Host, ExitButtonEndsTheProgram) {
  Win32Automation automation;
  bool laterActionRan = false;
  automation.Click(res::menu::kExit).Then([&](DialogWindow&) { laterActionRan = true; });
  automation.Run();
  EXPECT_FALSE(laterActionRan);
  EXPECT_EQ(automation.opened, std::vector<int>{res::kDlgMenu});
}

}  // namespace
}  // namespace ui::win32
