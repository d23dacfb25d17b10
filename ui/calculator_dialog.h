// What every calculator dialog shares beyond the plain dialog: the warning box
// and the way a calculation's outcome reaches the controls.
#pragma once

#include <string_view>
#include <variant>

#include "ui/dialog.h"
#include "ui/outcome.h"

namespace ui {

class CCalculatorDlg : public CDialog {
 public:
  using CDialog::CDialog;

 protected:
  // A calculator's own check failed: the modal box captioned "注意" with the stop
  // icon and OK alone. The handler returns after it.
  void Warn(std::string_view text);

  // The end of every Calc: a warning is shown and nothing is written; results
  // go into the members through `store`, then every control is refreshed.
  // kAlreadyReported writes nothing and shows nothing more.
  template <class Result, class Store>
  void ApplyOutcome(const Outcome<Result>& outcome, Store store) {
    if (const Warning* warning = std::get_if<Warning>(&outcome)) {
      if (!warning->text.empty()) Warn(warning->text);
      return;
    }
    store(std::get<Result>(outcome));
    UpdateData(false);
  }
};

}  // namespace ui
