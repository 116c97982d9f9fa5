#include "gui/help_file.h"

#include "platform/program_location.h"

namespace skycrier::gui {

std::string helpFile() { return (executableFolder() / "help" / kHelpFileName).string(); }

}  // namespace skycrier::gui
