// The schedule table of the repayment simulations: fixed column layouts
// (loan/schedule_columns.h), rows added at the top, and a clearing that also
// drops the columns. The table formats nothing; callers hand it finished rows.
#pragma once

#include <span>
#include <string_view>

#include "loan/schedule_layout.h"
#include "ui/list_ctrl.h"
#include "ui/table_rows.h"

namespace loan {

class CScheduleList : public ui::CListCtrl {
 public:
  void SetupEqualPaymentColumns();
  void SetupEqualPrincipalColumns();
  void SetupBonusColumns();
  void SetupVariableRateColumns();
  // Inserts these columns, left to right, in a table without columns.
  void SetupColumns(std::span<const ColumnHeading> columns);

  // Inserts a row of these cell texts, left to right, as the new first row:
  // rows added in repayment order show the last repayment at the top.
  void AddRow(std::span<const std::string_view> texts);
  // AddRow for each row in order, all at once, so that a schedule of
  // thousands of rows goes in as quickly as a few.
  void AddRows(ui::TableRows rows);

  // Deletes every row, then every column; also fine on a table without columns.
  void ClearTable();
};

}  // namespace loan
