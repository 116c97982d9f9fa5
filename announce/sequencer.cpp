#include "announce/sequencer.h"

#include <climits>
#include <utility>

#include "announce/wording.h"
#include "base/rounding.h"
#include "platform/date_time.h"

namespace skycrier {
namespace {

constexpr int kItemPauseMs = 300;
constexpr int kTendencyPauseMs = 50;
constexpr int kKeyingPauseMs = 300;
constexpr int kReconnectDelayMs = 1000;

// Observations older than this many days are left out under the stale rules.
double staleLimitDays(StaleRule rule) {
    switch (rule) {
    case StaleRule::OneHour: return 0.042;
    case StaleRule::TwoHours: return 0.084;
    case StaleRule::ThreeHours: return 0.126;
    case StaleRule::Always: break;
    }
    return -1;
}

}  // namespace

Sequencer::Sequencer(const Parts& parts)
    : parts_(parts),
      watchdog_(parts.loop, kWatchdogMs, [this] { abortRoutine(); }),
      transmitLimit_(parts.loop, 0, [this] { transmitLimitReached(); }),
      tasks_(parts.loop),
      soundFinished_(parts.player.finished.connect([this] { nextStep(); })),
      soundFailed_(parts.player.failed.connect([this] { abortRoutine(); })) {}

Sequencer::~Sequencer() {
    if (running_) lowerLines();
}

void Sequencer::requestBulletin(BulletinTrigger trigger) {
    if (trigger == BulletinTrigger::Peer) peerRequested_ = true;
    if (step_ != Idle || startUpPending_ || running_ || aborting_) return;
    if (closing_) {
        startWaiting_ = true;
        waitingTrigger_ = trigger;
        return;
    }
    if (parts_.lines.holdOnDcd && carrierBusy_) return;

    running_ = true;
    ended_ = false;
    escape_ = false;
    sourceKind_ = SourceKind::None;
    windSpoken_ = -1;
    pending_.clear();
    parts_.status.setAnnounceEnabled(false);
    watchdog_.start();
    parts_.status.setStatusText(kSpeakingText);
    started.emit(trigger);
    if (errorSimulation_) return;

    parts_.player.holdOutput();
    step_ = Keying;
    if (keysTransmitter()) {
        key();
        addWait(Keying, kKeyingPauseMs);
    }
    if (startStep_) pending_.push_back({Action::StartStep, Keying, 0, {}});
    stage_ = Stage::Header;
    run();
}

// A radio on VOX keys itself on the sound: nothing is keyed, but the bulletin
// waits the keying pause and keeps its transmit limit as with any other keying.
bool Sequencer::keysTransmitter() const {
    if (parts_.lines.keying.kind == KeyingKind::Serial)
        return parts_.port.isOpen() && parts_.port.portName() != kNoPortName;
    return true;
}

void Sequencer::key() {
    transmitLimit_.setInterval(static_cast<Millis>(parts_.lines.transmitLimitSeconds) * 1000);
    transmitLimit_.start();
    if (keysBySwitch(parts_.lines.keying.kind)) keySwitch();
    if (parts_.lines.keying.kind != KeyingKind::Serial) {
        showLamp();
        return;
    }
    for (const SerialPin line : {SerialPin::DTR, SerialPin::RTS}) {
        const bool wanted = line == SerialPin::DTR ? parts_.lines.keyDtr : parts_.lines.keyRts;
        if (!wanted) continue;
        std::string error;
        if (parts_.port.setLine(line, true, error))
            emit({BulletinEvent::Kind::Key, line, 0, {}});
        else
            parts_.status.showFailure(std::string("Err: key ") + pinName(line), error);
    }
    showLamp();
}

void Sequencer::keySwitch() {
    const char* name = keyingName(parts_.lines.keying.kind);
    std::string error = "no switch of this kind in this program";
    if (parts_.keySwitch && parts_.keySwitch->setKeyed(true, error)) {
        switchKeyed_ = true;
        emit({BulletinEvent::Kind::Key, SerialPin::DTR, 0, name});
    } else {
        parts_.status.showFailure(std::string("Err: key ") + name, error);
    }
}

void Sequencer::transmitLimitReached() {
    transmitLimit_.stop();
    watchdog_.stop();
    parts_.status.showFailure(kTransmitLimitText, "keyed for " + std::to_string(parts_.lines.transmitLimitSeconds) +
                                                      " s; the limit is TX_TIMEOUT= in skycrier.ini");
    abort(true);
}

// The lamp shows what the lines really are, a line that would not go down included.
void Sequencer::showLamp() {
    parts_.status.setTransmitterLed(switchKeyed_ || parts_.port.lineRaised(SerialPin::DTR) ||
                                    parts_.port.lineRaised(SerialPin::RTS));
}

void Sequencer::nextStep() {
    if (step_ > Idle && waitTask_ == 0 && !stepRunning_) run();
}

void Sequencer::escapeRequest() {
    if (running_ && !aborting_) escape_ = true;
}

void Sequencer::run() {
    for (;;) {
        if (escape_) {
            escape_ = false;
            pending_.clear();
            stage_ = Stage::Release;
        }
        if (pending_.empty()) {
            if (!plan()) return;
            continue;
        }
        Action action = std::move(pending_.front());
        pending_.pop_front();
        step_ = action.position;
        switch (action.kind) {
        case Action::Wait:
            emit({BulletinEvent::Kind::Wait, SerialPin::DTR, action.milliseconds, {}});
            waitThen(action.milliseconds);
            return;
        case Action::Segment:
            emit({BulletinEvent::Kind::PlaySegment, SerialPin::DTR, 0, action.text});
            parts_.player.playResource(action.text);
            return;
        case Action::File:
            emit({BulletinEvent::Kind::PlayFile, SerialPin::DTR, 0, action.text});
            parts_.player.playFile(action.text);
            return;
        case Action::StartStep:
            runStep(startStep_, [this] { run(); });
            return;
        }
    }
}

// The step's completion counts once, and only while the step is still awaited:
// an abort meanwhile, or the sequencer's end, makes it a no-op.
void Sequencer::runStep(const AsyncStep& step, std::function<void()> then) {
    stepRunning_ = true;
    const std::uint64_t number = ++stepNumber_;
    step(tasks_.guard([this, number, then = std::move(then)] {
        if (!stepRunning_ || number != stepNumber_) return;
        stepRunning_ = false;
        then();
    }));
}

void Sequencer::waitThen(int milliseconds) {
    waitTask_ = tasks_.callAfter(milliseconds, [this] {
        waitTask_ = 0;
        run();
    });
}

void Sequencer::addWait(int position, int milliseconds) {
    pending_.push_back({Action::Wait, position, milliseconds, {}});
}

void Sequencer::addSegment(int position, std::string name) {
    pending_.push_back({Action::Segment, position, 0, std::move(name)});
}

void Sequencer::addSegments(int position, const std::vector<std::string>& names) {
    for (const auto& name : names) addSegment(position++, name);
}

// Queues what comes next; false when the bulletin has ended.
bool Sequencer::plan() {
    const BulletinSettings& s = parts_.settings;
    switch (stage_) {
    case Stage::Idle:
        return false;
    case Stage::Header:
        if (s.playHeader && !s.headerFile.empty())
            pending_.push_back({Action::File, Header, 0, s.headerFile});
        stage_ = Stage::Greeting;
        return true;
    case Stage::Greeting:
        if (s.pauseSeconds != 0) addWait(Header, s.pauseSeconds * 1000);
        if (s.playGreeting && !s.greetingFile.empty())
            pending_.push_back({Action::File, Greeting, 0, s.greetingFile});
        stage_ = Stage::Date;
        return true;
    case Stage::Date:
        if (s.speakDate) {
            const DateTimeFields now = decodeDateTime(parts_.loop.localNow());
            const auto words = wording::date(now.dayOfWeek, now.day, now.month, now.year);
            for (std::size_t i = 0; i < words.size(); ++i) {
                // A year told as 2000 + n takes two positions, a plain year the last one.
                const int position = i < 3 ? DayName + static_cast<int>(i)
                                           : (words.size() == 5 && i == 3 ? YearHigh : Year);
                addSegment(position, words[i]);
            }
        }
        stage_ = Stage::Time;
        return true;
    case Stage::Time: {
        addWait(ItS, kItemPauseMs);
        const DateTimeFields now = decodeDateTime(parts_.loop.localNow());
        const auto words = wording::timeOfDay(now.hour, now.minute);
        for (std::size_t i = 0; i < words.size(); ++i) {
            int position = MinuteWord;
            if (i == 0) position = ItS;
            else if (i + 1 == words.size()) position = PartOfDay;
            else if (i == 1 && words[0] == "son_it_s") position = HourWord;
            addSegment(position, words[i]);
        }
        stage_ = Stage::Selection;
        return true;
    }
    case Stage::Selection:
        selectSource();
        return true;
    case Stage::Items:
        while (pending_.empty() && nextItem_ < std::size(kAllFields)) {
            const std::size_t index = nextItem_++;
            planItem(kAllFields[index], kFirstItemPosition + static_cast<int>(index) * 10);
        }
        if (pending_.empty()) stage_ = Stage::Closing;
        return true;
    case Stage::Closing:
        if (s.playClosing && !s.closingFile.empty())
            pending_.push_back({Action::File, Closing, 0, s.closingFile});
        stage_ = Stage::Release;
        return true;
    case Stage::Release:
        release();
        return false;
    }
    return false;
}

void Sequencer::selectSource() {
    sourceKind_ = SourceKind::None;
    const SourceKind checked = parts_.sources.checkedSource();
    if (checked != SourceKind::None && sourceUsable(checked, parts_.sources.meteo(checked))) sourceKind_ = checked;
    stage_ = Stage::Closing;

    if (sourceKind_ != SourceKind::None && sourceKind_ != SourceKind::MON &&
        !parts_.sources.meteo(sourceKind_).ErrorText.empty())
        return;
    const double limit = staleLimitDays(parts_.settings.staleRule);
    if (limit >= 0) {
        const double now = parts_.loop.localNow();
        const bool dated = sourceKind_ != SourceKind::None && sourceKind_ != SourceKind::MON;
        const double observedAt = dated ? parts_.sources.meteo(sourceKind_).ObservedAt : now;
        if (now - observedAt > limit) return;
    }
    if (sourceKind_ == SourceKind::None) return;
    stage_ = Stage::Items;
    nextItem_ = 0;
}

double Sequencer::itemValue(MeteoField field, double fallback) const {
    if (!supplies(sourceKind_, field) || !parts_.sources.itemEnabled(sourceKind_, field)) return fallback;
    return parts_.sources.meteo(sourceKind_).value(field);
}

void Sequencer::planItem(MeteoField item, int position) {
    const SpeechUnits& u = parts_.units;
    // A value no int can hold (a station's garbage) lies outside every gate.
    const auto whole = [](double x) { return roundHalfEven(x).value_or(INT_MIN); };
    const auto truncated = [](double x) { return truncateTo<int>(x).value_or(INT_MIN); };
    const auto speak = [&](int pause, const char* label, const std::vector<std::string>& words) {
        addWait(position, pause);
        if (label) addSegment(position, label);
        addSegments(position + 1, words);
    };
    switch (item) {
    case MeteoField::Tint:
    case MeteoField::Text: {
        const int v = whole(itemValue(item, -200));
        if (v >= -100 && v <= 100)
            speak(kItemPauseMs, item == MeteoField::Tint ? "son_int_temp" : "son_ext_temp", wording::temperature(v));
        break;
    }
    case MeteoField::Patm: {
        const double f = u.PressFactor;
        const double x = itemValue(item, 900 * f);
        if (f == 1) {
            const int p = whole(x);
            if (p >= 930 && p <= 1050) speak(kItemPauseMs, "son_pressure", wording::pressureHectopascal(p));
        } else if (x >= 930 * f && x <= 1050 * f) {
            speak(kItemPauseMs, "son_pressure", wording::decimal(x, "son_inhg"));
        }
        break;
    }
    case MeteoField::Tend: {
        const int t = truncated(itemValue(item, -1));
        if (t >= 0 && t <= 2) speak(kTendencyPauseMs, nullptr, {wording::tendency(t)});
        break;
    }
    case MeteoField::Vent: {
        const int v = whole(itemValue(item, -1));
        windSpoken_ = v;
        if (v >= 0 && v <= 199 * u.WindFactor) {
            speak(kItemPauseMs, "son_wind", wording::speed(v, u.windMetric()));
            if (v > 100) windSpoken_ = v - 100;
        }
        break;
    }
    case MeteoField::Rafa: {
        const int v = whole(itemValue(item, 0));
        if (v >= 5 * u.WindFactor && v <= 199 * u.WindFactor)
            speak(kItemPauseMs, "son_gust", wording::speed(v, u.windMetric()));
        break;
    }
    case MeteoField::Dire: {
        const int d = truncated(itemValue(item, -1));
        if (((d >= 0 && d <= 360) || d == kVariableDirection) && windSpoken_ >= 1)
            speak(kItemPauseMs, "son_dir",
                  wording::direction(d, parts_.settings.sixteenPointDirections, sourceKind_ == SourceKind::METAR));
        break;
    }
    case MeteoField::TRes: {
        const int v = whole(itemValue(item, -200));
        const int low = whole(-75 * u.TempFactor + u.TempOffset);
        const int high = whole(60 * u.TempFactor + u.TempOffset);
        if (v >= low && v <= high) speak(kItemPauseMs, "son_wind_chill", wording::feltTemperature(v));
        break;
    }
    case MeteoField::Pluie:
        if (u.rainMetric()) {
            const int v = whole(itemValue(item, -1));
            if (v >= 0 && v <= 198) speak(kItemPauseMs, "son_rain24", wording::rainMillimetre(v));
        } else {
            const double x = itemValue(item, -1.0);
            if (x >= 0 && x < 10) speak(kItemPauseMs, "son_rain24", wording::rainInch(x));
        }
        break;
    case MeteoField::Phenomena: {
        const auto bits = truncateTo<std::uint32_t>(itemValue(item, 0)).value_or(0);
        if (bits == 0) break;
        int p = position;
        for (const auto& word : wording::presentWeather(bits)) {
            addWait(p, kItemPauseMs);
            addSegment(p++, word);
        }
        break;
    }
    case MeteoField::HumiExt: {
        const int v = whole(itemValue(item, -1));
        if (v >= 0 && v <= 100) speak(kItemPauseMs, "son_humidity", wording::humidity(v));
        break;
    }
    }
}

// Lowers both lines whatever the check boxes say; false when one stayed up.
bool Sequencer::lowerLines() {
    transmitLimit_.stop();
    if (keysBySwitch(parts_.lines.keying.kind) || switchKeyed_) {
        const bool down = unkeySwitch();
        showLamp();
        return down;
    }
    if (parts_.lines.keying.kind != KeyingKind::Serial) return true;
    if (!parts_.port.isOpen() && parts_.port.portName() == kNoPortName) return true;
    bool down = true;
    for (const SerialPin line : {SerialPin::DTR, SerialPin::RTS}) {
        std::string error;
        if (!parts_.port.setLine(line, false, error)) {
            parts_.status.showFailure(std::string("Err: unkey ") + pinName(line), error);
            down = false;
        } else if (parts_.port.isOpen()) {
            emit({BulletinEvent::Kind::Unkey, line, 0, {}});
        }
    }
    showLamp();
    return down;
}

// Unkeyed whether or not the key went through: a switch that answered late may have keyed all the same.
bool Sequencer::unkeySwitch() {
    if (!parts_.keySwitch) return true;
    const char* name = keyingName(parts_.lines.keying.kind);
    std::string error;
    if (!parts_.keySwitch->setKeyed(false, error)) {
        parts_.status.showFailure(std::string("Err: unkey ") + name, error);
        return false;
    }
    if (std::exchange(switchKeyed_, false)) emit({BulletinEvent::Kind::Unkey, SerialPin::DTR, 0, name});
    return true;
}

void Sequencer::release() {
    step_ = Release;
    // The transmitter goes on carrying the last word until it has been heard.
    runStep([this](std::function<void()> drained) { parts_.player.drainOutput(std::move(drained)); },
            [this] { releaseLines(); });
}

void Sequencer::releaseLines() {
    const bool down = lowerLines();
    running_ = false;
    step_ = Idle;
    stage_ = Stage::Idle;
    parts_.status.setAnnounceEnabled(true);
    parts_.status.setSoundOutputOkEnabled(true);
    watchdog_.stop();
    // A line that stayed up keeps its error in view.
    if (down) parts_.status.setStatusText(kDoneText);
    closing_ = true;
    emitEnd(BulletinEvent::Kind::Done, {});

    if (peerRequested_) {
        peerRequested_ = false;
        if (link_) link_->send("BRELL_DONE");
        closingTail();
    } else {
        tasks_.callAfter(kReconnectDelayMs, [this] {
            if (link_) link_->reconnect();
            closingTail();
        });
    }
}

// The last steps of a normal end: the poll put off during the bulletin, then
// the end step; a start asked for meanwhile goes ahead once they are over.
void Sequencer::closingTail() {
    afterRelease();
    const auto over = [this] {
        closing_ = false;
        if (std::exchange(startWaiting_, false)) requestBulletin(waitingTrigger_);
    };
    if (endStep_)
        runStep(endStep_, over);
    else
        over();
}

void Sequencer::afterRelease() {
    const SourceKind kind = parts_.sources.checkedSource();
    if (kind == SourceKind::None) return;
    parts_.sources.pollIfDeferred(kind);
}

void Sequencer::emitEnd(BulletinEvent::Kind kind, const std::string& text) {
    if (std::exchange(ended_, true)) return;
    emit({kind, SerialPin::DTR, 0, text});
}

void Sequencer::abortRoutine() {
    watchdog_.stop();
    if (running_ && parts_.player.playing() && !parts_.player.stalled()) {
        // A sound is still on the air: look again later rather than giving up,
        // so that an output that stops returning sounds cannot keep the transmitter keyed.
        watchdog_.start();
        return;
    }
    abort(true);
}

void Sequencer::stopNow(const std::string& statusText) {
    if (!running_ && !aborting_) return;
    watchdog_.stop();
    parts_.status.setStatusText(statusText);
    abort(false);
}

// Ends the bulletin without its closing: nothing more plays, the lines go
// down, the output is stopped, and after a second (unless the program is
// stopping) the peer link is renewed and the button freed.
void Sequencer::abort(bool reconnect) {
    if (aborting_ && reconnect) return;
    aborting_ = true;
    // Outside a bulletin (a test sound that failed) only the output is concerned.
    if (running_) {
        tasks_.clear();
        waitTask_ = 0;
        stepRunning_ = false;
        pending_.clear();
        stage_ = Stage::Idle;
        escape_ = false;
        // An aborted bulletin must not leave the transmitter keyed.
        lowerLines();
        emitEnd(BulletinEvent::Kind::Abort, parts_.status.statusText());
        // The peer that asked for it hears of its end, however it ended.
        if (std::exchange(peerRequested_, false) && link_) link_->send("BRELL_DONE");
    }

    const auto finish = [this] {
        parts_.player.clearState();
        running_ = false;
        aborting_ = false;
        step_ = Idle;
        parts_.status.setAnnounceEnabled(true);
    };
    if (!parts_.player.stopOutput() || !reconnect) {
        finish();
        return;
    }
    step_ = Release;
    tasks_.callAfter(kReconnectDelayMs, [this, finish] {
        if (link_) link_->reconnect();
        finish();
    });
}

}  // namespace skycrier
