#include "core/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace core {
namespace {

void AppendFormatV(std::string& out, const char* format, va_list arguments) {
  // Cells and report lines are short: one pass into a buffer on the stack.
  char buffer[256];
  va_list again;
  va_copy(again, arguments);
  const int size = std::vsnprintf(buffer, sizeof buffer, format, arguments);
  if (size < 0) {
    va_end(again);
    return;
  }
  if (static_cast<size_t>(size) < sizeof buffer) {
    out.append(buffer, static_cast<size_t>(size));
  } else {
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(size) + 1);
    std::vsnprintf(out.data() + start, static_cast<size_t>(size) + 1, format, again);
    out.resize(start + static_cast<size_t>(size));
  }
  va_end(again);
}

}  // namespace

std::string FormatText(const char* format, ...) {
  std::string out;
  va_list arguments;
  va_start(arguments, format);
  AppendFormatV(out, format, arguments);
  va_end(arguments);
  return out;
}

void AppendFormat(std::string& out, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  AppendFormatV(out, format, arguments);
  va_end(arguments);
}

}  // namespace core
