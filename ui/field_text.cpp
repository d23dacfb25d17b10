#include "ui/field_text.h"

#include <charconv>
#include <cstddef>

namespace ui {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Length of the run of digits at the start of text.
size_t DigitRun(std::string_view text, size_t from) {
  size_t i = from;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i - from;
}

// True when text (already trimmed) is [sign] digits [. digits] [e [sign] digits],
// with at least one digit in the mantissa.
bool IsPlainDecimal(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t whole = DigitRun(text, i);
  i += whole;
  size_t fraction = 0;
  if (i < text.size() && text[i] == '.') {
    ++i;
    fraction = DigitRun(text, i);
    i += fraction;
  }
  if (whole + fraction == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t exponent = DigitRun(text, i);
    if (exponent == 0) return false;
    i += exponent;
  }
  return i == text.size();
}

// The ASCII character that a full-width one stands for, or 0.
char AsciiFor(char32_t c) {
  if (c >= U'０' && c <= U'９') return static_cast<char>('0' + (c - U'０'));
  switch (c) {
    case U'＋': return '+';
    case U'－': return '-';
    case U'．': return '.';
    case U'　': return ' ';
    default: return 0;
  }
}

}  // namespace

std::string FieldTextToAscii(std::string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  auto byte = [&](size_t at) -> char32_t { return static_cast<unsigned char>(text[at]); };
  for (size_t i = 0; i < text.size(); ++i) {
    // Every character read here is three bytes in UTF-8: 1110xxxx 10xxxxxx 10xxxxxx.
    if (i + 2 < text.size() && (byte(i) & 0xF0) == 0xE0 && (byte(i + 1) & 0xC0) == 0x80 &&
        (byte(i + 2) & 0xC0) == 0x80) {
      char32_t c = (byte(i) & 0x0F) << 12 | (byte(i + 1) & 0x3F) << 6 | (byte(i + 2) & 0x3F);
      if (char plain = AsciiFor(c)) {
        ascii += plain;
        i += 2;
        continue;
      }
    }
    ascii += text[i];
  }
  return ascii;
}

std::optional<int32_t> ParseIntField(std::string_view original) {
  std::string ascii = FieldTextToAscii(original);
  std::string_view text = TrimBlanks(ascii);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || DigitRun(text, 0) != text.size()) return std::nullopt;
  // Accumulate the magnitude in 64 bits and stop as soon as it cannot fit.
  int64_t magnitude = 0;
  for (char c : text) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<double> ParseRealField(std::string_view original) {
  std::string ascii = FieldTextToAscii(original);
  std::string_view text = TrimBlanks(ascii);
  if (!IsPlainDecimal(text)) return std::nullopt;
  // from_chars takes no leading '+'.
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string FormatIntField(int32_t value) { return std::to_string(value); }

std::string FormatRealField(double value) {
  char buffer[64];
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  // Within a hair of the largest double, 15 digits round past it
  // ("1.79769313486232e+308") and would no longer parse: such a value is written
  // with the fewest digits that read back as itself.
  if (!ParseRealField(text)) {
    auto [exactEnd, exactError] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (exactError == std::errc()) text.assign(buffer, exactEnd);
  }
  return text;
}

}  // namespace ui
