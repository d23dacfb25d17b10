// The schedule table: the list-view calls each operation makes, and what the
// in-memory list then shows.
#include "loan/schedule_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/dialog_template.h"
#include "res/ids.h"
#include "tests/unit/list_view_support.h"
#include "ui/dialog.h"
#include "ui/headless/headless_list_view.h"
#include "ui/host.h"

namespace loan {
namespace {

using namespace ui;

// An in-memory list view that also logs every call it receives.
class RecordingListView final : public ListView {
 public:
  std::vector<std::string> calls;
  bool refuseItems = false;

  int InsertColumn(int position, std::string_view caption, int width) override {
    Log("column+ " + std::to_string(position) + " " + std::string(caption) + " " +
        std::to_string(width));
    return list.InsertColumn(position, caption, width);
  }
  bool DeleteColumn(int position) override {
    Log("column- " + std::to_string(position));
    return list.DeleteColumn(position);
  }
  int InsertRows(int position, TableRows rows) override {
    Log("rows+ " + std::to_string(position) + " " + std::to_string(rows.RowCount()) + " " +
        std::string(rows.Cell(0, 0)));
    return refuseItems ? -1 : list.InsertRows(position, std::move(rows));
  }
  bool DeleteAllItems() override {
    Log("items-");
    return list.DeleteAllItems();
  }
  std::vector<ListColumn> Columns() const override { return list.Columns(); }
  int ItemCount() const override { return list.ItemCount(); }
  std::string ItemText(int item, int subItem) const override {
    return list.ItemText(item, subItem);
  }
  std::vector<int> SelectedItems() const override { return list.SelectedItems(); }
  void SelectAll() override { list.SelectAll(); }

  HeadlessListView list;

 private:
  void Log(std::string call) { calls.push_back(std::move(call)); }
};

// A dialog window that has nothing but the one list view.
class ListOnlyWindow final : public DialogWindow {
 public:
  explicit ListOnlyWindow(ListView& view) : view_(view) {}
  const res::DialogTemplate& Template() const override {
    return *res::FindDialogTemplate(res::kDlgEqualPaymentLoan);
  }
  std::string GetItemText(int) const override { return {}; }
  void SetItemText(int, std::string_view) override {}
  void CheckRadioButton(int, int, int) override {}
  bool IsChecked(int) const override { return false; }
  void FocusAndSelectAll(int) override {}
  ListView* GetListView(int id) override {
    return id == res::equal_payment_loan::kList ? &view_ : nullptr;
  }
  void AppendSystemMenuSeparator() override {}
  void AppendSystemMenuItem(int, std::string_view) override {}
  void SetIcon(int, bool) override {}
  void End(int) override {}
  int FocusedId() const override { return 0; }
  void UserType(int, std::string_view) override {}
  void UserClick(int) override {}
  void UserEscape() override {}
  void UserKey(Key) override {}
  void UserSysCommand(unsigned) override {}
  std::vector<SystemMenuItem> SystemMenuItems() const override { return {}; }

 private:
  ListView& view_;
};

class ScheduleListTest : public ::testing::Test {
 protected:
  ScheduleListTest() : window(view), dialog(res::kDlgEqualPaymentLoan) {
    dialog.Attach(&window);
    list.Attach(dialog, res::equal_payment_loan::kList);
  }
  ~ScheduleListTest() override { dialog.Detach(); }

  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const ListColumn& column : view.Columns())
      captions.push_back(column.caption + ":" + std::to_string(column.width));
    return captions;
  }
  // Seven cells, "<tag>0" to "<tag>6".
  struct Row {
    explicit Row(const std::string& tag) {
      for (size_t k = 0; k < texts.size(); ++k) {
        texts[k] = tag + std::to_string(k);
        cells[k] = texts[k];
      }
    }
    std::array<std::string, 7> texts;
    std::array<std::string_view, 7> cells;
  };

  RecordingListView view;
  ListOnlyWindow window;
  CDialog dialog;
  CScheduleList list;
};

