// The equal-principal repayment simulation (dialog 132).
#pragma once

#include <optional>
#include <string>

#include "loan/day_counted_loan_dlg.h"

namespace loan {

class CEqualPrincipalLoanDlg : public CDayCountedLoanDlg {
 public:
  CEqualPrincipalLoanDlg();

  // The totals of the schedule, in 万円.
  double m_dTotalPayment;
  double m_dTotalInterest;

 protected:
  void DoDataExchange(ui::CDataExchange& dx) override;
  void SetInitialValues() override;
  void ShowSchedule() override;
  std::optional<core::ReportText> ScheduleReport() override;
};

}  // namespace loan
