#pragma once
// SkyCrier running by itself: the engine wired once, brought up in a fixed
// order and taken down so that no setting is lost and the transmitter is
// never left keyed. The process start and the main window's creation happen
// in the constructor; start() enables the once-a-second tick, whose first
// run is the deferred start-up (startUp); close() is every way out.
//
// Threading: the loop's thread only.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/announcer.h"
#include "app/bulletin_record.h"
#include "app/version_check.h"

namespace skycrier {

struct ProgramParts {
    AnnouncerParts announcer;
    // Where the converted weather files are copied for other programs; may be empty.
    std::filesystem::path sharedDataFolder;
};

class Program {
public:
    explicit Program(const ProgramParts& parts);

    // Connects to the peer programs and enables the tick: the start-up runs half a second later.
    void start();
    // The deferred start-up.
    void startUp();
    // The close: a bulletin on the air ends at once with the lines low, the
    // configuration is saved, the port is released and the tick stops.
    void close();
    // The same without saving: the file is about to be read again.
    void closeForReload();

    // The start-up has run: the configuration is in force.
    Signal<> startedUp;

    bool started() const { return started_; }
    bool closed() const { return closed_; }
    // The start-up's moment to show the main window, or to leave it in the
    // tray when "Minimizar al inicio del programa" is checked; a program
    // without windows leaves it empty.
    std::function<void(bool minimised)> showMainWindow;

    // The shared data folder when it exists, else empty.
    const std::filesystem::path& sharedDataFolder() const { return sharedDataFolder_; }

    Announcer& announcer() { return announcer_; }
    const Announcer& announcer() const { return announcer_; }
    // Each bulletin's line, also written into the log.
    BulletinRecord& bulletins() { return bulletins_; }
    // The new-version check: at start-up when asked, and the info window's button.
    VersionCheck& versionCheck() { return versionCheck_; }

private:
    // Every problem goes to the status line's listeners and to the log.
    void report(const std::string& text);
    void close(bool save);

    Announcer announcer_;
    BulletinRecord bulletins_;
    VersionCheck versionCheck_;
    std::filesystem::path sharedDataFolder_;
    bool configurationPresent_ = false;
    bool logPresent_ = false;
    bool started_ = false;
    bool closed_ = false;
    Subscription bulletinLog_;
    std::vector<Subscription> fetchNotices_;
};

}  // namespace skycrier
