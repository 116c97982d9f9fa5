#pragma once
// Everything a sequencer is built on but its sound player, on virtual time: a
// fake serial line behind the real port control, a fake keying switch, sources held in memory, and
// settings for a bulletin without the date, so that traces stay short.

#include "announce/sequencer.h"
#include "app/transmitter_port_control.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/announce_fakes.h"
#include "support/fake_serial_line.h"
#include "support/fake_switch.h"

namespace skycrier::test {

struct SequencerSurroundings {
    // Monday 7 December 2026, 14:05, unless told otherwise.
    explicit SequencerSurroundings(double localStart = encodeDateTime(2026, 12, 7, 14, 5, 0)) : loop(localStart) {
        settings.speakDate = false;
    }

    Sequencer::Parts partsWith(SoundPlayer& player) {
        return {loop, player, port, sources, units, settings, lines, status, &keySwitch};
    }

    VirtualLoop loop;
    FakeSerialLine line;
    TransmitterPortControl port{loop, line};
    FakeSwitch keySwitch;
    FakeSources sources;
    SpeechUnits units;
    BulletinSettings settings;
    PortLineSettings lines;
    StatusBoard status;
};

}  // namespace skycrier::test
