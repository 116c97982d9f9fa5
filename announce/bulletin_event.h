#pragma once
// Everything a bulletin does, as it does it, for traces, the window, the log
// and the peers: one event per action, the last one Done or Abort.

#include <string>

#include "platform/serial_line.h"

namespace skycrier {

// What asked for a bulletin.
enum class BulletinTrigger { Button, Schedule, CTS, DSR, Peer };

// "button", "schedule", "CTS", "DSR", "peer".
const char* triggerName(BulletinTrigger trigger);

struct BulletinEvent {
    enum class Kind { Key, Unkey, Wait, PlaySegment, PlayFile, Done, Abort };

    Kind kind;
    // The line keyed or released.
    SerialPin line = SerialPin::DTR;
    // The silence.
    int milliseconds = 0;
    // The vocabulary word, the file, or the status text an abort left.
    std::string text;
};

// One line of a bulletin's trace: "key DTR", "unkey RTS", "wait 300",
// "play son5", "play-file kuckoo.wav", "done", "abort Err: WaveOutOpen".
std::string traceLine(const BulletinEvent& event);

}  // namespace skycrier
