#pragma once
// The recorder window (TFormRecord): where the user chooses the recorder
// program that records every bulletin when "Guardar anuncio" is checked. The
// path is the main window's EditSonivue, which the configuration stores.
//
// Threading: the loop's thread only.

#include <functional>
#include <string>
#include <utility>

#include "app/main_window.h"

namespace skycrier {

class TFormRecord {
public:
    TFormRecord(TForm1& mainWindow, std::function<void()> beep)
        : mainWindow_(mainWindow), beep_(std::move(beep)) {}

    // The file dialog's choice (not called when it is cancelled). A file that
    // exists becomes the recorder's path and true asks the window to select
    // the field's whole text; one that vanished meanwhile empties the field
    // and beeps.
    bool ButtonParcourirClick(const std::string& chosen);

private:
    TForm1& mainWindow_;
    std::function<void()> beep_;
};

}  // namespace skycrier
