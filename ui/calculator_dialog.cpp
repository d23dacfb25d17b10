#include "ui/calculator_dialog.h"

#include "res/texts.h"

namespace ui {

void CCalculatorDlg::Warn(std::string_view text) {
  MessageBox(text, res::text::kCaution, res::text::kWarningBoxType);
}

}  // namespace ui
