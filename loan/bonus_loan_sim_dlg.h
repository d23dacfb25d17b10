// The bonus-combined equal-installment repayment simulation (dialog 146).
#pragma once

#include "loan/bonus_loan_schedule.h"
#include "loan/schedule_graph.h"
#include "loan/schedule_list.h"
#include "ui/calculator_dialog.h"

namespace loan {

class CBonusLoanSimDlg : public ui::CCalculatorDlg {
 public:
  CBonusLoanSimDlg();

  // In the order the field exchange handles them (all but the mode).
  int m_nPeriodMode;
  CScheduleList m_list;
  // The last schedule shown, for the graph.
  CScheduleGraph m_graph;
  double m_dBonusMonthPayment;
  int m_nRepayStartYear;
  int m_nBonusCount;
  int m_nLoanYear;
  int m_nLoanMonth;
  double m_dAnnualRate;
  int m_nPeriod;
  double m_dTotalInterest;
  double m_dTotalPayment;
  int m_nBonusMonth[3];
  int m_nLoanAmount;
  int m_nRepayStartMonth;

 protected:
  void DoDataExchange(ui::CDataExchange& dx) override;

 private:
  void SetInitialValues();
  BonusLoanSimInput Input() const;
  void OnCalc();
  void OnClear();
  void OnRadioYears();
  void OnRadioMonths();
  void OnSaveToFile();
  void OnGraph();
};

}  // namespace loan
