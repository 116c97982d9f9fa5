#pragma once
// The recorder window (RecorderWindowModel): where the user chooses the recorder
// program that records every bulletin when "Guardar anuncio" is checked. The
// path is the main window's recorderProgram, which the configuration stores.
//
// Threading: the loop's thread only.

#include <functional>
#include <string>
#include <utility>

#include "app/main_window.h"

namespace skycrier {

class RecorderWindowModel {
public:
    RecorderWindowModel(MainWindowModel& mainWindow, std::function<void()> beep)
        : mainWindow_(mainWindow), beep_(std::move(beep)) {}

    // The file dialog's choice (not called when it is cancelled). A file that
    // exists becomes the recorder's path and true asks the window to select
    // the field's whole text; one that vanished meanwhile empties the field
    // and beeps.
    bool takeChosenFile(const std::string& chosen);

private:
    MainWindowModel& mainWindow_;
    std::function<void()> beep_;
};

}  // namespace skycrier