TEST_F(ScheduleListTest, LayoutsInsertSevenColumnsInOrder) {
  list.SetupEqualPaymentColumns();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"年月:58", "日数:36", "回:37", "元利合計（円）:90",
                                                  "利息（円）:90", "返済元金（円）:90",
                                                  "残り（円）:90"}));
  // Column k goes in at position k.
  EXPECT_EQ(view.calls.front(), "column+ 0 年月 58");
  EXPECT_EQ(view.calls.back(), "column+ 6 残り（円） 90");

  list.ClearTable();
  list.SetupEqualPrincipalColumns();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"年月:58", "日数:36", "回:37", "返済元金（円）:90",
                                                  "利息（円）:90", "元利合計（円）:90",
                                                  "残り（円）:90"}));
  list.ClearTable();
  list.SetupBonusColumns();
  EXPECT_EQ(Captions(), (std::vector<std::string>{":20", "年月:60", "回:37", "元利合計（円）:90",
                                                  "利息（円）:85", "返済元金（円）:90",
                                                  "残高（円）:90"}));
}

TEST_F(ScheduleListTest, EachNewRowGoesToTheTop) {
  list.SetupEqualPaymentColumns();
  view.calls.clear();
  list.AddRow(Row("a").cells);
  // One row at position 0, with its cells.
  EXPECT_EQ(view.calls, (std::vector<std::string>{"rows+ 0 1 a0"}));
  list.AddRow(Row("b").cells);
  list.AddRow(Row("c").cells);
  ASSERT_EQ(view.ItemCount(), 3);
  EXPECT_EQ(view.ItemText(0, 0), "c0");
  EXPECT_EQ(view.ItemText(0, 6), "c6");
  EXPECT_EQ(view.ItemText(1, 3), "b3");
  EXPECT_EQ(view.ItemText(2, 0), "a0");
  EXPECT_EQ(view.ItemText(2, 5), "a5");
}

TEST_F(ScheduleListTest, ManyRowsGoInAtOnceLastFirst) {
  list.SetupEqualPaymentColumns();
  view.calls.clear();
  TableRows rows;
  for (int i = 1; i <= 4000; ++i)
    rows.AddRow("%d-0\t%d-1\t%d-2\t%d-3\t%d-4\t%d-5\t%d-6", i, i, i, i, i, i, i);
  list.AddRows(rows);
  EXPECT_EQ(view.calls, std::vector<std::string>{"rows+ 0 4000 4000-0"});
  ASSERT_EQ(view.ItemCount(), 4000);
  EXPECT_EQ(view.ItemText(0, 0), "4000-0");
  EXPECT_EQ(view.ItemText(1, 3), "3999-3");
  EXPECT_EQ(view.ItemText(3999, 6), "1-6");
  // Rows added later go above them; a row with fewer cells leaves the rest empty.
  TableRows more;
  more.AddRow("%d\t%d", 1, 2);
  list.AddRows(more);
  EXPECT_EQ(view.ItemText(0, 1), "2");
  EXPECT_EQ(view.ItemText(0, 2), "");
  EXPECT_EQ(view.ItemText(1, 0), "4000-0");
}

TEST_F(ScheduleListTest, RefusedRowIsLeftOutWithItsCells) {
  list.SetupEqualPaymentColumns();
  view.refuseItems = true;
  view.calls.clear();
  list.AddRow(Row("x").cells);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"rows+ 0 1 x0"}));
  EXPECT_EQ(view.ItemCount(), 0);
}

TEST_F(ScheduleListTest, ClearingDropsRowsThenColumnsFromTheHighest) {
  list.SetupEqualPaymentColumns();
  list.AddRow(Row("a").cells);
  view.calls.clear();
  list.ClearTable();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"items-", "column- 6", "column- 5", "column- 4",
                                                  "column- 3", "column- 2", "column- 1",
                                                  "column- 0"}));
  EXPECT_EQ(view.ItemCount(), 0);
  EXPECT_TRUE(view.Columns().empty());
  // A table without columns can be cleared too; two setups after clears never stack.
  list.ClearTable();
  list.SetupEqualPaymentColumns();
  list.ClearTable();
  list.SetupEqualPaymentColumns();
  EXPECT_EQ(view.Columns().size(), 7u);
}

// The in-memory list keeps rows, cells and the selection as the Win32 host's
// list does (tests/win32/win32_list_view_test.cpp checks it the same way).
TEST(HeadlessListView, KeepsRowsCellsAndSelection) {
  HeadlessListView view;
  testing_support::CheckRowsCellsAndSelection(view);
}

}  // namespace
}  // namespace loan
