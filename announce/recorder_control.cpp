#include "announce/recorder_control.h"

#include <utility>

namespace skycrier {
namespace {

const char* commandText(int command) {
    switch (command) {
    case RecorderControl::Record:
        return "Sonivue record";
    case RecorderControl::Stop:
        return "Sonivue stop";
    default:
        return "Sonivue close";
    }
}

}  // namespace

RecorderControl::RecorderControl(EventLoop& loop, RecorderLink& link, Settings settings, std::function<void()> beep)
    : link_(link), settings_(settings), beep_(std::move(beep)), tasks_(loop) {}

void RecorderControl::bulletinStart(std::function<void()> done) {
    tasks_.clear();
    command_ = None;
    wasRunning_ = false;
    if (!settings_.recordBulletins) return done();
    const std::string program = settings_.resolve(settings_.recorderProgram);
    if (!link_.programExists(program)) {
        show(kRecorderPathErrorText);
        beep_();
        return done();
    }
    if (link_.recorderPresent()) {
        wasRunning_ = true;
        return recordAfterSettling(std::move(done));
    }
    // A program that cannot be started is simply never found.
    link_.launch(program);
    search(kSearchTries, std::move(done));
}

void RecorderControl::search(int triesLeft, std::function<void()> done) {
    tasks_.callAfter(kSearchIntervalMs, [this, triesLeft, done = std::move(done)]() mutable {
        if (link_.recorderPresent()) return recordAfterSettling(std::move(done));
        if (triesLeft > 1) return search(triesLeft - 1, std::move(done));
        show(kRecorderMissingText);
        beep_();
        done();
    });
}

void RecorderControl::recordAfterSettling(std::function<void()> done) {
    tasks_.callAfter(kSettleMs, [this, done = std::move(done)] {
        command_ = Record;
        sendCommand();
        done();
    });
}

void RecorderControl::bulletinEnd(std::function<void()> done) {
    tasks_.clear();
    if (!settings_.recordBulletins || command_ != Record) return done();
    command_ = Stop;
    sendCommand();
    if (wasRunning_) return done();
    tasks_.callAfter(kCloseDelayMs, [this, done = std::move(done)] {
        command_ = Close;
        sendCommand();
        done();
    });
}

void RecorderControl::bulletinAborted() { tasks_.clear(); }

void RecorderControl::sendCommand() {
    const auto result = link_.send(commandText(command_));
    if (!result) return show(kRecorderMissingText);
    switch (*result) {
    case None:
        return show(kRecorderSilentText);
    case Record:
        return show(kRecorderRecordingText);
    case Stop:
        return show(kRecorderStoppingText);
    case Close:
        return show(kRecorderClosedText);
    default:
        return;
    }
}

void RecorderControl::show(const std::string& text) {
    recorderStatus_ = text;
    statusChanged.emit();
}

}  // namespace skycrier
