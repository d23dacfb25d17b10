// The field exchange contract, on a probe dialog over a real template.
#include "ui/data_exchange.h"

#include <gtest/gtest.h>

#include "res/ids.h"
#include "tests/unit/test_automation.h"
#include "ui/dialog.h"
#include "ui/headless/headless_window.h"

namespace ui {
namespace {

namespace id = res::simple_deposit;

// Three members, exchanged in this order: year, amount, month.
class ProbeDlg : public CDialog {
 public:
  ProbeDlg() : CDialog(res::kDlgSimpleDeposit) {}
  int year = 1999;
  double amount = 1.5;
  int month = 4;
  int mode = 0;
  bool lastExchange = true;

  void DoDataExchange(CDataExchange& dx) override {
    DDX_Text(dx, id::kStartYear, year);
    DDV_MinMaxInt(dx, year, 0, 3000);
    DDX_Text(dx, id::kDepositAmount, amount);
    DDV_MinMaxDouble(dx, amount, 0.0, 2147483600.0);
    DDX_Text(dx, id::kStartMonth, month);
    DDV_MinMaxInt(dx, month, 1, 12);
    DDX_RadioGroup(dx, id::kRadioAnnualRate, id::kRadioDailyRate,
                   mode == 0 ? id::kRadioAnnualRate : id::kRadioDailyRate);
  }
};

class DataExchangeTest : public ::testing::Test {
 protected:
  testing_support::TestAutomation automation;
  ProbeDlg dialog;

  // Types the three fields, saves, and records the window state in `check`.
  void SaveWith(std::string year, std::string amount, std::string month,
                std::function<void(DialogWindow&)> check) {
    automation.Type(id::kStartYear, year)
        .Type(id::kDepositAmount, amount)
        .Type(id::kStartMonth, month)
        .Then([this, check](DialogWindow& w) {
          dialog.lastExchange = dialog.UpdateData(true);
          check(w);
        });
    dialog.DoModal();
  }
};

TEST_F(DataExchangeTest, FirstExchangeShowsMembersAndSelectsRadio) {
  automation.Then([](DialogWindow& w) {
    EXPECT_EQ(w.GetItemText(id::kStartYear), "1999");
    EXPECT_EQ(w.GetItemText(id::kDepositAmount), "1.5");
    EXPECT_EQ(w.GetItemText(id::kStartMonth), "4");
    EXPECT_TRUE(w.IsChecked(id::kRadioAnnualRate));
    EXPECT_FALSE(w.IsChecked(id::kRadioDailyRate));
  });
  dialog.DoModal();
}

TEST_F(DataExchangeTest, ValidFieldsAllArrive) {
  automation.Then([this](DialogWindow&) { dialog.mode = 1; });
  SaveWith(" 2001 ", "2.25", "12", [](DialogWindow& w) {
    // A completed exchange sets the radios from the mode.
    EXPECT_TRUE(w.IsChecked(id::kRadioDailyRate));
    EXPECT_FALSE(w.IsChecked(id::kRadioAnnualRate));
  });
  EXPECT_TRUE(dialog.lastExchange);
  EXPECT_EQ(dialog.year, 2001);
  EXPECT_EQ(dialog.amount, 2.25);
  EXPECT_EQ(dialog.month, 12);
  EXPECT_TRUE(automation.boxes.empty());
}

TEST_F(DataExchangeTest, UnparsedFieldKeepsOldValueAndStopsTheExchange) {
  automation.Then([this](DialogWindow&) { dialog.mode = 1; });
  SaveWith("2001", "abc", "7", [](DialogWindow& w) {
    EXPECT_EQ(w.FocusedId(), id::kDepositAmount);
    auto& window = static_cast<HeadlessWindow&>(w);
    EXPECT_EQ(window.Selection(), (std::pair<size_t, size_t>{0, 3}));
    // A failed exchange does not touch the radios.
    EXPECT_TRUE(w.IsChecked(id::kRadioAnnualRate));
  });
  EXPECT_FALSE(dialog.lastExchange);
  EXPECT_EQ(dialog.year, 2001);   // before the failing field: updated
  EXPECT_EQ(dialog.amount, 1.5);  // the failing field: kept
  EXPECT_EQ(dialog.month, 4);     // after it: untouched
  ASSERT_EQ(automation.boxes.size(), 1u);
  EXPECT_EQ(automation.boxes[0].text, "数値を入力してください。");
}

TEST_F(DataExchangeTest, OutOfRangeFieldHoldsTheNewValue) {
  SaveWith("2001", "3", "13", [](DialogWindow& w) { EXPECT_EQ(w.FocusedId(), id::kStartMonth); });
  EXPECT_FALSE(dialog.lastExchange);
  EXPECT_EQ(dialog.amount, 3.0);
  EXPECT_EQ(dialog.month, 13);
  ASSERT_EQ(automation.boxes.size(), 1u);
  EXPECT_EQ(automation.boxes[0].text, "1 から 12 までの整数を入力してください。");
}

TEST_F(DataExchangeTest, OnlyTheFirstFailureIsReported) {
  SaveWith("x", "y", "z", [](DialogWindow& w) { EXPECT_EQ(w.FocusedId(), id::kStartYear); });
  ASSERT_EQ(automation.boxes.size(), 1u);
  EXPECT_EQ(automation.boxes[0].text, "整数を入力してください。");
  EXPECT_EQ(dialog.year, 1999);
}

TEST_F(DataExchangeTest, RealRangeMessageNamesTheBounds) {
  SaveWith("2001", "-1", "1", [](DialogWindow&) {});
  ASSERT_EQ(automation.boxes.size(), 1u);
  EXPECT_EQ(automation.boxes[0].text, "0 から 2147483600 までの数値を入力してください。");
  EXPECT_EQ(dialog.amount, -1.0);
}

TEST_F(DataExchangeTest, BoundsAreInclusive) {
  SaveWith("3000", "2147483600", "1", [](DialogWindow&) {});
  EXPECT_TRUE(dialog.lastExchange);
  EXPECT_TRUE(automation.boxes.empty());
}

TEST_F(DataExchangeTest, LoadingRewritesEveryField) {
  automation.Type(id::kStartYear, "abc").Then([this](DialogWindow& w) {
    dialog.UpdateData(false);
    EXPECT_EQ(w.GetItemText(id::kStartYear), "1999");
  });
  dialog.DoModal();
}

TEST_F(DataExchangeTest, CloseButtonEndsOnlyAfterAValidExchange) {
  automation.Type(id::kStartMonth, "13").Click(res::kIdOk).Then([](DialogWindow& w) {
    EXPECT_EQ(w.FocusedId(), id::kStartMonth);  // still open, on the offending field
  });
  automation.Type(id::kStartMonth, "12").Click(res::kIdOk);
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_EQ(dialog.month, 12);
  EXPECT_EQ(automation.boxes.size(), 1u);
}

TEST_F(DataExchangeTest, EscapeEndsWithoutExchange) {
  automation.Type(id::kStartYear, "abc").Then([](DialogWindow& w) { w.UserEscape(); });
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
  EXPECT_EQ(dialog.year, 1999);
  EXPECT_TRUE(automation.boxes.empty());
}

}  // namespace
}  // namespace ui
