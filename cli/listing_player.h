#pragma once
// Plays nothing: each sound is over as soon as the loop gets back to it.

#include "announce/sound_player.h"
#include "platform/event_loop.h"

namespace skycrier::cli {

class ListingPlayer : public SoundPlayer {
public:
    explicit ListingPlayer(EventLoop& loop) : loop_(loop) {}

    void playResource(const std::string&) override { start(); }
    void playFile(const std::string&) override { start(); }
    bool playing() const override { return playing_; }
    bool stalled() const override { return false; }
    bool stopOutput() override { return true; }
    void clearState() override { playing_ = false; }

private:
    void start() {
        if (playing_) return;
        playing_ = true;
        loop_.post([this] {
            playing_ = false;
            notifyFinished();
        });
    }

    EventLoop& loop_;
    bool playing_ = false;
};

}  // namespace skycrier::cli
