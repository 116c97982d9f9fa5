#pragma once
// Passes a bulletin's actions on to another observer and renders each of the
// sequencer's silences into the file being written.

#include "announce/bulletin_observer.h"
#include "platform/wave_file_sink.h"

namespace skycrier::cli {

class SilenceRecorder : public BulletinObserver {
public:
    SilenceRecorder(BulletinObserver& next, WaveFileSink& sink) : next_(next), sink_(sink) {}

    void onKey(PortLine line) override { next_.onKey(line); }
    void onUnkey(PortLine line) override { next_.onUnkey(line); }
    void onWait(int milliseconds) override {
        sink_.addSilence(milliseconds);
        next_.onWait(milliseconds);
    }
    void onPlaySegment(const std::string& name) override { next_.onPlaySegment(name); }
    void onPlayFile(const std::string& path) override { next_.onPlayFile(path); }
    void onDone() override { next_.onDone(); }
    void onAbort(const std::string& statusText) override { next_.onAbort(statusText); }

private:
    BulletinObserver& next_;
    WaveFileSink& sink_;
};

}  // namespace skycrier::cli
