#include "deposit/simple_savings_dlg.h"

#include "deposit/simple_savings.h"
#include "res/ids.h"

namespace deposit {

CSimpleSavingsDlg::CSimpleSavingsDlg()
    : CSavingsDlg(res::kDlgSimpleSavings, res::simple_savings::kIds, ComputeSimpleSavings) {}

}  // namespace deposit
