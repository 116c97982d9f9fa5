// Peer programs hear of the program before its first tick and of its end at
// the close; a mailbox that cannot be had leaves the program working alone.

#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/fake_fetcher.h"
#include "support/fake_mailbox.h"
#include "support/fake_serial_line.h"
#include "support/fake_wave_out.h"
#include "support/temp_dir.h"

namespace skycrier::test {
namespace {

TEST(ProgramPeers, ConnectsAtTheStartAndDisconnectsAtTheClose) {
    for (const bool refused : {false, true}) {
        SCOPED_TRACE(refused ? "refused" : "opened");
        VirtualLoop loop{encodeDateTime(2026, 12, 7, 7, 14, 59)};
        FakeWaveOut out{loop};
        FakeSerialLine line;
        TempDir dir;
        FakeFetcher web{loop};
        FakeMailbox mailbox{loop};
        mailbox.refuseOpen = refused;
        AnnouncerParts parts{loop, out, line, dir.path(), {}};
        parts.fetcher = &web;
        parts.mailbox = &mailbox;
        Program program{{parts, {}}};
        std::vector<std::string> reported;
        const Subscription reports = program.announcer().statusBoard().reported.connect(
            [&](const std::string& text) { reported.push_back(text); });

        program.start();
        EXPECT_FALSE(program.started());
        EXPECT_EQ(mailbox.sent, refused ? std::vector<std::string>{} : std::vector<std::string>{"BRELL connect\xE9"});
        loop.advance(1000);
        EXPECT_EQ(reported, refused ? std::vector<std::string>{"peer programs: no shared memory"}
                                    : std::vector<std::string>{});
        EXPECT_TRUE(program.started());

        program.close();
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "skycrier.ini"));
        EXPECT_FALSE(mailbox.listening());
        if (!refused) {
            EXPECT_EQ(mailbox.sent.back(), "BRELL desconectado");
        }
    }
}

}  // namespace
}  // namespace skycrier::test
