// What the repayment simulations with day-counted interest share (dialogs 131
// and 132, and any later one on the same loan): the loan's inputs with their
// rate radios, the schedule table, Calc, Clear and Save. Each dialog adds its
// own results and other members, exchanges the fields in its own order, and
// computes, shows and reports its own schedule.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "loan/loan_schedule.h"
#include "loan/schedule_graph.h"
#include "loan/schedule_list.h"
#include "res/ids.h"
#include "ui/calculator_dialog.h"

namespace loan {

// When Calc empties the table and sets up its columns: right after the field
// exchange, or before it. Either way before any check, so that the headings
// stand when one stops the calculation.
enum class TableReset { kAfterFieldExchange, kBeforeFieldExchange };

// What tells one day-counted simulation from another, for the shared handlers.
struct DayCountedLoanLayout {
  res::DayCountedLoanIds ids;
  std::string_view reportName;  // offered by the Save dialog
  void (CScheduleList::*setupColumns)();
  TableReset tableReset;
};

class CDayCountedLoanDlg : public ui::CCalculatorDlg {
 public:
  // 1 for a leap year, else 0: the calendar rule the schedule counts days by.
  int IsLeapYear(int year) const;

  // The report of the schedule that the fields give now (the fields are read
  // first), or nullopt when a check stopped it after its warning.
  std::optional<core::ReportText> WriteReport();

  // The loan; each dialog's field exchange handles these in its own order.
  int m_nRateMode;
  CScheduleList m_list;
  // The last schedule shown, for the graph; ShowSchedule keeps it.
  CScheduleGraph m_graph;
  int m_nLoanAmount;
  int m_nPaymentCount;
  int m_nLoanYear;
  int m_nLoanMonth;
  int m_nRepayStartYear;
  int m_nRepayStartMonth;
  double m_dAnnualRate;
  double m_dMonthRate;

 protected:
  // Each dialog's constructor gives every member its initial value, by
  // calling SetInitialValues once.
  CDayCountedLoanDlg(int templateId, const DayCountedLoanLayout& layout);

  // The schedule's inputs from the members.
  LoanInput Input() const;

  // Binds the table, then exchanges and validates the loan's fields in the
  // equal-installment simulation's order: amount, rates, first repayment month
  // and year, count, loan year and month.
  void ExchangeEqualPaymentLoan(ui::CDataExchange& dx);
  // Selects the rate radio that the mode names, at the end of an exchange.
  void ExchangeRateRadios(ui::CDataExchange& dx);

  // Every member to the value the constructor gives it, as Clear wants. A
  // dialog with members of its own overrides it and calls this one first.
  virtual void SetInitialValues();
  // Computes the schedule from the members and shows it (rows in the table,
  // totals in the result members), or the warning that stopped it.
  virtual void ShowSchedule() = 0;
  // The report of the schedule the members give, or nullopt after the warning
  // that stopped it.
  virtual std::optional<core::ReportText> ScheduleReport() = 0;

 private:
  void ResetTable();
  void OnCalc();
  void OnClear();
  void OnRadioAnnualRate();
  void OnRadioMonthRate();
  void OnSaveToFile();
  void OnGraph();

  const DayCountedLoanLayout& layout_;
};

}  // namespace loan
