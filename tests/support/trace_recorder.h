#pragma once
// Keeps a bulletin's trace lines, as skycrier-cli prints them.

#include <string>
#include <vector>

#include "announce/bulletin_event.h"
#include "platform/signal.h"

namespace skycrier::test {

using Trace = std::vector<std::string>;

class TraceRecorder {
public:
    explicit TraceRecorder(Signal<const BulletinEvent&>& events)
        : subscription_(events.connect([this](const BulletinEvent& e) {
              lines.push_back(traceLine(e));
              if (e.kind == BulletinEvent::Kind::Done || e.kind == BulletinEvent::Kind::Abort) ++ends;
          })) {}

    bool finished() const { return ends > 0; }
    void clear() {
        lines.clear();
        ends = 0;
    }

    Trace lines;
    // Done and Abort lines seen.
    int ends = 0;

private:
    Subscription subscription_;
};

}  // namespace skycrier::test
