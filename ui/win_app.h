// The application object: one static instance whose InitInstance is the program.
#pragma once

namespace ui {

class CDialog;
class DialogWindow;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // The application object of this run, or nullptr before it is constructed.
  static CWinApp* Current();

  // Called once by the entry point. Returning false ends the program at once
  // instead of running a message loop of the application's own.
  virtual bool InitInstance();

  // Commands that no dialog handled: the standard exit and help commands.
  // `from` is the dialog the command came from, which owns any box it shows.
  virtual void OnCommand(int id, DialogWindow* from);

  // The help command: opens the user guide beside the program, or says in a box
  // owned by `owner` where the guide should be.
  void OnHelp(DialogWindow* owner);

  // Kept for the look of dialog controls on old platforms; nothing to do now.
  bool Enable3dControls() { return true; }

  CDialog* m_pMainWnd = nullptr;
};

}  // namespace ui
