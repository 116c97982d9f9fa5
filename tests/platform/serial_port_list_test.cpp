#include "platform/serial_port_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace skycrier {
namespace {

namespace fs = std::filesystem;

// A /dev and a /sys the way the kernel and udev lay them out, in a scratch folder.
class SerialPortListTest : public ::testing::Test {
protected:
    void device(const std::string& name) {
        fs::create_directories(dir.path() / "dev");
        dir.write("dev/" + name, "");
    }
    // The serial core's UART type of a ttyS slot; 0 is a slot without a chip.
    void uartType(const std::string& name, const std::string& type) {
        fs::create_directories(dir.path() / "sys/class/tty" / name);
        dir.write("sys/class/tty/" + name + "/type", type);
    }
    void byId(const std::string& name, const std::string& target) {
        fs::create_directories(dir.path() / "dev/serial/by-id");
        fs::create_symlink(target, dir.path() / "dev/serial/by-id" / name);
    }
    std::vector<std::string> list() const { return listSerialPorts(dir.path() / "dev", dir.path() / "sys"); }
    std::string dev(const std::string& name) const { return (dir.path() / "dev" / name).string(); }

    test::TempDir dir;
};

TEST_F(SerialPortListTest, ListsTheDevicesThatExistSortedAsTextIgnoringCase) {
    for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyS3", "ttyS10", "ttyUSB0", "ttyACM1", "ttymxc0",
                             "tty0", "ttyS", "ttyUSB0.lock", "console"})
        device(name);
    fs::create_directories(dir.path() / "dev/serial/by-id");
    uartType("ttyS0", "4\n");
    uartType("ttyS1", "0\n");
    uartType("ttyS10", "4\n");
    uartType("ttyS2", "16\n");
    // ttyS3 has no sysfs entry: nothing says a UART is there.
    byId("usb-FTDI_FT232R_A1-if00-port0", "../../ttyUSB0");
    byId("usb-NXP_UART-if00", "../../ttymxc0");
    byId("usb-gone-if00", "../../ttyUSB7");

    EXPECT_EQ(list(), (std::vector<std::string>{dev("ttyACM1"), dev("ttymxc0"), dev("ttyS0"), dev("ttyS10"),
                                                dev("ttyS2"), dev("ttyUSB0")}));
}

TEST_F(SerialPortListTest, NoDevicesOrNoFoldersGiveAnEmptyList) {
    EXPECT_TRUE(list().empty());
    device("ttyS0");
    uartType("ttyS0", "garbage");
    EXPECT_TRUE(list().empty());
    EXPECT_TRUE(listSerialPorts(dir.path() / "missing", dir.path() / "missing").empty());
}

}  // namespace
}  // namespace skycrier
