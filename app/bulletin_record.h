#pragma once
// One line per bulletin, made when it ends: what started it, how it ended and
// the words it said in short form ("schedule done: it_s 2_et 7 pm"). The
// program writes it into its log; the service also prints it.
//
// Threading: the loop's thread only.

#include <string>

#include "app/announcer.h"
#include "platform/event_loop.h"
#include "platform/signal.h"

namespace skycrier {

class BulletinRecord {
public:
    BulletinRecord(Announcer& announcer, const EventLoop& clock);
    BulletinRecord(const BulletinRecord&) = delete;
    BulletinRecord& operator=(const BulletinRecord&) = delete;

    // The bulletin's start ("YYYY-MM-DD HH:MM:SS") and its line.
    Signal<const std::string&, const std::string&> ended;

private:
    std::string start_;
    std::string trigger_;
    std::string words_;
    Subscription started_;
    Subscription events_;
};

}  // namespace skycrier
