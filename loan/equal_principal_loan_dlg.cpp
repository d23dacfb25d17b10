#include "loan/equal_principal_loan_dlg.h"

#include "core/checked_math.h"
#include "loan/calendar.h"
#include "loan/equal_principal_report.h"
#include "loan/equal_principal_schedule.h"
#include "loan/loan_dialog_input.h"
#include "loan/schedule_cells.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/data_exchange.h"

namespace loan {

namespace id = res::equal_principal_loan;

CEqualPrincipalLoanDlg::CEqualPrincipalLoanDlg() : CCalculatorDlg(res::kDlgEqualPrincipalLoan) {
  SetInitialValues();
  OnClicked(id::kCalc, &CEqualPrincipalLoanDlg::OnCalc);
  OnClicked(id::kClear, &CEqualPrincipalLoanDlg::OnClear);
  OnClicked(id::kRadioAnnualRate, &CEqualPrincipalLoanDlg::OnRadioAnnualRate);
  OnClicked(id::kRadioMonthRate, &CEqualPrincipalLoanDlg::OnRadioMonthRate);
  OnClicked(id::kSave, &CEqualPrincipalLoanDlg::OnSaveToFile);
}

int CEqualPrincipalLoanDlg::IsLeapYear(int year) const { return loan::IsLeapYear(year); }

void CEqualPrincipalLoanDlg::SetInitialValues() {
  m_nRateMode = kAnnualRate;
  m_nLoanAmount = 0;
  m_nPaymentCount = 1;
  m_nRepayStartYear = 0;
  m_dAnnualRate = 0.0;
  m_nRepayStartMonth = 1;
  m_dMonthRate = 0.0;
  m_nLoanYear = 0;
  m_nLoanMonth = 1;
  m_dTotalPayment = 0.0;
  m_dTotalInterest = 0.0;
}

void CEqualPrincipalLoanDlg::DoDataExchange(ui::CDataExchange& dx) {
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Control(dx, id::kList, m_list);
  DDX_Text(dx, id::kLoanAmount, m_nLoanAmount);
  DDV_MinMaxInt(dx, m_nLoanAmount, 0, core::kAmountLimit);
  DDX_Text(dx, id::kPaymentCount, m_nPaymentCount);
  DDV_MinMaxInt(dx, m_nPaymentCount, 1, kMaxPaymentCount);
  DDX_Text(dx, id::kRepayStartYear, m_nRepayStartYear);
  DDV_MinMaxInt(dx, m_nRepayStartYear, 0, 3000);
  DDX_Text(dx, id::kAnnualRate, m_dAnnualRate);
  DDV_MinMaxDouble(dx, m_dAnnualRate, 0.0, 200.0);
  DDX_Text(dx, id::kRepayStartMonth, m_nRepayStartMonth);
  DDV_MinMaxInt(dx, m_nRepayStartMonth, 1, 12);
  DDX_Text(dx, id::kMonthRate, m_dMonthRate);
  DDV_MinMaxDouble(dx, m_dMonthRate, 0.0, 400.0);
  DDX_Text(dx, id::kLoanYear, m_nLoanYear);
  DDV_MinMaxInt(dx, m_nLoanYear, 0, 3000);
  DDX_Text(dx, id::kLoanMonth, m_nLoanMonth);
  DDV_MinMaxInt(dx, m_nLoanMonth, 1, 12);
  DDX_Text(dx, id::kTotalPayment, m_dTotalPayment);
  DDV_MinMaxDouble(dx, m_dTotalPayment, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kTotalInterest, m_dTotalInterest);
  DDV_MinMaxDouble(dx, m_dTotalInterest, 0.0, core::kAmountLimit);
  DDX_RadioGroup(dx, id::kRadioAnnualRate, id::kRadioMonthRate,
                 m_nRateMode == kAnnualRate ? id::kRadioAnnualRate : id::kRadioMonthRate);
}

void CEqualPrincipalLoanDlg::OnCalc() {
  // The headings stand even when a field or a check stops the calculation.
  m_list.ClearTable();
  m_list.SetupEqualPrincipalColumns();
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  ApplyOutcome(ComputeEqualPrincipalSchedule(LoanInputOf(*this)),
               [this](const EqualPrincipalSchedule& schedule) {
                 m_list.AddRows(EqualPrincipalTableRows(schedule.rows));
                 m_dTotalPayment = schedule.totalPayment / 10000.0;
                 m_dTotalInterest = schedule.totalInterest / 10000.0;
               });
}

void CEqualPrincipalLoanDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);
  CheckRadioButton(id::kRadioAnnualRate, id::kRadioMonthRate, id::kRadioAnnualRate);
  m_list.ClearTable();
}

void CEqualPrincipalLoanDlg::OnRadioAnnualRate() { m_nRateMode = kAnnualRate; }

void CEqualPrincipalLoanDlg::OnRadioMonthRate() { m_nRateMode = kMonthRate; }

std::optional<std::string> CEqualPrincipalLoanDlg::WriteReport() {
  UpdateData(true);  // as Calc: the report goes on with the members as they stand
  const core::Outcome<EqualPrincipalSchedule> outcome =
      ComputeEqualPrincipalSchedule(LoanInputOf(*this));
  const EqualPrincipalSchedule* schedule = ResultOrWarn(outcome);
  if (schedule == nullptr) return std::nullopt;
  return FormatEqualPrincipalReport(*schedule);
}

void CEqualPrincipalLoanDlg::OnSaveToFile() {
  SaveReportToFile(res::text::kEqualPrincipalReportName, [this] { return WriteReport(); });
}

}  // namespace loan
