#include "app/transmitter_port_control.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

namespace skycrier {
namespace {

class TransmitterPortTest : public ::testing::Test {
protected:
    TransmitterPortControl port{[this](const std::string& title, const std::string& reason) {
        errors.push_back(title + " | " + reason);
    }};
    std::vector<std::string> errors;
};

TEST(PortNames, MapToDevices) {
    EXPECT_EQ(devicePathForPort("COM1"), "/dev/ttyS0");
    EXPECT_EQ(devicePathForPort("COM3"), "/dev/ttyS2");
    EXPECT_EQ(devicePathForPort("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(devicePathForPort("COM0"), "");
    EXPECT_EQ(devicePathForPort("COMx"), "");
    EXPECT_EQ(devicePathForPort("No COM"), "");
}

TEST_F(TransmitterPortTest, AFailedOpenShowsTheErrorAndLeavesNoPort) {
    port.choosePort("/dev/ttySKYCRIER-missing");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Fehler: COM-Port | /dev/ttySKYCRIER-missing: ", 0), 0u) << errors[0];
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.portName(), "No COM");

    port.choosePort("/dev/null");  // exists, but has no modem lines
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[1], "Fehler: COM-Port | /dev/null: not a serial port");
    EXPECT_FALSE(port.isOpen());

    port.choosePort("COM0");
    EXPECT_EQ(errors.size(), 3u);
    EXPECT_EQ(port.portName(), "No COM");
}

// A pseudo-terminal is a tty without modem lines: it opens, and line
// operations on it are quietly refused.
TEST_F(TransmitterPortTest, ATerminalDeviceOpensAndIsReleased) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string slave = ::ptsname(master);

    port.choosePort(slave);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.portName(), slave);
    EXPECT_EQ(port.devicePath(), slave);
    port.setLine(PortLine::DTR, true);
    port.setLine(PortLine::RTS, false);

    port.choosePort(slave);  // picking the open port again closes and reopens it
    EXPECT_TRUE(port.isOpen());

    port.chooseNoPort();
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.portName(), "No COM");
    ::close(master);
}

}  // namespace
}  // namespace skycrier
