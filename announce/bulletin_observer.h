#pragma once
// Everything a bulletin does, as it does it: for traces and for the window.

#include <string>

#include "announce/transmitter_port.h"

namespace skycrier {

class BulletinObserver {
public:
    virtual ~BulletinObserver() = default;
    virtual void onKey(PortLine) {}
    virtual void onUnkey(PortLine) {}
    virtual void onWait(int /*milliseconds*/) {}
    virtual void onPlaySegment(const std::string& /*name*/) {}
    virtual void onPlayFile(const std::string& /*path*/) {}
    virtual void onDone() {}
    virtual void onAbort(const std::string& /*statusText*/) {}
};

}  // namespace skycrier
