#include "base/rounding.h"

#include <cmath>

namespace skycrier {

// nearbyint rounds in the current mode, which the program never changes from
// round-to-nearest-even.
std::optional<int> roundHalfEven(double value) { return truncateTo<int>(std::nearbyint(value)); }

}  // namespace skycrier
