// The prepayment simulation (dialog 147): the equal-installment simulation's
// loan, a prepayment method and three prepayment rows, with what they save.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "loan/day_counted_loan_dlg.h"
#include "loan/prepayment_schedule.h"

namespace loan {

class CPrepaymentLoanDlg : public CDayCountedLoanDlg {
 public:
  CPrepaymentLoanDlg();

  int m_nMethod;  // kShortenTerm or kLowerInstallment
  // The prepayment rows: the repayment each follows (0 for none) and its
  // amount in whole 万円 (0 leaves the row unused).
  std::array<int, kPrepaymentRowCount> m_nPrepayAfter;
  std::array<int, kPrepaymentRowCount> m_nPrepayAmount;

  // Results: totals in 万円, the repayments made and the last installment in yen.
  double m_dTotalInterest;
  double m_dTotalPrincipal;
  double m_dTotalPrepaid;
  double m_dInterestSaved;
  int m_nRepaymentCount;
  int m_nFinalInstallment;

 protected:
  void DoDataExchange(ui::CDataExchange& dx) override;
  void SetInitialValues() override;
  void ShowSchedule() override;
  std::optional<core::ReportText> ScheduleReport() override;

 private:
  PrepaymentInput PrepaymentInputs() const;
  void OnRadioShortenTerm();
  void OnRadioLowerInstallment();
};

}  // namespace loan
