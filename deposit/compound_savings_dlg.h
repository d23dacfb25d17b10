// The compound-interest installment savings calculator (dialog 143).
#pragma once

#include "deposit/savings_dlg.h"

namespace deposit {

class CCompoundSavingsDlg : public CSavingsDlg {
 public:
  CCompoundSavingsDlg();
};

}  // namespace deposit
