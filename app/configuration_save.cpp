#include "app/configuration_save.h"

#include "app/config_file.h"
#include "platform/atomic_file.h"

namespace skycrier {

bool saveConfigurationFile(const std::filesystem::path& file, const std::string& text, std::string& reason) {
    // The header is the first line, so a password line always follows a line end.
    const bool holdsPassword = text.find("\r\nAPRS_PW=") != std::string::npos;
    return replaceFileAtomically(file.string(), (file.parent_path() / kConfigTemporaryName).string(), text,
                                 holdsPassword ? kConfigWithPasswordPermissions : kConfigPermissions, reason);
}

}  // namespace skycrier
