#include "loan/day_counted_loan_dlg.h"

#include "core/checked_math.h"
#include "core/month_index.h"
#include "loan/calendar.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/data_exchange.h"

namespace loan {

CDayCountedLoanDlg::CDayCountedLoanDlg(int templateId, const DayCountedLoanLayout& layout)
    : CCalculatorDlg(templateId), layout_(layout) {
  OnClicked(layout_.ids.calc, &CDayCountedLoanDlg::OnCalc);
  OnClicked(layout_.ids.clear, &CDayCountedLoanDlg::OnClear);
  OnClicked(layout_.ids.radioAnnualRate, &CDayCountedLoanDlg::OnRadioAnnualRate);
  OnClicked(layout_.ids.radioMonthRate, &CDayCountedLoanDlg::OnRadioMonthRate);
  OnClicked(layout_.ids.save, &CDayCountedLoanDlg::OnSaveToFile);
  OnClicked(layout_.ids.graph, &CDayCountedLoanDlg::OnGraph);
  OnClicked(res::kIdTableGraph, &CDayCountedLoanDlg::OnGraph);
}

int CDayCountedLoanDlg::IsLeapYear(int year) const { return loan::IsLeapYear(year); }

void CDayCountedLoanDlg::SetInitialValues() {
  m_nRateMode = kAnnualRate;
  m_nLoanAmount = 0;
  m_nPaymentCount = 1;
  m_nLoanYear = 0;
  m_nLoanMonth = 1;
  m_nRepayStartYear = 0;
  m_nRepayStartMonth = 1;
  m_dAnnualRate = 0.0;
  m_dMonthRate = 0.0;
}

LoanInput CDayCountedLoanDlg::Input() const {
  LoanInput input;
  input.rateMode = m_nRateMode;
  input.annualRate = m_dAnnualRate;
  input.monthRate = m_dMonthRate;
  input.loanAmount = m_nLoanAmount;
  input.paymentCount = m_nPaymentCount;
  input.loanYear = m_nLoanYear;
  input.loanMonth = m_nLoanMonth;
  input.repayStartYear = m_nRepayStartYear;
  input.repayStartMonth = m_nRepayStartMonth;
  return input;
}

void CDayCountedLoanDlg::ExchangeEqualPaymentLoan(ui::CDataExchange& dx) {
  const res::DayCountedLoanIds& ids = layout_.ids;
  DDX_Control(dx, ids.list, m_list);
  DDX_Text(dx, ids.loanAmount, m_nLoanAmount);
  DDV_MinMaxInt(dx, m_nLoanAmount, 0, core::kAmountLimit);
  DDX_Text(dx, ids.annualRate, m_dAnnualRate);
  DDV_MinMaxDouble(dx, m_dAnnualRate, 0.0, kMaxAnnualRate);
  DDX_Text(dx, ids.monthRate, m_dMonthRate);
  DDV_MinMaxDouble(dx, m_dMonthRate, 0.0, kMaxMonthRate);
  DDX_Text(dx, ids.repayStartMonth, m_nRepayStartMonth);
  DDV_MinMaxInt(dx, m_nRepayStartMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, ids.repayStartYear, m_nRepayStartYear);
  DDV_MinMaxInt(dx, m_nRepayStartYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, ids.paymentCount, m_nPaymentCount);
  DDV_MinMaxInt(dx, m_nPaymentCount, 1, kMaxPaymentCount);
  DDX_Text(dx, ids.loanYear, m_nLoanYear);
  DDV_MinMaxInt(dx, m_nLoanYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, ids.loanMonth, m_nLoanMonth);
  DDV_MinMaxInt(dx, m_nLoanMonth, core::kMinMonth, core::kMaxMonth);
}

void CDayCountedLoanDlg::ExchangeRateRadios(ui::CDataExchange& dx) {
  const res::DayCountedLoanIds& ids = layout_.ids;
  DDX_RadioGroup(dx, ids.radioAnnualRate, ids.radioMonthRate,
                 m_nRateMode == kAnnualRate ? ids.radioAnnualRate : ids.radioMonthRate);
}

void CDayCountedLoanDlg::ResetTable() {
  m_list.ClearTable();
  (m_list.*layout_.setupColumns)();
}

void CDayCountedLoanDlg::OnCalc() {
  m_graph.Forget();
  if (layout_.tableReset == TableReset::kBeforeFieldExchange) ResetTable();
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  if (layout_.tableReset == TableReset::kAfterFieldExchange) ResetTable();
  ShowSchedule();
}

void CDayCountedLoanDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);
  CheckRadioButton(layout_.ids.radioAnnualRate, layout_.ids.radioMonthRate,
                   layout_.ids.radioAnnualRate);
  m_list.ClearTable();
  m_graph.Forget();
}

void CDayCountedLoanDlg::OnRadioAnnualRate() { m_nRateMode = kAnnualRate; }

void CDayCountedLoanDlg::OnRadioMonthRate() { m_nRateMode = kMonthRate; }

std::optional<core::ReportText> CDayCountedLoanDlg::WriteReport() {
  UpdateData(true);  // as Calc: the report goes on with the members as they stand
  return ScheduleReport();
}

void CDayCountedLoanDlg::OnSaveToFile() {
  SaveReportToFile(layout_.reportName, [this] { return WriteReport(); });
}

void CDayCountedLoanDlg::OnGraph() {
  if (!m_graph.Open()) Warn(res::text::kCalculateFirst);
}

}  // namespace loan
