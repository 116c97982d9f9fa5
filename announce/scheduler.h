#pragma once
// The program's once-a-second tick. Its first tick, half a second after
// start(), runs the program's deferred start-up; every later tick refreshes
// the clock, writes the hourly log line, starts a bulletin when the period and
// the window of hours say so, and reads the inputs: the transmitter port's
// modem lines and the keying switch's lines. Carrier detect or a busy line
// blocks a start; a rising CTS, DSR or trigger line starts one. Inputs that
// tell their changes are also read at once, between ticks.
//
// Threading: the loop's thread only.

#include <functional>
#include <optional>
#include <string>

#include "announce/bulletin_settings.h"
#include "announce/schedule_settings.h"
#include "announce/sequencer.h"
#include "announce/transmitter_port.h"
#include "base/meteo_data.h"
#include "platform/signal.h"
#include "platform/timer.h"

namespace skycrier {

// The local date and time of the last tick.
struct ClockFields {
    int DayOfWeek = 0;  // 1 = Sunday .. 7 = Saturday
    int Hour = 0;
    int Minute = 0;
    int Day = 0;
    int Month = 0;
    int Year = 0;
};

// The hourly log line of an observation, each value rounded to a whole number
// ("?" for a value no whole number stands for).
std::string hourlyLogLine(const MeteoData& observation);

// The clock and the modem lamps, as the main window shows them.
struct SchedulerDisplay {
    ClockFields clock;
    std::string timeText;
    std::string dateText;
    std::string dcdLamp = "DCD=Off";
    std::string ctsLamp = "CTS=Off";
    std::string dsrLamp = "DSR=Off";
    // Bulletins allowed (no carrier) / inhibited (carrier).
    bool bulletinsAllowedLamp = true;
    bool bulletinsHeldLamp = false;
};

class Scheduler {
public:
    struct Parts {
        EventLoop& loop;
        Sequencer& sequencer;
        TransmitterPort& port;
        const PortLineSettings& lines;
        const ScheduleSettings& schedule;
        // The keying switch, whose trigger and busy lines count as well; none: only the port's.
        TransmitterSwitch* keySwitch = nullptr;
    };

    static constexpr Millis kFirstTickMs = 500;
    static constexpr Millis kTickMs = 1000;

    explicit Scheduler(const Parts& parts);
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    // Enables the tick with the start-up pending: no bulletin starts until it has run.
    void start();
    // One tick: the start-up on the first, the clock, the log and the start
    // decisions on the others; then `changed`.
    void tick();
    // What releasing the transmitter port shows: no carrier, bulletins allowed.
    void portReleased();
    // An input may have changed: it is read now, by the tick's rules, once the start-up has run.
    void inputsChanged();
    // Reads the clock into the clock fields and the date and time shown.
    void readClock();

    // The deferred start-up, run by the first tick with the tick stopped.
    std::function<void()> startUp;
    // Reads the output volume back into the volume control.
    std::function<void()> readBackVolume;
    // The Weather Monitor II observation when its hourly log is wanted (its
    // box checked, the source selected, the station connected); else nothing.
    std::function<std::optional<MeteoData>()> hourlyObservation;
    // Appends a line to the program's log.
    std::function<void(const std::string&)> appendLog;

    const SchedulerDisplay& shown() const { return shown_; }

    // After every tick (the clock moved on) and a release of the port.
    Signal<> changed;

private:
    // The tick's work, whatever way it ends.
    void runTick();
    void runStartUp();
    void writeHourlyLog();
    // True when the tick ends here.
    bool schedule();
    void watchInputs();
    // The schedule holds the inputs off for the rest of its minute.
    bool scheduleHolds() const;
    void showCarrier(bool on);
    int periodMinutes() const;
    bool inWindow() const;

    Parts parts_;
    Timer tickTimer_;
    SchedulerDisplay shown_;
    // The schedule starts at most one bulletin in its minute.
    bool triggeredThisMinute_ = false;
    int lastTriggerMinute_ = -1;
    // Hour * 100 + minute of the last hourly log line.
    int lastLogStamp_ = -1;
    // Rising-edge latches of CTS and DSR: a line held on starts one bulletin,
    // and a bulletin, however started, counts as the edge of a line already on.
    bool ctsLatch_ = false;
    bool dsrLatch_ = false;
    bool triggerLatch_ = false;
    Subscription bulletinStarted_;
};

}  // namespace skycrier
