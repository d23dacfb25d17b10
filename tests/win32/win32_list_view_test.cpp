// The schedule table on the real list-view control.
#include "ui/win32/win32_list_view.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "res/dialog_template.h"
#include "res/ids.h"
#include "tests/unit/list_view_support.h"
#include "ui/win32/dialog_template_builder.h"
#include "ui/win32/windows_api.h"

namespace ui::win32 {
namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The equal-installment simulation's dialog, for its list control.
class ListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    std::vector<WORD> bytes =
        BuildDialogTemplate(*res::FindDialogTemplate(res::kDlgEqualPaymentLoan));
    dialog_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                         reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
                                         QuietDialogProc, 0);
    ASSERT_NE(dialog_, nullptr);
    control_ = GetDlgItem(dialog_, res::equal_payment_loan::kList);
    ASSERT_NE(control_, nullptr);
  }
  void TearDown() override { DestroyWindow(dialog_); }

  void AddRow(Win32ListView& list, const std::string& first, int row) {
    std::vector<std::string> texts{first};
    for (int sub = 1; sub < 7; ++sub)
      texts.push_back(first + "." + std::to_string(sub) + "." + std::to_string(row));
    const std::vector<std::string_view> cells(texts.begin(), texts.end());
    TableRows rows;
    rows.AddRow(cells);
    list.InsertRows(0, std::move(rows));
  }

  HWND dialog_ = nullptr;
  HWND control_ = nullptr;
};

TEST_F(ListViewTest, ColumnsKeepCaptionWidthAndTheDefaultAlignment) {
  Win32ListView list(control_);
  EXPECT_EQ(list.InsertColumn(0, "年月", 55), 0);
  EXPECT_EQ(list.InsertColumn(1, "元利合計（円）", 90), 1);
  EXPECT_EQ(list.InsertColumn(2, "", 20), 2);
  std::vector<ListColumn> columns = list.Columns();
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[0].caption, "年月");
  EXPECT_EQ(columns[0].width, 55);
  EXPECT_EQ(columns[1].caption, "元利合計（円）");
  EXPECT_EQ(columns[1].width, 90);
  EXPECT_EQ(columns[2].caption, "");
  EXPECT_EQ(columns[2].width, 20);
  for (int index = 0; index < 3; ++index) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT;
    SendMessageW(control_, LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
  }
}

TEST_F(ListViewTest, RowsInsertedAtTheTopShowTheLastFirst) {
  Win32ListView list(control_);
  for (int column = 0; column < 7; ++column) list.InsertColumn(column, "c", 40);
  for (int row = 1; row <= 3; ++row) AddRow(list, std::to_string(row), row);
  ASSERT_EQ(list.ItemCount(), 3);
  EXPECT_EQ(list.ItemText(0, 0), "3");
  EXPECT_EQ(list.ItemText(0, 6), "3.6.3");
  EXPECT_EQ(list.ItemText(2, 0), "1");
  EXPECT_EQ(list.ItemText(2, 1), "1.1.1");
  EXPECT_EQ(list.ItemText(3, 0), "");   // no such row
  EXPECT_EQ(list.ItemText(-1, 0), "");
}

TEST_F(ListViewTest, ClearingDeletesRowsThenEveryColumnFromTheHighest) {
  Win32ListView list(control_);
  for (int column = 0; column < 7; ++column) list.InsertColumn(column, "c", 40);
  AddRow(list, "x", 1);
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.ItemCount(), 0);
  EXPECT_FALSE(list.DeleteColumn(7));  // past the last: nothing happens
  for (int column = 6; column >= 0; --column) EXPECT_TRUE(list.DeleteColumn(column));
  EXPECT_TRUE(list.Columns().empty());
  EXPECT_FALSE(list.DeleteColumn(0));
}

TEST_F(ListViewTest, KeepsRowsCellsAndSelectionAsTheHeadlessList) {
  Win32ListView list(control_);
  testing_support::CheckRowsCellsAndSelection(list);
  EXPECT_EQ(ListView_GetItemCount(control_), 0);
}

TEST_F(ListViewTest, LongCellTextsComeBackWhole) {
  Win32ListView list(control_);
  list.InsertColumn(0, "c", 40);
  list.InsertColumn(1, "d", 40);
  std::string longText(1000, '9');
  const int item = list.InsertRows(0, testing_support::Rows({{"円", longText}}));
  EXPECT_EQ(list.ItemText(item, 1), longText);
  EXPECT_EQ(list.ItemText(item, 0), "円");
}

TEST_F(ListViewTest, FourThousandRowsFillWellUnderASecond) {
  Win32ListView list(control_);
  for (int column = 0; column < 7; ++column) list.InsertColumn(column, "c", 40);
  std::vector<std::string> texts;
  for (int row = 4000; row >= 1; --row)
    for (int sub = 0; sub < 7; ++sub)
      texts.push_back("2001.01." + std::to_string(sub) + "." + std::to_string(row));
  TableRows rows;
  for (size_t row = 0; row < 4000; ++row) {
    const std::vector<std::string_view> cells(texts.begin() + row * 7, texts.begin() + row * 7 + 7);
    rows.AddRow(cells);
  }
  auto start = std::chrono::steady_clock::now();
  list.InsertRows(0, std::move(rows));
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(list.ItemCount(), 4000);
  EXPECT_EQ(ListView_GetItemCount(control_), 4000);
  EXPECT_EQ(list.ItemText(0, 6), "2001.01.6.4000");
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 1000);
}

}  // namespace
}  // namespace ui::win32
