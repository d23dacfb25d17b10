// The two day-counted loan simulations through their dialogs: the table, the
// totals, Clear, the checks and Save-to-file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "loan/equal_payment_loan_dlg.h"
#include "loan/equal_principal_loan_dlg.h"
#include "res/ids.h"
#include "res/texts.h"
#include "tests/unit/temp_folder.h"
#include "tests/unit/test_automation.h"
#include "ui/host.h"

namespace loan {
namespace {

namespace fs = std::filesystem;
namespace pay = res::equal_payment_loan;
namespace prin = res::equal_principal_loan;

struct TableState {
  size_t columns = 0;
  int rows = 0;
  std::string topRow, bottomRow;  // columns 0 to 3, joined by '|'
};

TableState Table(ui::DialogWindow& window, int listId) {
  TableState state;
  ui::ListView* view = window.GetListView(listId);
  state.columns = view->Columns().size();
  state.rows = view->ItemCount();
  auto row = [view](int item) {
    std::string text;
    for (int sub = 0; sub < 4; ++sub) text += view->ItemText(item, sub) + (sub < 3 ? "|" : "");
    return text;
  };
  if (state.rows > 0) {
    state.topRow = row(0);
    state.bottomRow = row(state.rows - 1);
  }
  return state;
}

class LoanDialogTest : public ::testing::Test {
 protected:
  // 100 万円, 12 repayments, loan 2000/1, first repayment 2000/2, 3 % a year.
  void TypeEqualPaymentExample() {
    automation.Type(pay::kLoanAmount, "100")
        .Type(pay::kPaymentCount, "12")
        .Type(pay::kLoanYear, "2000")
        .Type(pay::kLoanMonth, "1")
        .Type(pay::kRepayStartYear, "2000")
        .Type(pay::kRepayStartMonth, "2")
        .Type(pay::kAnnualRate, "3");
  }
  void TypeEqualPrincipalExample() {
    automation.Type(prin::kLoanAmount, "100")
        .Type(prin::kPaymentCount, "12")
        .Type(prin::kLoanYear, "2000")
        .Type(prin::kLoanMonth, "1")
        .Type(prin::kRepayStartYear, "2000")
        .Type(prin::kRepayStartMonth, "2")
        .Type(prin::kAnnualRate, "3");
  }
  static std::string Read(const fs::path& path) { return testing_support::TempFolder::Read(path); }

