// The simulations' tables on the real list view at 96, 120, 144 and 192
// DPI: the widest text each column can hold is drawn whole (no "…") in the
// Japanese font the dialogs get, and the widths still read back at 96 DPI.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "loan/bonus_loan_report.h"
#include "loan/schedule_columns.h"
#include "res/ids.h"
#include "tests/win32/win32_automation.h"
#include "ui/win32/dpi.h"
#include "ui/win32/win32_window.h"
#include "ui/win32/windows_api.h"

namespace ui::win32 {
namespace {

constexpr UINT kDpis[] = {96, 120, 144, 192};
constexpr int32_t kWidestAmount = 2147483600;

TEST(DesignPixels, EveryWidthComesBackFromEveryDpiFrom96Up) {
  for (UINT dpi = 96; dpi <= 480; dpi += 4)
    for (int width = 0; width <= 2000; ++width)
      ASSERT_EQ(ToDesignPixels(FromDesignPixels(width, dpi), dpi), width) << width << " at " << dpi;
  EXPECT_EQ(FromDesignPixels(55, 144), 83);  // 82.5, to the nearest pixel
  EXPECT_EQ(FromDesignPixels(37, 120), 46);
}

// The pixels of a band `width` wide from the left edge of a cell of row `item`.
std::vector<COLORREF> CellPixels(HWND list, int item, int column, int width) {
  RECT row{}, cell{};
  ListView_GetSubItemRect(list, item, 0, LVIR_BOUNDS, &row);
  ListView_GetSubItemRect(list, item, column, LVIR_BOUNDS, &cell);
  int left = column == 0 ? row.left : cell.left;
  RECT client{};
  GetClientRect(list, &client);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  std::vector<COLORREF> pixels;
  const auto* screen = static_cast<const COLORREF*>(bits);
  for (int y = row.top; y < row.bottom; ++y)
    for (int x = left; x < left + width; ++x)
      pixels.push_back(x >= 0 && x < client.right ? screen[y * client.right + x] : 0);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

// True when the cell's text is drawn whole: widening its column changes none
// of what was drawn and shows nothing more.
bool CellShowsWhole(HWND list, int item, int column) {
  constexpr int kMore = 200;
  const int width = ListView_GetColumnWidth(list, column);
  std::vector<COLORREF> drawn = CellPixels(list, item, column, width);
  ListView_SetColumnWidth(list, column, width + kMore);
  std::vector<COLORREF> widened = CellPixels(list, item, column, width + kMore);
  ListView_SetColumnWidth(list, column, width);
  const size_t rows = drawn.size() / static_cast<size_t>(std::max(width, 1));
  for (size_t y = 0; y < rows; ++y) {
    const COLORREF* wide = &widened[y * static_cast<size_t>(width + kMore)];
    for (int x = 0; x < width + kMore; ++x) {
      COLORREF expected = x < width ? drawn[y * static_cast<size_t>(width) + static_cast<size_t>(x)]
                                    : wide[width + kMore - 1];  // the background
      if (wide[x] != expected) return false;
    }
  }
  return true;
}

struct Simulation {
  int menuButton, list, calc;
  std::vector<std::pair<int, std::string>> fields;  // a short schedule
  TableRows widest;                                    // one row
};

// Calculates a short schedule, puts the widest texts in the top row, then
// moves the dialog to each DPI as a monitor change would, with the dialog
// font the dialog manager makes for it, and checks every cell of that row.
// Returns the text that the control shows in the row's first cell.
std::wstring CheckTableAtEveryDpi(const Simulation& simulation) {
  std::wstring firstCell(16, L'\0');
  Win32Automation automation;
  automation.Click(simulation.menuButton);
  for (const auto& [id, text] : simulation.fields) automation.Type(id, text);
  automation.Click(simulation.calc).Then([&](DialogWindow& dialog) {
    HWND window = static_cast<Win32Window&>(dialog).Handle();
    HWND list = GetDlgItem(window, simulation.list);
    ListView* view = dialog.GetListView(simulation.list);
    ASSERT_TRUE(list != nullptr && view != nullptr);
    ASSERT_GT(view->ItemCount(), 0);
    const std::vector<ListColumn> layout = view->Columns();
    // The widest row goes in at the top.
    view->InsertRows(0, simulation.widest);
    auto widest = [&](size_t column) { return simulation.widest.Cell(0, column); };
    ListView_GetItemText(list, 0, 0, firstCell.data(), static_cast<int>(firstCell.size()));
    // The program reads back what it wrote, whatever the control shows.
    EXPECT_EQ(view->ItemText(0, 0), widest(0));
    // Room for every column, so that none is scrolled out of the picture.
    SetWindowPos(list, nullptr, 0, 0, 2000, 200, SWP_NOMOVE | SWP_NOZORDER);
    LOGFONTW font96{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font96,
               &font96);
    for (UINT dpi : kDpis) {
      RECT suggested{};
      GetWindowRect(window, &suggested);
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
      LOGFONTW scaled = font96;
      scaled.lfHeight = MulDiv(font96.lfHeight, static_cast<int>(dpi), 96);
      HFONT font = CreateFontIndirectW(&scaled);
      SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      std::vector<ListColumn> columns = view->Columns();
      ASSERT_EQ(columns.size(), layout.size());
      for (size_t column = 0; column < columns.size(); ++column) {
        int index = static_cast<int>(column);
        EXPECT_EQ(columns[column].width, layout[column].width) << "column " << column;
        EXPECT_EQ(ListView_GetColumnWidth(list, index),
                  FromDesignPixels(layout[column].width, dpi))
            << "column " << column << " at " << dpi;
        EXPECT_TRUE(CellShowsWhole(list, 0, index))
            << "\"" << widest(column) << "\" in column " << column << " ("
            << layout[column].caption << ") at " << dpi << " DPI";
      }
      SendMessageW(list, WM_SETFONT, SendMessageW(window, WM_GETFONT, 0, 0), FALSE);
      DeleteObject(font);
    }
  });
  automation.Run();
  EXPECT_TRUE(automation.boxes.empty());
  return firstCell.substr(0, firstCell.find(L'\0'));
}

TEST(ScheduleTable, WidestCellsShowWholeAtEveryDpi) {
  namespace ep = res::equal_payment_loan;
  namespace epr = res::equal_principal_loan;
  namespace bs = res::bonus_loan_sim;
  namespace vr = res::variable_rate_loan;
  // The widest each column can hold: year.month 9999.12, 31 days, repayment
  // 4000, amounts of ten digits, the bonus-month mark, the highest rate.
  const loan::ScheduleRow dated{9999, 12, 31, 4000, kWidestAmount, kWidestAmount, kWidestAmount,
                                kWidestAmount};
  loan::BonusScheduleRow bonus{true, false, 9999, 12, 4000, kWidestAmount, kWidestAmount,
                               kWidestAmount, kWidestAmount};
  CheckTableAtEveryDpi({res::menu::kEqualPaymentLoan, ep::kList, ep::kCalc,
                        {{ep::kLoanAmount, "100"}, {ep::kPaymentCount, "12"},
                         {ep::kLoanYear, "2000"}, {ep::kLoanMonth, "1"},
                         {ep::kRepayStartYear, "2000"}, {ep::kRepayStartMonth, "2"},
                         {ep::kAnnualRate, "3"}},
                        loan::EqualPaymentColumns::Rows({&dated, 1})});
  CheckTableAtEveryDpi({res::menu::kEqualPrincipalLoan, epr::kList, epr::kCalc,
                        {{epr::kLoanAmount, "100"}, {epr::kPaymentCount, "12"},
                         {epr::kLoanYear, "2000"}, {epr::kLoanMonth, "1"},
                         {epr::kRepayStartYear, "2000"}, {epr::kRepayStartMonth, "2"},
                         {epr::kAnnualRate, "3"}},
                        loan::EqualPrincipalColumns::Rows({&dated, 1})});
  // The mark shows as the full-width asterisk: the list font's own is a dot.
  std::wstring mark = CheckTableAtEveryDpi({res::menu::kBonusLoanSim, bs::kList, bs::kCalc,
                        {{bs::kLoanAmount, "100"}, {bs::kPeriod, "1"}, {bs::kBonusMonth1, "6"},
                         {bs::kBonusMonth2, "12"}, {bs::kBonusMonthPayment, "10"},
                         {bs::kAnnualRate, "3"}, {bs::kLoanYear, "2000"}, {bs::kLoanMonth, "1"},
                         {bs::kRepayStartYear, "2000"}, {bs::kRepayStartMonth, "1"}},
                        loan::BonusColumns::Rows({&bonus, 1})});
  EXPECT_EQ(mark, L" \uFF0A");
  loan::VariableRateRow variable;
  static_cast<loan::ScheduleRow&>(variable) = dated;
  variable.ratePercent = loan::kMaxVariableRate;
  variable.unpaidInterest = kWidestAmount;
  CheckTableAtEveryDpi({res::menu::kVariableRateLoan, vr::kList, vr::kCalc,
                        {{vr::kLoanAmount, "100"}, {vr::kPaymentCount, "12"},
                         {vr::kLoanYear, "2000"}, {vr::kRepayStartYear, "2000"},
                         {vr::kAnnualRate, "3"}},
                        loan::VariableRateColumns::Rows({&variable, 1})});
}

}  // namespace
}  // namespace ui::win32
