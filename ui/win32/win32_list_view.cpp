#include "ui/win32/win32_list_view.h"


#include <algorithm>
#include <cwchar>
#include <string>
#include <string_view>

#include "ui/win32/dpi.h"
#include "ui/win32/wide_text.h"

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
// full-width asterisk, the same mark at the size of a kanji. Reading the cell
// gives back the program's own text.
constexpr std::wstring_view kMark = L"*";
constexpr std::wstring_view kShownMark = L"\uFF0A";  // ＊

// `text` with its mark `from` replaced by `to`, when the text is such a mark.
std::wstring ReplaceMark(std::wstring text, std::wstring_view from, std::wstring_view to) {
  size_t at = text.find_first_not_of(L' ');
  if (at != std::wstring::npos && text.compare(at, std::wstring::npos, from) == 0)
    text.replace(at, from.size(), to);
  return text;
}

std::wstring ShownText(std::string_view text) {
  return ReplaceMark(ToUtf16(text), kMark, kShownMark);
}

}  // namespace

Win32ListView::Win32ListView(HWND control) : control_(control), dpi_(WindowDpi(control)) {}

int Win32ListView::InsertColumn(int position, std::string_view caption, int width) {
  std::wstring text = ToUtf16(caption);
  LVCOLUMNW column{};
  // Caption, width and column number only: every column keeps the left alignment.
  column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.cx = FromDesignPixels(width, dpi_);
  column.pszText = text.data();
  column.iSubItem = position;
  return static_cast<int>(
      SendMessageW(control_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(position),
                   reinterpret_cast<LPARAM>(&column)));
}

bool Win32ListView::DeleteColumn(int position) {
  if (position < 0) return false;
  return SendMessageW(control_, LVM_DELETECOLUMN, static_cast<WPARAM>(position), 0) != FALSE;
}

int Win32ListView::InsertItem(int position, std::string_view text) {
  std::wstring wide = ShownText(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = position;
  item.pszText = wide.data();
  return static_cast<int>(
      SendMessageW(control_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

bool Win32ListView::SetItemText(int item, int subItem, std::string_view text) {
  std::wstring wide = ShownText(text);
  LVITEMW cell{};
  cell.mask = LVIF_TEXT;
  cell.iItem = item;
  cell.iSubItem = subItem;
  cell.pszText = wide.data();
  return SendMessageW(control_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&cell)) != FALSE;
}

bool Win32ListView::DeleteAllItems() {
  return SendMessageW(control_, LVM_DELETEALLITEMS, 0, 0) != FALSE;
}

void Win32ListView::SetRedraw(bool redraw) {
  SendMessageW(control_, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  if (redraw) InvalidateRect(control_, nullptr, TRUE);
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
    columns.push_back(ListColumn{ToUtf8(caption), ToDesignPixels(width, dpi_)});
  }
  return columns;
}

int Win32ListView::ItemCount() const {
  return static_cast<int>(SendMessageW(control_, LVM_GETITEMCOUNT, 0, 0));
}

std::string Win32ListView::ItemText(int item, int subItem) const {
  if (item < 0 || item >= ItemCount() || subItem < 0) return {};
  std::wstring shown = FetchText([&](wchar_t* buffer, int size) -> size_t {
    LVITEMW cell{};
    cell.iSubItem = subItem;
    cell.pszText = buffer;
    cell.cchTextMax = size;
    return static_cast<size_t>(SendMessageW(control_, LVM_GETITEMTEXTW,
                                            static_cast<WPARAM>(item),
                                            reinterpret_cast<LPARAM>(&cell)));
  });
  return ToUtf8(ReplaceMark(std::move(shown), kShownMark, kMark));
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

void Win32ListView::SelectAll() {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED;
  state.state = LVIS_SELECTED;
  SendMessageW(control_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(&state));
}

}  // namespace ui::win32
