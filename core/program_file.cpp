#include "core/program_file.h"

#ifdef _WIN32
#include <windows.h>

#include "core/utf16.h"
#else
#include <filesystem>
#include <system_error>
#endif

namespace core {

#ifdef _WIN32

std::string ProgramFilePath(std::string_view name) {
  // The module's path may be longer than MAX_PATH: grow until it fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::string(name);
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= 0x8000) return std::string(name);  // beyond any path Windows makes
    path.resize(path.size() * 2);
  }
  size_t folderEnd = path.find_last_of(L"\\/");
  path.resize(folderEnd == std::wstring::npos ? 0 : folderEnd + 1);
  return ToUtf8(path) + std::string(name);
}

#else

std::string ProgramFilePath(std::string_view name) {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::string(name);
  std::u8string path = (program.parent_path() / std::u8string(name.begin(), name.end())).u8string();
  return std::string(path.begin(), path.end());
}

#endif

}  // namespace core
