// The paint context of a dialog's window during one WM_PAINT.
#pragma once

#include "ui/win32/windows_api.h"

#include "ui/window_painter.h"

namespace ui::win32 {

class Win32Painter final : public WindowPainter {
 public:
  Win32Painter(HWND window, HINSTANCE instance) : window_(window), instance_(instance) {}
  ~Win32Painter() override { EndPaint(); }
  Win32Painter(const Win32Painter&) = delete;
  Win32Painter& operator=(const Win32Painter&) = delete;

  bool IsIconic() const override { return ::IsIconic(window_) != FALSE; }
  void BeginPaint() override;
  void EndPaint() override;
  void EraseIconBackground() override;
  Extent IconExtent() const override;
  Extent ClientExtent() const override;
  void DrawIcon(int iconId, int x, int y) override;

 private:
  HWND window_;
  HINSTANCE instance_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

}  // namespace ui::win32
