#include "ui/calculator_dialog.h"

#include "core/report_file.h"
#include "res/texts.h"
#include "ui/host.h"

namespace ui {

void CCalculatorDlg::Warn(std::string_view text) {
  MessageBox(text, res::text::kCaution, res::text::kWarningBoxType);
}

void CCalculatorDlg::SaveReportToFile(
    std::string_view initialName,
    const std::function<std::optional<core::ReportText>()>& writeReport) {
  SaveDialogRequest request;
  request.defaultExtension = res::text::kReportDefaultExtension;
  request.initialName = initialName;
  request.filter = res::text::kReportFilter;
  request.flags = kOfnOverwritePrompt | kOfnHideReadOnly;
  std::optional<std::string> path = CurrentHost().ShowSaveDialog(Window(), request);
  if (!path) return;
  std::optional<core::ReportText> report = writeReport();
  if (!report) return;
  if (!core::WriteReportFile(*path, *report)) Warn(res::text::kReportNotWritten);
}

}  // namespace ui
