// The variable-rate simulation (dialog 148): the equal-installment
// simulation's loan at an initial annual rate, eight rate-change rows, the
// interest and review rules, and the schedule with its unpaid interest.
#pragma once

#include <array>

#include "loan/schedule_graph.h"
#include "loan/schedule_list.h"
#include "loan/variable_rate_schedule.h"
#include "ui/calculator_dialog.h"

namespace loan {

class CVariableRateLoanDlg : public ui::CCalculatorDlg {
 public:
  CVariableRateLoanDlg();

  int m_nInterestRule;  // kDayCountedInterest or kTwelfthInterest
  int m_nReviewRule;    // kReviewAtEachChange or kFiveYearRule
  CScheduleList m_list;
  // The last schedule shown, for the graph.
  CScheduleGraph m_graph;
  // The loan, in the order of the field exchange; the rate is the initial one.
  int m_nLoanAmount;
  int m_nPaymentCount;
  int m_nLoanYear;
  int m_nLoanMonth;
  int m_nRepayStartYear;
  int m_nRepayStartMonth;
  double m_dAnnualRate;
  // The rate-change rows: from which repayment (0 leaves the row unused), at
  // which annual rate.
  std::array<int, kRateChangeRowCount> m_nChangeFrom;
  std::array<double, kRateChangeRowCount> m_dChangeRate;
  // Results: totals in 万円, the rest in yen but for the repayment's number.
  double m_dTotalPayment;
  double m_dTotalInterest;
  int m_nSettledUnpaid;
  int m_nFirstUnpaidNumber;
  int m_nLargestInstallment;
  int m_nLastPayment;

 protected:
  void DoDataExchange(ui::CDataExchange& dx) override;

 private:
  void SetInitialValues();
  VariableRateInput Input() const;
  void OnCalc();
  void OnClear();
  void OnRadioDayCounted();
  void OnRadioTwelfth();
  void OnRadioReviewAtEachChange();
  void OnRadioFiveYearRule();
  void OnSaveToFile();
  void OnGraph();
};

}  // namespace loan
