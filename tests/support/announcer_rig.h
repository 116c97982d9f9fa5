#pragma once
// One announcer for engine tests that look at the whole bulletin.

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/announcer.h"
#include "app/builtin_clips.h"
#include "app/program_folder.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/announce_fakes.h"
#include "support/fake_mailbox.h"
#include "support/fake_serial_line.h"
#include "support/fake_wave_out.h"
#include "support/temp_dir.h"
#include "support/trace_recorder.h"

namespace skycrier::test {

// The announcer as the programs wire it, on virtual time, a fake sound output
// and a fake serial line, with its trace, its peer link and the returns of its
// announce button counted.
struct Rig {
    // With a mailbox, the bulletins reach the peers through the announcer's
    // own channel on the rig's mailbox; without, through the recording link.
    enum class Peers { Recorded, ThroughMailbox };
    explicit Rig(Peers peers = Peers::Recorded) : a(parts(peers)) {
        std::string error;
        prepareProgramFolder(dir.path(), builtInGreeting(), error);
        a.prepareSound(OutputDevice{});
        a.portWindow().choosePort("COM1");
    }

    AnnouncerParts parts(Peers peers) {
        AnnouncerParts p{loop, out, line, dir.path(), {}};
        if (peers == Peers::ThroughMailbox)
            p.mailbox = &mailbox;
        else
            p.peerLink = &link;
        return p;
    }

    // Runs the bulletin and a while past its end, so that a late second end would show.
    void run(const std::function<void(Rig&)>& during, BulletinTrigger trigger = BulletinTrigger::Button) {
        a.requestBulletin(trigger);
        loop.advance(500);
        if (during) during(*this);
        loop.advanceUntil([this] { return recorder.finished() && !a.bulletinRunning(); }, 600'000);
        loop.advance(10'000);
    }

    int count(const std::string& change) const {
        return static_cast<int>(std::count(line.changes.begin(), line.changes.end(), change));
    }

    // Monday 7 December 2026, 14:05.
    VirtualLoop loop{encodeDateTime(2026, 12, 7, 14, 5, 0)};
    FakeWaveOut out{loop};
    FakeSerialLine line;
    TempDir dir;
    FakeMailbox mailbox{loop};
    Announcer a;
    TraceRecorder recorder{a.bulletinEvents()};
    RecordingLink link;
    int buttonReturns = 0;
    bool buttonWasEnabled = true;
    Subscription button = a.statusBoard().changed.connect([this] {
        if (a.statusBoard().announceEnabled() && !buttonWasEnabled) ++buttonReturns;
        buttonWasEnabled = a.statusBoard().announceEnabled();
    });
};

}  // namespace skycrier::test
