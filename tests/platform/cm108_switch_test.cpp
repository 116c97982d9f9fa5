#include "platform/cm108_switch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/hidraw_list.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

namespace fs = std::filesystem;

// What the card receives: report number 0, then write-GPIO, levels, directions, 0.
std::string report(unsigned levels, unsigned directions) {
    return {'\0', '\0', static_cast<char>(levels), static_cast<char>(directions), '\0'};
}

TEST(Cm108SwitchTest, WritesTheReportsThatSetThePinUnkeyedFirstAndLast) {
    struct Case {
        int gpio;
        unsigned pin;
    };
    const Case cases[] = {{1, 0x01}, {3, 0x04}, {4, 0x08}, {8, 0x80}};
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::string device = dir.write("hidraw0", "");
        Cm108Switch card(device, c.gpio);
        std::string error;
        ASSERT_TRUE(card.open(error)) << error;
        EXPECT_EQ(test::fileText(device), report(0, c.pin)) << c.gpio;
        EXPECT_TRUE(card.setKeyed(true, error)) << error;
        card.close();
        EXPECT_FALSE(card.isOpen());
        EXPECT_EQ(test::fileText(device), report(0, c.pin) + report(c.pin, c.pin) + report(0, c.pin)) << c.gpio;
        EXPECT_FALSE(card.setKeyed(true, error));
    }
}

TEST(Cm108SwitchTest, RefusesWhatCannotKeyWithWhatToDo) {
    test::TempDir dir;
    struct Case {
        std::string device;
        int gpio;
        std::string error;
    };
    const std::string missing = (dir.path() / "hidraw9").string();
    const Case cases[] = {
        {missing, 3,
         missing + ": No such file or directory: plug the sound card in, or name another in CM108_DEVICE= "
                   "(skycrier-cli devices lists them)"},
        // A device that takes no report is no CM108.
        {"/dev/full", 3, "/dev/full: No space left on device: not a CM108-family sound card, or it does not answer"},
        {dir.write("hidraw0", ""), 9, "CM108 GPIO9 does not exist: the cards have GPIO1 to GPIO8 (CM108_GPIO=)"},
    };
    for (const Case& c : cases) {
        Cm108Switch card(c.device, c.gpio);
        std::string error;
        EXPECT_FALSE(card.open(error));
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(card.trouble(), c.error);
        EXPECT_FALSE(card.isOpen());
    }
}

// /sys/class/hidraw as the kernel lays it out, in a scratch folder.
class Cm108SysfsTest : public ::testing::Test {
protected:
    void hidraw(const std::string& name, const std::string& uevent) {
        fs::create_directories(dir.path() / name / "device");
        dir.write(name + "/device/uevent", uevent);
    }
    void hid(const std::string& name, const std::string& id, const std::string& product) {
        hidraw(name, "DRIVER=hid-generic\nHID_ID=0003:" + id + "\nHID_NAME=" + product +
                         "\nHID_PHYS=usb-0000:01:00.0-1.4/input3\n");
    }

    test::TempDir dir;
};

TEST_F(Cm108SysfsTest, ListsTheFamilyInNumberOrderAndTheFirstIsTheDefault) {
    hid("hidraw0", "0000046D:0000C31C", "Logitech USB Keyboard");
    hid("hidraw10", "00000D8C:0000000C", "C-Media Electronics Inc. USB PnP Sound Device");
    hid("hidraw3", "00000D8C:0000013A", "C-Media Electronics Inc. USB Audio Device");
    hid("hidraw12", "00000C76:00001607", "SSS USB Headphone Set");
    hidraw("hidraw5", "HID_ID=garbage\n");
    fs::create_directories(dir.path() / "hidraw6");

    std::vector<std::string> found;
    for (const HidDevice& d : listCm108Devices(dir.path())) {
        char id[16];
        std::snprintf(id, sizeof id, "%04x:%04x", d.vendor, d.product);
        found.push_back(d.path + " " + id + " " + d.name);
    }
    EXPECT_EQ(found, (std::vector<std::string>{
                         "/dev/hidraw3 0d8c:013a C-Media Electronics Inc. USB Audio Device",
                         "/dev/hidraw10 0d8c:000c C-Media Electronics Inc. USB PnP Sound Device",
                         "/dev/hidraw12 0c76:1607 SSS USB Headphone Set",
                     }));

    // The test's tree names a card this machine does not have; a real one must not be written to.
    if (fs::exists("/dev/hidraw3")) GTEST_SKIP() << "/dev/hidraw3 exists here";
    Cm108Switch card("", 3, dir.path());
    std::string error;
    EXPECT_FALSE(card.open(error));
    EXPECT_TRUE(error.starts_with("/dev/hidraw3: ")) << error;
}

TEST_F(Cm108SysfsTest, NoCardFoundSaysWhatToDo) {
    EXPECT_TRUE(listCm108Devices(dir.path() / "missing").empty());
    Cm108Switch card("", 3, dir.path());
    std::string error;
    EXPECT_FALSE(card.open(error));
    EXPECT_EQ(error, "no CM108-family sound card found: plug it in, or name its /dev/hidrawN in CM108_DEVICE=");
}

}  // namespace
}  // namespace skycrier
