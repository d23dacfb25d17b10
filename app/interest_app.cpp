#include "app/interest_app.h"

#include "app/menu_dlg.h"
#include "ui/host.h"

namespace app {
namespace {
CInterestApp theApp;
}  // namespace

void Run(ui::Host& host) {
  ui::SetCurrentHost(&host);
  theApp.InitInstance();
  ui::SetCurrentHost(nullptr);
}

bool CInterestApp::InitInstance() {
  Enable3dControls();
  CMenuDlg menu;
  m_pMainWnd = &menu;
  menu.DoModal();
  m_pMainWnd = nullptr;
  // No message loop of our own: the program ends with the menu.
  return false;
}

}  // namespace app
