#include "core/text_format.h"

#include <charconv>

namespace core::format_detail {
namespace {

// The text of one conversion, padded with blanks on the left to `width`.
void AppendPadded(std::string& out, std::string_view text, int width) {
  if (text.size() < static_cast<size_t>(width)) out.append(width - text.size(), ' ');
  out += text;
}

void AppendConversion(std::string& out, const Conversion& conversion, const Argument& argument) {
  // The longest text: a double's 309 integer digits, its sign, point and decimals.
  char buffer[1 + 309 + 1 + kMaxPrecision];
  std::to_chars_result end{buffer, std::errc()};
  switch (conversion.kind) {
    case Kind::Integer:
      end = std::to_chars(buffer, std::end(buffer), argument.integer);
      break;
    case Kind::Character:
      buffer[0] = argument.character;
      end.ptr = buffer + 1;
      break;
    case Kind::Real:
      // Fixed notation rounded exactly, ties to even, as printf's %f; and
      // "inf", "-inf", "nan" and "-nan" as glibc's printf writes them.
      end = std::to_chars(buffer, std::end(buffer), argument.real, std::chars_format::fixed,
                          conversion.precision);
      break;
  }
  if (end.ec != std::errc()) return;  // cannot be: the buffer holds the longest
  AppendPadded(out, std::string_view(buffer, static_cast<size_t>(end.ptr - buffer)),
               conversion.width);
}

}  // namespace

void AppendFormatted(std::string& out, std::string_view format,
                     std::span<const Argument> arguments) {
  size_t next = 0;
  for (size_t at = 0; at < format.size();) {
    const size_t percent = format.find('%', at);
    out += format.substr(at, percent - at);
    if (percent == std::string_view::npos) return;
    at = percent + 1;
    if (at < format.size() && format[at] == '%') {
      out += '%';
      ++at;
      continue;
    }
    std::optional<Conversion> conversion = ParseConversion(format, at);
    if (!conversion || next >= arguments.size()) return;
    AppendConversion(out, *conversion, arguments[next++]);
  }
}

}  // namespace core::format_detail
