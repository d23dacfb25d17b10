// A graph control kept in memory: the series it was given, and no picture.
#pragma once

#include <utility>

#include "ui/host.h"

namespace ui {

class HeadlessChartView final : public ChartView {
 public:
  void SetSeries(core::ChartSeries series) override { series_ = std::move(series); }
  const core::ChartSeries& Series() const override { return series_; }
  // Nothing is drawn here, so there is no picture to save.
  std::optional<std::string> PngPicture() override { return std::nullopt; }

  // Ctrl+C puts the picture on the clipboard in place of what it held. The
  // headless clipboard holds text alone, so it is left empty, as the
  // platform's clipboard is left without text.
  void OnKey(Key key) {
    if (key == Key::CtrlC) CurrentHost().SetClipboardText({});
  }

 private:
  core::ChartSeries series_;
};

}  // namespace ui
