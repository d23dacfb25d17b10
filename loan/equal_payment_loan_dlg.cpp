#include "loan/equal_payment_loan_dlg.h"

#include "core/checked_math.h"
#include "loan/calendar.h"
#include "loan/equal_payment_report.h"
#include "loan/equal_payment_schedule.h"
#include "loan/loan_dialog_input.h"
#include "loan/schedule_cells.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/data_exchange.h"

namespace loan {

namespace id = res::equal_payment_loan;

CEqualPaymentLoanDlg::CEqualPaymentLoanDlg() : CCalculatorDlg(res::kDlgEqualPaymentLoan) {
  SetInitialValues();
  OnClicked(id::kCalc, &CEqualPaymentLoanDlg::OnCalc);
  OnClicked(id::kClear, &CEqualPaymentLoanDlg::OnClear);
  OnClicked(id::kRadioAnnualRate, &CEqualPaymentLoanDlg::OnRadioAnnualRate);
  OnClicked(id::kRadioMonthRate, &CEqualPaymentLoanDlg::OnRadioMonthRate);
  OnClicked(id::kSave, &CEqualPaymentLoanDlg::OnSaveToFile);
}

int CEqualPaymentLoanDlg::IsLeapYear(int year) const { return loan::IsLeapYear(year); }

void CEqualPaymentLoanDlg::SetInitialValues() {
  m_nRateMode = kAnnualRate;
  m_nLoanAmount = 0;
  m_dAnnualRate = 0.0;
  m_dMonthRate = 0.0;
  m_nRepayStartMonth = 1;
  m_nRepayStartYear = 0;
  m_nPaymentCount = 1;
  m_nLoanYear = 0;
  m_nLoanMonth = 1;
  m_dTotalPrincipal = 0.0;
  m_dTotalInterest = 0.0;
}

void CEqualPaymentLoanDlg::DoDataExchange(ui::CDataExchange& dx) {
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Control(dx, id::kList, m_list);
  DDX_Text(dx, id::kLoanAmount, m_nLoanAmount);
  DDV_MinMaxInt(dx, m_nLoanAmount, 0, core::kAmountLimit);
  DDX_Text(dx, id::kAnnualRate, m_dAnnualRate);
  DDV_MinMaxDouble(dx, m_dAnnualRate, 0.0, 200.0);
  DDX_Text(dx, id::kMonthRate, m_dMonthRate);
  DDV_MinMaxDouble(dx, m_dMonthRate, 0.0, 400.0);
  DDX_Text(dx, id::kRepayStartMonth, m_nRepayStartMonth);
  DDV_MinMaxInt(dx, m_nRepayStartMonth, 1, 12);
  DDX_Text(dx, id::kRepayStartYear, m_nRepayStartYear);
  DDV_MinMaxInt(dx, m_nRepayStartYear, 0, 3000);
  DDX_Text(dx, id::kPaymentCount, m_nPaymentCount);
  DDV_MinMaxInt(dx, m_nPaymentCount, 1, kMaxPaymentCount);
  DDX_Text(dx, id::kLoanYear, m_nLoanYear);
  DDV_MinMaxInt(dx, m_nLoanYear, 0, 3000);
  DDX_Text(dx, id::kLoanMonth, m_nLoanMonth);
  DDV_MinMaxInt(dx, m_nLoanMonth, 1, 12);
  DDX_Text(dx, id::kTotalPrincipal, m_dTotalPrincipal);
  DDV_MinMaxDouble(dx, m_dTotalPrincipal, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kTotalInterest, m_dTotalInterest);
  DDV_MinMaxDouble(dx, m_dTotalInterest, 0.0, core::kAmountLimit);
  DDX_RadioGroup(dx, id::kRadioAnnualRate, id::kRadioMonthRate,
                 m_nRateMode == kAnnualRate ? id::kRadioAnnualRate : id::kRadioMonthRate);
}

void CEqualPaymentLoanDlg::OnCalc() {
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  // The headings stand even when a check stops the calculation.
  m_list.ClearTable();
  m_list.SetupEqualPaymentColumns();
  ApplyOutcome(ComputeEqualPaymentSchedule(LoanInputOf(*this)),
               [this](const EqualPaymentSchedule& schedule) {
                 m_list.AddRows(EqualPaymentTableRows(schedule.rows));
                 m_dTotalPrincipal = schedule.totalPrincipal / 10000.0;
                 m_dTotalInterest = schedule.totalInterest / 10000.0;
               });
}

void CEqualPaymentLoanDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);
  CheckRadioButton(id::kRadioAnnualRate, id::kRadioMonthRate, id::kRadioAnnualRate);
  m_list.ClearTable();
}

void CEqualPaymentLoanDlg::OnRadioAnnualRate() { m_nRateMode = kAnnualRate; }

void CEqualPaymentLoanDlg::OnRadioMonthRate() { m_nRateMode = kMonthRate; }

std::optional<std::string> CEqualPaymentLoanDlg::WriteReport() {
  UpdateData(true);  // as Calc: the report goes on with the members as they stand
  const core::Outcome<EqualPaymentSchedule> outcome =
      ComputeEqualPaymentSchedule(LoanInputOf(*this));
  const EqualPaymentSchedule* schedule = ResultOrWarn(outcome);
  if (schedule == nullptr) return std::nullopt;
  return FormatEqualPaymentReport(*schedule);
}

void CEqualPaymentLoanDlg::OnSaveToFile() {
  SaveReportToFile(res::text::kEqualPaymentReportName, [this] { return WriteReport(); });
}

}  // namespace loan
