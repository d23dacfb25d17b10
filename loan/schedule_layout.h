// How a schedule table is described: each column once, with its caption, its
// width in pixels at 96 DPI and its cell, a format (core/text_format.h) of
// the row's fields that the cell shows. A column is one line:
//
//   Column<"回", 37, "%3d", &ScheduleRow::number>
//
// A field is a data member of the row, or a function of the row for a cell
// that is worked out (the bonus mark). A column may show a fixed text instead
// in a row that is a prepayment (Column<...>::Prepayment<"繰上">).
//
// The cells of a row are written with one format, joined from the columns'
// formats by TABs when the program is compiled, so that a table of thousands
// of rows is written as quickly as one format per row allows.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "core/text_format.h"
#include "ui/table_rows.h"

namespace loan {

// A string literal as a template argument.
template <size_t N>
struct Literal {
  consteval Literal(const char (&literal)[N]) { std::copy_n(literal, N, text); }
  constexpr std::string_view View() const { return {text, N - 1}; }
  char text[N]{};
};

struct ColumnHeading {
  std::string_view caption;
  int width;  // pixels at 96 DPI
};

template <class Column, Literal Text>
struct WithPrepaymentText;

template <Literal Caption, int Width, Literal Format, auto... Fields>
struct Column {
  static constexpr ColumnHeading kHeading{Caption.View(), Width};
  static constexpr std::string_view kFormat = Format.View();
  // The text a prepayment row shows in this column, if it has its own.
  static constexpr std::optional<std::string_view> kPrepaymentText = std::nullopt;

  // The values that the format writes, from the row.
  template <class Row>
  static constexpr auto Values(const Row& row) {
    return std::tuple{Value<Fields>(row)...};
  }

  template <Literal Text>
  using Prepayment = WithPrepaymentText<Column, Text>;

 private:
  template <auto Field, class Row>
  static constexpr auto Value(const Row& row) {
    if constexpr (std::is_member_object_pointer_v<decltype(Field)>)
      return row.*Field;
    else
      return Field(row);
  }
};

template <class Column, Literal Text>
struct WithPrepaymentText : Column {
  static constexpr std::optional<std::string_view> kPrepaymentText = Text.View();
};

namespace layout_detail {

// The row's format: the cells' formats, or their prepayment texts, joined by TABs.
template <bool kPrepayment, class Column>
constexpr std::string_view CellFormat() {
  if constexpr (kPrepayment && Column::kPrepaymentText.has_value())
    return *Column::kPrepaymentText;
  else
    return Column::kFormat;
}

template <bool kPrepayment, class... Columns>
consteval auto JoinedFormat() {
  constexpr size_t kSize = (CellFormat<kPrepayment, Columns>().size() + ...) + sizeof...(Columns) - 1;
  std::array<char, kSize> joined{};
  size_t at = 0;
  bool first = true;
  auto add = [&](std::string_view cell) {
    if (!first) joined[at++] = '\t';
    first = false;
    for (char c : cell) joined[at++] = c;
  };
  (add(CellFormat<kPrepayment, Columns>()), ...);
  return joined;
}

// The values of a row in a prepayment row's format: none for a column that
// shows a fixed text there.
template <bool kPrepayment, class Column, class Row>
constexpr auto CellValues(const Row& row) {
  if constexpr (kPrepayment && Column::kPrepaymentText.has_value())
    return std::tuple{};
  else
    return Column::Values(row);
}

template <class Tuple>
struct FormatFor;
template <class... Values>
struct FormatFor<std::tuple<Values...>> {
  using Type = core::FormatString<Values...>;
};

template <bool kPrepayment, class Row, class... Columns>
using RowFormat = typename FormatFor<decltype(std::tuple_cat(
    CellValues<kPrepayment, Columns>(std::declval<const Row&>())...))>::Type;

}  // namespace layout_detail

// The columns of a schedule table whose rows are `Row`s, left to right.
template <class Row, class... Columns>
class ScheduleLayout {
 public:
  static constexpr std::array<ColumnHeading, sizeof...(Columns)> kHeadings{Columns::kHeading...};

  // The cells of the rows, one table row per schedule row, in the same order.
  static ui::TableRows Rows(std::span<const Row> rows) {
    ui::TableRows table;
    if (!rows.empty()) {
      // Room for rows about as long as the first, so that thousands of them
      // never grow the buffer and copy it on the way.
      ui::TableRows first;
      AddRow(first, rows.front());
      table.Reserve(rows.size(), first.TextBytes() + 8);
    }
    for (const Row& row : rows) AddRow(table, row);
    return table;
  }

 private:
  static constexpr bool kHasPrepaymentTexts = (Columns::kPrepaymentText.has_value() || ...);

  template <bool kPrepayment>
  static constexpr auto kJoined = layout_detail::JoinedFormat<kPrepayment, Columns...>();
  template <bool kPrepayment>
  static constexpr layout_detail::RowFormat<kPrepayment, Row, Columns...> kFormat{
      std::string_view(kJoined<kPrepayment>.data(), kJoined<kPrepayment>.size())};

  template <bool kPrepayment>
  static void AddWith(ui::TableRows& table, const Row& row) {
    std::apply([&](auto... values) { table.AddRow(kFormat<kPrepayment>, values...); },
               std::tuple_cat(layout_detail::CellValues<kPrepayment, Columns>(row)...));
  }

  static void AddRow(ui::TableRows& table, const Row& row) {
    if constexpr (kHasPrepaymentTexts) {
      if (row.prepayment) return AddWith<true>(table, row);
    }
    AddWith<false>(table, row);
  }
};

}  // namespace loan
