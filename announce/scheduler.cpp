#include "announce/scheduler.h"

#include <cmath>

#include "base/decimal_integer.h"
#include "base/rounding.h"
#include "platform/date_time.h"

namespace skycrier {
namespace {

// Writes value as two digits at text[at].
void putTwoDigits(std::string& text, std::size_t at, int value) {
    text[at] = static_cast<char>('0' + value / 10 % 10);
    text[at + 1] = static_cast<char>('0' + value % 10);
}

std::string whole(double value) {
    const auto rounded = roundHalfEven(value);
    return rounded ? std::to_string(*rounded) : "?";
}

}  // namespace

std::string hourlyLogLine(const MeteoData& d) {
    return "Meteo MonII Tini=" + whole(d.Tint) + " Text=" + whole(d.Text) + " PAtm=" + whole(d.Patm) +
           " Vient0=" + whole(d.Vent) + " Rafaga=" + whole(d.Rafa) + " Direc=" + whole(d.Dire);
}

Scheduler::Scheduler(const Parts& parts)
    : parts_(parts),
      tickTimer_(parts.loop, kFirstTickMs, [this] { tick(); }),
      bulletinStarted_(parts.sequencer.started.connect([this](BulletinTrigger) {
          ctsLatch_ = true;
          dsrLatch_ = true;
          triggerLatch_ = true;
      })) {}

void Scheduler::start() {
    parts_.sequencer.setStartUpPending(true);
    tickTimer_.setInterval(kFirstTickMs);
    tickTimer_.start();
}

void Scheduler::tick() {
    runTick();
    changed.emit();
}

void Scheduler::runTick() {
    if (parts_.sequencer.startUpPending()) {
        runStartUp();
        return;
    }
    if (readBackVolume) readBackVolume();
    readClock();
    if (shown_.clock.Minute != lastTriggerMinute_) {
        triggeredThisMinute_ = false;
        lastTriggerMinute_ = -1;
    }
    writeHourlyLog();
    if (schedule()) return;
    watchInputs();
}

void Scheduler::inputsChanged() {
    if (parts_.sequencer.startUpPending() || !tickTimer_.enabled() || scheduleHolds()) return;
    watchInputs();
    changed.emit();
}

bool Scheduler::scheduleHolds() const {
    return periodMinutes() != 0 && inWindow() && triggeredThisMinute_;
}

// The tick stands still while the start-up runs; the first decision comes a
// whole tick after it, never during it.
void Scheduler::runStartUp() {
    tickTimer_.stop();
    if (startUp) startUp();
    parts_.sequencer.setStartUpPending(false);
    tickTimer_.setInterval(kTickMs);
    tickTimer_.start();
}

// The date and time are written digit by digit from the fields: the tick
// runs for months, and simulations run weeks of it in a moment.
void Scheduler::readClock() {
    const DateTimeFields f = decodeDateTime(parts_.loop.localNow());
    shown_.clock = {f.dayOfWeek, f.hour, f.minute, f.day, f.month, f.year};
    shown_.timeText.assign(" HH:MM:SS");
    putTwoDigits(shown_.timeText, 1, f.hour);
    putTwoDigits(shown_.timeText, 4, f.minute);
    putTwoDigits(shown_.timeText, 7, f.second);
    shown_.dateText.assign(" YYYY-MM-DD");
    putTwoDigits(shown_.dateText, 1, f.year / 100);
    putTwoDigits(shown_.dateText, 3, f.year);
    putTwoDigits(shown_.dateText, 6, f.month);
    putTwoDigits(shown_.dateText, 9, f.day);
}

void Scheduler::writeHourlyLog() {
    const int stamp = shown_.clock.Hour * 100 + shown_.clock.Minute;
    if (shown_.clock.Minute != 0 || stamp == lastLogStamp_ || !hourlyObservation) return;
    const auto observation = hourlyObservation();
    if (!observation) return;
    if (appendLog) appendLog(hourlyLogLine(*observation));
    lastLogStamp_ = stamp;
}

bool Scheduler::schedule() {
    const int period = periodMinutes();
    if (period == 0 || !inWindow()) return false;
    if (triggeredThisMinute_ || parts_.sequencer.bulletinRunning()) return true;
    // A minute that is not a multiple of the period goes on to the modem lines.
    if (shown_.clock.Minute % period != 0) return false;
    triggeredThisMinute_ = true;
    lastTriggerMinute_ = shown_.clock.Minute;
    parts_.sequencer.requestBulletin(BulletinTrigger::Schedule);
    return true;
}

int periodMinutes(const ScheduleSettings& schedule) {
    const auto minutes = parseDecimalInteger(schedule.periodText);
    return minutes && *minutes > 0 ? *minutes : 0;
}

bool inHourWindow(const ScheduleSettings& schedule, int hour) {
    const int start = schedule.StartHour;
    const int end = schedule.EndHour;
    if (start < end) return start <= hour && hour < end;
    if (start > end) return hour >= start || hour < end;
    return false;
}

std::optional<double> nextScheduledBulletin(const ScheduleSettings& schedule, double localNow) {
    constexpr double kMinutesPerDay = 1440.0;
    const int period = periodMinutes(schedule);
    if (period == 0) return std::nullopt;
    const double first = std::ceil(localNow * kMinutesPerDay - 1e-6);
    // A day and a period cover every minute and hour the schedule can name.
    for (double minute = first; minute < first + kMinutesPerDay + period; ++minute) {
        const DateTimeFields t = decodeDateTime(minute / kMinutesPerDay);
        if (t.minute % period == 0 && inHourWindow(schedule, t.hour)) return minute / kMinutesPerDay;
    }
    return std::nullopt;
}

int Scheduler::periodMinutes() const { return skycrier::periodMinutes(parts_.schedule); }

bool Scheduler::inWindow() const { return inHourWindow(parts_.schedule, shown_.clock.Hour); }

// One reading a tick, or on a change, outside bulletins. A port whose status
// cannot be read leaves everything as last seen, so a failing port makes no edge.
void Scheduler::watchInputs() {
    TransmitterPort& port = parts_.port;
    Sequencer& seq = parts_.sequencer;
    if (seq.bulletinRunning()) return;
    std::optional<bool> trigger, busy;
    if (TransmitterSwitch* const key = parts_.keySwitch) {
        trigger = key->readInput(SwitchInput::Trigger);
        busy = key->readInput(SwitchInput::Busy);
    }
    std::optional<bool> dcd, cts, dsr;
    if (port.isOpen()) {
        dcd = port.input(SerialPin::DCD);
        cts = port.input(SerialPin::CTS);
        dsr = port.input(SerialPin::DSR);
        if (!dcd || !cts || !dsr) return;
    } else if (!trigger && !busy) {
        return;
    }

    showCarrier(dcd.value_or(false) || busy.value_or(false));
    if (cts && !*cts) {
        ctsLatch_ = false;
        shown_.ctsLamp = "CTS=Off";
    }
    if (dsr && !*dsr) {
        dsrLatch_ = false;
        shown_.dsrLamp = "DSR=Off";
    }
    if (trigger && !*trigger) triggerLatch_ = false;
    // At most one edge a reading: CTS, then DSR, then the trigger line.
    if (cts && *cts && !ctsLatch_) {
        ctsLatch_ = true;
        shown_.ctsLamp = "CTS=On";
        if (parts_.lines.triggerOnCts) seq.requestBulletin(BulletinTrigger::CTS);
    } else if (dsr && *dsr && !dsrLatch_) {
        dsrLatch_ = true;
        shown_.dsrLamp = "DSR=On";
        if (parts_.lines.triggerOnDsr) seq.requestBulletin(BulletinTrigger::DSR);
    } else if (trigger && *trigger && !triggerLatch_) {
        triggerLatch_ = true;
        seq.requestBulletin(BulletinTrigger::GpioLine);
    }
}

void Scheduler::showCarrier(bool on) {
    parts_.sequencer.setCarrierBusy(on);
    shown_.dcdLamp = on ? "DCD=On" : "DCD=Off";
    shown_.bulletinsAllowedLamp = !on;
    shown_.bulletinsHeldLamp = on;
}

void Scheduler::portReleased() {
    showCarrier(false);
    changed.emit();
}

}  // namespace skycrier
