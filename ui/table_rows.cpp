#include "ui/table_rows.h"

#include <algorithm>

namespace ui {
namespace {

// The cells of a row, one after the other.
class CellReader {
 public:
  explicit CellReader(std::string_view line) : rest_(line), more_(true) {}
  bool More() const { return more_; }
  std::string_view Next() {
    const size_t tab = rest_.find('\t');
    const std::string_view cell = rest_.substr(0, tab);
    more_ = tab != std::string_view::npos;
    rest_.remove_prefix(more_ ? tab + 1 : rest_.size());
    return cell;
  }

 private:
  std::string_view rest_;
  bool more_;
};

}  // namespace

void TableRows::Reserve(size_t rows, size_t bytesPerRow) {
  text_.reserve(rows * bytesPerRow);
  rows_.reserve(rows);
}

void TableRows::AddRow(std::span<const std::string_view> cells) {
  const size_t begin = text_.size();
  for (size_t cell = 0; cell < cells.size(); ++cell) {
    if (cell > 0) text_ += '\t';
    const size_t at = text_.size();
    text_ += cells[cell];
    std::replace(text_.begin() + static_cast<ptrdiff_t>(at), text_.end(), '\t', ' ');
  }
  rows_.push_back({begin, text_.size()});
}

std::string_view TableRows::Line(size_t row) const {
  return std::string_view(text_).substr(rows_[row].begin, rows_[row].end - rows_[row].begin);
}

std::string_view TableRows::Cell(size_t row, size_t column) const {
  if (row >= rows_.size()) return {};
  CellReader cells(Line(row));
  for (size_t k = 0; cells.More(); ++k) {
    const std::string_view cell = cells.Next();
    if (k == column) return cell;
  }
  return {};
}

void TableRows::Reverse() { std::reverse(rows_.begin(), rows_.end()); }

size_t TableRows::Insert(size_t position, TableRows&& rows) {
  const size_t at = std::min(position, rows_.size());
  if (rows_.empty()) {
    // The rows of a table that is filled at once keep their own buffer.
    *this = std::move(rows);
    return at;
  }
  const size_t offset = text_.size();
  text_ += rows.text_;
  for (Span& span : rows.rows_) span = {span.begin + offset, span.end + offset};
  rows_.insert(rows_.begin() + static_cast<ptrdiff_t>(at), rows.rows_.begin(), rows.rows_.end());
  rows.Clear();
  return at;
}

template <class Edit>
void TableRows::Rewrite(size_t cellsAfter, Edit edit) {
  std::string old = std::move(text_);
  text_.clear();
  text_.reserve(old.size() + rows_.size());
  for (Span& span : rows_) {
    const size_t begin = text_.size();
    size_t written = 0;
    auto put = [&](std::string_view cell) {
      if (written == cellsAfter) return;
      if (written++ > 0) text_ += '\t';
      text_ += cell;
    };
    CellReader cells(std::string_view(old).substr(span.begin, span.end - span.begin));
    for (size_t k = 0; cells.More(); ++k) edit(k, cells.Next(), put);
    span = {begin, text_.size()};
  }
}

void TableRows::InsertColumn(size_t column, size_t cellsAfter) {
  Rewrite(cellsAfter, [column](size_t k, std::string_view cell, auto& put) {
    if (k == column) put({});
    put(cell);
  });
}

void TableRows::DeleteColumn(size_t column, size_t cellsAfter) {
  Rewrite(cellsAfter, [column](size_t k, std::string_view cell, auto& put) {
    if (k != column) put(cell);
  });
}

void TableRows::Clear() {
  text_.clear();
  rows_.clear();
}

}  // namespace ui
