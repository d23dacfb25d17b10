#include "ui/win32/dpi.h"

namespace ui::win32 {

UINT WindowDpi(HWND window) {
  // Windows 10 (1607) and later; looked up, so that the program still starts
  // on older Windows.
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr)
    if (UINT dpi = getDpiForWindow(window); dpi != 0) return dpi;
  HDC screen = GetDC(nullptr);
  int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

int FromDesignPixels(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kDesignDpi));
}

int ToDesignPixels(int pixels, UINT dpi) {
  if (dpi == 0) return pixels;
  return MulDiv(pixels, static_cast<int>(kDesignDpi), static_cast<int>(dpi));
}

}  // namespace ui::win32
