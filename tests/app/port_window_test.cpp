#include "app/port_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/virtual_loop.h"
#include "support/fake_serial_line.h"

namespace skycrier {
namespace {

// The port window over a fake serial line, on a system with three ports.
struct PortWindowRig {
    // Clicks the item of the list that reads text.
    void click(const std::string& text) {
        const auto& items = form.portList().Items;
        const auto item = std::find(items.begin(), items.end(), text);
        ASSERT_NE(item, items.end()) << text;
        form.choosePortFromList(static_cast<int>(item - items.begin()));
    }

    VirtualLoop loop;
    test::FakeSerialLine line;
    std::vector<std::string> errors;
    TransmitterPortControl port{loop, line};
    ScheduleSettings schedule;
    BulletinSettings bulletin;
    MainWindowModel mainWindow{schedule, bulletin};
    PortLineSettings lines;
    int listings = 0;
    PortWindowModel form{port, mainWindow, lines, [this] {
                      ++listings;
                      return std::vector<std::string>{"/dev/ttyS0", "/dev/ttyS2", "/dev/ttyUSB0"};
                  }};
    bool answered = [this] {
        form.answerUser = [this](const std::string& title, const std::string&) { errors.push_back(title); };
        return true;
    }();
    int releases = 0;
};

TEST(PortWindow, ShowingSelectsTheTransmitterPort) {
    const struct {
        std::string configured;  // "COM=" before the window is shown; empty: none
        std::string selected;
        std::string label;
    } cases[] = {
        {"", "", "COM"},
        {"0", "No COM", "COM"},
        {"COM3", "/dev/ttyS2", "COM3"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0", "/dev/ttyUSB0"},
        // A port the system list lacks is added to it, so that it stays chosen.
        {"COM9", "/dev/ttyS8", "COM9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.configured);
        PortWindowRig r;
        if (c.configured == "0") r.form.chooseNoPort();
        else if (!c.configured.empty()) r.form.choosePort(c.configured);

        r.form.prepareToShow();
        r.form.prepareToShow();
        EXPECT_EQ(r.form.selectedItem(), c.selected);
        EXPECT_EQ(r.mainWindow.portLabel(), c.label);
        EXPECT_EQ(r.listings, 1);
        EXPECT_EQ(r.form.portList().Items.front(), "No COM");
        EXPECT_EQ(r.form.portList().Items.size(), c.configured == "COM9" ? 5u : 4u);
    }
}

TEST(PortWindow, PickingAPortOpensItNoComReleasesItAndARefusedOneWaits) {
    PortWindowRig r;
    r.form.onReleased = [&r] { ++r.releases; };
    r.form.prepareToShow();
    r.click("/dev/ttyUSB0");
    EXPECT_EQ(r.line.device, "/dev/ttyUSB0");
    EXPECT_EQ(r.port.portName(), "/dev/ttyUSB0");
    EXPECT_EQ(r.mainWindow.portLabel(), "/dev/ttyUSB0");

    std::string error;
    r.port.setLine(SerialPin::DTR, true, error);
    r.click("/dev/ttyUSB0");  // the open port again: closed, then opened with its lines low
    EXPECT_TRUE(r.port.isOpen());
    EXPECT_FALSE(r.line.raised(SerialPin::DTR));
    EXPECT_EQ(r.releases, 0);

    r.click("No COM");
    EXPECT_FALSE(r.line.isOpen());
    EXPECT_EQ(r.port.portName(), "No COM");
    EXPECT_EQ(r.mainWindow.portLabel(), "COM");
    EXPECT_EQ(r.form.selectedItem(), "No COM");
    EXPECT_EQ(r.releases, 1);

    r.form.choosePortFromList(-1);  // a click beside the items
    EXPECT_EQ(r.releases, 1);

    // A port refused after the click is answered there, and stays chosen, shown absent, until it opens.
    r.click("/dev/ttyS0");
    r.line.refuseOpen = true;
    r.click("/dev/ttyS2");
    EXPECT_EQ(r.errors, std::vector<std::string>{"Fehler: COM-Port"});
    EXPECT_FALSE(r.port.isOpen());
    EXPECT_EQ(r.port.portName(), "/dev/ttyS2");
    EXPECT_EQ(r.form.selectedItem(), "/dev/ttyS2");
    EXPECT_EQ(r.mainWindow.portLabel(), "/dev/ttyS2");
    EXPECT_TRUE(r.mainWindow.portAbsent());
    EXPECT_EQ(r.form.errorLine(), "/dev/ttyS2: No such file or directory");
    EXPECT_EQ(r.releases, 2);
    r.line.refuseOpen = false;
    r.loop.advance(TransmitterPortControl::kRetryMs);
    EXPECT_TRUE(r.port.isOpen());
    EXPECT_FALSE(r.mainWindow.portAbsent());
    EXPECT_EQ(r.errors.size(), 1u);
}

}  // namespace
}  // namespace skycrier
