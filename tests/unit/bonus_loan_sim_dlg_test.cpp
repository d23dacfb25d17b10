// The bonus simulation's dialog: the table it fills, its totals, its Clear.
#include "loan/bonus_loan_sim_dlg.h"

#include <gtest/gtest.h>

#include <string>

#include "res/ids.h"
#include "tests/unit/test_automation.h"
#include "ui/host.h"

namespace loan {
namespace {

namespace id = res::bonus_loan_sim;

class BonusLoanSimDlgTest : public ::testing::Test {
 protected:
  testing_support::TestAutomation automation;
  CBonusLoanSimDlg dialog;

  // 9000 万円 over 100 years from 2000/1, 30 万円 in June and December, 1 %.
  void TypeCenturyLoan() {
    automation.Type(id::kLoanAmount, "9000")
        .Type(id::kPeriod, "100")
        .Type(id::kBonusMonth1, "6")
        .Type(id::kBonusMonth2, "12")
        .Type(id::kBonusMonthPayment, "30")
        .Type(id::kAnnualRate, "1")
        .Type(id::kLoanYear, "2000")
        .Type(id::kRepayStartYear, "2000");
  }
  static ui::ListView& Table(ui::DialogWindow& w) { return *w.GetListView(id::kList); }
};

TEST_F(BonusLoanSimDlgTest, ACenturyGives1200RowsLastInstallmentOnTop) {
  TypeCenturyLoan();
  automation.Click(id::kCalc).Then([](ui::DialogWindow& w) {
    ui::ListView& table = Table(w);
    ASSERT_EQ(table.Columns().size(), 7u);
    ASSERT_EQ(table.ItemCount(), 1200);
    // M = 82593.48 (the same pricing in 80-digit decimals).
    EXPECT_EQ(table.ItemText(1199, 0), "  ");
    EXPECT_EQ(table.ItemText(1199, 1), "2000. 1");
    EXPECT_EQ(table.ItemText(1199, 2), "  1");
    EXPECT_EQ(table.ItemText(1199, 3), "     82593");
    EXPECT_EQ(table.ItemText(1199, 4), "     75000");
    EXPECT_EQ(table.ItemText(1199, 5), "      7593");
    EXPECT_EQ(table.ItemText(1199, 6), "  89992407");
    EXPECT_EQ(table.ItemText(1194, 0), " *");
    EXPECT_EQ(table.ItemText(1194, 1), "2000. 6");
    EXPECT_EQ(table.ItemText(1194, 3), "    300000");
    EXPECT_EQ(table.ItemText(0, 1), "2099.12");
    EXPECT_EQ(table.ItemText(0, 6), "         0");
    // Every number shows in full, four digits from installment 1000 on.
    for (int number = 1000; number <= 1200; ++number) {
      const int item = 1200 - number;
      ASSERT_EQ(table.ItemText(item, 2), std::to_string(number));
      for (int column = 3; column <= 6; ++column)
        ASSERT_EQ(table.ItemText(item, column).size(), 10u) << number << " " << column;
    }
    EXPECT_EQ(w.GetItemText(id::kTotalInterest), "5243.7299");
    EXPECT_EQ(w.GetItemText(id::kTotalPayment), "14243.7299");
  });
  dialog.DoModal();
}

}  // namespace
}  // namespace loan
