#include "sources/source_poller.h"

#include <utility>

namespace skycrier {

SourcePoller::SourcePoller(EventLoop& loop, MeteoData& record, const std::function<bool()>& bulletinOnAir,
                           std::function<void()> poll)
    : record_(record), bulletinOnAir_(bulletinOnAir), poll_(std::move(poll)), timer_(loop, kInitialPollMs, poll_) {}

void SourcePoller::followPeriod() { timer_.setInterval(static_cast<Millis>(minutes_.value()) * 60'000); }

bool SourcePoller::begin() {
    if (inFlight_) return false;
    inFlight_ = true;
    timer_.stop();
    return true;
}

void SourcePoller::finish(bool read, bool followPeriod) {
    inFlight_ = false;
    if (followPeriod) this->followPeriod();
    timer_.start();
    finished.emit(read);
}

bool SourcePoller::abandon() { return std::exchange(inFlight_, false); }

bool SourcePoller::deferDuringBulletin() {
    if (!bulletinOnAir_()) return false;
    record_.DeferredPoll = true;
    return true;
}

void SourcePoller::runDeferred() {
    if (std::exchange(record_.DeferredPoll, false)) poll_();
}

}  // namespace skycrier
