// The seven-column schedule table of the repayment simulations: three fixed
// column layouts, rows added at the top, and a clearing that also drops the
// columns. The table formats nothing; callers hand it finished cell texts.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "ui/list_ctrl.h"

namespace loan {

inline constexpr int kScheduleColumnCount = 7;

// The texts of one row, for columns 0 to 6.
using ScheduleRowTexts = std::array<std::string, kScheduleColumnCount>;

class CScheduleList : public ui::CListCtrl {
 public:
  void SetupEqualPaymentColumns();
  void SetupEqualPrincipalColumns();
  void SetupBonusColumns();

  // Inserts the row as the new first row: rows added in repayment order show
  // the last repayment at the top.
  void AddRow(std::span<const std::string_view, kScheduleColumnCount> texts);
  void AddRow(const ScheduleRowTexts& texts);
  // AddRow for each row in order, with drawing suspended meanwhile, so that a
  // schedule of thousands of rows goes in at once.
  void AddRows(std::span<const ScheduleRowTexts> rows);

  // Deletes every row, then every column; also fine on a table without columns.
  void ClearTable();

 private:
  struct Column {
    std::string_view caption;
    int width;
  };
  void InsertColumns(std::span<const Column, kScheduleColumnCount> layout);
};

}  // namespace loan
