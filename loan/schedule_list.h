// The seven-column schedule table of the repayment simulations: three fixed
// column layouts, rows added at the top, and a clearing that also drops the
// columns. The table formats nothing; callers hand it finished cell texts.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_format.h"
#include "ui/list_ctrl.h"

namespace loan {

inline constexpr int kScheduleColumnCount = 7;

// The cell texts of a schedule's rows, for columns 0 to 6, as a simulation
// formats them: each row one line whose cells a TAB separates, every row in
// one buffer, so that thousands of rows are written and handed over at once.
class ScheduleTexts {
 public:
  void Reserve(size_t rows);
  // Appends a row: what core::AppendFormat writes, the format separating the
  // cells by TABs.
  template <class... Args>
  void AddRow(const core::FormatString<std::type_identity_t<Args>...>& format, Args... args) {
    core::AppendFormat(text_, format, args...);
    rowEnds_.push_back(text_.size());
  }
  size_t RowCount() const { return rowEnds_.size(); }
  // The cells of row `row`, counted from 0 as added; those the row lacks are empty.
  std::array<std::string_view, kScheduleColumnCount> Row(size_t row) const;

 private:
  std::string text_;
  std::vector<size_t> rowEnds_;
};

class CScheduleList : public ui::CListCtrl {
 public:
  void SetupEqualPaymentColumns();
  void SetupEqualPrincipalColumns();
  void SetupBonusColumns();

  // Inserts the row as the new first row: rows added in repayment order show
  // the last repayment at the top.
  void AddRow(std::span<const std::string_view, kScheduleColumnCount> texts);
  // AddRow for each row in order, all at once, so that a schedule of
  // thousands of rows goes in as quickly as a few.
  void AddRows(const ScheduleTexts& rows);

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
