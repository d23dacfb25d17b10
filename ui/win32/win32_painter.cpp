#include "ui/win32/win32_painter.h"

namespace ui::win32 {

void Win32Painter::BeginPaint() {
  if (dc_ == nullptr) dc_ = ::BeginPaint(window_, &paint_);
}

void Win32Painter::EndPaint() {
  if (dc_ == nullptr) return;
  ::EndPaint(window_, &paint_);
  dc_ = nullptr;
}

void Win32Painter::EraseIconBackground() {
  if (dc_ != nullptr) SendMessageW(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc_), 0);
}

Extent Win32Painter::IconExtent() const {
  return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
}

Extent Win32Painter::ClientExtent() const {
  RECT client{};
  GetClientRect(window_, &client);
  return {client.right - client.left, client.bottom - client.top};
}

void Win32Painter::DrawIcon(int iconId, int x, int y) {
  if (dc_ != nullptr) ::DrawIcon(dc_, x, y, LoadIconW(instance_, MAKEINTRESOURCEW(iconId)));
}

}  // namespace ui::win32
