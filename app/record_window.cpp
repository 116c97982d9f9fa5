#include "app/record_window.h"

#include "sources/source_window.h"

namespace skycrier {

bool TFormRecord::ButtonParcourirClick(const std::string& chosen) {
    if (fileExists(chosen)) {
        mainWindow_.EditSonivue = chosen;
        return true;
    }
    mainWindow_.EditSonivue.clear();
    beep_();
    return false;
}

}  // namespace skycrier
