// The transmitter port on the real serial path (LinuxSerialLine: termios and
// the modem-line ioctls) over a pseudo-terminal. CTest preloads the modem
// shim, which gives the pseudo-terminal modem lines: it logs every change of
// DTR and RTS, answers CTS, DSR and DCD from a file, and refuses unkeys on demand.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <fstream>
#include <future>
#include <mutex>

#include "app/announcer.h"
#include "app/builtin_clips.h"
#include "app/port_window.h"
#include "app/program_folder.h"
#include "platform/date_time.h"
#include "platform/linux_serial_line.h"
#include "platform/virtual_loop.h"
#include "support/fake_wave_out.h"
#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace skycrier {
namespace {

using Lines = std::vector<std::string>;

// Whether another thread of this process sleeps in poll(), as the watcher does
// in the shim's TIOCMIWAIT once it has read the levels to compare with. Like
// the kernel's, that wait misses a change made just before it begins.
bool watcherWaits() {
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        long call = -1;
        std::ifstream(task.path() / "syscall") >> call;
        if (call == SYS_poll || call == SYS_ppoll) return true;
    }
    return false;
}

class PortOnPseudoTerminal : public ::testing::Test {
protected:
    void SetUp() override {
        const char* preload = std::getenv("LD_PRELOAD");
        ASSERT_TRUE(preload && std::strstr(preload, "skycrier_modem_shim"))
            << "run these tests through ctest, which preloads the modem shim";
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(::grantpt(master_), 0);
        ASSERT_EQ(::unlockpt(master_), 0);
        terminal = ::ptsname(master_);
        ::setenv("SKYCRIER_MODEM_LOG", (dir.path() / "modem.log").c_str(), 1);
        ::setenv("SKYCRIER_MODEM_INPUTS", (dir.path() / "inputs").c_str(), 1);
        ::unsetenv("SKYCRIER_MODEM_REFUSE_CLEAR");
    }
    void TearDown() override {
        if (master_ >= 0) ::close(master_);
        for (const char* name : {"SKYCRIER_MODEM_LOG", "SKYCRIER_MODEM_INPUTS", "SKYCRIER_MODEM_REFUSE_CLEAR"})
            ::unsetenv(name);
    }

    // The line changes the shim logged since the last call.
    Lines takeLog() {
        Lines lines;
        std::ifstream file(dir.path() / "modem.log");
        for (std::string text; std::getline(file, text);) lines.push_back(text);
        std::filesystem::remove(dir.path() / "modem.log");
        return lines;
    }

    test::TempDir dir;
    std::string terminal;
    LinuxSerialLine line;
    VirtualLoop portLoop;
    TransmitterPortControl port{portLoop, line};

private:
    int master_ = -1;
};

TEST_F(PortOnPseudoTerminal, PickingAPortOpensItWithBothLinesLowEvenWhenItWasOpen) {
    ScheduleSettings schedule;
    BulletinSettings bulletin;
    MainWindowModel mainWindow{schedule, bulletin};
    PortLineSettings lines;
    PortWindowModel form(port, mainWindow, lines, [this] { return Lines{terminal}; });
    Lines errors;
    form.answerUser = [&errors](const std::string& title, const std::string& reason) {
        errors.push_back(title + " | " + reason);
    };
    form.prepareToShow();
    ASSERT_EQ(form.portList().Items, (Lines{"No COM", terminal}));

    form.choosePortFromList(1);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(mainWindow.portLabel(), terminal);
    EXPECT_EQ(takeLog(), Lines{"TIOCMBIC DTR RTS"});

    std::string error;
    port.setLine(SerialPin::DTR, true, error);
    port.setLine(SerialPin::RTS, true, error);
    form.choosePortFromList(1);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(takeLog(), (Lines{"TIOCMBIS DTR", "TIOCMBIS RTS", "TIOCMBIC DTR RTS", "TIOCMBIC DTR RTS"}));
    EXPECT_EQ(line.readPin(SerialPin::DTR), false);
    EXPECT_EQ(line.readPin(SerialPin::RTS), false);

    form.choosePortFromList(0);
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(takeLog(), Lines{"TIOCMBIC DTR RTS"});
    EXPECT_EQ(errors, Lines{});
}

// A whole bulletin through the one wiring, on virtual time.
TEST_F(PortOnPseudoTerminal, ABulletinKeysWithTheCheckedLinesAndUnkeysBoth) {
    const struct {
        bool dtr, rts;
        Lines keying;
    } cases[] = {
        {.dtr = true, .rts = true, .keying = {"TIOCMBIS DTR", "TIOCMBIS RTS"}},
        {.dtr = true, .rts = false, .keying = {"TIOCMBIS DTR"}},
        {.dtr = false, .rts = true, .keying = {"TIOCMBIS RTS"}},
        {.dtr = false, .rts = false, .keying = {}},
    };
    std::string error;
    ASSERT_TRUE(prepareProgramFolder(dir.path(), builtInGreeting(), error)) << error;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("DTR ") + (c.dtr ? "on" : "off") + ", RTS " + (c.rts ? "on" : "off"));
        VirtualLoop loop{encodeDateTime(2026, 12, 7, 14, 5, 0)};
        test::FakeWaveOut out{loop};
        LinuxSerialLine serial;
        Announcer a{{loop, out, serial, dir.path(), {}}};
        a.prepareSound(OutputDevice{});
        a.portWindow().setLine(&PortLineSettings::keyDtr, c.dtr);
        a.portWindow().setLine(&PortLineSettings::keyRts, c.rts);
        a.portWindow().choosePort(terminal);
        ASSERT_TRUE(a.mainModels().port.isOpen());
        takeLog();

        a.requestBulletin(BulletinTrigger::Button);
        ASSERT_TRUE(loop.advanceUntil([&] { return !a.bulletinRunning(); }, 600'000));
        Lines expected = c.keying;
        expected.insert(expected.end(), {"TIOCMBIC DTR", "TIOCMBIC RTS"});
        EXPECT_EQ(takeLog(), expected);
    }
}

