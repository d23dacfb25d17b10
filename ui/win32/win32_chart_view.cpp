#include "ui/win32/win32_chart_view.h"

#include <algorithm>
#include <utility>

#include "ui/win32/clipboard.h"
#include "ui/win32/dpi.h"
#include "ui/win32/png_encoder.h"

namespace ui::win32 {
namespace {

HFONT DialogFont(HWND control) {
  return reinterpret_cast<HFONT>(SendMessageW(GetParent(control), WM_GETFONT, 0, 0));
}

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right - client.left, client.bottom - client.top};
}

}  // namespace

void Win32ChartView::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = &Win32ChartView::WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  windowClass.lpszClassName = kClassName;
  // A second host in the same program finds the class already there.
  RegisterClassExW(&windowClass);
}

Win32ChartView::Win32ChartView(HWND control) : control_(control) {
  SetWindowLongPtrW(control_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32ChartView::~Win32ChartView() {
  if (IsWindow(control_) &&
      GetWindowLongPtrW(control_, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this))
    SetWindowLongPtrW(control_, GWLP_USERDATA, 0);
}

void Win32ChartView::SetSeries(core::ChartSeries series) {
  series_ = std::move(series);
  InvalidateRect(control_, nullptr, FALSE);
}

std::optional<ChartPixels> Win32ChartView::Picture() const {
  const SIZE size = ClientSize(control_);
  return RenderChart(size.cx, size.cy, WindowDpi(control_), DialogFont(control_), series_);
}

std::optional<std::string> Win32ChartView::PngPicture() {
  std::optional<ChartPixels> pixels = Picture();
  return pixels ? EncodePng(*pixels) : std::nullopt;
}

void Win32ChartView::CopyPicture() const {
  if (std::optional<ChartPixels> pixels = Picture())
    WriteClipboardData(GetParent(control_), CF_DIB, PackedDib(*pixels));
}

void Win32ChartView::Paint() const {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control_, &paint);
  if (dc == nullptr) return;
  const SIZE size = ClientSize(control_);
  // Drawn in memory first and shown at once, so that resizing does not flicker.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap =
      CreateCompatibleBitmap(dc, std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1));
  if (memory != nullptr && bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    DrawChart(memory, size.cx, size.cy, WindowDpi(control_), DialogFont(control_), series_);
    // The focus shows as the other controls show it: once the keyboard is used.
    if (GetFocus() == control_ &&
        !(SendMessageW(control_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
      RECT focus{0, 0, size.cx, size.cy};
      InflateRect(&focus, -2, -2);
      DrawFocusRect(memory, &focus);
    }
    BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  EndPaint(control_, &paint);
}

LRESULT CALLBACK Win32ChartView::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  const auto* view =
      reinterpret_cast<const Win32ChartView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (view == nullptr) break;
      view->Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the painting covers every pixel
    case WM_GETDLGCODE:
      // Typed characters stay here rather than being taken for mnemonics.
      return DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
      SetFocus(window);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_UPDATEUISTATE:
      InvalidateRect(window, nullptr, FALSE);
      break;  // the platform keeps the state
    case WM_KEYDOWN:
      if (view != nullptr && wParam == 'C' && GetKeyState(VK_CONTROL) < 0 &&
          GetKeyState(VK_MENU) >= 0) {
        view->CopyPicture();
        return 0;
      }
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace ui::win32
