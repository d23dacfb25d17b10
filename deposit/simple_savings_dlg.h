// The simple-interest installment savings calculator (dialog 142).
#pragma once

#include "deposit/savings_dlg.h"

namespace deposit {

class CSimpleSavingsDlg : public CSavingsDlg {
 public:
  CSimpleSavingsDlg();
};

}  // namespace deposit