TEST_F(PortOnPseudoTerminal, InputsAreReadAsThePortReportsThem) {
    port.choosePort(terminal);
    ASSERT_TRUE(port.isOpen());
    const struct {
        const char* raised;  // nullptr: no inputs file
        bool cts, dsr, dcd;
    } cases[] = {
        {.raised = nullptr, .cts = false, .dsr = false, .dcd = false},
        {.raised = "", .cts = false, .dsr = false, .dcd = false},
        {.raised = "CTS", .cts = true, .dsr = false, .dcd = false},
        {.raised = "DSR DCD", .cts = false, .dsr = true, .dcd = true},
        {.raised = "CTS DSR CD RI", .cts = true, .dsr = true, .dcd = true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raised ? c.raised : "no file");
        std::filesystem::remove(dir.path() / "inputs");
        if (c.raised) dir.write("inputs", c.raised);
        EXPECT_EQ(port.input(SerialPin::CTS), c.cts);
        EXPECT_EQ(port.input(SerialPin::DSR), c.dsr);
        EXPECT_EQ(port.input(SerialPin::DCD), c.dcd);
    }
}

TEST_F(PortOnPseudoTerminal, ARefusedUnkeyIsTriedOnceMore) {
    port.choosePort(terminal);
    takeLog();
    std::string error;

    ::setenv("SKYCRIER_MODEM_REFUSE_CLEAR", "1", 1);
    ASSERT_TRUE(port.setLine(SerialPin::DTR, true, error));
    EXPECT_TRUE(port.setLine(SerialPin::DTR, false, error));
    EXPECT_FALSE(port.lineRaised(SerialPin::DTR));
    EXPECT_EQ(takeLog(), (Lines{"TIOCMBIS DTR", "TIOCMBIC DTR"}));

    // Refused twice: the line stays up, and says so.
    ::setenv("SKYCRIER_MODEM_REFUSE_CLEAR", "2", 1);
    ASSERT_TRUE(port.setLine(SerialPin::RTS, true, error));
    EXPECT_FALSE(port.setLine(SerialPin::RTS, false, error));
    EXPECT_EQ(error, "Input/output error");
    EXPECT_TRUE(port.lineRaised(SerialPin::RTS));
    EXPECT_EQ(line.readPin(SerialPin::RTS), true);

    port.chooseNoPort();
    EXPECT_EQ(takeLog(), (Lines{"TIOCMBIS RTS", "TIOCMBIC DTR RTS"}));
}

TEST_F(PortOnPseudoTerminal, EachInputChangeIsToldUntilCloseEndsTheWatch) {
    std::string error;
    ASSERT_TRUE(line.open(terminal, error)) << error;
    std::mutex mutex;
    std::condition_variable told;
    int calls = 0;
    line.watchInputs([&] {
        std::lock_guard lock(mutex);
        ++calls;
        told.notify_all();
    });
    const struct {
        const char* raised;  // nullptr: the inputs file removed
        SerialPin pin;
        bool level;
    } cases[] = {
        {.raised = "CTS", .pin = SerialPin::CTS, .level = true},
        {.raised = "CTS DSR", .pin = SerialPin::DSR, .level = true},
        {.raised = "CTS DSR DCD", .pin = SerialPin::DCD, .level = true},
        {.raised = "DSR DCD", .pin = SerialPin::CTS, .level = false},
        {.raised = nullptr, .pin = SerialPin::DCD, .level = false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raised ? c.raised : "no file");
        ASSERT_TRUE(test::waitUntil(watcherWaits));
        std::unique_lock lock(mutex);
        const int before = calls;
        if (c.raised) dir.write("inputs", c.raised);
        else std::filesystem::remove(dir.path() / "inputs");
        ASSERT_TRUE(told.wait_for(lock, std::chrono::seconds(20), [&] { return calls > before; }));
        EXPECT_EQ(line.readPin(c.pin), c.level);
    }

    ASSERT_TRUE(test::waitUntil(watcherWaits));
    auto closing = std::async(std::launch::async, [this] { line.close(); });
    const bool closed = closing.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    EXPECT_TRUE(closed) << "close() did not wake the watcher";
    // A change of the inputs frees a watcher that slept through its wake-up, so that the test fails rather than hangs.
    if (!closed) dir.write("inputs", "CTS");
}

}  // namespace
}  // namespace skycrier
