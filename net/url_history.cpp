#include "net/url_history.h"

#include <algorithm>

namespace skycrier {

void UrlHistory::remember(const std::string& line) {
    if (line.empty()) return;
    if (const auto found = std::find(items_.begin(), items_.end(), line); found != items_.end()) {
        index_ = static_cast<int>(found - items_.begin());
        return;
    }
    if (items_.size() < kMaxEntries) {
        items_.push_back(line);
        index_ = static_cast<int>(items_.size()) - 1;
        return;
    }
    items_.pop_back();
    items_.insert(items_.begin(), line);
    index_ = 0;
}

bool UrlHistory::load(const std::string& line) {
    if (line.empty()) return true;
    if (items_.size() >= kMaxEntries) return false;
    items_.push_back(line);
    return true;
}

std::string UrlHistory::Text() const { return index_ < 0 ? std::string() : items_[static_cast<std::size_t>(index_)]; }

}  // namespace skycrier
