#include "platform/hamlib_switch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>

#include "platform/hamlib_rigs.h"
#include "support/rigctld.h"
#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace skycrier {
namespace {

using test::waitUntil;

class HamlibSwitchTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::Rigctld rig{dir.path()};
    std::string error;
};

TEST_F(HamlibSwitchTest, KeysAndUnkeysTheRigAsRigctlReadsIt) {
    HamlibSwitch hamlib({2, rig.address()});
    ASSERT_TRUE(hamlib.open(error)) << error;
    for (const bool keyed : {true, false, true, false}) {
        EXPECT_TRUE(hamlib.setKeyed(keyed, error)) << error;
        EXPECT_EQ(rig.ptt(), keyed ? "1" : "0");
        EXPECT_TRUE(hamlib.isOpen());
        EXPECT_EQ(hamlib.trouble(), "");
    }
}

// Left keyed, by close() or by its end, the rig is unkeyed on the way out.
TEST_F(HamlibSwitchTest, EveryWayOutLeavesTheRigUnkeyed) {
    const struct {
        const char* way;
        bool byClose;
    } cases[] = {{"close()", true}, {"destructor", false}};
    for (const auto& c : cases) {
        auto hamlib = std::make_unique<HamlibSwitch>(HamlibSettings{2, rig.address()});
        ASSERT_TRUE(hamlib->open(error)) << error;
        ASSERT_TRUE(hamlib->setKeyed(true, error)) << error;
        ASSERT_EQ(rig.ptt(), "1");
        if (c.byClose) {
            hamlib->close();
            EXPECT_FALSE(hamlib->isOpen()) << c.way;
        }
        hamlib.reset();
        EXPECT_EQ(rig.ptt(), "0") << c.way;
    }
}

TEST_F(HamlibSwitchTest, ARigThatWentAwayIsReachedAgain) {
    HamlibSwitch hamlib({2, rig.address()});
    ASSERT_TRUE(hamlib.open(error)) << error;
    ASSERT_TRUE(hamlib.setKeyed(false, error)) << error;

    // Found gone by a command, then not reached by the next.
    rig.stop();
    for (const bool keyed : {true, false}) {
        EXPECT_FALSE(hamlib.setKeyed(keyed, error));
        EXPECT_TRUE(error.starts_with(rig.address() + ": ")) << error;
        EXPECT_FALSE(hamlib.isOpen());
        EXPECT_EQ(hamlib.trouble(), error);
    }

    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(hamlib.open(error)) << error;
    EXPECT_TRUE(hamlib.setKeyed(true, error)) << error;
    EXPECT_EQ(rig.ptt(), "1");
    EXPECT_TRUE(hamlib.isOpen());
    EXPECT_EQ(hamlib.trouble(), "");
}

// The dummy rig's squelch opens and closes at every read; it is read only when asked for.
TEST_F(HamlibSwitchTest, ReadsTheSquelchAsTheBusyInputWhenAskedTo) {
    for (const bool readBusy : {false, true}) {
        std::mutex mutex;
        std::set<std::optional<bool>> seen;
        HamlibSwitch hamlib({2, rig.address(), 0, readBusy});
        hamlib.watchInputs([&] {
            std::lock_guard lock(mutex);
            seen.insert(hamlib.readInput(SwitchInput::Busy));
        });
        ASSERT_TRUE(hamlib.open(error)) << error;
        ASSERT_TRUE(hamlib.setKeyed(false, error)) << error;
        if (readBusy) {
            EXPECT_TRUE(waitUntil([&] {
                std::lock_guard lock(mutex);
                return seen.contains(true) && seen.contains(false);
            }));
        } else {
            EXPECT_EQ(hamlib.readInput(SwitchInput::Busy), std::nullopt);
        }
        EXPECT_EQ(hamlib.readInput(SwitchInput::Trigger), std::nullopt);
    }
}

TEST(HamlibSwitchSettingsTest, SettingsThatCannotWorkAreRefusedWithWhatToDo) {
    test::TempDir dir;
    const std::string missing = (dir.path() / "ttyUSB9").string();
    const struct {
        HamlibSettings settings;
        std::string told;
    } cases[] = {
        {{99999, ""}, "Hamlib knows no rig model 99999: the models are listed by skycrier-cli devices"},
        // A Yaesu FT-991, on a serial port.
        {{1035, missing, 38400},
         missing + ": No such file or directory: plug the rig's cable in, or name its port in HAMLIB_PORT="},
    };
    for (const auto& c : cases) {
        HamlibSwitch hamlib(c.settings);
        std::string error;
        EXPECT_FALSE(hamlib.open(error));
        EXPECT_EQ(error, c.told);
        EXPECT_EQ(hamlib.trouble(), c.told);
        EXPECT_FALSE(hamlib.isOpen());
    }
}

TEST(HamlibRigsTest, ListsTheModelsByNumber) {
    const auto models = listRigModels();
    const auto listed = [&models](int number, const std::string& name) {
        return std::ranges::any_of(models, [&](const RigModel& m) { return m.number == number && m.model == name; });
    };
    EXPECT_TRUE(listed(1, "Dummy"));
    EXPECT_TRUE(listed(2, "NET rigctl"));
    EXPECT_TRUE(std::ranges::is_sorted(models, {}, &RigModel::number));
}

}  // namespace
}  // namespace skycrier
