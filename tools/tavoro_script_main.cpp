// tavoro-script on the headless host: reads the script from the file named on
// the command line, or from standard input.
#include <fstream>
#include <iostream>

#include "app/interest_app.h"
#include "tools/script_driver.h"
#include "ui/headless/headless_host.h"

int main(int argc, char** argv) {
  std::ifstream file;
  if (argc > 1) {
    file.open(argv[1], std::ios::binary);
    if (!file) {
      std::cerr << "tavoro-script: cannot read " << argv[1] << '\n';
      return 2;
    }
  }
  tools::ScriptDriver driver(argc > 1 ? file : std::cin, std::cout);
  ui::HeadlessHost host(driver);
  app::Run(host);
  return 0;
}
