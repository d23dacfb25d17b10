// The tax withheld from interest, a rate in percent.
#pragma once

namespace deposit {

// The highest tax rate that the fields accept, and that the simple-interest
// savings calculation checks again.
inline constexpr double kMaxTaxRate = 100.0;

}  // namespace deposit
