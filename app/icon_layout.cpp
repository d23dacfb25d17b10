#include "app/icon_layout.h"

#include <algorithm>
#include <cstdint>

namespace app {

int CentredIconOffset(int clientExtent, int iconExtent) {
  // Sizes come from the platform; wide arithmetic keeps absurd ones defined.
  int64_t offset = (int64_t{clientExtent} - iconExtent + 1) / 2;
  return static_cast<int>(std::clamp<int64_t>(offset, INT32_MIN, INT32_MAX));
}

}  // namespace app
