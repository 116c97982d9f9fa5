#pragma once
// Plays one sound at a time and says when it has finished. Implemented by the
// wave playback engine; tests use a double.

#include <functional>
#include <string>

namespace skycrier {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Both are ignored while a sound plays. A sound that cannot be played
    // leaves its error in the status line and calls the failure handler.
    virtual void playResource(const std::string& name) = 0;
    virtual void playFile(const std::string& path) = 0;
    virtual bool playing() const = 0;
    // A sound is playing well past its own length: the output has stopped returning it.
    virtual bool stalled() const = 0;

    // Stops and closes the output for an abort; false when a step of that failed.
    virtual bool stopOutput() = 0;
    // Forgets the playing and device-open states after an abort.
    virtual void clearState() = 0;

    // Called on the main loop when a sound has finished.
    void setOnFinished(std::function<void()> handler) { onFinished_ = std::move(handler); }
    // Called when a sound could not be played (the abort routine).
    void setOnFailure(std::function<void()> handler) { onFailure_ = std::move(handler); }

protected:
    void notifyFinished() {
        if (onFinished_) onFinished_();
    }
    void notifyFailure() {
        if (onFailure_) onFailure_();
    }

private:
    std::function<void()> onFinished_;
    std::function<void()> onFailure_;
};

}  // namespace skycrier
