// The field exchange: members to controls and back, with range validation.
//
// In the saving direction the first field that does not parse or lies outside its
// range stops the exchange: the framework's message is shown, that field gets the
// focus with its text selected, and every later exchange call does nothing. So the
// members before it hold their new values, a field that did not parse keeps its
// old value, one out of range holds the new value, and later members keep theirs.
#pragma once

#include <string_view>

namespace ui {

class CDialog;
class CListCtrl;

class CDataExchange {
 public:
  CDataExchange(CDialog& dialog, bool saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(&dialog) {}

  const bool m_bSaveAndValidate;
  CDialog* const m_pDlgWnd;
  int m_idLastControl = 0;  // the control of the latest exchange, for the range checks

  bool Failed() const { return failed_; }
  // True while exchange calls should still act.
  bool Active() const { return !failed_; }
  // Shows the framework's message, focuses the last control, stops the exchange.
  void Fail(std::string_view message);

 private:
  bool failed_ = false;
};

void DDX_Text(CDataExchange& dx, int id, int& value);
void DDX_Text(CDataExchange& dx, int id, double& value);
// Range checks, inclusive; they act only in the saving direction.
void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue);
void DDV_MinMaxDouble(CDataExchange& dx, double value, double minValue, double maxValue);
// Binds a list control member to its control.
void DDX_Control(CDataExchange& dx, int id, CListCtrl& control);
// Selects radio `checked` in the group first..last, unless the exchange failed.
void DDX_RadioGroup(CDataExchange& dx, int first, int last, int checked);

}  // namespace ui
