// The compound-interest deposit calculator (dialog 130).
#pragma once

#include <cstdint>

#include "deposit/compound_deposit.h"
#include "ui/calculator_dialog.h"

namespace deposit {

class CCompoundDepositDlg : public ui::CCalculatorDlg {
 public:
  CCompoundDepositDlg();

  // In the order the field exchange handles them.
  int8_t m_nRateMode;
  double m_dDepositAmount;
  int m_nInterest;
  int m_nEndYear;
  int m_nEndMonth;
  double m_dHalfYearRate;
  double m_dYearRate;
  int m_nStartYear;
  int m_nStartMonth;
  int m_nPeriodCount;
  double m_dTaxRate;
  int m_nTax;
  double m_dMonthRate;
  double m_dMaturityTotal;

 protected:
  void DoDataExchange(ui::CDataExchange& dx) override;

 private:
  void SetInitialValues();
  CompoundDepositInput Input() const;
  int CheckedRadio() const;
  void OnCalc();
  void OnClear();
  void OnRadioYear();
  void OnRadioHalfYear();
  void OnRadioMonth();
};

}  // namespace deposit