  testing_support::TestAutomation automation;
  testing_support::TempFolder folder;
};

TEST(LoanDialogs, LeapYearMembersFollowTheCalendar) {
  CEqualPaymentLoanDlg equalPayment;
  CEqualPrincipalLoanDlg equalPrincipal;
  for (auto [year, leap] : {std::pair{0, 1}, {1900, 0}, {2000, 1}, {2100, 0}, {2003, 0}}) {
    EXPECT_EQ(equalPayment.IsLeapYear(year), leap) << year;
    EXPECT_EQ(equalPrincipal.IsLeapYear(year), leap) << year;
  }
}

TEST_F(LoanDialogTest, EqualPaymentCalcFillsTheTableLastRepaymentOnTop) {
  CEqualPaymentLoanDlg dialog;
  TableState before, after;
  automation.Then([&](ui::DialogWindow& w) { before = Table(w, pay::kList); });
  TypeEqualPaymentExample();
  automation.Click(pay::kCalc).Then([&](ui::DialogWindow& w) {
    after = Table(w, pay::kList);
    EXPECT_EQ(w.GetItemText(pay::kTotalInterest), "1.8743");
    EXPECT_EQ(w.GetItemText(pay::kTotalPrincipal), "100");
  });
  dialog.DoModal();
  // No columns until the first Calc.
  EXPECT_EQ(before.columns, 0u);
  EXPECT_EQ(after.columns, 7u);
  EXPECT_EQ(after.rows, 12);
  EXPECT_EQ(after.topRow, "2001. 1|31| 12|     84620");
  EXPECT_EQ(after.bottomRow, "2000. 2|29|  1|     87193");
  EXPECT_TRUE(automation.boxes.empty());
  EXPECT_EQ(dialog.m_dTotalInterest, 1.8743);
}

TEST_F(LoanDialogTest, EqualPaymentDateErrorKeepsTotalsAndEmptiesTheTable) {
  CEqualPaymentLoanDlg dialog;
  TableState afterError;
  TypeEqualPaymentExample();
  automation.Click(pay::kCalc)
      .Type(pay::kLoanMonth, "3")
      .Click(pay::kCalc)
      .Then([&](ui::DialogWindow& w) {
        afterError = Table(w, pay::kList);
        EXPECT_EQ(w.GetItemText(pay::kTotalInterest), "1.8743");
      });
  dialog.DoModal();
  ASSERT_EQ(automation.boxes.size(), 1u);
  EXPECT_EQ(automation.boxes[0].caption, "注意");
  EXPECT_EQ(automation.boxes[0].text, "借入年月が返済開始年月を越えています");
  EXPECT_EQ(automation.boxes[0].type, 16u);
  EXPECT_EQ(afterError.columns, 7u);
  EXPECT_EQ(afterError.rows, 0);
}

TEST_F(LoanDialogTest, EqualPaymentClearEmptiesEverything) {
  CEqualPaymentLoanDlg dialog;
  TableState twice, cleared;
  TypeEqualPaymentExample();
  automation.Click(pay::kRadioMonthRate)
      .Type(pay::kMonthRate, "0.25")
      .Click(pay::kCalc)
      .Click(pay::kCalc)
      .Then([&](ui::DialogWindow& w) { twice = Table(w, pay::kList); })
      .Click(pay::kClear)
      .Then([&](ui::DialogWindow& w) {
        cleared = Table(w, pay::kList);
        EXPECT_TRUE(w.IsChecked(pay::kRadioAnnualRate));
        EXPECT_FALSE(w.IsChecked(pay::kRadioMonthRate));
        EXPECT_EQ(w.GetItemText(pay::kLoanAmount), "0");
        EXPECT_EQ(w.GetItemText(pay::kPaymentCount), "1");
        EXPECT_EQ(w.GetItemText(pay::kLoanMonth), "1");
        EXPECT_EQ(w.GetItemText(pay::kTotalInterest), "0");
      });
  dialog.DoModal();
  // Two Calcs: one set of columns, one schedule.
  EXPECT_EQ(twice.columns, 7u);
  EXPECT_EQ(twice.rows, 12);
  EXPECT_EQ(cleared.columns, 0u);
  EXPECT_EQ(cleared.rows, 0);
  EXPECT_EQ(dialog.m_nRateMode, kAnnualRate);
}

TEST_F(LoanDialogTest, CountThatFailedValidationComputesNothing) {
  CEqualPaymentLoanDlg dialog;
  TableState table;
  TypeEqualPaymentExample();
  automation.Click(pay::kCalc)
      .Type(pay::kPaymentCount, "0")
      .Click(pay::kCalc)
      .Then([&](ui::DialogWindow& w) {
        table = Table(w, pay::kList);
        EXPECT_EQ(w.GetItemText(pay::kTotalInterest), "1.8743");
      });
  dialog.DoModal();
  // Only the framework's range message; the schedule is not computed.
  ASSERT_EQ(automation.boxes.size(), 1u);
  EXPECT_EQ(automation.boxes[0].text, "1 から 4000 までの整数を入力してください。");
  EXPECT_EQ(table.rows, 0);
}

TEST_F(LoanDialogTest, LargestCountThroughTheDialog) {
  CEqualPrincipalLoanDlg dialog;
  TableState table;
  TypeEqualPrincipalExample();
  automation.Type(prin::kPaymentCount, "4000").Click(prin::kCalc).Then([&](ui::DialogWindow& w) {
    table = Table(w, prin::kList);
  });
  dialog.DoModal();
  EXPECT_EQ(table.rows, 4000);
  // February 2000 plus 3999 months; U = 200, so 1000000 − 3999 × 200 is left.
  EXPECT_EQ(table.topRow, "2333. 5|31|4000|    200200");
}

TEST_F(LoanDialogTest, EqualPrincipalCalcAndTotals) {
  CEqualPrincipalLoanDlg dialog;
  TableState table;
  TypeEqualPrincipalExample();
  automation.Click(prin::kCalc).Then([&](ui::DialogWindow& w) {
    table = Table(w, prin::kList);
    EXPECT_EQ(w.GetItemText(prin::kTotalInterest), "1.8676");
    EXPECT_EQ(w.GetItemText(prin::kTotalPayment), "101.8676");
    EXPECT_EQ(w.GetListView(prin::kList)->Columns()[3].caption, "返済元金（円）");
  });
  dialog.DoModal();
  EXPECT_EQ(table.rows, 12);
  EXPECT_EQ(table.topRow, "2001. 1|31| 12|     83700");
  EXPECT_EQ(table.bottomRow, "2000. 2|29|  1|     83300");
}

TEST_F(LoanDialogTest, SaveWritesTheFieldsAsTheyStandWithoutCalc) {
  CEqualPaymentLoanDlg dialog;
  const fs::path target = folder / "ganri.txt";
  automation.saveAnswer = target.string();
  TypeEqualPaymentExample();
  TableState table;
  automation.Click(pay::kSave).Then([&](ui::DialogWindow& w) { table = Table(w, pay::kList); });
  dialog.DoModal();
  ASSERT_EQ(automation.saveDialogs.size(), 1u);
  EXPECT_EQ(automation.saveDialogs[0].initialName, "ganri.txt");
  // The last line, 最終的総支払額 and the grand total, in Shift-JIS.
  const std::string lastLine =
      "\x8D\xC5\x8F\x49\x93\x49\x91\x8D\x8E\x78\x95\xA5\x8A\x7A\\   1018743\r\n";
  EXPECT_TRUE(Read(target).ends_with("\r\n" + lastLine));
  // The report adds nothing to the table and no totals to the dialog.
  EXPECT_EQ(table.columns, 0u);
  EXPECT_EQ(dialog.m_dTotalInterest, 0.0);
}

TEST_F(LoanDialogTest, SaveStoppedByACheckLeavesTheFileUntouched) {
  const fs::path target = folder / "gankin.txt";
  std::ofstream(target, std::ios::binary) << "an earlier report";
  CEqualPrincipalLoanDlg dialog;
  automation.saveAnswer = target.string();
  TypeEqualPrincipalExample();
  automation.Type(prin::kLoanMonth, "3").Click(prin::kSave);
  dialog.DoModal();
  EXPECT_EQ(automation.saveDialogs.at(0).initialName, "gankin.txt");
  EXPECT_EQ(automation.overwritePrompts.size(), 1u);
  ASSERT_EQ(automation.boxes.size(), 1u);
  EXPECT_EQ(automation.boxes[0].text, res::text::kLoanDateAfterStart);
  EXPECT_EQ(Read(target), "an earlier report");
}

TEST_F(LoanDialogTest, SaveCancelledWritesNothing) {
  CEqualPrincipalLoanDlg dialog;
  automation.saveAnswer.reset();
  TypeEqualPrincipalExample();
  automation.Click(prin::kSave);
  dialog.DoModal();
  EXPECT_EQ(automation.saveDialogs.size(), 1u);
  EXPECT_TRUE(fs::is_empty(folder.Path()));
  EXPECT_TRUE(automation.boxes.empty());
}

}  // namespace
}  // namespace loan
