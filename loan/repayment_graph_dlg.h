// The repayment graph (dialog 160): a schedule's series drawn by the host,
// resizable, with its picture saved as a PNG file on request. It knows no
// calculator: whoever opens it hands it the series.
#pragma once

#include "core/chart_series.h"
#include "ui/dialog.h"

namespace loan {

class CRepaymentGraphDlg : public ui::CDialog {
 public:
  explicit CRepaymentGraphDlg(core::ChartSeries series);

  // Hands the series to the graph control.
  bool OnInitDialog() override;

 private:
  // 画像を保存: the Save dialog offers "graph.png" and asks before replacing a
  // file; the picture as drawn now then replaces the chosen file whole. A
  // picture that cannot be made (the headless host draws none) or a file that
  // cannot be written gets a warning and leaves the file as it was.
  void OnSaveImage();

  core::ChartSeries series_;
};

}  // namespace loan
