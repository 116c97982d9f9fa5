#pragma once
// Prints a bulletin as it happens, one action a line (see traceLine), up to
// and including its done or abort line.

#include <ostream>

#include "announce/bulletin_event.h"
#include "platform/signal.h"

namespace skycrier::cli {

class TracePrinter {
public:
    TracePrinter(std::ostream& out, Signal<const BulletinEvent&>& events)
        : subscription_(events.connect([this, &out](const BulletinEvent& e) {
              if (finished_) return;
              out << traceLine(e) << '\n';
              finished_ = e.kind == BulletinEvent::Kind::Done || e.kind == BulletinEvent::Kind::Abort;
              aborted_ = e.kind == BulletinEvent::Kind::Abort;
          })) {}

    bool finished() const { return finished_; }
    bool aborted() const { return aborted_; }

private:
    bool finished_ = false;
    bool aborted_ = false;
    Subscription subscription_;
};

}  // namespace skycrier::cli
