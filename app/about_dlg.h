// The About box: the program's name and version, and where to report bugs.
#pragma once

#include "ui/dialog.h"

namespace app {

class CAboutDlg : public ui::CDialog {
 public:
  CAboutDlg();
};

}  // namespace app
