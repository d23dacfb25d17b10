// The borrowing limit (dialog 149): how much can be borrowed on an income.
#pragma once

#include "plan/borrowing_limit.h"
#include "ui/calculator_dialog.h"

namespace plan {

class CBorrowingLimitDlg : public ui::CCalculatorDlg {
 public:
  CBorrowingLimitDlg();

  // In the order the field exchange handles them.
  int m_nRatioMode;
  int m_nAnnualIncome;
  double m_dBurdenRatio;
  double m_dScreeningRate;
  int m_nPaymentCount;
  double m_dOtherRepayments;
  double m_dAppliedRatio;
  int m_nMonthlyBudget;
  double m_dBorrowingLimit;  // 万円
  int m_nInstallment;

 protected:
  void DoDataExchange(ui::CDataExchange& dx) override;

 private:
  void SetInitialValues();
  BorrowingLimitInput Input() const;
  void OnCalc();
  void OnClear();
  void OnRadioFlat35();
  void OnRadioTypedRatio();
};

}  // namespace plan
