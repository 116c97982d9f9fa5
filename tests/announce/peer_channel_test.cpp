// What peer programs see in the mailbox, and what the status line shows,
// when they share the transmitter with the announcer.

#include <gtest/gtest.h>

#include "announce/peer_channel.h"
#include "support/announcer_rig.h"

namespace skycrier::test {
namespace {

using Messages = std::vector<std::string>;

const std::string kConnected1252 = "BRELL connect\xE9";

class PeerChannelTest : public ::testing::Test {
protected:
    void connect() {
        channel.connect();
        rig.loop.advance(0);
        mailbox.sent.clear();
    }
    // A peer's message, and the reply's delay.
    void peer(const std::string& bytes) {
        mailbox.write(bytes);
        rig.loop.advance(PeerChannel::kHelloReplyMs);
    }
    // What the announcer wrote, peers' messages left out.
    Messages own() const {
        Messages result;
        for (const std::string& m : mailbox.sent)
            if (m != "BRELL_HELLO" && m != "BRELL_PLAY") result.push_back(m);
        return result;
    }

    Rig rig{Rig::Peers::ThroughMailbox};
    FakeMailbox& mailbox = rig.mailbox;
    PeerChannel& channel = rig.a.peerChannel();
};

TEST_F(PeerChannelTest, ConnectingAnnouncesItselfAndShowsItsOwnNotice) {
    const std::pair<std::string, Messages> cases[] = {
        {"", {"SkyCrier conectado", "SKYCRIER connecté"}},
        {"Fehler", {"SKYCRIER connecté"}},
        {"Err: COM3", {"SkyCrier conectado", "SKYCRIER connecté"}},
    };
    for (const auto& [before, shown] : cases) {
        SCOPED_TRACE(before);
        channel.disconnect();
        mailbox.sent.clear();
        rig.a.statusBoard().setStatusText(before);
        Messages texts;
        const Subscription changes =
            rig.a.statusBoard().changed.connect([&] { texts.push_back(rig.a.statusBoard().statusText()); });
        channel.connect();
        EXPECT_EQ(mailbox.sent, Messages{kConnected1252});
        rig.loop.advance(0);
        EXPECT_EQ(texts, shown);
    }
}

TEST_F(PeerChannelTest, EveryMessageIsShownWithTheProgramsNameUnlessAnErrorIsShown) {
    const std::pair<std::string, std::string> cases[] = {
        {"BRELL_DONE", "SKYCRIER_DONE"},
        {"xBRELL", "SKYCRIERL"},
        {"caf\xE9 \x80", "café €"},
    };
    connect();
    for (const auto& [bytes, shown] : cases) {
        peer(bytes);
        EXPECT_EQ(rig.a.statusBoard().statusText(), shown);
    }
    rig.a.statusBoard().setStatusText("Err: COM3");
    peer("BRELL_READY");
    EXPECT_EQ(rig.a.statusBoard().statusText(), "Err: COM3");
}

TEST_F(PeerChannelTest, HelloWhileIdleIsAnsweredReadyAfterATenthOfASecond) {
    connect();
    mailbox.write("BRELL_HELLO");
    rig.loop.advance(PeerChannel::kHelloReplyMs - 1);
    EXPECT_EQ(own(), Messages{});
    rig.loop.advance(1);
    EXPECT_EQ(own(), Messages{"BRELL_READY"});
    EXPECT_TRUE(mailbox.listening());
}

TEST_F(PeerChannelTest, HelloDuringABulletinIsAnsweredOccupiedAndPeersAreUnansweredUntilItEnds) {
    connect();
    rig.run([this](Rig&) {
        peer("BRELL_HELLO");
        EXPECT_EQ(own(), Messages{"BRELL_OCCUPIED"});
        peer("BRELL_PLAY");
        peer("BRELL_HELLO");
        EXPECT_EQ(own(), Messages{"BRELL_OCCUPIED"});
    });
    // The bulletin no peer asked for ends with a reconnect, without "BRELL_DONE".
    EXPECT_EQ(own(), (Messages{"BRELL_OCCUPIED", "BRELL desconectado", kConnected1252}));
    EXPECT_EQ(mailbox.opens, 2);
    mailbox.sent.clear();
    peer("BRELL_HELLO");
    EXPECT_EQ(own(), Messages{"BRELL_READY"});
}

TEST_F(PeerChannelTest, PlayStartsABulletinThatEndsWithDoneAndNoReconnect) {
    connect();
    std::vector<BulletinTrigger> triggers;
    const Subscription started =
        rig.a.bulletinStarted().connect([&triggers](BulletinTrigger t) { triggers.push_back(t); });
    peer("BRELL_PLAY");
    EXPECT_TRUE(rig.a.bulletinRunning());
    // A second request during it changes nothing.
    peer("BRELL_PLAY");
    rig.loop.advanceUntil([this] { return !rig.a.bulletinRunning(); }, 600'000);
    rig.loop.advance(10'000);
    EXPECT_EQ(triggers, std::vector<BulletinTrigger>{BulletinTrigger::Peer});
    EXPECT_EQ(own(), Messages{"BRELL_DONE"});
    EXPECT_EQ(mailbox.opens, 1);
    EXPECT_EQ(rig.a.statusBoard().statusText(), "SKYCRIER_DONE");
}

TEST_F(PeerChannelTest, APeersBulletinAnswersDoneHoweverItEndsAndPeersAreHeardAgainAfterIt) {
    struct Case {
        const char* name;
        bool silent;
        bool stopped;
    };
    const Case cases[] = {
        {.name = "played to its end", .silent = false, .stopped = false},
        {.name = "ended by the watchdog", .silent = true, .stopped = false},
        {.name = "stopped at once", .silent = false, .stopped = true},
    };
    connect();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mailbox.sent.clear();
        rig.a.setErrorSimulation(c.silent);
        peer("BRELL_PLAY");
        ASSERT_TRUE(rig.a.bulletinRunning());
        peer("BRELL_HELLO");
        peer("BRELL_HELLO");
        if (c.stopped) rig.a.stopBulletin("Err: stopped");
        rig.loop.advanceUntil([this] { return !rig.a.bulletinRunning(); }, 600'000);
        rig.loop.advance(10'000);
        peer("BRELL_HELLO");
        EXPECT_EQ(own(), (Messages{"BRELL_OCCUPIED", "BRELL_DONE", "BRELL_READY"}));
    }
}

TEST_F(PeerChannelTest, DisconnectingSaysSoAndAFailedOpenLeavesTheProgramAlone) {
    connect();
    channel.disconnect();
    EXPECT_EQ(own(), Messages{"BRELL desconectado"});
    EXPECT_FALSE(mailbox.listening());
    EXPECT_FALSE(channel.connected());

    // A mailbox that cannot be opened is reported once, however often the link is renewed.
    std::vector<std::string> reported;
    const Subscription reports =
        rig.a.statusBoard().reported.connect([&reported](const std::string& text) { reported.push_back(text); });
    mailbox.refuseOpen = true;
    channel.connect();
    rig.loop.advance(0);
    channel.reconnect();
    rig.loop.advance(0);
    EXPECT_EQ(reported, std::vector<std::string>{"peer programs: no shared memory"});
    channel.send("BRELL_DONE");
    EXPECT_EQ(own(), Messages{"BRELL desconectado"});

    mailbox.refuseOpen = false;
    channel.reconnect();
    mailbox.refuseSend = true;
    channel.send("BRELL_DONE");
    EXPECT_EQ(rig.a.statusBoard().statusText(), "Error: MapViewOfFile");
}

}  // namespace
}  // namespace skycrier::test
