#pragma once
// The drop-down history of the inputs typed or chosen (addressHistory): at
// most ten entries, the one in use selected.

#include <cstddef>
#include <string>
#include <vector>

namespace skycrier {

class UrlHistory {
public:
    static constexpr std::size_t kMaxEntries = 10;

    // An input was used: an entry equal to it is selected; otherwise it is
    // added at the end while there is room, or else put first with the oldest
    // dropped, and selected. Empty lines are not remembered.
    void remember(const std::string& line);
    // A configuration entry: appended while there is room; false when it was not.
    bool load(const std::string& line);

    const std::vector<std::string>& Items() const { return items_; }
    // -1 while nothing is selected.
    int ItemIndex() const { return index_; }
    // The selected entry, empty when none.
    std::string Text() const;

private:
    std::vector<std::string> items_;
    int index_ = -1;
};

}  // namespace skycrier
