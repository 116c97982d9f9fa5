#include "net/favourites_window.h"

namespace skycrier {

void Favourites::loadEntry(int n) {
    if (n < 1 || n > kSlots) return;
    const std::string& entry = entries_[static_cast<std::size_t>(n - 1)];
    if (!entry.empty()) load_(entry);
}

void Favourites::setEntry(int n, std::string text) {
    if (n >= 1 && n <= kSlots) entries_[static_cast<std::size_t>(n - 1)] = std::move(text);
}

}  // namespace skycrier
