// Where the icon of a minimised window goes.
#pragma once

namespace app {

// The offset that centres an icon of `iconExtent` pixels in `clientExtent`
// pixels: (client − icon + 1) / 2 with the quotient truncated toward zero, so an
// odd surplus puts the extra pixel before the icon (3 → 2) and a shortfall of 3
// places it at −1. The same rule serves widths and heights.
int CentredIconOffset(int clientExtent, int iconExtent);

}  // namespace app
