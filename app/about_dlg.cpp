#include "app/about_dlg.h"

#include "res/ids.h"

namespace app {

CAboutDlg::CAboutDlg() : CDialog(res::kDlgAbout) {}

}  // namespace app
