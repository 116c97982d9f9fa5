#pragma once
// Replaces a file's content so that a crash or power cut at any moment leaves
// either the old file or the new one, whole: the content goes into a
// temporary file beside it, reaches the disk, and only then takes the
// file's name by a rename, after which the folder itself is flushed.

#include <string>
#include <string_view>

namespace skycrier {

// Writes content to `temporary` (a stale one is deleted first), gives it
// `permissions` (e.g. 0444), flushes it, renames it over `path` and flushes
// the folder. Both paths must be in the same folder. False with a one-line
// reason when the temporary file cannot be written: `path` is then as it was
// and the temporary file is gone. A failure to flush the folder after the
// rename is reported too, though the new content is then already in place.
bool replaceFileAtomically(const std::string& path, const std::string& temporary, std::string_view content,
                           unsigned permissions, std::string& reason);

}  // namespace skycrier
