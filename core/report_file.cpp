#include "core/report_file.h"

#ifdef _WIN32
#include <windows.h>

#include "core/utf16.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#endif

namespace core {

bool WriteReportFile(std::string_view utf8Path, const ReportText& report) {
  return report.Complete() && ReplaceFileContents(utf8Path, report.Bytes());
}

#ifdef _WIN32

namespace {

// Writes everything, then makes it durable; false on any failure.
bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return FlushFileBuffers(file) != 0;
}

}  // namespace

bool ReplaceFileContents(std::string_view utf8Path, std::string_view bytes) {
  if (utf8Path.empty()) return false;
  std::optional<std::wstring> target = ToUtf16Exact(utf8Path);
  if (!target) return false;
  // Only a plain file that may be written is replaced; a read-only file stays.
  const DWORD attributes = GetFileAttributesW(target->c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE)))
    return false;

  const size_t slash = target->find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? std::wstring(L".\\")
                                                          : target->substr(0, slash + 1);
  std::wstring temporary;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = folder + L"~tavoro" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(attempt) + L".tmp";
    file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  if (file == INVALID_HANDLE_VALUE) return false;

  const bool written = WriteAll(file, bytes);
  const bool closed = CloseHandle(file) != 0;
  if (written && closed &&
      MoveFileExW(temporary.c_str(), target->c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(temporary.c_str());
  return false;
}

#else

namespace {

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return ::fsync(descriptor) == 0;
}

// The permissions a newly created file gets: read and write for all, less the umask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

bool ReplaceFileContents(std::string_view utf8Path, std::string_view bytes) {
  if (utf8Path.empty()) return false;
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path target(std::u8string(utf8Path.begin(), utf8Path.end()));
  // A link is followed, so that the file it names gets the report, not the link.
  if (fs::is_symlink(target, error)) {
    target = fs::canonical(target, error);
    if (error) return false;
  }

  mode_t mode = NewFileMode();
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) {
    // Only a plain file that may be written is replaced; a read-only file stays.
    if (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0) return false;
    mode = existing.st_mode & 07777;
  } else if (errno != ENOENT) {
    return false;
  }

  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string temporary = (folder / ".tavoro-XXXXXX").string();
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) return false;

  const bool written = ::fchmod(descriptor, mode) == 0 && WriteAll(descriptor, bytes);
  const bool closed = ::close(descriptor) == 0;
  if (written && closed && std::rename(temporary.c_str(), target.c_str()) == 0) {
    // Make the new name durable too; the content already is.
    const int folderDescriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (folderDescriptor >= 0) {
      ::fsync(folderDescriptor);
      ::close(folderDescriptor);
    }
    return true;
  }
  ::unlink(temporary.c_str());
  return false;
}

#endif

}  // namespace core
