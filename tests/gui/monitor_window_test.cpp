#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "gui/monitor_window.h"
#include "gui_rig.h"
#include "support/fake_weather_monitor.h"

namespace skycrier {
namespace {

TEST(MonitorWindow, APortPickedFromTheListIsOpenedPolledAndShown) {
    test::GuiRig r;
    test::FakeWeatherMonitor station{r.loop};
    r.a.sources().context.weatherMonitor = &station;
    MonitorSource& model = r.a.sources().monitorSource;
    gui::MonitorWindow w(model);
    auto* port = test::control<QPushButton>(w, "ButtonPort");
    EXPECT_EQ(port->text(), "COM=0");
    EXPECT_EQ(port->toolTip(), "Cliquer pour changer le port");
    EXPECT_EQ(test::control<QLabel>(w, "LabelVersion")->text(), "DLL-Version: ");
    EXPECT_EQ(test::control<QCheckBox>(w, "CheckBoxlog")->text(), "Registro horario de datos meteorológicos.");
    EXPECT_FALSE(test::control<QLabel>(w, "StaticTextErreur")->isVisibleTo(&w));
    test::control<QCheckBox>(w, "CheckBoxtend")->setChecked(true);
    EXPECT_TRUE(model.boxes().tendencyBox.checked);

    auto* list = test::control<QListWidget>(w, "ListBoxPort");
    port->click();
    ASSERT_TRUE(list->isVisibleTo(&w));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "No COM");
    const QRect usb = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, usb.center());
    r.loop.runPending();
    w.refresh();
    EXPECT_FALSE(list->isVisibleTo(&w));
    EXPECT_EQ(station.opened, std::vector<std::string>{"/dev/ttyUSB0"});
    EXPECT_EQ(port->text(), "COM=/dev/ttyUSB0");
    EXPECT_EQ(test::control<QCheckBox>(w, "CheckBoxTint")->text(), "T-int (°C)= 20.0");
    EXPECT_EQ(test::control<QCheckBox>(w, "CheckBoxtend")->text(), "Tendencia: creciente");
    EXPECT_EQ(test::control<QLabel>(w, "StaticTextStatus")->text(), "Weather Monitor cerrado");
    EXPECT_EQ(test::control<QLabel>(w, "LabelVersion")->text(), "DLL-Version: 1.000");

    test::control<QCheckBox>(w, "CheckBoxlog")->setChecked(true);
    EXPECT_TRUE(model.hourlyLogBox().checked);
    test::control<QSpinBox>(w, "SpinEditRafraichir")->setValue(10);
    EXPECT_EQ(model.poller().interval(), 10 * 60'000);
}

}  // namespace
}  // namespace skycrier
