#pragma once
// Everything a bulletin does, as it does it, for traces, the window, the log
// and the peers: one event per action, the last one Done or Abort.

#include <string>

#include "platform/serial_line.h"

namespace skycrier {

// What asked for a bulletin.
enum class BulletinTrigger { Button, Schedule, CTS, DSR, Peer, GpioLine };

// "button", "schedule", "CTS", "DSR", "peer", "GPIO".
const char* triggerName(BulletinTrigger trigger);

struct BulletinEvent {
    enum class Kind { Key, Unkey, Wait, PlaySegment, PlayFile, Done, Abort };

    Kind kind;
    // The line keyed or released.
    SerialPin line = SerialPin::DTR;
    // The silence.
    int milliseconds = 0;
    // The vocabulary word, the file, the status text an abort left, or the
    // switch keyed or released when it is not a serial line ("HAMLIB").
    std::string text;
};

// One line of a bulletin's trace: "key DTR", "unkey RTS", "key HAMLIB", "wait 300",
// "play son5", "play-file kuckoo.wav", "done", "abort Err: WaveOutOpen".
std::string traceLine(const BulletinEvent& event);

}  // namespace skycrier
