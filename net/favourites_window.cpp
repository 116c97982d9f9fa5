#include "net/favourites_window.h"

namespace skycrier {

void TFormFav::ButtonClick(int n) {
    if (n < 1 || n > kSlots) return;
    const std::string& entry = Edit[static_cast<std::size_t>(n - 1)];
    if (!entry.empty()) load_(entry);
}

}  // namespace skycrier
