#include "loan/repayment_chart.h"

#include <algorithm>
#include <map>

namespace loan {
namespace {

// What a year's bar reaches above 0 and below it.
struct Reach {
  int64_t up = 0, down = 0;
  void Add(int64_t part) { (part > 0 ? up : down) += part; }
};

// The rows of a schedule without unpaid interest.
template <class Row>
std::vector<ChartRow> RowsOf(std::span<const Row> rows) {
  std::vector<ChartRow> chartRows;
  chartRows.reserve(rows.size());
  for (const Row& row : rows)
    chartRows.push_back({row.year, row.principal, row.interest, 0, row.balance});
  return chartRows;
}

}  // namespace

// A prepayment is all principal, dated in the year of its repayment.
std::vector<ChartRow> ChartRowsOf(std::span<const ScheduleRow> rows) { return RowsOf(rows); }

std::vector<ChartRow> ChartRowsOf(std::span<const BonusScheduleRow> rows) { return RowsOf(rows); }

// The rows come in repayment order, and what is carried only grows until the
// last repayment takes it to 0.
std::vector<ChartRow> ChartRowsOf(std::span<const VariableRateRow> rows) {
  std::vector<ChartRow> chartRows = RowsOf(rows);
  int32_t carried = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    chartRows[i].unpaid = std::max(0, rows[i].unpaidInterest - carried);
    carried = rows[i].unpaidInterest;
  }
  return chartRows;
}

core::ChartSeries RepaymentChart(std::span<const ChartRow> rows, const ChartTotals& totals,
                                 bool withUnpaid) {
  core::ChartSeries series;
  series.withUnpaid = withUnpaid;
  series.totalPrincipal = totals.principal;
  series.totalInterest = totals.interest;
  series.totalUnpaid = withUnpaid ? totals.unpaid : 0;
  // By year, whatever order the rows come in; the balance is that of the
  // year's last row in repayment order.
  std::map<int, core::ChartYear> years;
  for (const ChartRow& row : rows) {
    core::ChartYear& year = years[row.year];
    year.year = row.year;
    year.principal += row.principal;
    year.interest += row.interest;
    if (withUnpaid) year.unpaid += row.unpaid;
    year.balance = row.balance;
  }
  int64_t barLow = 0, barHigh = 0, balanceLow = 0, balanceHigh = 0;
  for (const auto& [number, year] : years) {
    series.years.push_back(year);
    Reach reach;
    reach.Add(year.principal);
    reach.Add(year.interest);
    reach.Add(year.unpaid);
    barLow = std::min(barLow, reach.down);
    barHigh = std::max(barHigh, reach.up);
    balanceLow = std::min(balanceLow, year.balance);
    balanceHigh = std::max(balanceHigh, year.balance);
  }
  series.barTicks = core::RoundTicks(barLow, barHigh);
  series.balanceTicks = core::RoundTicks(balanceLow, balanceHigh);
  return series;
}

}  // namespace loan
