#include "app/key_switch_control.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/virtual_loop.h"
#include "support/fake_switch.h"

namespace skycrier {
namespace {

// The switch control over fake switches, each kept by the test as the maker made it.
struct SwitchRig {
    SwitchRig() {
        control.changed = [this] { told.push_back(control.trouble().empty() ? control.troubleEnded() : control.trouble()); };
    }
    SwitchMaker maker = [this](const KeyingSettings& k) -> std::unique_ptr<TransmitterSwitch> {
        if (k.kind == KeyingKind::Gpio) return nullptr;
        auto made = std::make_unique<test::FakeSwitch>();
        made->openRefusal = refusal;
        switches.push_back(made.get());
        return made;
    };
    VirtualLoop loop;
    KeyingSettings settings;
    std::string refusal;
    std::vector<test::FakeSwitch*> switches;
    std::vector<std::string> told;
    KeySwitchControl control{loop, settings, maker};
};

// A switch that cannot be had stays configured and is told once, tried again
// every minute and before each bulletin, and told again when it is back.
TEST(KeySwitchControl, AnAbsentSwitchIsToldOnceTriedAgainAndToldWhenBack) {
    SwitchRig r;
    r.control.follow();
    EXPECT_TRUE(r.switches.empty()) << "the port's lines key: no switch is made";

    r.settings.kind = KeyingKind::Hamlib;
    r.refusal = "127.0.0.1:4532: Connection refused";
    r.control.follow();
    r.control.follow();
    ASSERT_EQ(r.switches.size(), 1u);
    const std::string absent = "Err: PTT HAMLIB (127.0.0.1:4532: Connection refused): kept as configured; tried again "
                               "every minute and before each bulletin";
    r.loop.advance(KeySwitchControl::kRetryMs);
    EXPECT_EQ(r.told, std::vector<std::string>{absent});
    std::string error;
    EXPECT_FALSE(r.control.setKeyed(true, error));
    EXPECT_TRUE(r.control.setKeyed(false, error)) << "nothing keyed, nothing left keyed";

    r.switches[0]->openRefusal.clear();
    r.loop.advance(KeySwitchControl::kRetryMs);
    EXPECT_EQ(r.told, (std::vector<std::string>{absent, "PTT HAMLIB ready again"}));
    EXPECT_TRUE(r.control.setKeyed(true, error));

    // New settings make a new switch; the old one is let go of, unkeyed.
    r.refusal.clear();
    r.settings.hamlibPort = "/dev/ttyUSB1";
    r.control.follow();
    ASSERT_EQ(r.switches.size(), 2u);
    EXPECT_TRUE(r.switches[1]->isOpen());

    r.settings.kind = KeyingKind::Gpio;
    r.control.follow();
    EXPECT_EQ(r.control.trouble(), "Err: PTT GPIO (this program cannot key through GPIO): kept as configured; tried "
                                   "again every minute and before each bulletin");
}

TEST(KeySwitchControl, AnInputsChangeOnAnotherThreadReachesTheLoop) {
    SwitchRig r;
    r.settings.kind = KeyingKind::Cm108;
    r.control.follow();
    int heard = 0;
    const Subscription listen = r.control.inputsChanged.connect([&heard] { ++heard; });
    std::thread([&r] { r.switches[0]->inputChanged(); }).join();
    EXPECT_EQ(heard, 0);
    r.loop.advance(0);
    EXPECT_EQ(heard, 1);
}

}  // namespace
}  // namespace skycrier
