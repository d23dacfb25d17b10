#include "res/string_table.h"

#include "res/ids.h"
#include "res/texts.h"

namespace res {

std::string_view LoadString(int id) {
  switch (id) {
    case kStringAboutBox:
      return text::kAboutBoxMenuItem;
    default:
      return {};
  }
}

}  // namespace res
