// tavoro-script.exe: the script driver on the Win32 host, acting on the real
// windows and controls. Reads the script from the file named on the command
// line, or from standard input; prints exactly the bytes the Linux build prints.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/interest_app.h"
#include "core/utf16.h"
#include "tools/script_driver.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/win32_host.h"
#include "ui/win32/windows_api.h"

int wmain(int argc, wchar_t** argv) {
  // UTF-8 with bare line feeds, whatever the console would make of them.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  std::ifstream file;
  if (argc > 1) {
    file.open(std::filesystem::path(argv[1]), std::ios::binary);
    if (!file) {
      std::cerr << "tavoro-script: cannot read " << core::ToUtf8(argv[1]) << '\n';
      return 2;
    }
  }
  // A script starts from an empty clipboard, as on the headless host.
  ui::win32::EmptyTheClipboard();
  tools::ScriptDriver driver(argc > 1 ? file : std::cin, std::cout);
  ui::win32::Win32Host host(GetModuleHandleW(nullptr), &driver);
  app::Run(host);
  return 0;
}
