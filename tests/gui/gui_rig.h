#pragma once
// The announcer as the desktop program wires it, on virtual time with a fake
// sound output, a fake serial line on a system with two ports and fake keying switches, for tests
// that drive its windows.

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/announcer.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/fake_serial_line.h"
#include "support/fake_switch.h"
#include "support/fake_wave_out.h"
#include "support/temp_dir.h"

namespace skycrier::test {

struct GuiRig {
    VirtualLoop loop{encodeDateTime(2026, 12, 7, 14, 5, 0)};
    FakeWaveOut out{loop};
    FakeSerialLine line;
    TempDir dir;
    std::vector<std::string> portErrors;
    // The switches made, in order.
    std::vector<FakeSwitch*> switches;
    Announcer a{{.loop = loop,
                 .sound = out,
                 .serial = line,
                 .folder = dir.path(),
                 .showPortError = [this](const std::string& title, const std::string&) { portErrors.push_back(title); },
                 .listPorts = [] { return std::vector<std::string>{"/dev/ttyS0", "/dev/ttyUSB0"}; },
                 .makeSwitch = [this](const KeyingSettings&) -> std::unique_ptr<TransmitterSwitch> {
                     auto made = std::make_unique<FakeSwitch>();
                     switches.push_back(made.get());
                     return made;
                 }}};
};

// The control of that name inside the window; the test fails without it.
template <typename T>
T* control(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return found;
}

}  // namespace skycrier::test
