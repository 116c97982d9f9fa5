#include "gui/port_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QTest>

#include "gui_rig.h"

namespace skycrier {
namespace {

TEST(PortWindow, APickOpensOrReleasesThePortAndLabelComFollows) {
    test::GuiRig r;
    gui::PortWindow window{r.a.portWindow()};
    window.show();
    auto* list = test::control<QListWidget>(window, "ListBoxCOM");
    ASSERT_EQ(list->count(), 3);
    const struct {
        const char* item;
        bool refuseOpen;
        const char* labelCom;
        const char* selected;
    } picks[] = {
        {.item = "/dev/ttyUSB0", .refuseOpen = false, .labelCom = "/dev/ttyUSB0", .selected = "/dev/ttyUSB0"},
        {.item = "No COM", .refuseOpen = false, .labelCom = "COM", .selected = "No COM"},
        // A port that does not open answers the click, and stays chosen (absent) to be tried again.
        {.item = "/dev/ttyS0", .refuseOpen = true, .labelCom = "/dev/ttyS0", .selected = "/dev/ttyS0"},
    };
    for (const auto& pick : picks) {
        SCOPED_TRACE(pick.item);
        r.line.refuseOpen = pick.refuseOpen;
        const QListWidgetItem* item = list->findItems(pick.item, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        EXPECT_EQ(r.line.isOpen(), r.line.device == pick.item && !pick.refuseOpen);
        EXPECT_EQ(r.a.mainModels().window.portLabel(), pick.labelCom);
        EXPECT_EQ(list->currentItem()->text(), pick.selected);
    }
    EXPECT_EQ(r.portErrors.size(), 1u);
    EXPECT_EQ(test::control<QLabel>(window, "StaticTextErreur")->text(), "/dev/ttyS0: No such file or directory");
}

TEST(PortWindow, LineBoxesSetTheLineSettingsAndFollowThem) {
    test::GuiRig r;
    gui::PortWindow window{r.a.portWindow()};
    for (const gui::PortLineBox& line : gui::kPortLineBoxes) {
        SCOPED_TRACE(line.name);
        auto* box = test::control<QCheckBox>(window, line.name);
        EXPECT_EQ(box->parentWidget()->objectName(), line.group);
        box->click();
        EXPECT_FALSE(r.a.portWindow().lines().*line.checked);
        r.a.portWindow().setLine(line.checked, true);
        window.refresh();
        EXPECT_TRUE(box->isChecked());
    }
}

// A keying is typed and picked as a user does, and taken only on "Apply".
TEST(PortWindow, AnotherKeyingIsEditedThenAppliedAndSaved) {
    test::GuiRig r;
    gui::PortWindow window{r.a.portWindow()};
    window.show();
    auto* kind = test::control<QComboBox>(window, "ComboBoxPTT");
    auto* apply = test::control<QPushButton>(window, "ButtonApplyPTT");
    EXPECT_EQ(kind->currentText(), "Serial port lines (DTR/RTS)");
    EXPECT_FALSE(apply->isEnabled());

    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Down);
    auto* port = test::control<QLineEdit>(window, "EditHamlibPort");
    QTest::keyClicks(port, "127.0.0.1:4532");
    EXPECT_EQ(r.a.portWindow().lines().keying.kind, KeyingKind::Serial) << "nothing is taken before Apply";
    EXPECT_TRUE(r.switches.empty());
    QTest::mouseClick(apply, Qt::LeftButton);

    const KeyingSettings& keying = r.a.portWindow().lines().keying;
    EXPECT_EQ(keying.kind, KeyingKind::Hamlib);
    EXPECT_EQ(keying.hamlibPort, "127.0.0.1:4532");
    EXPECT_EQ(keying.hamlibModel, 2);
    ASSERT_EQ(r.switches.size(), 1u);
    EXPECT_TRUE(r.switches[0]->isOpen());
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_FALSE(test::control<QGroupBox>(window, "GroupBox1")->isEnabled()) << "DTR and RTS key nothing now";
    EXPECT_NE(r.a.configurationText().find("\r\nPTT=HAMLIB\r\nHAMLIB_PORT=127.0.0.1:4532\r\n"), std::string::npos);
}

}  // namespace
}  // namespace skycrier
