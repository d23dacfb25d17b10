#include "core/shift_jis.h"

#ifdef _WIN32
#include <windows.h>

#include "core/utf16.h"
#else
#include <cerrno>
#include <iconv.h>
#endif

#include <climits>

namespace core {

#ifdef _WIN32

std::optional<std::string> Utf8ToShiftJis(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  const std::optional<std::wstring> wide = ToUtf16Exact(utf8);
  if (!wide || wide->size() > static_cast<size_t>(INT_MAX)) return std::nullopt;
  const int wideSize = static_cast<int>(wide->size());
  // No best-fit guesses: a character without its own code is a failure, not a '?'.
  BOOL usedDefault = FALSE;
  const int size = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide->data(), wideSize, nullptr,
                                       0, nullptr, &usedDefault);
  if (size <= 0 || usedDefault) return std::nullopt;
  std::string converted(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide->data(), wideSize, converted.data(), size,
                      nullptr, &usedDefault);
  if (usedDefault) return std::nullopt;
  return converted;
}

#else

std::optional<std::string> Utf8ToShiftJis(std::string_view utf8) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string converted(utf8.size() + 16, '\0');
  char* in = const_cast<char*>(utf8.data());  // iconv's signature; it reads only
  size_t inLeft = utf8.size();
  size_t done = 0;
  bool ok = true;
  while (inLeft > 0) {
    char* out = converted.data() + done;
    size_t outLeft = converted.size() - done;
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    done = converted.size() - outLeft;
    if (result != static_cast<size_t>(-1)) continue;
    if (errno != E2BIG) {
      ok = false;  // not UTF-8, or a character that code page 932 lacks
      break;
    }
    converted.resize(converted.size() * 2);
  }
  iconv_close(converter);
  if (!ok) return std::nullopt;
  converted.resize(done);
  return converted;
}

#endif

}  // namespace core
