// The application object: shows the function menu and ends when it closes.
#pragma once

#include "ui/win_app.h"

namespace app {

class CInterestApp : public ui::CWinApp {
 public:
  bool InitInstance() override;
};

// The one application object of the program.
CInterestApp& TheApp();

}  // namespace app
