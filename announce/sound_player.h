#pragma once
// Plays one sound at a time and says when it has finished. Implemented by the
// wave playback engine; tests use a double.

#include <functional>
#include <string>

#include "platform/signal.h"

namespace skycrier {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Both are ignored while a sound plays. A sound that cannot be played
    // leaves its error in the status line and emits failed.
    virtual void playResource(const std::string& name) = 0;
    virtual void playFile(const std::string& path) = 0;
    virtual bool playing() const = 0;
    // A sound is playing well past its own length: the output has stopped returning it.
    virtual bool stalled() const = 0;

    // A bulletin's sounds are one stream from holdOutput() on: the output
    // stays open between them. drainOutput() lets it go once the last sound
    // has been heard and then runs then (on the main loop).
    virtual void holdOutput() {}
    virtual void drainOutput(std::function<void()> then) { then(); }
    // Stops and closes the output for an abort, dropping what it still holds;
    // false when a step of that failed.
    virtual bool stopOutput() = 0;
    // Forgets the playing and device-open states after an abort.
    virtual void clearState() = 0;

    // A sound has finished (on the main loop).
    Signal<> finished;
    // A sound could not be played: the abort routine's cue.
    Signal<> failed;
};

}  // namespace skycrier
