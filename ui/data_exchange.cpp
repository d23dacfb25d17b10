#include "ui/data_exchange.h"

#include <string>

#include "res/texts.h"
#include "ui/dialog.h"
#include "ui/field_text.h"
#include "ui/fill_text.h"
#include "ui/host.h"
#include "ui/list_ctrl.h"

namespace ui {
namespace {

std::string RangeMessage(std::string_view pattern, std::string_view low, std::string_view high) {
  return FillText(pattern, {{"min", low}, {"max", high}});
}

// Exchanges one field. Parse turns a text into a value, Format the reverse.
template <class T, class Parse, class Format>
void ExchangeText(CDataExchange& dx, int id, T& value, Parse parse, Format format,
                  std::string_view parseMessage) {
  if (!dx.Active()) return;
  dx.m_idLastControl = id;
  if (dx.m_bSaveAndValidate) {
    std::string text = dx.m_pDlgWnd->GetDlgItemText(id);
    if (auto parsed = parse(text)) {
      value = *parsed;
      // Typed in full width, the field shows the value it was read as.
      if (FieldTextToAscii(text) != text) dx.m_pDlgWnd->SetDlgItemText(id, format(value));
    } else {
      dx.Fail(parseMessage);
    }
  } else {
    dx.m_pDlgWnd->SetDlgItemText(id, format(value));
  }
}

}  // namespace

void CDataExchange::Fail(std::string_view message) {
  m_pDlgWnd->MessageBox(message, res::text::kFieldCaption, res::text::kFieldMessageType);
  if (DialogWindow* window = m_pDlgWnd->Window()) window->FocusAndSelectAll(m_idLastControl);
  failed_ = true;
}

void DDX_Text(CDataExchange& dx, int id, int& value) {
  ExchangeText(dx, id, value, ParseIntField, FormatIntField, res::text::kNeedInteger);
}

void DDX_Text(CDataExchange& dx, int id, double& value) {
  ExchangeText(dx, id, value, ParseRealField, FormatRealField, res::text::kNeedNumber);
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue) {
  if (!dx.Active() || !dx.m_bSaveAndValidate) return;
  if (value < minValue || value > maxValue)
    dx.Fail(RangeMessage(res::text::kIntegerRange, FormatIntField(minValue),
                         FormatIntField(maxValue)));
}

void DDV_MinMaxDouble(CDataExchange& dx, double value, double minValue, double maxValue) {
  if (!dx.Active() || !dx.m_bSaveAndValidate) return;
  if (!(value >= minValue && value <= maxValue))
    dx.Fail(RangeMessage(res::text::kNumberRange, FormatRealField(minValue),
                         FormatRealField(maxValue)));
}

void DDX_Control(CDataExchange& dx, int id, CListCtrl& control) {
  if (!dx.Active()) return;
  if (!control.IsAttached()) control.Attach(*dx.m_pDlgWnd, id);
}

void DDX_RadioGroup(CDataExchange& dx, int first, int last, int checked) {
  if (dx.Active()) dx.m_pDlgWnd->CheckRadioButton(first, last, checked);
}

}  // namespace ui
