#include "loan/equal_payment_loan_dlg.h"

#include "core/checked_math.h"
#include "core/units.h"
#include "loan/equal_payment_report.h"
#include "loan/equal_payment_schedule.h"
#include "loan/schedule_columns.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/data_exchange.h"

namespace loan {
namespace {

namespace id = res::equal_payment_loan;

constexpr DayCountedLoanLayout kLayout{
    .ids = id::kLoanIds,
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
  ExchangeEqualPaymentLoan(dx);
  DDX_Text(dx, id::kTotalPrincipal, m_dTotalPrincipal);
  DDV_MinMaxDouble(dx, m_dTotalPrincipal, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kTotalInterest, m_dTotalInterest);
  DDV_MinMaxDouble(dx, m_dTotalInterest, 0.0, core::kAmountLimit);
  ExchangeRateRadios(dx);
}

void CEqualPaymentLoanDlg::ShowSchedule() {
  ApplyOutcome(ComputeEqualPaymentSchedule(Input()), [this](const EqualPaymentSchedule& schedule) {
    m_list.AddRows(EqualPaymentColumns::Rows(schedule.rows));
    m_graph.Keep(schedule.rows, {schedule.totalPrincipal, schedule.totalInterest});
    m_dTotalPrincipal = core::ToMan(schedule.totalPrincipal);
    m_dTotalInterest = core::ToMan(schedule.totalInterest);
  });
}

std::optional<core::ReportText> CEqualPaymentLoanDlg::ScheduleReport() {
  return ReportOrWarn(ComputeEqualPaymentSchedule(Input()), FormatEqualPaymentReport);
}

}  // namespace loan
