#include "deposit/compound_savings_dlg.h"

#include "deposit/compound_savings.h"
#include "res/ids.h"

namespace deposit {

CCompoundSavingsDlg::CCompoundSavingsDlg()
    : CSavingsDlg(res::kDlgCompoundSavings, res::compound_savings::kIds,
                  ComputeCompoundSavings) {}

}  // namespace deposit
