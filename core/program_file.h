// Files that come with the program and lie beside it, such as the user guide.
#pragma once

#include <string>
#include <string_view>

namespace core {

// The full path (UTF-8, with the platform's separators) of file `name` in the
// folder that holds the running program; `name` alone if that folder is unknown.
std::string ProgramFilePath(std::string_view name);

}  // namespace core
