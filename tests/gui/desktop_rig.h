#pragma once
// The desktop program on virtual time, a fake sound output and serial line,
// and a desktop whose dialogs answer at once and are remembered.

#include <QApplication>
#include <optional>
#include <string>
#include <vector>

#include "app/builtin_clips.h"
#include "app/program_folder.h"
#include "gui/desktop_program.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/fake_serial_line.h"
#include "support/fake_wave_out_catalogue.h"
#include "support/fake_wave_out.h"
#include "support/temp_dir.h"

namespace skycrier::test {

struct DesktopRig {
    // The windows in Spanish, the words most of them are written in, unless
    // the test gives another language or none (the configuration's, the locale's).
    explicit DesktopRig(const std::string& configuration = {},
                        std::optional<gui::Language> language = gui::Language::Spanish)
        : prepared(prepare(configuration)), language(language) {}

    // The folder is ready before the program looks into it.
    bool prepare(const std::string& configuration) {
        std::string error;
        if (!configuration.empty()) dir.write("skycrier.ini", configuration);
        return prepareProgramFolder(dir.path(), builtInGreeting(), error);
    }

    gui::Desktop desktop() {
        gui::Desktop d;
        d.beep = [this] { ++beeps; };
        d.chooseFile = [this](QWidget*, const std::string&, const std::string&) { return chosenFile; };
        d.error = [this](QWidget*, const std::string& text) { dialogs.push_back("error: " + text); };
        d.warning = [this](QWidget*, const std::string& text) { dialogs.push_back("warning: " + text); };
        d.message = [this](QWidget*, const std::string& text) { dialogs.push_back("message: " + text); };
        d.open = [this](const std::string& target) {
            opened.push_back(target);
            return true;
        };
        return d;
    }

    AnnouncerParts parts() {
        // As the program does: a box only for the user's own pick of a port.
        AnnouncerParts p{loop, out, line, dir.path(), [this](const std::string& title, const std::string& reason) {
                             dialogs.push_back("error: " + title + "\n" + reason);
                         }};
        catalogue.entries = {{"hw:CARD=Usb,DEV=0", "USB Audio", 0}, {"hdmi", "HDMI", std::nullopt}};
        p.catalogue = &catalogue;
        p.listPorts = [] { return std::vector<std::string>{"/dev/ttyUSB0"}; };
        return p;
    }

    template <typename T>
    T* control(const char* name) {
        for (QWidget* w : program.windows())
            if (T* found = w->objectName() == name ? qobject_cast<T*>(w) : w->findChild<T*>(name)) return found;
        return nullptr;
    }

    // Runs the start-up, then lets a second of virtual time pass.
    void startUp() {
        program.startUpNow();
        loop.advance(1000);
        program.mainWindow.refresh();
    }

    TempDir dir;
    bool prepared;
    VirtualLoop loop{encodeDateTime(2026, 12, 7, 14, 5, 0)};
    FakeWaveOut out{loop};
    FakeSerialLine line;
    FakeWaveOutCatalogue catalogue;
    int beeps = 0;
    std::vector<std::string> dialogs;
    std::vector<std::string> opened;
    std::optional<std::string> chosenFile;
    std::optional<gui::Language> language;
    gui::DesktopProgram program{{parts(), {}, desktop(), nullptr, language}};
    Announcer& a = program.program.announcer();
};

}  // namespace skycrier::test
