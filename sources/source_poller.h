#pragma once
// The poll cycle of one source, whatever its station: the timer that starts
// each poll, its period in minutes, the poll under way, the poll put off
// while a bulletin is on the air, the text of the error line and the signal
// at a poll's end. The source itself only reads its station and shows what
// it read.
//
// Threading: the loop's thread only.

#include <functional>
#include <string>

#include "base/meteo_data.h"
#include "platform/signal.h"
#include "platform/timer.h"
#include "sources/bounded_number.h"

namespace skycrier {

class SourcePoller {
public:
    static constexpr Millis kInitialPollMs = 60'000;

    // record is the source's: the poller keeps its DeferredPoll and ErrorText.
    SourcePoller(EventLoop& loop, MeteoData& record, const std::function<bool()>& bulletinOnAir,
                 std::function<void()> poll);
    SourcePoller(const SourcePoller&) = delete;
    SourcePoller& operator=(const SourcePoller&) = delete;

    // The timer that starts a poll at each period.
    void start() { timer_.start(); }
    void stop() { timer_.stop(); }
    bool enabled() const { return timer_.enabled(); }
    Millis interval() const { return timer_.interval(); }
    // The period in minutes (1..60), which the timer takes at followPeriod.
    const BoundedNumber& minutes() const { return minutes_; }
    void setMinutes(int minutes) { minutes_.setValue(minutes); }
    // The timer takes the period in minutes.
    void followPeriod();

    // A poll starts: the timer waits for its end. False, with nothing
    // changed, while another poll is under way.
    bool begin();
    // The poll under way ends: the timer runs again (at the period in minutes
    // when followPeriod), then finished tells whether it read the station.
    void finish(bool read, bool followPeriod);
    // The poll under way ends without finished told (given up, or followed at
    // once by the poll it led to); true when there was one.
    bool abandon();
    // A poll has started and waits for its station's answer.
    bool inFlight() const { return inFlight_; }

    // A bulletin is on the air: the poll is put off (DeferredPoll) until the
    // bulletin's end runs it, and true is returned.
    bool deferDuringBulletin();
    // The bulletin is over: the poll it put off runs now.
    void runDeferred();

    // The last poll's failure, in the record's ErrorText (a bulletin tells it); empty after a good one.
    void setError(std::string text) { record_.ErrorText = std::move(text); }
    void clearError() { record_.ErrorText.clear(); }
    const std::string& error() const { return record_.ErrorText; }
    // Shown in the error line instead of the record's error while the station
    // is being asked; empty when nothing is.
    void showProgress(std::string text) { progress_ = std::move(text); }
    // The text of the window's error line (errorLine).
    const std::string& errorLine() const { return progress_.empty() ? record_.ErrorText : progress_; }

    // A poll has ended, true when it read the station: its values, or its
    // ErrorText, are in the record.
    Signal<bool> finished;

private:
    MeteoData& record_;
    const std::function<bool()>& bulletinOnAir_;
    std::function<void()> poll_;
    Timer timer_;
    bool inFlight_ = false;
    std::string progress_;
    BoundedNumber minutes_{1, 1, 60};
};

}  // namespace skycrier
