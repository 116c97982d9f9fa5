#pragma once
// The main window's controls that shape a bulletin, read at each step.

#include <string>

#include "announce/keying_settings.h"

namespace skycrier {

// The greeting chime's file, written into the program folder when missing there.
inline constexpr const char* kDefaultGreetingFile = "kuckoo.wav";

// How old the selected source's observation may be before its values are left out.
enum class StaleRule { Always, OneHour, TwoHours, ThreeHours };

struct BulletinSettings {
    bool playHeader = false;
    std::string headerFile;
    int pauseSeconds = 0;  // seconds, 0..15
    bool playGreeting = false;
    std::string greetingFile = kDefaultGreetingFile;
    bool speakDate = true;
    bool playClosing = false;
    std::string closingFile;
    StaleRule staleRule = StaleRule::Always;
    bool sixteenPointDirections = false;
    // A folder of recordings that replace built-in words; empty for the built-in voice.
    std::string vocabularyFolder;
};

// The port window's choice of lines, and of how the transmitter is keyed.
struct PortLineSettings {
    bool keyDtr = true;
    bool keyRts = true;
    bool triggerOnDsr = true;
    bool triggerOnCts = true;
    bool holdOnDcd = true;
    // The longest the transmitter may stay keyed in one go, whatever the bulletin is doing.
    int transmitLimitSeconds = 300;
    KeyingSettings keying;
};

}  // namespace skycrier
