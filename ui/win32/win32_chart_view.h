// The graph control of a dialog on screen: a window of the program's own
// class, which draws the series it is given at the window's size and DPI.
// It takes the focus when clicked (or by Tab) and then copies its picture on
// Ctrl+C, as the table copies its rows.
#pragma once

#include "ui/win32/windows_api.h"

#include <optional>
#include <string>

#include "ui/host.h"
#include "ui/win32/chart_drawing.h"

namespace ui::win32 {

class Win32ChartView final : public ChartView {
 public:
  // The class of the control's window, as the dialog templates name it.
  static constexpr const wchar_t* kClassName = L"TavoroChart";
  // Registers the class for windows of `instance`; once is enough.
  static void RegisterWindowClass(HINSTANCE instance);

  explicit Win32ChartView(HWND control);
  ~Win32ChartView() override;
  Win32ChartView(const Win32ChartView&) = delete;
  Win32ChartView& operator=(const Win32ChartView&) = delete;

  void SetSeries(core::ChartSeries series) override;
  const core::ChartSeries& Series() const override { return series_; }
  std::optional<std::string> PngPicture() override;

  // The picture at the control's size and DPI; nullopt when GDI cannot make it.
  std::optional<ChartPixels> Picture() const;
  // Puts the picture on the clipboard, as a device-independent bitmap.
  void CopyPicture() const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint() const;

  HWND control_;
  core::ChartSeries series_;
};

}  // namespace ui::win32
