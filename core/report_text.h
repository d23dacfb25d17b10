// The text of a report file as the file holds it: Shift-JIS (code page 932)
// with CR LF line ends, written line by line with printf-style formats
// (core/text_format.h) in UTF-8 with "\n" line ends.
//
// The platform's converter encodes each format once per report, not the
// thousands of lines written with it: what the conversions write (digits,
// blanks, signs, points and ASCII marks) is the same in code page 932.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_format.h"

namespace core {

// The bytes of a report: each line feed stored as CR LF (as a text-mode write
// on Windows does), the text in code page 932. Nullopt when the text has a
// character that code page 932 cannot hold.
std::optional<std::string> EncodeReport(std::string_view utf8Report);

class ReportText {
 public:
  // Appends what AppendFormat writes, in code page 932 with CR LF.
  template <class... Args>
  void Append(const FormatString<std::type_identity_t<Args>...>& format, Args... args) {
    const std::array<format_detail::Argument, sizeof...(Args)> arguments{args...};
    AppendEncoded(format.Text(), FormatString<Args...>::kKinds, arguments);
  }
  void Reserve(size_t bytes) { bytes_.reserve(bytes); }

  // False when a format held a character that code page 932 lacks, or a %c
  // wrote one that is not ASCII: the bytes stop before that line.
  bool Complete() const { return complete_; }
  const std::string& Bytes() const { return bytes_; }

 private:
  struct EncodedFormat {
    std::string_view format;  // the program's own, in UTF-8
    // In code page 932 with CR LF, taken apart; no pieces when it cannot be.
    std::string bytes;
    std::vector<format_detail::Piece> pieces;
    size_t longest = 0;
  };
  void AppendEncoded(std::string_view format, std::span<const format_detail::Kind> kinds,
                     std::span<const format_detail::Argument> arguments);
  const EncodedFormat& Encoded(std::string_view format,
                               std::span<const format_detail::Kind> kinds);

  // Formats are compile-time constants, told apart by where they are.
  std::vector<EncodedFormat> formats_;
  size_t lastFormat_ = 0;
  std::string bytes_;
  bool complete_ = true;
};

}  // namespace core
