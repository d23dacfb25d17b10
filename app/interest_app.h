// The application object: shows the function menu and ends when it closes.
#pragma once

#include "ui/win_app.h"

namespace ui {
class Host;
}  // namespace ui

namespace app {

class CInterestApp : public ui::CWinApp {
 public:
  bool InitInstance() override;
};

// The program on `host`, from the function menu until it closes. Tavoro.exe,
// tavoro-script on either host and the tests that play the whole program all
// start it here.
void Run(ui::Host& host);

}  // namespace app
