#pragma once
// Whether a fetched page can hold a report at all. A server that answers with
// an image, an archive or a compressed page it was never asked to compress
// gives bytes that decode to nothing; such an answer is a failed poll, so the
// last good values are not overwritten with empty ones.

#include <optional>
#include <string>
#include <string_view>

namespace skycrier {

// Why the page is not a report ("binary content", "compressed content
// (gzip)", "only 2 bytes"); nothing when it is text that may hold one.
std::optional<std::string> notAReport(std::string_view page);

}  // namespace skycrier
