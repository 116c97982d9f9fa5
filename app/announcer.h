#pragma once
// SkyCrier's engine, wired once: the settings, the units, the weather
// sources, the vocabulary, the playback engine, the transmitter port and the
// sequencer, each connected to the others. The command-line program, the
// service and the desktop program each build one on the devices they are
// handed (the Linux ones of devices/, fakes in the tests) and their own loop.
//
// Threading: the loop's thread only.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "announce/bulletin_settings.h"
#include "announce/peer_channel.h"
#include "announce/playback_engine.h"
#include "announce/recorder_control.h"
#include "announce/schedule_settings.h"
#include "announce/scheduler.h"
#include "announce/sequencer.h"
#include "announce/status_board.h"
#include "announce/vocabulary.h"
#include "app/config_file.h"
#include "app/key_switch_control.h"
#include "app/log_book.h"
#include "app/configuration.h"
#include "app/main_window.h"
#include "app/port_window.h"
#include "app/record_window.h"
#include "app/sound_output.h"
#include "app/transmitter_port_control.h"
#include "app/trouble_log.h"
#include "base/speech_units.h"
#include "base/weather_sources.h"
#include "platform/event_loop.h"
#include "platform/serial_line.h"
#include "platform/wave_out.h"
#include "app/source_models.h"

namespace skycrier {

struct StationState;

struct AnnouncerParts {
    EventLoop& loop;
    WaveOut& sound;
    SerialLine& serial;
    // The program folder: relative file names of the configuration are taken from it.
    std::filesystem::path folder;
    // The answer to the user's own click on a port that cannot be opened (a
    // dialog may wait for OK): its title and the reason. Everything that
    // happens without a click (start-up, retries, polls, bulletins) is a
    // notice instead: the status board's `reported`, which never waits.
    std::function<void(const std::string&, const std::string&)> showPortError;
    // An observation to speak instead of the stations' (a recorded one).
    WeatherSources* recordedWeather = nullptr;
    // The configuration file; empty for skycrier.ini in the program folder.
    std::filesystem::path configFile = {};
    // The web, for the sources that fetch their reports; none: their fetches fail.
    HttpFetcher* fetcher = nullptr;
    // The answer to the user's own click that failed (a file chosen in a
    // dialog that cannot be read); a dialog may wait for OK.
    std::function<void(const std::string&)> showError = {};
    // The machine's serial devices, for the port window's list.
    std::function<std::vector<std::string>()> listPorts = [] { return std::vector<std::string>(); };
    // The installed outputs and their volume; none: the volume is left alone.
    WaveOutCatalogue* catalogue = nullptr;
    // The mailbox shared with peer programs; none: the program shares the channel with no one.
    Mailbox* mailbox = nullptr;
    // The way to the external recorder; none: "Guardar anuncio" records nothing.
    RecorderLink* recorderLink = nullptr;
    // The Weather Monitor II console's line; none: its port never opens.
    WeatherMonitorLink* weatherMonitor = nullptr;
    // The bulletins' link to the peers in place of the mailbox's channel (a recording, in tests).
    ChannelLink* peerLink = nullptr;
    // Makes the switch that keys the transmitter when the keying names one; none: such a keying fails.
    SwitchMaker makeSwitch = {};
};

class Announcer {
public:
    explicit Announcer(const AnnouncerParts& parts);
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    // Applies a configuration's lines in order, each through the control that
    // owns it, then chooses the remembered source; returns the lines it ignored.
    std::vector<IgnoredLine> applyConfiguration(const std::vector<ConfigLine>& configLines);
    // Every model the configuration file holds, for loading it in steps.
    ConfigTargets configTargets();
    // The file a save writes now.
    std::string configurationText();
    // Replaces skycrier.ini in the program folder; a failure beeps, shows
    // "Error: skycrier" with its reason and leaves the previous file. A file
    // that was there and could not be read is not written over (nothing is
    // saved) unless the user saves on purpose: then it is kept beside the
    // new one, as "<name>.unread-<YYYYMMDD-HHMMSS>". An automatic save writes
    // nothing when no setting changed since the file was read and the file is
    // still there, so a hand edit
    // made meanwhile stays; a file changed on disk since it was read or
    // written is kept beside the new one, as "<name>.<YYYYMMDD-HHMMSS>".
    enum class Save { Automatic, OnPurpose };
    bool saveConfiguration(Save kind = Save::Automatic);
    // The file a configured name stands for.
    std::string resolve(const std::string& name) const;
    // A failure: to the status board's `reported` listeners (stderr, the
    // tray) and to the log. Lines for the log made before the old log has
    // been read wait for the start-up to read it.
    void report(const std::string& text);
    // Something that stopped nothing (a device late or back, a file a poll
    // could not write): in the status line, to the `noticed` listeners and the log.
    void notice(const std::string& text);

    // The configuration file loading reads and saving writes.
    const std::filesystem::path& configFile() const { return configFile_; }

    // Bulletins: asked for by a button, a line, the schedule or a peer;
    // stopped at once with the lines low and that text in the status line.
    void requestBulletin(BulletinTrigger trigger);
    void stopBulletin(const std::string& statusText);
    bool bulletinRunning() const;
    // The step of the bulletin on the air; 0 between bulletins.
    int bulletinPosition() const;
    // Each start with what asked for it, and every segment, silence and end.
    Signal<BulletinTrigger>& bulletinStarted();
    Signal<const BulletinEvent&>& bulletinEvents();
    // Steps that hold the bulletin's first sound, and the next bulletin, until they answer.
    void holdBulletinStart(Sequencer::AsyncStep step);
    void holdBulletinEnd(Sequencer::AsyncStep step);
    void setErrorSimulation(bool on);
    bool errorSimulation() const;
    // The sound output the bulletins play on.
    OutputDevice outputInUse() const;
    // Recordings from that folder take the place of the built-in words; the notices of what was left out.
    std::vector<std::string> useVocabularyFolder(const std::string& folder);
    // Readies the sound output for a bulletin; false, with the reason in the status line, when it cannot be.
    bool prepareSound(const OutputDevice& device);

