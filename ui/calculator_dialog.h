// What every calculator dialog shares beyond the plain dialog: the warning box
// and the way a calculation's outcome reaches the controls.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/outcome.h"
#include "core/report_text.h"
#include "ui/dialog.h"

namespace ui {

class CCalculatorDlg : public CDialog {
 public:
  using CDialog::CDialog;

 protected:
  // A calculator's own check failed: the modal box captioned "注意" with the stop
  // icon and OK alone. The handler returns after it.
  void Warn(std::string_view text);

  // Save-to-file of a schedule simulation. The Save dialog offers
  // `initialName` and asks before replacing a file; on OK, `writeReport` reads
  // the fields and returns the finished report, or nullopt when one of its
  // checks stopped it (it has shown its warning). The report then replaces the
  // chosen file whole. Cancel or a stopped report leaves the chosen file
  // exactly as it was; a file that cannot be written gets a warning.
  void SaveReportToFile(std::string_view initialName,
                        const std::function<std::optional<core::ReportText>()>& writeReport);

  // The end of every Calc: a warning is shown and nothing is written; results
  // go into the members through `store`, then every control is refreshed. A
  // stop already reported by the field exchange writes nothing and shows
  // nothing more.
  template <class Result, class Store>
  void ApplyOutcome(const core::Outcome<Result>& outcome, Store store) {
    const Result* result = ResultOrWarn(outcome);
    if (result == nullptr) return;
    store(*result);
    UpdateData(false);
  }

  // The end of every report writer: the report that `format` makes of the
  // result, or nullopt after showing the warning that stopped the calculation.
  template <class Result, class Format>
  std::optional<core::ReportText> ReportOrWarn(const core::Outcome<Result>& outcome,
                                               Format format) {
    const Result* result = ResultOrWarn(outcome);
    if (result == nullptr) return std::nullopt;
    return format(*result);
  }

  // The result, or nullptr after showing the warning that stopped the
  // calculation, if it has one.
  template <class Result>
  const Result* ResultOrWarn(const core::Outcome<Result>& outcome) {
    if (const core::Stop* stop = std::get_if<core::Stop>(&outcome)) {
      if (const core::Warning* warning = std::get_if<core::Warning>(stop)) Warn(warning->text);
      return nullptr;
    }
    return &std::get<Result>(outcome);
  }
};

}  // namespace ui
