// The loan's terms as the equal-installment family lays them out at the upper
// left of its dialogs (131, 132, 147, 148): the amount, the number of
// repayments, the month of the loan and that of the first repayment, each
// with its labels. `ids` names the dialog's id namespace.
#pragma once

#include "res/templates.h"

#define TAVORO_LOAN_TERM_CONTROLS(ids) \
  {kIdStatic, Static, "元金（万円）", 7, 10, 60, 8, kGroupStart}, \
  {ids::kLoanAmount, Edit, "", 70, 7, 50, 14, kInputEdit}, \
  {kIdStatic, Static, "万円", 122, 10, 16, 8, 0}, \
  {kIdStatic, Static, "（１万円以上）", 140, 10, 56, 8, 0}, \
  {kIdStatic, Static, "返済回数", 7, 28, 60, 8, 0}, \
  {ids::kPaymentCount, Edit, "", 70, 25, 30, 14, kInputEdit}, \
  {kIdStatic, Static, "回返済", 102, 28, 26, 8, 0}, \
  {kIdStatic, Static, "借入年月  西暦", 7, 46, 60, 8, 0}, \
  {ids::kLoanYear, Edit, "", 70, 43, 30, 14, kInputEdit}, \
  {kIdStatic, Static, "年", 102, 46, 10, 8, 0}, \
  {ids::kLoanMonth, Edit, "", 114, 43, 18, 14, kInputEdit}, \
  {kIdStatic, Static, "月", 134, 46, 10, 8, 0}, \
  {kIdStatic, Static, "１日から", 146, 46, 34, 8, 0}, \
  {kIdStatic, Static, "返済開始年月西暦", 7, 64, 62, 8, 0}, \
  {ids::kRepayStartYear, Edit, "", 70, 61, 30, 14, kInputEdit}, \
  {kIdStatic, Static, "年", 102, 64, 10, 8, 0}, \
  {ids::kRepayStartMonth, Edit, "", 114, 61, 18, 14, kInputEdit}, \
  {kIdStatic, Static, "月", 134, 64, 10, 8, 0}, \
  {kIdStatic, Static, "１日から", 146, 64, 34, 8, 0}
