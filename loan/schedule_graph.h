// What a schedule dialog keeps for its repayment graph, and its グラフ
// command: the rows of the last Calc that got through, with the totals it
// showed; nothing before the first Calc, after a stopped one, or after Clear.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "loan/repayment_chart.h"

namespace loan {

class CScheduleGraph {
 public:
  // The rows of a schedule that ChartRowsOf takes.
  // `withUnpaid` for a schedule that carries unpaid interest: its bars get
  // the third part.
  template <class Row>
  void Keep(const std::vector<Row>& rows, const ChartTotals& totals, bool withUnpaid = false) {
    rows_ = ChartRowsOf(std::span<const Row>(rows));
    totals_ = totals;
    withUnpaid_ = withUnpaid;
  }
  void Forget() { rows_.reset(); }

  // Runs the graph window of the rows kept; false, showing nothing, when
  // there are none.
  bool Open() const;

 private:
  std::optional<std::vector<ChartRow>> rows_;
  ChartTotals totals_;
  bool withUnpaid_ = false;
};

}  // namespace loan
