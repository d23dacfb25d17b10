// Tavoro.exe: the program on Windows. The function menu is the main window;
// the program ends when it closes.
#include "app/interest_app.h"
#include "ui/win32/win32_host.h"
#include "ui/win32/windows_api.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  ui::win32::Win32Host host(instance);
  app::Run(host);
  return 0;
}
