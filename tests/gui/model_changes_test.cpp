// The windows follow their models by themselves: a change that no click made
// (the clock's tick, a status text, the port, a poll) reaches the screen at
// the next turn of the loop, with no timer of the windows' own.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <functional>

#include "gui/desktop_rig.h"
#include "gui_rig.h"

namespace skycrier {
namespace {

TEST(ModelChanges, ReachTheirWindowsAtTheNextTurnOfTheLoop) {
    test::DesktopRig r;
    r.startUp();
    QCoreApplication::processEvents();
    QWidget* aprsWindow = nullptr;
    for (QWidget* w : r.program.windows())
        if (w->objectName() == "TFormMeteoAPRS") aprsWindow = w;
    ASSERT_NE(aprsWindow, nullptr);
    const std::string report = r.dir.write("WXNOW.TXT", "Jan 15 2024 12:34\r\n220/004g005t077r000p000P000h50b09900\r\n");
    InternetSource& aprs = r.a.sources().aprsSource;

    const struct {
        const char* change;
        std::function<void()> make;
        std::function<QString()> shown;
        const char* expected;
    } rows[] = {
        {"the clock's tick", [&] { r.loop.advance(2'000); r.a.mainModels().clock.tick(); },
         [&] { return r.control<QLineEdit>("EditTime")->text(); }, " 14:05:03"},
        {"a status text", [&] { r.a.statusBoard().setStatusText("Err: no sound output"); },
         [&] { return r.control<QLineEdit>("EditData")->text(); }, "Err: no sound output"},
        {"the port", [&] { r.a.portWindow().choosePort("COM1"); },
         [&] { return r.control<QLabel>("LabelCOM")->text(); }, "COM1"},
        {"a poll's new value", [&] {
             aprs.loadDataFile(report);
             aprs.poll();
             r.loop.advance(0);
         },
         [&] { return test::control<QAbstractButton>(*aprsWindow, "CheckBoxPatm")->text(); }, "P-atm (hPa) = 990.0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.change);
        row.make();
        QCoreApplication::processEvents();
        EXPECT_EQ(row.shown().toStdString(), row.expected);
    }
}

}  // namespace
}  // namespace skycrier
