#include "gui/help_file.h"

#include "gui/translation.h"
#include "platform/program_location.h"

namespace skycrier::gui {

std::string helpFile() {
    return (executableFolder() / "help" / languageCode(currentLanguage()) / kHelpFileName).string();
}

}  // namespace skycrier::gui
