// The repayment graph on real windows: opened from the table's menu, its
// picture copied as a bitmap and saved as a PNG file, whole or not at all, and
// its layout when the window is sized.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "res/ids.h"
#include "res/texts.h"
#include "tests/unit/temp_folder.h"
#include "tests/win32/win32_automation.h"
#include "ui/win32/win32_window.h"

namespace ui::win32 {
namespace {

namespace ep = res::equal_payment_loan;
namespace id = res::graph;

using testing_support::TempFolder;

HWND HandleOf(DialogWindow& window) { return static_cast<Win32Window&>(window).Handle(); }

SIZE ClientSizeOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// 1000 万円 over 35 years from April 2025 at 1.5 %, computed in 131.
void Calc35Years(Win32Automation& automation) {
  automation.Click(res::menu::kEqualPaymentLoan)
      .Type(ep::kLoanAmount, "1000")
      .Type(ep::kPaymentCount, "420")
      .Type(ep::kLoanYear, "2025")
      .Type(ep::kLoanMonth, "4")
      .Type(ep::kRepayStartYear, "2025")
      .Type(ep::kRepayStartMonth, "5")
      .Type(ep::kAnnualRate, "1.5")
      .Click(ep::kCalc);
}

uint32_t BigEndian(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(RepaymentGraph, TheTableMenuOpensItWithTheSeriesOfTheTable) {
  Win32Automation automation;
  Calc35Years(automation);
  automation.Then([](DialogWindow& calculator) {
    ChooseFromTableMenu(GetDlgItem(HandleOf(calculator), ep::kList), 2);  // "グラフ"
  });
  core::ChartSeries shown;
  automation.Then([&](DialogWindow& graph) {
    shown = graph.GetChartView(id::kChart)->Series();
    graph.UserClick(res::kIdOk);
  });
  automation.Run();
  EXPECT_EQ(automation.opened,
            (std::vector<int>{res::kDlgMenu, res::kDlgEqualPaymentLoan, res::kDlgGraph}));
  // April 2025 to April 2060: 36 calendar years, paid off in the last.
  ASSERT_EQ(shown.years.size(), 36u);
  EXPECT_TRUE(shown.years[0].year == 2025 && shown.years[35].balance == 0);
}

// The picture as drawn: Ctrl+C on the graph puts a bitmap of its size on the
// clipboard; 画像を保存 writes a PNG of that size, replacing a file whole.
TEST(RepaymentGraph, CopiesAndSavesThePictureAsShown) {
  TempFolder folder;
  const auto target = folder / "graph.png";
  TempFolder::Write(target, "old");
  Win32Automation automation;
  automation.saveAnswer = TempFolder::Utf8(target);
  Calc35Years(automation);
  automation.Click(ep::kGraph);
  SIZE chart{};
  BITMAPINFOHEADER copied{};
  bool hasBitmap = false;
  automation.Then([&](DialogWindow& graph) {
    chart = ClientSizeOf(GetDlgItem(HandleOf(graph), id::kChart));
    EXPECT_EQ(graph.FocusedId(), id::kChart);
    graph.UserKey(Key::CtrlC);
    if (OpenClipboard(nullptr)) {
      if (HANDLE data = GetClipboardData(CF_DIB)) {
        std::memcpy(&copied, GlobalLock(data), sizeof copied);
        GlobalUnlock(data);
      }
      hasBitmap = IsClipboardFormatAvailable(CF_BITMAP) != FALSE;
      CloseClipboard();
    }
    graph.UserClick(id::kSaveImage);
  });
  automation.Run();
  EXPECT_TRUE(hasBitmap);
  EXPECT_TRUE(copied.biWidth == chart.cx && copied.biHeight == chart.cy);
  ASSERT_EQ(automation.saveDialogs.size(), 1u);
  EXPECT_EQ(automation.saveDialogs[0].initialName, "graph.png");
  EXPECT_EQ(automation.saveDialogs[0].flags, kOfnOverwritePrompt | kOfnHideReadOnly);
  EXPECT_EQ(automation.overwritePrompts.size(), 1u);
  const std::string png = TempFolder::Read(target);
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(0, 16), std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
  EXPECT_EQ(BigEndian(png, 16), static_cast<uint32_t>(chart.cx));
  EXPECT_EQ(BigEndian(png, 20), static_cast<uint32_t>(chart.cy));
  EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND");  // all of it
}

// A folder in the place of the file cannot be replaced: the warning, and the
// folder stays.
TEST(RepaymentGraph, AFileThatCannotBeWrittenIsWarnedOf) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "graph.png");
  Win32Automation automation;
  automation.saveAnswer = TempFolder::Utf8(folder / "graph.png");
  Calc35Years(automation);
  automation.Click(ep::kGraph).Click(id::kSaveImage);
  automation.Run();
  ASSERT_EQ(automation.boxes.size(), 1u);
  EXPECT_EQ(automation.boxes[0].text, res::text::kReportNotWritten);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "graph.png"));
}

// Sized larger, the graph grows with the window and the buttons keep to the
// lower right corner; the window may not get smaller than its template.
TEST(RepaymentGraph, TheGraphFollowsTheWindowsSize) {
  Win32Automation automation;
  Calc35Years(automation);
  automation.Click(ep::kGraph);
  SIZE before{}, after{};  // of the graph
  POINT closeBefore{}, closeAfter{}, smallest{}, window{};
  automation.Then([&](DialogWindow& graph) {
    HWND dialog = HandleOf(graph);
    auto closeFromCorner = [&] {  // 閉じる from the client area's lower right
      RECT box, client;
      GetWindowRect(GetDlgItem(dialog, res::kIdOk), &box);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
      GetClientRect(dialog, &client);
      return POINT{client.right - box.left, client.bottom - box.top};
    };
    before = ClientSizeOf(GetDlgItem(dialog, id::kChart));
    closeBefore = closeFromCorner();
    RECT frame;
    GetWindowRect(dialog, &frame);
    window = {frame.right - frame.left, frame.bottom - frame.top};
    SetWindowPos(dialog, nullptr, 0, 0, window.x + 200, window.y + 100, SWP_NOMOVE | SWP_NOZORDER);
    after = ClientSizeOf(GetDlgItem(dialog, id::kChart));
    closeAfter = closeFromCorner();
    MINMAXINFO limits{};
    SendMessageW(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    smallest = limits.ptMinTrackSize;
  });
  automation.Run();
  EXPECT_TRUE(after.cx == before.cx + 200 && after.cy == before.cy + 100);
  EXPECT_TRUE(closeAfter.x == closeBefore.x && closeAfter.y == closeBefore.y);
  EXPECT_TRUE(smallest.x == window.x && smallest.y == window.y);
}

}  // namespace
}  // namespace ui::win32
