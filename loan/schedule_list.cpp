#include "loan/schedule_list.h"

#include "ui/host.h"

namespace loan {

void ScheduleTexts::Reserve(size_t rows) {
  // Some 60 characters make a row of the simulations' tables.
  text_.reserve(rows * 64);
  rowEnds_.reserve(rows);
}

std::array<std::string_view, kScheduleColumnCount> ScheduleTexts::Row(size_t row) const {
  std::array<std::string_view, kScheduleColumnCount> cells;
  if (row >= rowEnds_.size()) return cells;
  std::string_view line(text_.data(), rowEnds_[row]);
  line.remove_prefix(row > 0 ? rowEnds_[row - 1] : 0);
  for (std::string_view& cell : cells) {
    const size_t tab = line.find('\t');
    cell = line.substr(0, tab);
    line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
  }
  return cells;
}

void CScheduleList::InsertColumns(std::span<const Column, kScheduleColumnCount> layout) {
  for (int k = 0; k < kScheduleColumnCount; ++k)
    InsertColumn(k, layout[static_cast<size_t>(k)].caption, layout[static_cast<size_t>(k)].width);
}

// Widths are pixels at 96 DPI; the host scales them to the window's DPI. Each
// column holds its widest cell ("9999.12", repayment 4000, ten-digit amounts)
// whole from 96 to 192 DPI, also in the wider font that Wine draws
// "ＭＳ Ｐゴシック" with: 年月, 回 and the bonus layout's 利息 are a few pixels
// wider than the classic layouts made them for that. 日数, which holds two
// digits, gives back what its caption can spare, so that the day-counted
// layouts still fit their table without a horizontal scroll bar.
void CScheduleList::SetupEqualPaymentColumns() {
  static constexpr Column kLayout[kScheduleColumnCount] = {
      {"年月", 58},           {"日数", 36},       {"回", 37},
      {"元利合計（円）", 90}, {"利息（円）", 90}, {"返済元金（円）", 90},
      {"残り（円）", 90},
  };
  InsertColumns(kLayout);
}

void CScheduleList::SetupEqualPrincipalColumns() {
  static constexpr Column kLayout[kScheduleColumnCount] = {
      {"年月", 58},           {"日数", 36},       {"回", 37},
      {"返済元金（円）", 90}, {"利息（円）", 90}, {"元利合計（円）", 90},
      {"残り（円）", 90},
  };
  InsertColumns(kLayout);
}

void CScheduleList::SetupBonusColumns() {
  // The narrow first column carries the bonus-month mark and has no caption.
  static constexpr Column kLayout[kScheduleColumnCount] = {
      {"", 20},               {"年月", 60},       {"回", 37},
      {"元利合計（円）", 90}, {"利息（円）", 85}, {"返済元金（円）", 90},
      {"残高（円）", 90},
  };
  InsertColumns(kLayout);
}

void CScheduleList::AddRow(std::span<const std::string_view, kScheduleColumnCount> texts) {
  // A row the control refuses is left out, together with its cells.
  const int item = InsertItem(0, texts[0]);
  if (item < 0) return;
  for (int k = 1; k < kScheduleColumnCount; ++k)
    SetItemText(item, k, texts[static_cast<size_t>(k)]);
}

void CScheduleList::AddRows(const ScheduleTexts& rows) {
  // Each row in turn would go to the top: the last comes first.
  std::vector<std::string_view> cells;
  cells.reserve(rows.RowCount() * kScheduleColumnCount);
  for (size_t row = rows.RowCount(); row-- > 0;)
    for (std::string_view cell : rows.Row(row)) cells.push_back(cell);
  InsertRows(0, cells, kScheduleColumnCount);
}

void CScheduleList::ClearTable() {
  DeleteAllItems();
  const ui::ListView* view = View();
  if (view == nullptr) return;
  // From the highest position down to 0.
  for (int position = static_cast<int>(view->Columns().size()) - 1; position >= 0; --position)
    DeleteColumn(position);
}

}  // namespace loan
