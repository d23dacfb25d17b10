// The simple-interest deposit calculator (dialog 129).
#pragma once

#include "deposit/simple_deposit.h"
#include "ui/calculator_dialog.h"

namespace deposit {

class CSimpleDepositDlg : public ui::CCalculatorDlg {
 public:
  CSimpleDepositDlg();

  // In the order the field exchange handles them.
  int m_nRateMode;
  int m_nInterest;
  double m_dDailyRate;
  double m_dAnnualRate;
  double m_dDepositAmount;
  double m_dTaxRate;
  int m_nTax;
  int m_nStartYear;
  int m_nStartMonth;
  int m_nEndYear;
  int m_nEndMonth;
  double m_dMaturityTotal;

 protected:
  void DoDataExchange(ui::CDataExchange& dx) override;

 private:
  void SetInitialValues();
  SimpleDepositInput Input() const;
  void OnCalc();
  void OnClear();
  void OnRadioAnnualRate();
  void OnRadioDailyRate();
};

}  // namespace deposit
