#pragma once
// The main window (MainWindowModel) as a model: the settings it holds that the
// configuration stores, the period selector, the hour-window menus and their
// captions, the WAVE file choosers, minimising to the tray, autostart and the
// keys. The desktop window shows this state and calls these handlers; what
// only the window can do (minimise, show a dialog) it is asked through the
// callbacks below.
//
// Threading: the loop's thread only.

#include <functional>
#include <string>

#include "announce/bulletin_settings.h"
#include "announce/schedule_settings.h"
#include "platform/signal.h"
#include "platform/wave_out.h"
#include "platform/xdg_autostart.h"

namespace skycrier {

// The main window's settings that the configuration stores.
struct MainWindowSettings {
    // "Guardar anuncio": record every bulletin with the external recorder.
    bool recordBulletins = false;
    // The recorder program (RecorderWindowModel's recorderProgram).
    std::string recorderProgram;
    // Autostart, start minimised, version check at start-up.
    bool startWithSession = false;
    bool startMinimised = false;
    bool checkVersionAtStart = false;
    // Volume slider position (0 loudest .. 10 silent), balance -100..100, level mark 0..100.
    int volumePosition = 5;
    int Balance = 0;
    int levelMark = 70;
    // The host of the new-version list ("VERSION_URL="); empty for the maker's.
    std::string versionUrl;
    // The main window's place.
    int Top = 101;
    int Left = 4;
    // The source window stays visible after start-up.
    bool showSourceWindow = true;
    // Sound output: the system's default (RadioButtonCarteWin) or a chosen
    // output ("OSOUND=" its number, "OSOUNDNAME=" its ALSA name).
    bool ownOutputChosen = false;
    OutputDevice outputDevice;
    // The desktop program's language ("LANGUAGE=": "en" or "es"); empty: the locale's.
    std::string language;
};

class MainWindowModel {
public:
    MainWindowModel(ScheduleSettings& schedule, BulletinSettings& bulletin) : schedule_(schedule), bulletin_(bulletin) {}

    // Shows in periodText the minutes of the period selector's position (positions
    // outside 0..6 leave it as it is).
    void showSelectedPeriod();
    // A click on an hour item "D00".."D24" (window start) or "F00".."F24"
    // (window end): checks it, stores the hour and sets the submenu's caption.
    // An unknown name or the item already checked changes nothing.
    void chooseHourItem(const std::string& name);
    // The checked item of each hour menu, e.g. "D00" and "F24".
    std::string checkedStartItem() const;
    std::string checkedEndItem() const;

    // The WAVE file choosers' choices (not called when the dialog is
    // cancelled): a file that can be read becomes the header, chime or
    // closing file; one that cannot shows the error dialog and empties the path.
    void chooseHeaderFile(const std::string& chosen);
    void chooseGreetingFile(const std::string& chosen);
    void chooseClosingFile(const std::string& chosen);

    // The box's click, run after its state changed (also by loading "START=Y").
    void applyStartWithSession();
    // The box's click, after its state changed: once checked, the window goes
    // to the tray and the configuration is saved, unless the flag set by
    // loading "REDUCE=Y" says this minimise is the loading's own.
    void applyStartMinimised();
    // "-": minimise; only the tray icon is left when startMinimised is checked.
    void minimiseByUser();
    // Toggles recording; true asks to show the recorder window.
    bool toggleRecording();
    // Escape in the window: the bulletin on the air ends (nothing when none is).
    void askToEndBulletin() { escapeRequest(); }

    // After a handler above changed what the window shows; the sound output,
    // the port choice and the recorder window tell their own changes to these fields.
    Signal<> changed;

    // Each file button's hint: the file it plays, chosen or loaded with the configuration.
    const std::string& headerFileHint() const { return bulletin_.headerFile; }
    const std::string& greetingFileHint() const { return bulletin_.greetingFile; }
    const std::string& closingFileHint() const { return bulletin_.closingFile; }

    // The box's click: stores the state and runs the click as above.
    void setStartWithSession(bool on);
    void setStartMinimised(bool on);
    void setCheckVersionAtStart(bool on);
    // The recorder window's path field.
    void setRecorderProgram(const std::string& program);
    // The window's title; the port's name, or "COM" when there is none, and
    // whether the port named is chosen but absent (shown red).
    void setCaption(const std::string& caption);
    void setPort(const std::string& label, bool absent);
    // Set by loading "REDUCE=Y": the next minimise clears it instead of saving.
    void setNoSaveOnMinimise(bool on) { noSaveOnMinimise_ = on; }
    // The session's autostart; none (the service, tests): the box changes nothing outside.
    void setAutostart(Autostart* autostart) { autostart_ = autostart; }

    const std::string& caption() const { return caption_; }
    const std::string& portLabel() const { return portLabel_; }
    bool portAbsent() const { return portAbsent_; }
    const std::string& startHourCaption() const { return startHourCaption_; }
    const std::string& endHourCaption() const { return endHourCaption_; }
    bool noSaveOnMinimise() const { return noSaveOnMinimise_; }

    // What the configuration stores. Loading and the sound output write it
    // directly and tell their changes themselves.
    const MainWindowSettings& settings() const { return settings_; }
    MainWindowSettings& settings() { return settings_; }
    // What bulletins play on and the slider sets.
    OutputDevice chosenOutput() const { return settings_.ownOutputChosen ? settings_.outputDevice : OutputDevice{}; }

    // Set by the front end: the application minimises, its taskbar button hidden or not.
    std::function<void(bool hideTaskbar)> minimiseApplication = [](bool) {};
    // An error dialog with an OK button.
    std::function<void(const std::string&)> showError = [](const std::string&) {};
    // Set by the wiring.
    std::function<void()> saveConfiguration = [] {};
    std::function<void()> escapeRequest = [] {};

private:
    void minimise(bool hideTaskbar);
    void chooseWaveFile(const std::string& chosen, std::string& path, const char* error);

    ScheduleSettings& schedule_;
    BulletinSettings& bulletin_;
    MainWindowSettings settings_;
    Autostart* autostart_ = nullptr;
    std::string caption_ = "SkyCrier";
    std::string portLabel_ = "COM";
    bool portAbsent_ = false;
    std::string startHourCaption_ = "Hora de inicio (00h)";
    std::string endHourCaption_ = "Hora de fin (24h)";
    bool noSaveOnMinimise_ = false;
    int startItem_ = 0;
    int endItem_ = 24;
};

}  // namespace skycrier
