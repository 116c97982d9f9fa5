#include "app/transmitter_port_control.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

#include "platform/linux_serial_line.h"
#include "support/fake_serial_line.h"

namespace skycrier {
namespace {

TEST(PortNames, MapToDevices) {
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "/dev/ttyS0"}, {"COM3", "/dev/ttyS2"}, {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"COM0", ""},           {"COMx", ""},           {"No COM", ""},
    };
    for (const auto& [name, device] : cases) EXPECT_EQ(devicePathForPort(name), device) << name;
}

class LinuxPortTest : public ::testing::Test {
protected:
    LinuxSerialLine line;
    std::vector<std::string> errors;
    TransmitterPortControl port{line, [this](const std::string& title, const std::string& reason) {
                                    errors.push_back(title + " | " + reason);
                                }};
};

// A pseudo-terminal is a tty without modem lines: it could never key a
// transmitter, so it is refused like a device that is not there.
TEST_F(LinuxPortTest, DevicesThatCannotKeyAreRefusedWithTheirReason) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string terminal = ::ptsname(master);

    port.choosePort("/dev/ttySKYCRIER-missing");
    port.choosePort("/dev/null");
    port.choosePort(terminal);
    port.choosePort("COM0");
    ::close(master);
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "Fehler: COM-Port | /dev/ttySKYCRIER-missing: No such file or directory",
                          "Fehler: COM-Port | /dev/null: not a serial port",
                          "Fehler: COM-Port | " + terminal + ": no modem control lines (Inappropriate ioctl for device)",
                          "Fehler: COM-Port | COM0: not a serial port name",
                      }));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.portName(), "No COM");
}

TEST(TransmitterPort, LinesFollowWhatTheDeviceReallyDid) {
    test::FakeSerialLine line;
    TransmitterPortControl port(line, {});
    std::string error;
    EXPECT_TRUE(port.setLine(SerialPin::DTR, true, error));  // closed: nothing to do
    EXPECT_TRUE(line.changes.empty());

    port.choosePort("COM2");
    EXPECT_EQ(line.device, "/dev/ttyS1");
    EXPECT_TRUE(port.setLine(SerialPin::DTR, true, error));
    line.refusals = 1;
    EXPECT_FALSE(port.setLine(SerialPin::RTS, true, error));
    EXPECT_EQ(error, "Input/output error");
    EXPECT_TRUE(port.lineRaised(SerialPin::DTR));
    EXPECT_FALSE(port.lineRaised(SerialPin::RTS));

    // A lowering that fails once is tried again; one that fails twice leaves the line shown up.
    line.refusals = 1;
    EXPECT_TRUE(port.setLine(SerialPin::DTR, false, error));
    EXPECT_FALSE(port.lineRaised(SerialPin::DTR));
    port.setLine(SerialPin::DTR, true, error);
    line.refusals = 2;
    EXPECT_FALSE(port.setLine(SerialPin::DTR, false, error));
    EXPECT_TRUE(port.lineRaised(SerialPin::DTR));
    EXPECT_EQ(line.changes, (std::vector<std::string>{"DTR up", "RTS up", "DTR down", "DTR down", "DTR up",
                                                      "DTR down", "DTR down"}));

    line.pins[SerialPin::DCD] = true;
    EXPECT_EQ(port.input(SerialPin::DCD), true);
    EXPECT_EQ(port.input(SerialPin::CTS), false);
    port.chooseNoPort();
    EXPECT_FALSE(line.isOpen());
    EXPECT_FALSE(port.lineRaised(SerialPin::DTR));
    EXPECT_EQ(port.input(SerialPin::DCD), std::nullopt);
}

}  // namespace
}  // namespace skycrier
