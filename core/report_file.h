// Report files of the schedule simulations: Shift-JIS text with CR LF line ends
// on every platform, replaced whole or not at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/report_text.h"

namespace core {

// Gives the file at `utf8Path` exactly `bytes` as its content. The bytes go to a
// temporary file in the same folder first, which then takes the file's place, so
// a failure at any point (a full disk, a folder that cannot be written, a target
// that is not a writable plain file) leaves an existing file as it was and
// creates none. False on failure.
bool ReplaceFileContents(std::string_view utf8Path, std::string_view bytes);

// The report's bytes in place of the file's (ReplaceFileContents); false when
// the report is not complete or the file could not be replaced.
bool WriteReportFile(std::string_view utf8Path, const ReportText& report);

}  // namespace core
