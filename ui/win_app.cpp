#include "ui/win_app.h"

#include "res/ids.h"
#include "ui/dialog.h"

namespace ui {
namespace {
CWinApp* g_app = nullptr;
}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* CWinApp::Current() { return g_app; }

bool CWinApp::InitInstance() { return true; }

void CWinApp::OnCommand(int id) {
  // Exit closes the main window, which ends its modal run as a cancel would.
  if (id == res::kIdAppExit && m_pMainWnd != nullptr) m_pMainWnd->OnCancel();
  // Help (res::kIdHelp): the program has no help content, so there is nothing to show.
}

}  // namespace ui
