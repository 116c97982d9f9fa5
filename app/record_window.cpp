#include "app/record_window.h"

#include "sources/source_window.h"

namespace skycrier {

bool RecorderWindowModel::takeChosenFile(const std::string& chosen) {
    const bool exists = fileExists(chosen);
    mainWindow_.setRecorderProgram(exists ? chosen : std::string());
    if (!exists) beep_();
    return exists;
}

}  // namespace skycrier
