#pragma once
// Doubles for the announcer's collaborators: a player whose sounds last a
// fixed time, sources held in memory, a peer link that remembers.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "announce/channel_link.h"
#include "announce/sound_player.h"
#include "base/weather_sources.h"
#include "platform/task_scope.h"

namespace skycrier::test {

class FakePlayer : public SoundPlayer {
public:
    FakePlayer(EventLoop& loop, Millis soundLength) : duration(soundLength), tasks_(loop) {}

    void playResource(const std::string& name) override { start(name, missing.count(name) > 0); }
    void playFile(const std::string& path) override { start(path, missing.count(path) > 0); }
    bool playing() const override { return playing_; }
    bool stalled() const override { return playing_ && stuck && tasks_.loop().monotonicMs() - startedAt_ > duration; }
    bool stopOutput() override {
        tasks_.cancel(pendingDone_);
        ++stops;
        return true;
    }
    void clearState() override { playing_ = false; }

    // Names or paths that fail to play.
    std::set<std::string> missing;
    std::vector<std::string> played;
    int stops = 0;
    Millis duration;
    // When set, a sound never comes back (a stuck device).
    bool stuck = false;

private:
    void start(const std::string& what, bool fails) {
        if (playing_) return;
        if (fails) {
            failed.emit();
            return;
        }
        played.push_back(what);
        playing_ = true;
        startedAt_ = tasks_.loop().monotonicMs();
        if (stuck) return;
        pendingDone_ = tasks_.callAfter(duration, [this] {
            playing_ = false;
            finished.emit();
        });
    }

    bool playing_ = false;
    EventLoop::TaskId pendingDone_ = 0;
    Millis startedAt_ = 0;
    TaskScope tasks_;
};

// A peer link that remembers what it was asked to do.
class RecordingLink : public ChannelLink {
public:
    void send(const std::string& message) override { sent.push_back(message); }
    void reconnect() override { ++reconnects; }
    std::vector<std::string> sent;
    int reconnects = 0;
};

class FakeSources : public WeatherSources {
public:
    SourceKind checkedSource() const override { return checked; }
    const MeteoData& meteo(SourceKind kind) const override { return data[kind]; }
    bool itemEnabled(SourceKind kind, MeteoField field) const override {
        const auto found = enabled.find(kind);
        return found != enabled.end() && found->second.count(field) > 0;
    }
    void pollIfDeferred(SourceKind kind) override {
        if (std::exchange(data[kind].DeferredPoll, false)) polled.push_back(kind);
    }

    // Selects a usable source with every field ticked.
    MeteoData& choose(SourceKind kind) {
        checked = kind;
        MeteoData& d = data[kind];
        d.Input = kind == SourceKind::MON ? "1" : "station";
        for (const MeteoField f : kAllFields) enabled[kind].insert(f);
        return d;
    }

    SourceKind checked = SourceKind::None;
    // Read by the sequencer for any kind; an unknown one reads as empty.
    mutable std::map<SourceKind, MeteoData> data;
    std::map<SourceKind, std::set<MeteoField>> enabled;
    std::vector<SourceKind> polled;
};

}  // namespace skycrier::test
