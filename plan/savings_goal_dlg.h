// The savings goal (dialog 150): how much to save each month to reach a sum.
#pragma once

#include "plan/savings_goal.h"
#include "ui/calculator_dialog.h"

namespace plan {

class CSavingsGoalDlg : public ui::CCalculatorDlg {
 public:
  CSavingsGoalDlg();

  // In the order the field exchange handles them.
  int m_nInterestMode;
  double m_dGoal;  // 万円
  int m_nStartYear;
  int m_nStartMonth;
  int m_nEndYear;
  int m_nEndMonth;
  double m_dAnnualYield;
  double m_dTaxRate;
  int m_nInstallment;       // yen a month
  double m_dMaturityTotal;  // 万円
  double m_dPaidIn;         // 万円
  int m_nInterest;          // yen, after tax

 protected:
  void DoDataExchange(ui::CDataExchange& dx) override;

 private:
  void SetInitialValues();
  SavingsGoalInput Input() const;
  void OnCalc();
  void OnClear();
  void OnRadioSimple();
  void OnRadioCompound();
};

}  // namespace plan
