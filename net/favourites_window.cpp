#include "net/favourites_window.h"

namespace skycrier {

void Favourites::loadEntry(int n) {
    if (n < 1 || n > kSlots) return;
    const std::string& entry = entries[static_cast<std::size_t>(n - 1)];
    if (!entry.empty()) load_(entry);
}

}  // namespace skycrier
