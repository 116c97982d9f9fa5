#include "app/transmitter_port_control.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/linux_serial_line.h"
#include "platform/virtual_loop.h"
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

// A pseudo-terminal is a tty without modem lines: it could never key a
// transmitter, so it is refused like a device that is not there. A refused
// port stays chosen, with its reason, to be tried again.
TEST(LinuxPort, DevicesThatCannotKeyAreRefusedWithTheirReasonAndStayChosen) {
    VirtualLoop loop;
    LinuxSerialLine line;
    TransmitterPortControl port(loop, line);
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string terminal = ::ptsname(master);
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/ttySKYCRIER-missing", "/dev/ttySKYCRIER-missing: No such file or directory"},
        {"/dev/null", "/dev/null: not a serial port"},
        {terminal, terminal + ": no modem control lines (Inappropriate ioctl for device)"},
        {"COM0", "COM0: not a serial port name"},
    };
    for (const auto& [name, reason] : cases) {
        port.choosePort(name);
        EXPECT_EQ(port.failure(), reason);
        EXPECT_TRUE(port.absent());
        EXPECT_EQ(port.portName(), name);
        EXPECT_EQ(port.trouble(), "Fehler: COM-Port (" + reason +
                                      "): kept as configured; tried again every minute and before each bulletin");
    }
    ::close(master);
    EXPECT_EQ(portOpenFailure("/dev/ttyUSB0", EACCES),
              "/dev/ttyUSB0: Permission denied: add your user to the dialout group (sudo adduser $USER dialout) "
              "and log in again");
}

// A port is tried again each minute: it opens when it comes, and one whose
// device goes away while idle is released, to be opened again when it is back.
TEST(TransmitterPort, AnAbsentPortOpensWhenItComesAndAVanishedOneIsReleased) {
    VirtualLoop loop;
    test::FakeSerialLine line;
    TransmitterPortControl port(loop, line);
    int changes = 0;
    port.changed = [&changes] { ++changes; };
    line.refuseOpen = true;
    port.choosePort("/dev/ttyUSB0");
    loop.advance(TransmitterPortControl::kRetryMs);
    EXPECT_TRUE(port.absent());
    line.refuseOpen = false;
    loop.advance(TransmitterPortControl::kRetryMs);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.troubleEnded(), "COM-Port /dev/ttyUSB0 open again (/dev/ttyUSB0)");
    EXPECT_EQ(changes, 3);

    line.close();  // unplugged: its lines can no longer be read
    line.refuseOpen = true;
    loop.advance(TransmitterPortControl::kRetryMs);
    EXPECT_TRUE(port.absent());
    EXPECT_EQ(port.failure(), "/dev/ttyUSB0: No such file or directory");
    port.chooseNoPort();
    EXPECT_TRUE(port.trouble().empty());
}

TEST(TransmitterPort, LinesFollowWhatTheDeviceReallyDid) {
    VirtualLoop loop;
    test::FakeSerialLine line;
    TransmitterPortControl port(loop, line);
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
