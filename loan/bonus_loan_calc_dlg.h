// The bonus-combined equal-installment calculation (dialog 133).
#pragma once

#include "loan/bonus_loan_calc.h"
#include "ui/calculator_dialog.h"

namespace loan {

class CBonusLoanCalcDlg : public ui::CCalculatorDlg {
 public:
  CBonusLoanCalcDlg();

  // In the order the field exchange handles them.
  double m_dAnnualRate;
  int m_nBonusCount;
  int m_nYears;
  int m_nMonthlyPayment;
  int m_nLoanAmount;
  int m_nBonusPortion;
  int m_nBonusIncrease;
  double m_dTotalPayment;
  double m_dBonusMonthPayment;

 protected:
  void DoDataExchange(ui::CDataExchange& dx) override;

 private:
  void SetInitialValues();
  BonusLoanCalcInput Input() const;
  void OnCalc();
  void OnClear();
};

}  // namespace loan
