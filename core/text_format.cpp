#include "core/text_format.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace core::format_detail {
namespace {

// The count of decimal digits of `magnitude` (one for 0): from its bit width,
// which leaves one step to take, without a loop over the digits.
size_t DigitCount(uint32_t magnitude) {
  static constexpr uint32_t kPowersOfTen[] = {1,      10,      100,      1000,      10000,
                                              100000, 1000000, 10000000, 100000000, 1000000000};
  // Setting the lowest bit makes 0 count as 1 and changes no other count: the
  // largest number of each count of digits, 10^k − 1, is odd.
  const uint32_t m = magnitude | 1u;
  // 1233 / 4096 is just above log10(2).
  const size_t guess = static_cast<size_t>(std::bit_width(m)) * 1233 >> 12;
  return guess + (m >= kPowersOfTen[guess] ? 1 : 0);
}

// Writes the digits of `magnitude` so that they end just before `end`, two
// at a time.
void WriteDigitsBefore(char* end, uint32_t magnitude) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  while (magnitude >= 100) {
    end -= 2;
    std::memcpy(end, kPairs + magnitude % 100 * 2, 2);
    magnitude /= 100;
  }
  if (magnitude >= 10) {
    std::memcpy(end - 2, kPairs + magnitude * 2, 2);
  } else {
    end[-1] = static_cast<char>('0' + magnitude);
  }
}

// Writes blanks at `to` up to `width` before a text of `size` characters;
// returns where the text goes.
char* WriteBlanks(char* to, size_t size, size_t width) {
  const size_t blanks = width > size ? width - size : 0;
  std::memset(to, ' ', blanks);
  return to + blanks;
}

// Writes the text of one conversion at `to`, padded with blanks on the left to
// its width; returns its end.
char* WriteConversion(char* to, const Conversion& conversion, const Argument& argument) {
  switch (conversion.kind) {
    case Kind::Integer: {
      // Straight into place: numbers are most of what a table or a report holds.
      const int value = argument.integer;
      const uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value)
                                           : static_cast<uint32_t>(value);
      const size_t size = DigitCount(magnitude) + (value < 0 ? 1 : 0);
      to = WriteBlanks(to, size, conversion.width);
      if (value < 0) *to = '-';
      WriteDigitsBefore(to + size, magnitude);
      return to + size;
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
