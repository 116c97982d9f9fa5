#include "gui/help_file.h"

#include <system_error>

#include "gui/translation.h"
#include "platform/program_location.h"

namespace skycrier::gui {

std::filesystem::path helpFileFor(const std::filesystem::path& programFolder, std::string_view language) {
    const std::filesystem::path beside = programFolder / "help" / language;
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::is_directory(beside, error)
                                             ? beside
                                             : programFolder / ".." / "share" / "skycrier" / "help" / language;
    return (folder / kHelpFileName).lexically_normal();
}

std::string helpFile() { return helpFileFor(executableFolder(), languageCode(currentLanguage())).string(); }

}  // namespace skycrier::gui
