// The tray icon on a real X display with a real tray host (trayer): it
// appears, a double click restores the window, and its menu closes the program.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>
#include <functional>

#include "gui/desktop_rig.h"

namespace skycrier {
namespace {

bool waitFor(const std::function<bool()>& condition, int ms = 10'000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms) return false;
        QTest::qWait(50);
    }
    return true;
}

// The icon's own widget, embedded into the tray host.
QWidget* trayIconWidget() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (QString(w->metaObject()->className()) == "QSystemTrayIconSys" && w->isVisible()) return w;
    return nullptr;
}

TEST(TrayHost, TheIconAppearsRestoresOnADoubleClickAndItsMenuQuits) {
    ASSERT_TRUE(waitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); })) << "no tray host came up";
    test::DesktopRig r;
    r.startUp();
    ASSERT_TRUE(r.program.tray.shown());
    EXPECT_TRUE(r.program.tray.icon().toolTip().startsWith("SkyCrier\n"));
    ASSERT_TRUE(waitFor([] { return trayIconWidget() != nullptr; })) << "the icon was not embedded";
    QWidget* icon = trayIconWidget();
    ASSERT_TRUE(waitFor([&] { return icon->width() > 0 && icon->geometry().isValid(); }));

    // Only the tray icon stays after "-" with "Minimizar al inicio del programa".
    r.a.mainModels().window.settings().startMinimised = true;
    r.program.minimise(true);
    EXPECT_FALSE(r.program.mainWindow.isVisible());
    QTest::mouseClick(icon, Qt::LeftButton);  // a single click does nothing
    QTest::qWait(300);
    EXPECT_FALSE(r.program.mainWindow.isVisible());
    QTest::mouseDClick(icon, Qt::LeftButton);
    EXPECT_TRUE(waitFor([&] { return r.program.mainWindow.isVisible(); }));

    QMenu& menu = r.program.tray.menu();
    QTest::mouseClick(icon, Qt::RightButton);
    ASSERT_TRUE(waitFor([&] { return menu.isVisible(); })) << "the menu did not open";
    QAction* quit = menu.findChild<QAction*>("QuitterItem");
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(quit).center());
    EXPECT_TRUE(waitFor([&] { return r.program.program.closed(); }));
    EXPECT_FALSE(r.program.tray.shown());
}

}  // namespace
}  // namespace skycrier
