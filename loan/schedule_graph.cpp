#include "loan/schedule_graph.h"

#include "loan/repayment_graph_dlg.h"

namespace loan {

bool CScheduleGraph::Open() const {
  if (!rows_) return false;
  CRepaymentGraphDlg graph(RepaymentChart(*rows_, totals_, withUnpaid_));
  graph.DoModal();
  return true;
}

}  // namespace loan
