// The graph of random schedules in every schedule dialog, through the グラフ
// button: each year's principal and interest are the sums of the table's own
// columns over that year's rows, its balance the table's after the year's
// last row, its unpaid interest added the rises of the table's 未払利息 over
// that year, and each axis's ticks are round, evenly spaced and cover what it
// shows. A Calc that stopped leaves no graph but the warning. The seed is
// fixed, so a failure repeats.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "loan/bonus_loan_sim_dlg.h"
#include "loan/equal_payment_loan_dlg.h"
#include "loan/equal_principal_loan_dlg.h"
#include "loan/prepayment_loan_dlg.h"
#include "loan/repayment_chart.h"
#include "loan/variable_rate_loan_dlg.h"
#include "res/ids.h"
#include "res/texts.h"
#include "tests/unit/random_dice.h"
#include "tests/unit/test_automation.h"

namespace loan {
namespace {

using testing_support::Dice;

constexpr int kCasesPerDialog = 150;

// One year as the table shows it.
struct TableYear {
  int64_t principal = 0, interest = 0, unpaid = 0, balance = 0;
};

// The table's rows summed by the year of their 年月, reading the columns by
// their captions; rows are listed newest first.
std::map<int, TableYear> YearsOfTable(const ui::ListView& table) {
  std::map<std::string, int> column;
  const std::vector<ui::ListColumn> columns = table.Columns();
  for (size_t i = 0; i < columns.size(); ++i) column[columns[i].caption] = static_cast<int>(i);
  const int balance = column.count("残り（円）") ? column["残り（円）"] : column["残高（円）"];
  const auto unpaid = column.find("未払利息（円）");
  std::map<int, TableYear> years;
  int64_t carried = 0;
  for (int item = table.ItemCount() - 1; item >= 0; --item) {
    TableYear& year = years[std::stoi(table.ItemText(item, column["年月"]))];
    year.principal += std::stoll(table.ItemText(item, column["返済元金（円）"]));
    year.interest += std::stoll(table.ItemText(item, column["利息（円）"]));
    year.balance = std::stoll(table.ItemText(item, balance));
    if (unpaid == column.end()) continue;
    const int64_t now = std::stoll(table.ItemText(item, unpaid->second));
    year.unpaid += std::max<int64_t>(0, now - carried);
    carried = now;
  }
  return years;
}

// Round ticks, evenly spaced, that reach from `low` or below to `high` or above.
void ExpectTicksCover(const std::vector<int64_t>& ticks, int64_t low, int64_t high) {
  ASSERT_GE(ticks.size(), 2u);
  ASSERT_LE(ticks.size(), static_cast<size_t>(core::kMaxTickIntervals) + 1);
  EXPECT_LE(ticks.front(), std::min<int64_t>(low, 0));
  EXPECT_GE(ticks.back(), std::max<int64_t>(high, 0));
  const int64_t step = ticks[1] - ticks[0];
  int64_t mantissa = step;
  while (mantissa % 10 == 0) mantissa /= 10;
  EXPECT_TRUE(mantissa == 1 || mantissa == 2 || mantissa == 5) << step;
  for (size_t i = 1; i < ticks.size(); ++i) ASSERT_EQ(ticks[i] - ticks[i - 1], step);
  EXPECT_EQ(ticks.front() % step, 0);
}

void ExpectGraphOfTable(const core::ChartSeries& series, const std::map<int, TableYear>& table) {
  ASSERT_EQ(series.years.size(), table.size());
  int64_t barLow = 0, barHigh = 0, balanceLow = 0, balanceHigh = 0;
  auto expected = table.begin();
  for (const core::ChartYear& year : series.years) {
    const auto& [number, shown] = *expected;
    ASSERT_EQ(std::tuple(year.year, year.principal, year.interest, year.unpaid, year.balance),
              std::tuple(number, shown.principal, shown.interest, shown.unpaid, shown.balance));
    // Positive parts stack up from 0, negative ones down; unpaid interest is
    // never negative.
    barHigh = std::max(barHigh, std::max<int64_t>(year.principal, 0) +
                                    std::max<int64_t>(year.interest, 0) + year.unpaid);
    barLow = std::min(barLow, std::min<int64_t>(year.principal, 0) +
                                  std::min<int64_t>(year.interest, 0));
    balanceLow = std::min(balanceLow, year.balance);
    balanceHigh = std::max(balanceHigh, year.balance);
    ++expected;
  }
  ExpectTicksCover(series.barTicks, barLow, barHigh);
  ExpectTicksCover(series.balanceTicks, balanceLow, balanceHigh);
}

// A date a few months after another, as year and month texts.
std::pair<std::string, std::string> Later(Dice& dice, int year, int month) {
  const int64_t counter = year * 12LL + month - 1 + dice.Between(0, 30);
  return {std::to_string(counter / 12), std::to_string(counter % 12 + 1)};
}

// Plays kCasesPerDialog Calcs with the fields that `fill` types, each followed
// by the グラフ button, on a Dialog.
template <class Dialog>
void PlayGraphs(uint64_t seed, int graphButton, int calc,
                const std::function<void(Dice&, ui::DialogWindow&)>& fill) {
  Dice dice(seed);
  testing_support::TestAutomation automation;
  int graphs = 0, warnings = 0;
  for (int i = 0; i < kCasesPerDialog; ++i) {
    auto table = std::make_shared<std::map<int, TableYear>>();
    automation.Then([&, table](ui::DialogWindow& w) {
      fill(dice, w);
      w.UserClick(calc);
      for (const res::ControlTemplate& control : w.Template().controls)
        if (control.kind == res::ControlKind::List)
          *table = YearsOfTable(*w.GetListView(control.id));
      automation.boxes.clear();
      w.UserClick(graphButton);
    });
    // On the graph, or back on the dialog after the warning.
    automation.Then([&, table](ui::DialogWindow& w) {
      if (w.Template().id != res::kDlgGraph) {
        EXPECT_TRUE(table->empty());
        ASSERT_EQ(automation.boxes.size(), 1u);
        EXPECT_EQ(automation.boxes[0].text, res::text::kCalculateFirst);
        ++warnings;
        return;
      }
      ExpectGraphOfTable(w.GetChartView(res::graph::kChart)->Series(), *table);
      ++graphs;
      w.UserEscape();
    });
  }
  Dialog().DoModal();
  EXPECT_GT(graphs, kCasesPerDialog / 2);
  EXPECT_GT(warnings, 0);
}

// Loans as people take them, now and then one far larger or longer, or one
// that the dialog stops (the first repayment before the loan).
template <class Ids>
void FillLoanTerms(Dice& dice, ui::DialogWindow& w, const Ids& ids) {
  const int year = static_cast<int>(dice.Between(1990, 2990));
  const int month = static_cast<int>(dice.Between(1, 12));
  auto [startYear, startMonth] = Later(dice, year, month);
  if (dice.OneIn(8)) startYear = std::to_string(year - 1);
  w.UserType(ids.loanAmount,
             std::to_string(dice.OneIn(10) ? dice.Between(0, 2000000) : dice.Between(1, 20000)));
  w.UserType(ids.paymentCount,
             std::to_string(dice.OneIn(10) ? dice.Between(1, 4000) : dice.Between(1, 480)));
  w.UserType(ids.loanYear, std::to_string(year));
  w.UserType(ids.loanMonth, std::to_string(month));
  w.UserType(ids.repayStartYear, startYear);
  w.UserType(ids.repayStartMonth, startMonth);
}

// With its rate, per year or per month.
void FillLoan(Dice& dice, ui::DialogWindow& w, const res::DayCountedLoanIds& ids) {
  FillLoanTerms(dice, w, ids);
  w.UserClick(dice.OneIn(3) ? ids.radioMonthRate : ids.radioAnnualRate);
  w.UserType(ids.annualRate, std::to_string(dice.Real(0, 15)));
  w.UserType(ids.monthRate, std::to_string(dice.Real(0, 1.5)));
}

// The loan alone, on a day-counted dialog.
template <class Dialog>
void PlayLoanGraphs(uint64_t seed, const res::DayCountedLoanIds& ids) {
  PlayGraphs<Dialog>(seed, ids.graph, ids.calc,
                     [&ids](Dice& dice, ui::DialogWindow& w) { FillLoan(dice, w, ids); });
}

TEST(RepaymentGraphRandom, EqualPayment) {
  PlayLoanGraphs<CEqualPaymentLoanDlg>(2026120801, res::equal_payment_loan::kLoanIds);
}

TEST(RepaymentGraphRandom, EqualPrincipal) {
  PlayLoanGraphs<CEqualPrincipalLoanDlg>(2026120802, res::equal_principal_loan::kLoanIds);
}

// Prepayments: each row used or not, after any repayment, of any size up to
// more than is owed; the method either way.
TEST(RepaymentGraphRandom, Prepayment) {
  namespace id = res::prepayment_loan;
  PlayGraphs<CPrepaymentLoanDlg>(
      2026120803, id::kGraph, id::kCalc, [](Dice& dice, ui::DialogWindow& w) {
        FillLoan(dice, w, id::kLoanIds);
        const int count = std::stoi(w.GetItemText(id::kPaymentCount));
        const int amount = std::stoi(w.GetItemText(id::kLoanAmount));
        for (auto [after, sum] : {std::pair{id::kPrepayAfter1, id::kPrepayAmount1},
                                  std::pair{id::kPrepayAfter2, id::kPrepayAmount2},
                                  std::pair{id::kPrepayAfter3, id::kPrepayAmount3}}) {
          const bool used = count > 1 && !dice.OneIn(3);
          w.UserType(after, std::to_string(used ? dice.Between(1, count - 1) : 0));
          w.UserType(sum, std::to_string(used ? dice.Between(1, amount / 3 + 2) : 0));
        }
        w.UserClick(dice.OneIn(2) ? id::kRadioLowerInstallment : id::kRadioShortenTerm);
      });
}

// Bonus loans of any term; their balance and interest may fall below 0 where
// three bonuses a year outrun the loan.
TEST(RepaymentGraphRandom, BonusLoan) {
  namespace id = res::bonus_loan_sim;
  PlayGraphs<CBonusLoanSimDlg>(
      2026120804, id::kGraph, id::kCalc, [](Dice& dice, ui::DialogWindow& w) {
        const int year = static_cast<int>(dice.Between(1990, 2990));
        const int month = static_cast<int>(dice.Between(1, 12));
        auto [startYear, startMonth] = Later(dice, year, month);
        const int amount = static_cast<int>(dice.Between(100, 20000));
        const bool inMonths = dice.OneIn(3);
        const int period = static_cast<int>(dice.OneIn(10) ? dice.Between(0, 100)
                                                           : dice.Between(1, inMonths ? 100 : 40));
        const int bonuses = static_cast<int>(dice.Between(2, 3));
        w.UserType(id::kLoanAmount, std::to_string(amount));
        w.UserClick(inMonths ? id::kRadioMonths : id::kRadioYears);
        w.UserType(id::kPeriod, std::to_string(period));
        w.UserType(id::kBonusCount, std::to_string(bonuses));
        const int first = static_cast<int>(dice.Between(1, 4));
        w.UserType(id::kBonusMonth1, std::to_string(first));
        w.UserType(id::kBonusMonth2, std::to_string(first + 4));
        w.UserType(id::kBonusMonth3, std::to_string(dice.OneIn(8) ? first : first + 8));
        // Mostly a bonus payment that leaves the installments something to repay.
        const double bonusesInTerm =
            std::max(1.0, (inMonths ? period : period * 12) * bonuses / 12.0);
        w.UserType(id::kBonusMonthPayment,
                   std::to_string(amount / bonusesInTerm / dice.Real(1.2, 4.0)));
        w.UserType(id::kAnnualRate, std::to_string(dice.Real(0, 8)));
        w.UserType(id::kLoanYear, std::to_string(year));
        w.UserType(id::kLoanMonth, std::to_string(month));
        w.UserType(id::kRepayStartYear, startYear);
        w.UserType(id::kRepayStartMonth, startMonth);
      });
}

// Variable rates: up to eight rises or falls at random repayments, some far
// enough up that the installment leaves interest unpaid, either rule of
// interest and of review.
TEST(RepaymentGraphRandom, VariableRate) {
  namespace id = res::variable_rate_loan;
  struct {
    int loanAmount, paymentCount, loanYear, loanMonth, repayStartYear, repayStartMonth;
  } constexpr kTerms{id::kLoanAmount, id::kPaymentCount,    id::kLoanYear,
                     id::kLoanMonth,  id::kRepayStartYear, id::kRepayStartMonth};
  PlayGraphs<CVariableRateLoanDlg>(
      2026120805, id::kGraph, id::kCalc, [&kTerms](Dice& dice, ui::DialogWindow& w) {
        FillLoanTerms(dice, w, kTerms);
        w.UserType(id::kAnnualRate, std::to_string(dice.Real(0, 5)));
        w.UserClick(dice.OneIn(2) ? id::kRadioDayCounted : id::kRadioTwelfth);
        const int count = std::stoi(w.GetItemText(id::kPaymentCount));
        for (int row = 0; row < 8; ++row) {
          const bool used = count > 1 && dice.OneIn(2);
          w.UserType(id::kChangeFrom1 + 2 * row,
                     std::to_string(used ? dice.Between(2, count) : 0));
          w.UserType(id::kChangeRate1 + 2 * row, std::to_string(dice.Real(0, 30)));
        }
        w.UserClick(dice.OneIn(2) ? id::kRadioReviewAtEachChange : id::kRadioFiveYearRule);
      });
}

// A third part per year, unpaid interest added: summed like the others and
// stacked on them for the bars' axis.
TEST(RepaymentChart, CarriesUnpaidInterestAsAThirdPart) {
  const ChartRow rows[] = {
      {2030, 1000, 500, 300, 9000}, {2030, 1000, 400, 200, 8000}, {2031, -100, 50, 0, 0}};
  const core::ChartSeries series = RepaymentChart(rows, {1900, 950, 500}, true);
  ASSERT_EQ(series.years.size(), 2u);
  EXPECT_EQ(series.years[0], (core::ChartYear{2030, 2000, 900, 500, 8000}));
  EXPECT_EQ(series.years[1], (core::ChartYear{2031, -100, 50, 0, 0}));
  // From -100 to 2000 + 900 + 500: 500 apart, as 200 would take 18 steps.
  EXPECT_EQ(series.barTicks,
            (std::vector<int64_t>{-500, 0, 500, 1000, 1500, 2000, 2500, 3000, 3500}));
}

}  // namespace
}  // namespace loan
