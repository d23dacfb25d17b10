#include "core/report_text.h"

#include "core/shift_jis.h"

namespace core {

std::optional<std::string> EncodeReport(std::string_view utf8Report) {
  std::string withLineEnds;
  withLineEnds.reserve(utf8Report.size() + utf8Report.size() / 32);
  for (char c : utf8Report) {
    if (c == '\n') withLineEnds += '\r';
    withLineEnds += c;
  }
  return Utf8ToShiftJis(withLineEnds);
}

const ReportText::EncodedFormat& ReportText::Encoded(std::string_view format,
                                                     std::span<const format_detail::Kind> kinds) {
  auto same = [&](const EncodedFormat& known) {
    return known.format.data() == format.data() && known.format.size() == format.size();
  };
  // Lines mostly repeat the format of the line before.
  if (lastFormat_ < formats_.size() && same(formats_[lastFormat_])) return formats_[lastFormat_];
  for (lastFormat_ = 0; lastFormat_ < formats_.size(); ++lastFormat_)
    if (same(formats_[lastFormat_])) return formats_[lastFormat_];
  // A conversion is ASCII and no byte of a code page 932 character is '%', so
  // the encoded format has the conversions of the program's own.
  EncodedFormat& encoded = formats_.emplace_back();
  encoded.format = format;
  if (std::optional<std::string> bytes = EncodeReport(format)) {
    encoded.bytes = std::move(*bytes);
    encoded.pieces.resize(kinds.size() + format_detail::kMaxPercentSigns + 1);
    std::optional<format_detail::Layout> layout =
        format_detail::Compile(encoded.bytes, kinds, encoded.pieces);
    encoded.pieces.resize(layout ? layout->pieces : 0);
    encoded.longest = layout ? layout->longest : 0;
  }
  return encoded;
}

void ReportText::AppendEncoded(std::string_view format,
                               std::span<const format_detail::Kind> kinds,
                               std::span<const format_detail::Argument> arguments) {
  for (const format_detail::Argument& argument : arguments)
    if (static_cast<unsigned char>(argument.character) >= 0x80) complete_ = false;
  const EncodedFormat& encoded = Encoded(format, kinds);
  if (encoded.pieces.empty()) complete_ = false;
  if (!complete_) return;
  format_detail::AppendFormatted(bytes_, encoded.bytes, encoded.pieces, encoded.longest,
                                 arguments);
}

}  // namespace core
