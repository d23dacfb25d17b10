#include "app/interest_app.h"

#include "app/menu_dlg.h"

namespace app {
namespace {
CInterestApp theApp;
}  // namespace

CInterestApp& TheApp() { return theApp; }

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
