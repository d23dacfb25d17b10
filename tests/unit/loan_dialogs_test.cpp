// What the loan simulations' dialogs add to their schedules: the leap-year
// members, the largest table, a report that reads the fields itself, and the
// moment at which each empties its table.
#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>
#include <vector>

#include "loan/equal_payment_loan_dlg.h"
#include "loan/equal_principal_loan_dlg.h"
#include "res/ids.h"
#include "tests/unit/temp_folder.h"
#include "tests/unit/test_automation.h"
#include "ui/host.h"

namespace loan {
namespace {

namespace pay = res::equal_payment_loan;
namespace prin = res::equal_principal_loan;

TEST(LoanDialogs, LeapYearMembersFollowTheCalendar) {
  CEqualPaymentLoanDlg equalPayment;
  CEqualPrincipalLoanDlg equalPrincipal;
  for (auto [year, leap] : {std::pair{0, 1}, {1900, 0}, {2000, 1}, {2100, 0}, {2003, 0}}) {
    EXPECT_EQ(equalPayment.IsLeapYear(year), leap) << year;
    EXPECT_EQ(equalPrincipal.IsLeapYear(year), leap) << year;
  }
}

class LoanDialogTest : public ::testing::Test {
 protected:
  // 100 万円 taken 2000/1, first repaid 2000/2, at 3 % a year.
  void TypeLoan(int amount, int count, int year, int month, int startYear, int startMonth,
                int rate) {
    automation.Type(amount, "100")
        .Type(count, "12")
        .Type(year, "2000")
        .Type(month, "1")
        .Type(startYear, "2000")
        .Type(startMonth, "2")
        .Type(rate, "3");
  }

  testing_support::TestAutomation automation;
  testing_support::TempFolder folder;
};

TEST_F(LoanDialogTest, LargestCountFillsTheTable) {
  CEqualPrincipalLoanDlg dialog;
  int rows = 0;
  std::string top;
  TypeLoan(prin::kLoanAmount, prin::kPaymentCount, prin::kLoanYear, prin::kLoanMonth,
           prin::kRepayStartYear, prin::kRepayStartMonth, prin::kAnnualRate);
  automation.Type(prin::kPaymentCount, "4000").Click(prin::kCalc).Then([&](ui::DialogWindow& w) {
    ui::ListView* view = w.GetListView(prin::kList);
    rows = view->ItemCount();
    top = view->ItemText(0, 0) + "|" + view->ItemText(0, 2) + "|" + view->ItemText(0, 3);
  });
  dialog.DoModal();
  EXPECT_EQ(rows, 4000);
  // February 2000 plus 3999 months; U = 200, so 1000000 − 3999 × 200 is left.
  EXPECT_EQ(top, "2333. 5|4000|    200200");
}

TEST_F(LoanDialogTest, SaveReadsTheFieldsWithoutCalc) {
  CEqualPaymentLoanDlg dialog;
  automation.saveAnswer = (folder / "ganri.txt").string();
  TypeLoan(pay::kLoanAmount, pay::kPaymentCount, pay::kLoanYear, pay::kLoanMonth,
           pay::kRepayStartYear, pay::kRepayStartMonth, pay::kAnnualRate);
  size_t columns = 99;
  automation.Click(pay::kSave).Then([&](ui::DialogWindow& w) {
    columns = w.GetListView(pay::kList)->Columns().size();
  });
  dialog.DoModal();
  // The last line: 最終的総支払額 and the grand total 1018743, in Shift-JIS.
  EXPECT_TRUE(testing_support::TempFolder::Read(folder / "ganri.txt")
                  .ends_with("\n\x8D\xC5\x8F\x49\x93\x49\x91\x8D\x8E\x78\x95\xA5\x8A\x7A"
                             "\\   1018743\r\n"));
  // The report adds nothing to the table and no totals to the dialog.
  EXPECT_EQ(columns, 0u);
  EXPECT_EQ(dialog.m_dTotalInterest, 0.0);
}

// Whenever a box comes up, notes how many rows the simulation's table holds.
class RowsAtEachBox final : public testing_support::TestAutomation {
 public:
  RowsAtEachBox(const ui::CDialog& dialog, int list) : dialog_(dialog), list_(list) {}
  int OnMessageBox(std::string_view caption, std::string_view text, unsigned type) override {
    rows.push_back(dialog_.Window()->GetListView(list_)->ItemCount());
    return TestAutomation::OnMessageBox(caption, text, type);
  }
  std::vector<int> rows;

 private:
  const ui::CDialog& dialog_;
  const int list_;
};

// The controls of a day-counted simulation that the next test acts on.
struct LoanControls {
  int list, calc, loanAmount, paymentCount, loanYear, loanMonth, repayStartYear, annualRate;
};

// A Calc after a schedule, with a loan month that does not parse: the rows
// still in the table when the field's message shows.
template <class Dialog>
std::vector<int> RowsWhileTheFieldMessageShows(const LoanControls& id) {
  Dialog dialog;
  RowsAtEachBox automation(dialog, id.list);
  automation.Type(id.loanAmount, "100")
      .Type(id.paymentCount, "12")
      .Type(id.loanYear, "2000")
      .Type(id.repayStartYear, "2000")
      .Type(id.annualRate, "3")
      .Click(id.calc)
      .Type(id.loanMonth, "x")
      .Click(id.calc);
  dialog.DoModal();
  return automation.rows;
}

TEST(LoanDialogs, EachSimulationEmptiesItsTableAtItsOwnMoment) {
  // Equal installments: right after the field exchange, so the old rows stand
  // while its message shows. Equal principal: before the exchange.
  EXPECT_EQ(RowsWhileTheFieldMessageShows<CEqualPaymentLoanDlg>(
                {pay::kList, pay::kCalc, pay::kLoanAmount, pay::kPaymentCount, pay::kLoanYear,
                 pay::kLoanMonth, pay::kRepayStartYear, pay::kAnnualRate}),
            std::vector<int>{12});
  EXPECT_EQ(RowsWhileTheFieldMessageShows<CEqualPrincipalLoanDlg>(
                {prin::kList, prin::kCalc, prin::kLoanAmount, prin::kPaymentCount, prin::kLoanYear,
                 prin::kLoanMonth, prin::kRepayStartYear, prin::kAnnualRate}),
            std::vector<int>{0});
}

}  // namespace
}  // namespace loan
