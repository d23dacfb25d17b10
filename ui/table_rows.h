// The texts of a table's rows in the one form they keep from the formatting to
// the screen: each row a line whose cells a TAB separates, every row in one
// buffer. A simulation writes its rows into it, and a list keeps it as it is
// and cuts out the cell it shows. Cells never hold a TAB.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/text_format.h"

namespace ui {

class TableRows {
 public:
  // Room for `rows` rows of about `bytesPerRow` bytes each.
  void Reserve(size_t rows, size_t bytesPerRow = 64);

  // Appends a row: what core::AppendFormat writes, the format separating the
  // cells by TABs.
  template <class... Args>
  void AddRow(const core::FormatString<std::type_identity_t<Args>...>& format, Args... args) {
    const size_t begin = text_.size();
    core::AppendFormat(text_, format, args...);
    rows_.push_back({begin, text_.size()});
  }
  // Appends a row of these cells; a TAB within a cell becomes a blank.
  void AddRow(std::span<const std::string_view> cells);

  size_t RowCount() const { return rows_.size(); }
  // The bytes the rows' texts take, TABs included.
  size_t TextBytes() const { return text_.size(); }
  // Cell `column` of row `row`, counted from 0; empty when there is none.
  std::string_view Cell(size_t row, size_t column) const;

  // The rows in the opposite order.
  void Reverse();
  // Moves the rows of `rows` in before row `position` (after the last when
  // past it); returns where the first of them now stands.
  size_t Insert(size_t position, TableRows&& rows);
  // An empty cell comes in at `column` of every row that reaches it, or the
  // cell there goes; either way no row keeps more than `cellsAfter` cells.
  void InsertColumn(size_t column, size_t cellsAfter);
  void DeleteColumn(size_t column, size_t cellsAfter);
  void Clear();

 private:
  struct Span {
    size_t begin, end;
  };
  std::string_view Line(size_t row) const;
  // Writes every row anew, at most `cellsAfter` cells of it: `edit(k, cell,
  // put)` is called for each cell k and puts the cells that replace it.
  template <class Edit>
  void Rewrite(size_t cellsAfter, Edit edit);

  std::string text_;
  std::vector<Span> rows_;  // in the order shown
};

}  // namespace ui
