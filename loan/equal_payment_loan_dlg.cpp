#include "loan/equal_payment_loan_dlg.h"

#include "core/checked_math.h"
#include "loan/equal_payment_report.h"
#include "loan/equal_payment_schedule.h"
#include "loan/schedule_cells.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/data_exchange.h"

namespace loan {
namespace {

namespace id = res::equal_payment_loan;

constexpr DayCountedLoanLayout kLayout{
    .calc = id::kCalc,
    .clear = id::kClear,
    .save = id::kSave,
    .radioAnnualRate = id::kRadioAnnualRate,
    .radioMonthRate = id::kRadioMonthRate,
    .reportName = res::text::kEqualPaymentReportName,
    .setupColumns = &CScheduleList::SetupEqualPaymentColumns,
    .tableReset = TableReset::kAfterFieldExchange,
};

}  // namespace

CEqualPaymentLoanDlg::CEqualPaymentLoanDlg()
    : CDayCountedLoanDlg(res::kDlgEqualPaymentLoan, kLayout) {
  SetInitialValues();
}

void CEqualPaymentLoanDlg::SetInitialValues() {
  CDayCountedLoanDlg::SetInitialValues();
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

void CEqualPaymentLoanDlg::ShowSchedule() {
  ApplyOutcome(ComputeEqualPaymentSchedule(Input()), [this](const EqualPaymentSchedule& schedule) {
    m_list.AddRows(EqualPaymentTableRows(schedule.rows));
    m_dTotalPrincipal = schedule.totalPrincipal / 10000.0;
    m_dTotalInterest = schedule.totalInterest / 10000.0;
  });
}

std::optional<core::ReportText> CEqualPaymentLoanDlg::ScheduleReport() {
  return ReportOrWarn(ComputeEqualPaymentSchedule(Input()), FormatEqualPaymentReport);
}

}  // namespace loan
