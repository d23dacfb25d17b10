#include "ui/win_app.h"

#include <string>

#include "core/program_file.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/dialog.h"
#include "ui/host.h"

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

void CWinApp::OnCommand(int id, DialogWindow* from) {
  // Exit closes the main window, which ends its modal run as a cancel would.
  if (id == res::kIdAppExit && m_pMainWnd != nullptr) m_pMainWnd->OnCancel();
  if (id == res::kIdHelp) OnHelp(from);
}

void CWinApp::OnHelp(DialogWindow* owner) {
  Host& host = CurrentHost();
  const HelpOpening opening = host.OpenHelpFile(owner, res::text::kGuideFileName);
  if (opening == HelpOpening::kOpened) return;
  std::string text(opening == HelpOpening::kMissing ? res::text::kGuideMissing
                                                    : res::text::kGuideNotOpened);
  text += "\n\n";
  text += core::ProgramFilePath(res::text::kGuideFileName);
  host.MessageBox(owner, text, res::text::kGuideCaption, res::text::kGuideBoxType);
}

}  // namespace ui
