#pragma once
// The bulletin: a step function that plays one segment per call and is called
// again whenever that segment has finished. Silences are timer continuations
// on the main loop, so nothing blocks and nothing re-enters.

#include <deque>
#include <string>

#include "announce/bulletin_observer.h"
#include "announce/bulletin_settings.h"
#include "announce/channel_link.h"
#include "announce/meteo_data.h"
#include "announce/sound_player.h"
#include "announce/status_board.h"
#include "announce/transmitter_port.h"
#include "announce/weather_sources.h"
#include "platform/event_loop.h"
#include "sources/speech_units.h"

namespace skycrier {

// Named positions of a bulletin; weather items count on from kFirstItemPosition.
enum BulletinPosition : int {
    Idle = 0,
    Keying = 1,
    Header = 2,
    Greeting = 3,
    DayName = 4,
    DayNumber = 5,
    MonthName = 6,
    YearHigh = 7,
    Year = 8,
    ItS = 9,
    HourWord = 10,
    MinuteWord = 11,
    PartOfDay = 12,
    kFirstItemPosition = 20,
    Closing = 200,
    Release = 201,
};

// Status texts of a bulletin's start and normal end.
inline constexpr const char* kSpeakingText = "SKYCRIER SONANDO";
inline constexpr const char* kDoneText = "SKYCRIER DONE";

class Sequencer {
public:
    struct Parts {
        EventLoop& loop;
        SoundPlayer& player;
        TransmitterPort& port;
        WeatherSources& sources;
        const SpeechUnits& units;
        const BulletinSettings& settings;
        const PortLineSettings& lines;
        StatusBoard& status;
    };

    // The watchdog ends a bulletin this long after its start, unless a sound is playing.
    static constexpr Millis kWatchdogMs = 120'000;

    explicit Sequencer(const Parts& parts);

    // The announce button: starts a bulletin when none runs (user, scheduler, peer).
    void Button1Click();
    // The next-step hook, run when a sound has finished.
    void nextStep();
    // Escape: the playing segment finishes, then the bulletin ends without the closing file.
    void escapeRequest();
    // The abort routine: the watchdog's handler, also run when a sound cannot be played.
    void abortRoutine();

    void setObserver(BulletinObserver* observer) { observer_ = observer ? observer : &silentObserver_; }
    void setChannelLink(ChannelLink* link) { link_ = link; }

    int BulletinStep() const { return step_; }
    bool BulletinRunning() const { return running_; }
    SourceKind selectedSource() const { return sourceKind_; }

    // Set by a peer's play request; the bulletin then ends with "BRELL_DONE".
    bool PeerRequested = false;
    // Hidden test switch: a bulletin starts but plays nothing, and the watchdog ends it.
    bool ErrorSimulation = false;
    // While the program's start-up has not run, nothing starts.
    bool startupPending = false;
    // Last seen carrier-detect state and the rising-edge latches of the scheduler.
    bool CarrierBusy = false;
    bool ctsLatch = false;
    bool dsrLatch = false;

private:
    enum class Stage { Idle, Header, Greeting, Date, Time, Selection, Items, Closing, Release };
    struct Action {
        enum Kind { Wait, Segment, File } kind;
        int position;
        int milliseconds = 0;
        std::string text;
    };

    void run();
    bool plan();
    void planItem(MeteoField item, int position);
    void selectSource();
    double itemValue(MeteoField field, double fallback) const;
    void lowerLines();
    void release();
    void afterRelease();
    void waitThen(int milliseconds);
    void addWait(int position, int milliseconds);
    void addSegment(int position, std::string name);
    void addSegments(int position, const std::vector<std::string>& names);

    Parts parts_;
    Timer watchdog_;
    BulletinObserver silentObserver_;
    BulletinObserver* observer_ = &silentObserver_;
    ChannelLink* link_ = nullptr;

    int step_ = Idle;
    bool running_ = false;
    bool escape_ = false;
    Stage stage_ = Stage::Idle;
    std::size_t nextItem_ = 0;
    SourceKind sourceKind_ = SourceKind::None;
    int windSpoken_ = -1;
    std::deque<Action> pending_;
    EventLoop::TaskId waitTask_ = 0;
};

}  // namespace skycrier
