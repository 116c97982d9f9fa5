#pragma once
// The bulletin: a step function that plays one segment per call and is called
// again whenever that segment has finished. Silences are timer continuations
// on the main loop, so nothing blocks and nothing re-enters. A bulletin ends
// exactly once, as Done or as Abort, whatever way it ends.
//
// Threading: the loop's thread only.

#include <deque>
#include <functional>
#include <string>

#include "announce/bulletin_event.h"
#include "announce/bulletin_settings.h"
#include "announce/channel_link.h"
#include "announce/sound_player.h"
#include "announce/status_board.h"
#include "announce/transmitter_port.h"
#include "base/meteo_data.h"
#include "base/speech_units.h"
#include "base/weather_sources.h"
#include "platform/signal.h"
#include "platform/task_scope.h"
#include "platform/timer.h"
#include "platform/transmitter_switch.h"

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
// The status text of a bulletin cut off by the transmit time-out.
inline constexpr const char* kTransmitLimitText = "Err: transmit time-out";

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
        // What keys the transmitter when the lines' keying names a switch; none: such a keying fails.
        TransmitterSwitch* keySwitch = nullptr;
    };

    // A step that finishes later (the recorder answering): it gets the
    // function to call when it is done, from the loop's thread.
    using AsyncStep = std::function<void(std::function<void()> done)>;

    // The watchdog ends a bulletin this long after its start, unless a sound is playing.
    static constexpr Millis kWatchdogMs = 120'000;

    explicit Sequencer(const Parts& parts);
    // A bulletin still on the air when the sequencer goes leaves the transmitter unkeyed.
    ~Sequencer();
    Sequencer(const Sequencer&) = delete;
    Sequencer& operator=(const Sequencer&) = delete;

    // Starts a bulletin when none runs. A request while the last bulletin's
    // closing steps still run starts the next one when they are over. A peer's
    // request is remembered even when dropped: the bulletin on the air then
    // ends with "BRELL_DONE", however it ends.
    void requestBulletin(BulletinTrigger trigger);
    // The next-step hook, run when a sound has finished.
    void nextStep();
    // Escape: the playing segment finishes, then the bulletin ends without the closing file.
    void escapeRequest();
    // The abort routine: the watchdog's handler, also run when a sound cannot be played.
    void abortRoutine();
    // Ends a running bulletin at once, even in the middle of a sound (the
    // program is closing or was told to stop): the lines go low, the output
    // stops, and the bulletin ends as an abort with this status text.
    void stopNow(const std::string& statusText);

    void setChannelLink(ChannelLink* link) { link_ = link; }
    // Runs after keying, before the first sound; the bulletin waits for it.
    void setStartStep(AsyncStep step) { startStep_ = std::move(step); }
    // Runs last, after the normal end; the next bulletin waits for it.
    void setEndStep(AsyncStep step) { endStep_ = std::move(step); }

    // Hidden test switch: a bulletin starts but plays nothing, and the watchdog ends it.
    void setErrorSimulation(bool on) { errorSimulation_ = on; }
    bool errorSimulation() const { return errorSimulation_; }
    // While the program's start-up has not run, nothing starts.
    void setStartUpPending(bool pending) { startUpPending_ = pending; }
    bool startUpPending() const { return startUpPending_; }
    // The carrier detect line as last seen: with its check box, a busy channel refuses a start.
    void setCarrierBusy(bool busy) { carrierBusy_ = busy; }

    int bulletinPosition() const { return step_; }
    bool bulletinRunning() const { return running_; }
    SourceKind selectedSource() const { return sourceKind_; }

    // A bulletin has started, and what asked for it.
    Signal<BulletinTrigger> started;
    // Every action of every bulletin, the last one of each Done or Abort.
    Signal<const BulletinEvent&> events;

private:
    enum class Stage { Idle, Header, Greeting, Date, Time, Selection, Items, Closing, Release };
    struct Action {
        enum Kind { Wait, Segment, File, StartStep } kind;
        int position;
        int milliseconds = 0;
        std::string text;
    };

    void run();
    bool plan();
    void planItem(MeteoField item, int position);
    void selectSource();
    double itemValue(MeteoField field, double fallback) const;
    bool keysTransmitter() const;
    void key();
    void keySwitch();
    void transmitLimitReached();
    bool lowerLines();
    bool unkeySwitch();
    void showLamp();
    void release();
    void closingTail();
    void afterRelease();
    void abort(bool reconnect);
    void emitEnd(BulletinEvent::Kind kind, const std::string& text);
    void runStep(const AsyncStep& step, std::function<void()> then);
    void releaseLines();
    void waitThen(int milliseconds);
    void addWait(int position, int milliseconds);
    void addSegment(int position, std::string name);
    void addSegments(int position, const std::vector<std::string>& names);
    void emit(BulletinEvent event) { events.emit(event); }

    Parts parts_;
    Timer watchdog_;
    // A hard limit on continuous keying: unlike the watchdog it never waits for a sound.
    Timer transmitLimit_;
    TaskScope tasks_;
    Subscription soundFinished_;
    Subscription soundFailed_;
    ChannelLink* link_ = nullptr;
    AsyncStep startStep_;
    AsyncStep endStep_;

    bool peerRequested_ = false;
    bool errorSimulation_ = false;
    bool startUpPending_ = false;
    bool carrierBusy_ = false;
    // The switch was keyed and not yet released.
    bool switchKeyed_ = false;
    int step_ = Idle;
    bool running_ = false;
    // The bulletin's end has been announced (Done or Abort); its clean-up may still run.
    bool ended_ = true;
    // An abort is under way: another abort, or a start, waits for it.
    bool aborting_ = false;
    // The closing steps after a normal end still run; a start waits for them.
    bool closing_ = false;
    bool startWaiting_ = false;
    BulletinTrigger waitingTrigger_ = BulletinTrigger::Button;
    bool escape_ = false;
    Stage stage_ = Stage::Idle;
    std::size_t nextItem_ = 0;
    SourceKind sourceKind_ = SourceKind::None;
    int windSpoken_ = -1;
    std::deque<Action> pending_;
    EventLoop::TaskId waitTask_ = 0;
    // A step is running; its completion is taken only while this number stands.
    bool stepRunning_ = false;
    std::uint64_t stepNumber_ = 0;
};

}  // namespace skycrier
