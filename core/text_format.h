// printf-style formatting into strings, for table cells and report lines whose
// layout is given as printf formats.
#pragma once

#include <string>

namespace core {

#if defined(__GNUC__)
#define TAVORO_PRINTF_FORMAT(formatIndex, firstArgument) \
  __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define TAVORO_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// The text that sprintf would produce.
std::string FormatText(const char* format, ...) TAVORO_PRINTF_FORMAT(1, 2);

// Appends the text that sprintf would produce.
void AppendFormat(std::string& out, const char* format, ...) TAVORO_PRINTF_FORMAT(2, 3);

}  // namespace core
