#include "app/record_window.h"

#include "sources/source_window.h"

namespace skycrier {

bool RecorderWindowModel::takeChosenFile(const std::string& chosen) {
    if (fileExists(chosen)) {
        mainWindow_.recorderProgram = chosen;
        return true;
    }
    mainWindow_.recorderProgram.clear();
    beep_();
    return false;
}

}  // namespace skycrier
