#include "ui/win32/win32_list_view.h"

#include <algorithm>
#include <cwchar>
#include <string>
#include <string_view>

#include "core/utf16.h"
#include "ui/win32/dpi.h"

namespace ui::win32 {
namespace {

// Reads a text that the control copies into a caller's buffer, growing the
// buffer until the text fits with room to spare.
template <class Fetch>
std::wstring FetchText(Fetch fetch) {
  for (size_t size = 256;; size *= 4) {
    std::wstring buffer(size, L'\0');
    size_t length = fetch(buffer.data(), static_cast<int>(size));
    if (length + 1 < size || size >= (1u << 20)) {
      buffer.resize(std::min(length, size - 1));
      return buffer;
    }
  }
}

// The bonus-month mark, a cell of blanks and one '*': in the Japanese dialog
// font that asterisk is a dot of a few pixels, so the control shows the
// full-width asterisk, the same mark at the size of a kanji. The program's
// own text keeps its '*'.
std::wstring ShownText(std::string_view text) {
  std::wstring shown = core::ToUtf16(text);
  const size_t mark = shown.find_first_not_of(L' ');
  if (mark != std::wstring::npos && shown.compare(mark, std::wstring::npos, L"*") == 0)
    shown[mark] = L'\uFF0A';  // ＊
  return shown;
}

}  // namespace

Win32ListView::Win32ListView(HWND control) : control_(control), dpi_(WindowDpi(control)) {}

int Win32ListView::InsertColumn(int position, std::string_view caption, int width) {
  std::wstring text = core::ToUtf16(caption);
  LVCOLUMNW column{};
  // Caption, width and column number only: every column keeps the left alignment.
  column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.cx = FromDesignPixels(width, dpi_);
  column.pszText = text.data();
  column.iSubItem = position;
  const int at = static_cast<int>(SendMessageW(control_, LVM_INSERTCOLUMNW,
                                               static_cast<WPARAM>(position),
                                               reinterpret_cast<LPARAM>(&column)));
  if (at >= 0) cells_.InsertColumn(static_cast<size_t>(at), ++columns_);
  return at;
}

bool Win32ListView::DeleteColumn(int position) {
  if (position < 0 ||
      !SendMessageW(control_, LVM_DELETECOLUMN, static_cast<WPARAM>(position), 0))
    return false;
  cells_.DeleteColumn(static_cast<size_t>(position), --columns_);
  return true;
}

int Win32ListView::InsertRows(int position, TableRows rows) {
  if (position < 0) return -1;
  const size_t count = rows.RowCount();
  const size_t at = cells_.InsertRows(static_cast<size_t>(position), std::move(rows));
  ShowRowsInserted(at, count);
  return static_cast<int>(at);
}

void Win32ListView::SetItemState(int item, UINT state, UINT mask) {
  LVITEMW change{};
  change.state = state;
  change.stateMask = mask;
  SendMessageW(control_, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
               reinterpret_cast<LPARAM>(&change));
}

void Win32ListView::ShowRowsInserted(size_t at, size_t inserted) {
  // Asked only when there is a selection: looking for one goes through every row.
  const std::vector<int> selected =
      SendMessageW(control_, LVM_GETSELECTEDCOUNT, 0, 0) > 0 ? SelectedItems() : std::vector<int>();
  const int focused = static_cast<int>(
      SendMessageW(control_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  SendMessageW(control_, LVM_SETITEMCOUNT, cells_.RowCount(), LVSICF_NOSCROLL);
  auto moved = [&](int item) {
    return item >= static_cast<int>(at) ? item + static_cast<int>(inserted) : item;
  };
  if (!selected.empty()) {
    SetItemState(-1, 0, LVIS_SELECTED);
    for (int item : selected) SetItemState(moved(item), LVIS_SELECTED, LVIS_SELECTED);
  }
  if (focused >= 0) SetItemState(moved(focused), LVIS_FOCUSED, LVIS_FOCUSED);
}

bool Win32ListView::DeleteAllItems() {
  cells_.Clear();
  return SendMessageW(control_, LVM_DELETEALLITEMS, 0, 0) != FALSE;
}

void Win32ListView::OnGetDispInfo(NMLVDISPINFOW& request) const {
  LVITEMW& cell = request.item;
  if (!(cell.mask & LVIF_TEXT) || cell.pszText == nullptr || cell.cchTextMax <= 0) return;
  const std::wstring shown = ShownText(ItemText(cell.iItem, cell.iSubItem));
  const size_t size = std::min(shown.size(), static_cast<size_t>(cell.cchTextMax) - 1);
  std::copy_n(shown.data(), size, cell.pszText);
  cell.pszText[size] = L'\0';
}

int Win32ListView::OnFindItem(const NMLVFINDITEMW& request) const {
  const LVFINDINFOW& find = request.lvfi;
  const int count = ItemCount();
  if (!(find.flags & (LVFI_STRING | LVFI_PARTIAL)) || find.psz == nullptr || count == 0) return -1;
  const std::wstring_view wanted(find.psz);
  const int start = request.iStart > 0 && request.iStart < count ? request.iStart : 0;
  const int rows = (find.flags & LVFI_WRAP) ? count : count - start;
  for (int step = 0; step < rows; ++step) {
    const int item = (start + step) % count;
    const std::wstring shown = ShownText(ItemText(item, 0));
    // As the control compares its own rows: letter case aside.
    const size_t compared =
        (find.flags & LVFI_PARTIAL) ? std::min(shown.size(), wanted.size()) : shown.size();
    if (CompareStringOrdinal(shown.data(), static_cast<int>(compared), wanted.data(),
                             static_cast<int>(wanted.size()), TRUE) == CSTR_EQUAL)
      return item;
  }
  return -1;
}

std::vector<ListColumn> Win32ListView::Columns() const {
  std::vector<ListColumn> columns;
  for (int index = 0;; ++index) {
    int width = 0;
    bool exists = true;
    std::wstring caption = FetchText([&](wchar_t* buffer, int size) -> size_t {
      LVCOLUMNW column{};
      column.mask = LVCF_WIDTH | LVCF_TEXT;
      column.pszText = buffer;
      column.cchTextMax = size;
      exists = SendMessageW(control_, LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(&column)) != FALSE;
      width = column.cx;
      return exists ? wcsnlen(buffer, static_cast<size_t>(size)) : 0;
    });
    if (!exists) break;
    columns.push_back(ListColumn{core::ToUtf8(caption), ToDesignPixels(width, dpi_)});
  }
  return columns;
}

std::string Win32ListView::ItemText(int item, int subItem) const {
  if (item < 0 || subItem < 0) return {};
  return std::string(cells_.Text(static_cast<size_t>(item), static_cast<size_t>(subItem)));
}

void Win32ListView::OnDpiChanged(UINT dpi) {
  if (dpi == 0 || dpi == dpi_) return;
  for (int index = 0;; ++index) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    if (!SendMessageW(control_, LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&column)))
      break;
    int width = FromDesignPixels(ToDesignPixels(column.cx, dpi_), dpi);
    SendMessageW(control_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), MAKELPARAM(width, 0));
  }
  dpi_ = dpi;
}

std::vector<int> Win32ListView::SelectedItems() const {
  std::vector<int> items;
  for (int item = -1;;) {
    item = static_cast<int>(SendMessageW(control_, LVM_GETNEXTITEM, static_cast<WPARAM>(item),
                                         LVNI_SELECTED));
    if (item < 0) return items;
    items.push_back(item);
  }
}

void Win32ListView::SelectAll() { SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED); }

}  // namespace ui::win32
