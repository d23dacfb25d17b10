// The equal-installment repayment simulation (dialog 131).
#pragma once

#include <optional>
#include <string>

#include "loan/loan_schedule.h"
#include "loan/schedule_list.h"
#include "ui/calculator_dialog.h"

namespace loan {

class CEqualPaymentLoanDlg : public ui::CCalculatorDlg {
 public:
  CEqualPaymentLoanDlg();

  // 1 for a leap year, else 0: the calendar rule the schedule counts days by.
  int IsLeapYear(int year) const;

  // The report of the schedule that the fields give now (the fields are read
  // first), or nullopt when a check stopped it after its warning.
  std::optional<std::string> WriteReport();

  // In declaration order; the field exchange handles all but the mode in this order.
  int m_nRateMode;
  CScheduleList m_list;
  int m_nLoanAmount;
  double m_dAnnualRate;
  double m_dMonthRate;
  int m_nRepayStartMonth;
  int m_nRepayStartYear;
  int m_nPaymentCount;
  int m_nLoanYear;
  int m_nLoanMonth;
  double m_dTotalPrincipal;
  double m_dTotalInterest;

 protected:
  void DoDataExchange(ui::CDataExchange& dx) override;

 private:
  void SetInitialValues();
  void OnCalc();
  void OnClear();
  void OnRadioAnnualRate();
  void OnRadioMonthRate();
  void OnSaveToFile();
};

}  // namespace loan