    // Connects to the peer programs and enables the once-a-second tick; its
    // first run calls the start-up given here.
    void start(std::function<void()> startUp);
    // The start-up in its steps, each problem reported: loading (the
    // configuration file and the old log, when they were there before the
    // program began), the devices, the first judgement of the weather (made
    // when the chosen source's first answer is in) and the end of loading.
    void loadAtStartUp(bool configurationPresent, bool logPresent);
    void startDevices();
    void judgeWeatherWhenIn();
    void finishStartUp();
    // The end: a bulletin on the air stops with the lines low, the windows'
    // place is kept, the configuration is saved (unless it is about to be
    // read again), the console and the port are released and the peers left.
    void shutDown(bool save);

    void appendLog(const std::string& line);
    const std::vector<std::string>& logLines() const;
    // What the station will do, in a few lines for someone who starts it.
    std::vector<std::string> summary(double localNow);
    // Its last line: when the next bulletin comes, or why none will.
    std::string nextBulletinLine(double localNow);

    // The models the main window shows and drives.
    struct MainWindowModels {
        MainWindowModel& window;
        BulletinSettings& settings;
        ScheduleSettings& schedule;
        SoundOutput& sound;
        // The once-a-second tick and its clock.
        Scheduler& clock;
        const TransmitterPortControl& port;
        // Only with a recorder link.
        RecorderControl* recorder;
    };
    MainWindowModels mainModels();
    // The weather sources' windows, their choice and the units.
    SourceModels& sources();
    PortWindowModel& portWindow();
    RecorderWindowModel& recordWindow();
    // The link to the peer programs sharing the transmitter.
    PeerChannel& peerChannel();
    // The status line, the buttons' and lamps' states, and the failures and notices as they come.
    StatusBoard& statusBoard();

private:
    // The configuration file is there but could not be read: the program runs on defaults.
    void configurationUnread() { configurationUnread_ = true; }
    // The file has been read and applied (its text; nothing when there was no file).
    void configurationLoaded(std::optional<std::string> fileText);
    // The old log has been read: waiting reports are written, later ones at once.
    void startLogging();
    void wireWeatherMonitor(const AnnouncerParts& parts);
    void wireRecorder(EventLoop& loop, RecorderLink& link);
    // The configuration file's name with a time stamp after it, for a version kept aside.
    std::filesystem::path keptName(const char* tag) const;
    // Moves the file aside under that name; false, shown as a failure, when it stays in the way.
    bool keepAside(const std::filesystem::path& kept);
    void watchDevices();
    void log(const std::string& text);
    // A configured Weather Monitor II port is opened when its source is chosen.
    void openMonitorPort();
    void reportWeatherProblems();
    // Shows the next first-run step when it changed (the status line meanwhile may tell other things).
    void guideFirstRun();
    // What the summary lines are made of.
    StationState stationState();

    BulletinSettings settings_;
    ScheduleSettings schedule_;
    MainWindowModel mainWindow_{schedule_, settings_};
    RecorderWindowModel recorderWindow_{mainWindow_, [this] { stations_.context.beep(); }};
    PortLineSettings lines_;
    SpeechUnits units_;
    StatusBoard status_;
    SourceModels stations_;
    Vocabulary vocabulary_;
    PlaybackEngine engine_;
    TransmitterPortControl port_;
    // What keys the transmitter when the port window chooses a switch instead of the port's lines.
    KeySwitchControl keySwitch_;
    // The port window: the configuration chooses the port through it.
    PortWindowModel portWindow_;
    Sequencer sequencer_;
    // Peer programs sharing the transmitter; connected by the program's start.
    PeerChannel peers_;
    // The sound-card panel, the volume slider and the level mark.
    SoundOutput soundOutput_;
    Scheduler scheduler_;
    LogBook logBook_;
    // Devices and files that are late or gone: shown in the status line and reported when they begin and end.
    TroubleLog troubles_{[this](const std::string& text) { notice(text); }};
    // Records every bulletin when "Guardar anuncio" is checked; only with a recorder link.
    std::optional<RecorderControl> recorder_;

    std::filesystem::path folder_;
    std::filesystem::path configFile_;
    EventLoop& loop_;
    bool configurationUnread_ = false;
    // What the file held when it was last read or written, and the settings' text then.
    std::optional<std::string> fileAsKnown_;
    std::optional<std::string> textAsKnown_;
    bool logging_ = false;
    std::vector<std::string> unlogged_;
    Subscription recorderAbort_;
    Subscription portBeforeBulletin_;
    Subscription portInputs_;
    Subscription switchInputs_;
    std::vector<Subscription> stationPolls_;
    Subscription firstPoll_;
    // A first run's advice in the status line, until all it names is set.
    bool firstRun_ = false;
    std::string firstRunStep_;
    std::vector<Subscription> firstRunWatch_;
    // The configuration file's text as the start-up read it.
    std::optional<std::string> startUpFile_;
};

}  // namespace skycrier
