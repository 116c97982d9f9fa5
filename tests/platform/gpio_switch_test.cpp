#include "platform/gpio_switch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "platform/gpio_chips.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

namespace fs = std::filesystem;

const fs::path kSimConfig = "/sys/kernel/config/gpio-sim";

bool writeAttribute(const fs::path& file, const std::string& value) {
    std::ofstream out(file);
    out << value;
    out.close();
    return static_cast<bool>(out);
}

std::string firstLine(const fs::path& file) {
    std::string text = test::fileText(file);
    return text.substr(0, text.find('\n'));
}

// A chip of 8 lines of the kernel's GPIO simulator, made through configfs for
// the test and taken down after it. Its sysfs side pulls the lines (as a
// circuit would) and shows the levels the program drives.
class SimChip {
public:
    SimChip() {
        const fs::path device = kSimConfig / ("skycrier-" + std::to_string(::getpid()));
        std::error_code failed;
        if (!fs::is_directory(kSimConfig, failed) || !fs::create_directory(device, failed)) return;
        device_ = device;
        if (!fs::create_directory(device_ / "bank0", failed) || !writeAttribute(device_ / "bank0/num_lines", "8") ||
            !writeAttribute(device_ / "live", "1"))
            return;
        name_ = firstLine(device_ / "bank0/chip_name");
        lines_ = fs::path("/sys/devices/platform") / firstLine(device_ / "dev_name") / name_;
    }
    ~SimChip() {
        if (device_.empty()) return;
        writeAttribute(device_ / "live", "0");
        std::error_code ignored;
        fs::remove(device_ / "bank0", ignored);
        fs::remove(device_, ignored);
    }
    SimChip(const SimChip&) = delete;
    SimChip& operator=(const SimChip&) = delete;

    bool made() const { return !name_.empty(); }
    const std::string& name() const { return name_; }
    // The level on the wire.
    bool high(int line) const { return firstLine(lines_ / ("sim_gpio" + std::to_string(line)) / "value") == "1"; }
    void pull(int line, bool up) const {
        writeAttribute(lines_ / ("sim_gpio" + std::to_string(line)) / "pull", up ? "pull-up" : "pull-down");
    }

private:
    fs::path device_;
    fs::path lines_;
    std::string name_;
};

class GpioSimTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!sim.made())
            GTEST_SKIP() << "gpio-sim is not available here: it needs a kernel with CONFIG_GPIO_SIM, configfs "
                            "mounted at /sys/kernel/config and the right to make a chip there (root)";
    }

    SimChip sim;
};

TEST_F(GpioSimTest, KeysTheLineAtItsActiveLevelAndLetsItGo) {
    for (const bool activeLow : {false, true}) {
        GpioSwitch ptt(GpioSettings{sim.name(), 3, activeLow});
        std::string error;
        ASSERT_TRUE(ptt.open(error)) << error;
        EXPECT_EQ(sim.high(3), activeLow) << "opened unkeyed, activeLow " << activeLow;
        ASSERT_TRUE(ptt.setKeyed(true, error)) << error;
        EXPECT_EQ(sim.high(3), !activeLow) << "keyed, activeLow " << activeLow;
        ASSERT_TRUE(ptt.setKeyed(false, error)) << error;
        EXPECT_EQ(sim.high(3), activeLow) << "unkeyed, activeLow " << activeLow;

        GpioSwitch other(GpioSettings{sim.name(), 3});
        EXPECT_FALSE(other.open(error));
        EXPECT_EQ(error, "GPIO line 3 of " + sim.name() +
                             " is in use by \"skycrier\": stop that user of the line, or choose another line");
        ptt.close();
        EXPECT_TRUE(other.open(error)) << error;
    }
}

TEST_F(GpioSimTest, InputsAreWatchedAndReadAtTheirActiveLevel) {
    for (const bool activeLow : {false, true}) {
        GpioSwitch gpio(GpioSettings{sim.name(), 0, activeLow, 1, 2});
        std::mutex mutex;
        std::condition_variable told;
        int calls = 0;
        // Given before open(), as the program does: the watch starts once the lines are held.
        gpio.watchInputs([&] {
            std::lock_guard lock(mutex);
            ++calls;
            told.notify_all();
        });
        std::string error;
        ASSERT_TRUE(gpio.open(error)) << error;
        const auto pullAndWait = [&](int line, bool up) {
            std::unique_lock lock(mutex);
            const int before = calls;
            sim.pull(line, up);
            return told.wait_for(lock, std::chrono::seconds(10), [&] { return calls > before; });
        };

        EXPECT_EQ(gpio.readInput(SwitchInput::Trigger), activeLow);
        ASSERT_TRUE(pullAndWait(1, true)) << "activeLow " << activeLow;
        EXPECT_EQ(gpio.readInput(SwitchInput::Trigger), !activeLow);
        EXPECT_EQ(gpio.readInput(SwitchInput::Busy), activeLow);
        ASSERT_TRUE(pullAndWait(2, true)) << "activeLow " << activeLow;
        EXPECT_EQ(gpio.readInput(SwitchInput::Busy), !activeLow);
        gpio.close();
        EXPECT_EQ(gpio.readInput(SwitchInput::Busy), std::nullopt);
        // Pulled down again, as the sim made the lines, for the next row.
        sim.pull(1, false);
        sim.pull(2, false);
    }
}

TEST(GpioSwitchTest, AnAbsentChipIsRefusedWithWhatToDo) {
    GpioSwitch gpio(GpioSettings{"skycrier-no-such-chip", 17, false, 22});
    std::string error;
    EXPECT_FALSE(gpio.open(error));
    const std::string expected = "GPIO chip \"skycrier-no-such-chip\" not found: skycrier-cli devices lists the chips";
    EXPECT_EQ(error, expected);
    EXPECT_EQ(gpio.trouble(), expected);
    EXPECT_FALSE(gpio.setKeyed(true, error));
    EXPECT_EQ(error, expected);
    EXPECT_EQ(gpio.readInput(SwitchInput::Trigger), std::nullopt);
}

TEST(GpioSwitchTest, ListingTheChipsWorksWithOrWithoutThem) {
    for (const GpioChip& chip : listGpioChips()) {
        EXPECT_TRUE(chip.name.starts_with("gpiochip")) << chip.name;
        EXPECT_GT(chip.lines, 0) << chip.name;
    }
}

}  // namespace
}  // namespace skycrier
