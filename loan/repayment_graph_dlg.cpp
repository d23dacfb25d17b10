#include "loan/repayment_graph_dlg.h"

#include <optional>
#include <string>
#include <utility>

#include "core/report_file.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/host.h"

namespace loan {

namespace id = res::graph;

CRepaymentGraphDlg::CRepaymentGraphDlg(core::ChartSeries series)
    : CDialog(res::kDlgGraph), series_(std::move(series)) {
  OnClicked(id::kSaveImage, &CRepaymentGraphDlg::OnSaveImage);
}

bool CRepaymentGraphDlg::OnInitDialog() {
  if (ui::ChartView* chart = Window()->GetChartView(id::kChart)) chart->SetSeries(series_);
  return CDialog::OnInitDialog();
}

void CRepaymentGraphDlg::OnSaveImage() {
  ui::SaveDialogRequest request;
  request.defaultExtension = res::text::kImageDefaultExtension;
  request.initialName = res::text::kImageName;
  request.filter = res::text::kImageFilter;
  request.flags = ui::kOfnOverwritePrompt | ui::kOfnHideReadOnly;
  std::optional<std::string> path = ui::CurrentHost().ShowSaveDialog(Window(), request);
  if (!path) return;
  ui::ChartView* chart = Window()->GetChartView(id::kChart);
  std::optional<std::string> picture = chart != nullptr ? chart->PngPicture() : std::nullopt;
  if (!picture || !core::ReplaceFileContents(*path, *picture))
    MessageBox(res::text::kReportNotWritten, res::text::kCaution, res::text::kWarningBoxType);
}

}  // namespace loan
