#include "core/text_format.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace core::format_detail {
namespace {

// The count of characters that std::to_chars writes for `value`.
size_t IntegerSize(int value) {
  const uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : value;
  size_t digits = 1;
  for (uint32_t power = 10; digits < 10 && magnitude >= power; power *= 10) ++digits;
  return digits + (value < 0 ? 1 : 0);
}

// Writes blanks at `to` up to `width` before a text of `size` characters;
// returns where the text goes. Numbers are padded by a few blanks, so these go
// in as one store of a fixed size, which may write past them: the room that
// Compile adds after the longest text (kOvershoot).
char* WriteBlanks(char* to, size_t size, size_t width) {
  const size_t blanks = width > size ? width - size : 0;
  std::memset(to, ' ', kOvershoot);
  if (blanks > kOvershoot) std::memset(to + kOvershoot, ' ', blanks - kOvershoot);
  return to + blanks;
}

// Writes the text of one conversion at `to`, padded with blanks on the left to
// its width; returns its end.
char* WriteConversion(char* to, const Conversion& conversion, const Argument& argument) {
  switch (conversion.kind) {
    case Kind::Integer: {
      // Straight into place: numbers are most of what a table or a report holds.
      const size_t size = IntegerSize(argument.integer);
      to = WriteBlanks(to, size, conversion.width);
      return std::to_chars(to, to + size, argument.integer).ptr;
    }
    case Kind::Character:
      to = WriteBlanks(to, 1, conversion.width);
      *to = argument.character;
      return to + 1;
    case Kind::Real: {
      // Fixed notation rounded exactly, ties to even, as printf's %f; and
      // "inf", "-inf", "nan" and "-nan" as glibc's printf writes them.
      char buffer[1 + 309 + 1 + kMaxPrecision];
      const std::to_chars_result end = std::to_chars(
          buffer, std::end(buffer), argument.real, std::chars_format::fixed, conversion.precision);
      if (end.ec != std::errc()) return to;  // cannot be: the buffer holds the longest
      const size_t size = static_cast<size_t>(end.ptr - buffer);
      to = WriteBlanks(to, size, conversion.width);
      std::memcpy(to, buffer, size);
      return to + size;
    }
  }
  return to;
}

// Writes the pieces with their arguments at `to`; returns the end.
char* WriteFormatted(char* to, std::string_view text, std::span<const Piece> pieces,
                     std::span<const Argument> arguments) {
  size_t next = 0;
  for (const Piece& piece : pieces) {
    // Mostly a separator of one character between two conversions.
    if (piece.textSize == 1)
      *to = text[piece.textBegin];
    else
      std::memcpy(to, text.data() + piece.textBegin, piece.textSize);
    to += piece.textSize;
    if (piece.converts && next < arguments.size())
      to = WriteConversion(to, piece.conversion, arguments[next++]);
  }
  return to;
}

}  // namespace

void AppendFormatted(std::string& out, std::string_view text, std::span<const Piece> pieces,
                     size_t longest, std::span<const Argument> arguments) {
  // A cell or a line is written on the stack and appended at once; a longer
  // text straight into its room at the end of `out`.
  char line[256];
  if (longest <= sizeof line) {
    out.append(line, static_cast<size_t>(WriteFormatted(line, text, pieces, arguments) - line));
    return;
  }
  const size_t start = out.size();
  out.resize(start + longest);
  char* end = WriteFormatted(out.data() + start, text, pieces, arguments);
  out.resize(static_cast<size_t>(end - out.data()));
}

}  // namespace core::format_detail
