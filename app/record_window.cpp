#include "app/record_window.h"

#include "sources/source_window.h"

namespace skycrier {

bool RecorderWindowModel::takeChosenFile(const std::string& chosen) {
    const bool exists = fileExists(chosen);
    if (exists)
        mainWindow_.recorderProgram = chosen;
    else
        mainWindow_.recorderProgram.clear();
    mainWindow_.changed.emit();
    if (!exists) beep_();
    return exists;
}

}  // namespace skycrier
