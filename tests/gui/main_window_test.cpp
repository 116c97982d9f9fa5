// The main window as a user works it: the announce button and its lamp,
// Escape, the hour menus, the period arrows, minimising, the WAVE choosers,
// the sound-card panel, the tray menu and a whole configuration shown at
// start-up, the window's place included.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "app/first_run.h"
#include "gui/desktop_rig.h"

namespace skycrier {
namespace {

using test::DesktopRig;

TEST(MainWindow, TheAnnounceButtonKeysTheLampAndEscapeEndsTheBulletin) {
    DesktopRig r;
    r.startUp();
    r.a.portWindow().choosePort("COM1");
    auto* lampOn = r.control<QLabel>("ImageLedON");
    r.program.mainWindow.show();
    QTest::mouseClick(r.control<QPushButton>("Button1"), Qt::LeftButton);
    r.loop.advance(400);
    r.program.mainWindow.refresh();
    EXPECT_TRUE(lampOn->isVisibleTo(&r.program.mainWindow));
    EXPECT_TRUE(r.a.bulletinRunning());
    // Keys never reach a control of the main window; Escape ends the bulletin.
    QTest::keyClick(r.control<QPushButton>("Button1"), Qt::Key_Escape);
    r.loop.advanceUntil([&] { return !r.a.bulletinRunning(); }, 30'000);
    r.program.mainWindow.refresh();
    EXPECT_FALSE(lampOn->isVisibleTo(&r.program.mainWindow));
    EXPECT_TRUE(r.control<QLabel>("ImageLedOFF")->isVisibleTo(&r.program.mainWindow));
    EXPECT_FALSE(r.line.raised(SerialPin::DTR));
}

// A port absent at start-up is a notice, never a box: the clock ticks and the
// bulletin due goes out on time; the port stays named, in red, with its reason.
TEST(MainWindow, AnAbsentPortAtStartShowsNoBoxAndTheTickRuns) {
    DesktopRig r("[SKYCRIER V2.2.2]\r\nCOM=/dev/ttyUSB0\r\nPERIOD=1\r\n");
    r.line.refuseOpen = true;
    int bulletins = 0;
    const Subscription started = r.a.bulletinStarted().connect([&](BulletinTrigger) { ++bulletins; });
    r.program.start();
    r.loop.advance(5'500);
    r.program.refreshAll();
    EXPECT_EQ(r.dialogs, std::vector<std::string>{});
    EXPECT_EQ(r.a.mainModels().clock.shown().timeText, " 14:05:05");
    EXPECT_EQ(bulletins, 1);
    auto* label = r.control<QLabel>("LabelCOM");
    EXPECT_EQ(label->text(), "/dev/ttyUSB0");
    EXPECT_EQ(label->toolTip(), "/dev/ttyUSB0: No such file or directory");
    EXPECT_NE(r.a.logLines().back().find("Fehler: COM-Port (/dev/ttyUSB0"), std::string::npos);
    r.program.close();
}

TEST(MainWindow, HourMenusSetTheirCaptionsAndTheWindowOfHours) {
    DesktopRig r;
    r.startUp();
    const struct {
        const char* item;
        int startHour;
        int endHour;
        const char* startCaption;
        const char* endCaption;
    } rows[] = {
        {.item = "D22", .startHour = 22, .endHour = 24,
         .startCaption = "Hora de inicio (22h)", .endCaption = "Hora de fin (24h)"},
        {.item = "F06", .startHour = 22, .endHour = 6,
         .startCaption = "Hora de inicio (22h)", .endCaption = "Hora de fin (06h)"},
        // already checked: nothing changes
        {.item = "F06", .startHour = 22, .endHour = 6,
         .startCaption = "Hora de inicio (22h)", .endCaption = "Hora de fin (06h)"},
        {.item = "D00", .startHour = 0, .endHour = 6,
         .startCaption = "Hora de inicio (00h)", .endCaption = "Hora de fin (06h)"},
    };
    for (const auto& row : rows) {
        QAction* item = r.program.mainWindow.findChild<QAction*>(row.item);
        ASSERT_NE(item, nullptr) << row.item;
        item->trigger();
        EXPECT_TRUE(item->isChecked()) << row.item;
        EXPECT_EQ(r.a.mainModels().schedule.StartHour, row.startHour) << row.item;
        EXPECT_EQ(r.a.mainModels().schedule.EndHour, row.endHour) << row.item;
        EXPECT_EQ(r.control<QMenu>("MenuDebutPlageHoraire")->title().toStdString(), row.startCaption);
        EXPECT_EQ(r.control<QMenu>("MenuFinPlageHoraire")->title().toStdString(), row.endCaption);
    }
}

// With no configuration yet, the status line leads to a first bulletin, one step at a time.
TEST(MainWindow, AFirstRunSaysWhatToSetNextUntilTheStationIsReady) {
    DesktopRig r;
    r.startUp();
    // The status line shows the step in the windows' language.
    const auto status = [&] { return r.control<QLineEdit>("EditData")->text(); };
    EXPECT_EQ(status(), gui::shown(kChooseSourceStep));
    r.control<QRadioButton>("RadioButtonMETAR")->click();
    r.program.refreshAll();
    EXPECT_EQ(status(), gui::shown(kChoosePortStep));
    auto* ports = r.control<QListWidget>("ListBoxCOM");
    const QListWidgetItem* port = ports->findItems("/dev/ttyUSB0", Qt::MatchExactly).value(0);
    ASSERT_NE(port, nullptr);
    QTest::mouseClick(ports->viewport(), Qt::LeftButton, {}, ports->visualItemRect(port).center());
    r.program.refreshAll();
    EXPECT_EQ(status(), gui::shown(kChoosePeriodStep));
    const auto arrows = r.control<QWidget>("UpDownPeriode")->findChildren<QToolButton*>();
    arrows[0]->click();
    r.program.refreshAll();
    EXPECT_EQ(status(), gui::shown(kSetUpText));
    // Once set up, the advice does not come back.
    arrows[1]->click();
    r.control<QRadioButton>("RadioButtonNoMeteo")->click();
    r.program.refreshAll();
    EXPECT_EQ(status(), gui::shown(kSetUpText));

    // With a configuration there is no advice.
    DesktopRig configured("PERIOD=3\r\n");
    configured.startUp();
    EXPECT_EQ(configured.control<QLineEdit>("EditData")->text().toStdString().find("First run"), std::string::npos);
}

TEST(MainWindow, ThePeriodArrowsStepThroughTheMinutesAndStopAtTheEnds) {
    DesktopRig r;
    r.startUp();
    const auto arrows = r.control<QWidget>("UpDownPeriode")->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    auto* edit1 = r.control<QLineEdit>("Edit1");
    const struct {
        int arrow;  // 0 up, 1 down
        int times;
        const char* shown;
    } rows[] = {
        {.arrow = 1, .times = 1, .shown = "0"},
        {.arrow = 0, .times = 3, .shown = "15"},
        {.arrow = 0, .times = 1, .shown = "20"},
        {.arrow = 0, .times = 5, .shown = "60"},
        {.arrow = 1, .times = 2, .shown = "20"},
    };
    for (const auto& row : rows) {
        for (int i = 0; i < row.times; ++i) arrows[row.arrow]->click();
        EXPECT_EQ(edit1->text().toStdString(), row.shown);
        EXPECT_EQ(r.a.mainModels().schedule.periodText, row.shown);
    }
}

TEST(MainWindow, MinimisingSavesTheConfigurationExceptOnceAfterReduceAtStart) {
    const auto savedAfterMinimise = [](const std::string& configuration) {
        DesktopRig r(configuration);
        r.startUp();
        std::filesystem::remove(r.dir.path() / "skycrier.ini");
        r.control<QPushButton>("Button2")->click();
        const bool saved = std::filesystem::exists(r.dir.path() / "skycrier.ini");
        r.program.restore();
        return saved;
    };
    EXPECT_TRUE(savedAfterMinimise(""));
    // The start-up's own minimise used up the skip: the user's minimise saves.
    EXPECT_TRUE(savedAfterMinimise("REDUCE=Y\r\n"));

    DesktopRig r;
    r.a.mainModels().window.setNoSaveOnMinimise(true);
    r.control<QPushButton>("Button2")->click();
    EXPECT_FALSE(std::filesystem::exists(r.dir.path() / "skycrier.ini"));
    EXPECT_FALSE(r.a.mainModels().window.noSaveOnMinimise());
}

TEST(MainWindow, TheWaveChoosersTakeReadableFilesAndRejectOthersWithTheirDialog) {
    DesktopRig r;
    r.startUp();
    const std::string good = r.dir.write("header.wav", "RIFF");
    const struct {
        const char* button;
        std::string BulletinSettings::*path;
        const char* error;
    } rows[] = {
        {"ButtonParcourirEnTete", &BulletinSettings::headerFile, "error: Error: Nombre de archivo"},
        {"ButtonParcourirBrell", &BulletinSettings::greetingFile, "error: Fehler: Dateiname"},
        {"ButtonParcourirFin", &BulletinSettings::closingFile, "error: Fehler: Dateiname"},
    };
    for (const auto& row : rows) {
        auto* button = r.control<QPushButton>(row.button);
        r.chosenFile = good;
        button->click();
        EXPECT_EQ(r.a.mainModels().settings.*row.path, good) << row.button;
        EXPECT_EQ(button->toolTip().toStdString(), good) << row.button;
        r.chosenFile = (r.dir.path() / "gone.wav").string();
        r.dialogs.clear();
        button->click();
        EXPECT_EQ(r.dialogs, std::vector<std::string>{row.error}) << row.button;
        EXPECT_EQ(r.a.mainModels().settings.*row.path, "") << row.button;
        r.chosenFile.reset();  // a cancelled dialog changes nothing
        button->click();
        EXPECT_EQ(r.dialogs.size(), 1u);
    }
}

TEST(MainWindow, TheSoundCardPanelListsTheOutputsConfirmsOnlyAChoiceAndTheWindowShrinksBack) {
    DesktopRig r;
    r.startUp();
    r.program.mainWindow.show();
    const QSize without = r.program.mainWindow.size();
    auto* panel = r.control<QWidget>("PanelCarteSon");
    auto* list = r.control<QComboBox>("ComboBoxChoixOut");
    auto* ok = r.control<QPushButton>("BitBtnOKCarteSon");
    r.program.mainWindow.findChild<QAction*>("MenuCarteSon")->trigger();
    EXPECT_TRUE(panel->isVisibleTo(&r.program.mainWindow));
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0).toStdString(), "hw:CARD=Usb,DEV=0 — USB Audio");
    // "Seleccionar la placa de sonido" with nothing picked: a beep, the panel stays.
    r.control<QRadioButton>("RadioButtonCarteMoi")->click();
    ok->click();
    EXPECT_EQ(r.beeps, 1);
    EXPECT_TRUE(panel->isVisibleTo(&r.program.mainWindow));
    // An output without a card mixer: the slider's hint says the sound itself is scaled.
    r.catalogue.inSamples = {"hdmi"};
    list->activated(1);
    ok->click();
    EXPECT_FALSE(panel->isVisibleTo(&r.program.mainWindow));
    EXPECT_EQ(r.program.mainWindow.size(), without);
    EXPECT_EQ(r.a.mainModels().window.settings().outputDevice, (OutputDevice{kDefaultOutputDevice, "hdmi"}));
    r.loop.advance(1000);
    r.program.mainWindow.refresh();
    EXPECT_EQ(r.control<QSlider>("TrackBarVolume")->toolTip(), gui::shown(SoundOutput::kSamplesVolumeHint));
    // While a bulletin is on the air the device cannot change.
    r.a.requestBulletin(BulletinTrigger::Button);
    r.loop.advance(400);
    r.program.mainWindow.findChild<QAction*>("MenuCarteSon")->trigger();
    EXPECT_FALSE(ok->isEnabled());
}

TEST(MainWindow, TheTrayMenuAnnouncesTellsTheNextBulletinRestoresAndQuitsKeepingThePlace) {
    DesktopRig r("PERIOD=3\r\n");
    r.startUp();
    QMenu& menu = r.program.tray.menu();
    EXPECT_EQ(r.program.tray.icon().toolTip().toStdString(), "SkyCrier\npróximo anuncio a las 14:15");
    QAction* announce = menu.findChild<QAction*>("AnnounceNowItem");
    announce->trigger();
    EXPECT_TRUE(r.a.bulletinRunning());
    EXPECT_FALSE(announce->isEnabled()) << "one bulletin at a time";
    r.loop.advanceUntil([&] { return !r.a.bulletinRunning(); }, 120'000);
    r.program.refreshAll();
    EXPECT_TRUE(announce->isEnabled());

    EXPECT_EQ(menu.defaultAction()->objectName().toStdString(), "RestaurerItem");
    r.program.minimise(true);
    menu.findChild<QAction*>("ReduireItem")->trigger();
    menu.findChild<QAction*>("RestaurerItem")->trigger();
    EXPECT_TRUE(r.program.mainWindow.isVisible());
    EXPECT_FALSE(r.program.mainWindow.isMinimized());
    r.program.mainWindow.move(300, 200);
    menu.findChild<QAction*>("QuitterItem")->trigger();
    EXPECT_TRUE(r.program.program.closed());
    const std::string saved = test::fileText(r.dir.path() / "skycrier.ini");
    EXPECT_NE(saved.find("TOP=200\r\nLEFT=300\r\n"), std::string::npos) << saved;
}

// "?" > "Idioma": every open window, its menus, its values and the tray change
// language at once, nothing is left untranslated, and the choice is kept.
TEST(MainWindow, TheLanguageMenuRetranslatesEveryOpenWindowAndIsKept) {
    DesktopRig r("METEO=METAR\r\nMETAR_DAT=metar.txt\r\n");
    r.dir.write("metar.txt", "LEMD 071200Z 24012KT 9999 -RA FEW030 14/09 Q1009\n");
    r.startUp();
    r.a.sources().metarSource.poll();
    r.control<QWidget>("TFormCOM")->show();
    // "WINDOW.CONTROL", or a control of the first window that has one, or a tray item.
    const auto caption = [&](const QString& path) -> QString {
        const QStringList names = path.split('.');
        QObject* o = names.size() == 2 ? r.control<QWidget>(qPrintable(names[0]))->findChild<QObject*>(names[1])
                                       : r.control<QObject>(qPrintable(path));
        if (!o) o = r.program.tray.menu().findChild<QAction*>(path);
        if (auto* button = qobject_cast<QAbstractButton*>(o)) return button->text();
        if (auto* menu = qobject_cast<QMenu*>(o)) return menu->title();
        if (auto* group = qobject_cast<QGroupBox*>(o)) return group->title();
        if (auto* action = qobject_cast<QAction*>(o)) return action->text();
        return o ? qobject_cast<QWidget*>(o)->windowTitle() : QString("(none)");
    };
    const struct {
        const char* item;
        std::vector<std::pair<QString, QString>> captions;
        const char* saved;
    } rows[] = {
        {"EnglishItem",
         {{"Button1", "Announce now"}, {"menuFichier", "File"}, {"MenuDebutPlageHoraire", "Start hour (00h)"},
          {"TFormCOM", "Serial port"}, {"TFormCOM.GroupBox1", "PTT control (high)"}, {"RadioGroup1", "Weather sources"},
          {"TFormMeteoMETAR.CheckBoxVent", "Wind (km/h) = 22"}, {"TFormMeteoMETAR.CheckBoxPluie", "Light rain"}, {"QuitterItem", "Quit"}},
         "LANGUAGE=en\r\n"},
        {"SpanishItem",
         {{"Button1", "LOCUTAR"}, {"menuFichier", "Archivo"}, {"MenuDebutPlageHoraire", "Hora de inicio (00h)"},
          {"TFormCOM", "Puerto serie"}, {"TFormCOM.GroupBox1", "Control PTT (alto)"}, {"RadioGroup1", "Fuentes del WX"},
          {"TFormMeteoMETAR.CheckBoxVent", "Viento (km/h) = 22"}, {"TFormMeteoMETAR.CheckBoxPluie", "Lluvia ligera"}, {"QuitterItem", "Salir"}},
         "LANGUAGE=es\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        QAction* item = r.control<QAction>(row.item);
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_TRUE(item->isChecked());
        for (const auto& [name, expected] : row.captions) EXPECT_EQ(caption(name), expected) << name.toStdString();
        EXPECT_EQ(gui::untranslatedTexts(), QStringList());
        r.a.saveConfiguration(Announcer::Save::OnPurpose);
        EXPECT_TRUE(test::fileText(r.dir.path() / "skycrier.ini").ends_with(row.saved));
    }
}

// Which language the windows start in: --lang, else LANGUAGE=, else the locale.
TEST(MainWindow, TheLanguageIsGivenElseConfiguredElseTheLocales) {
    const char* const kLocaleVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, std::optional<std::string>> saved;
    for (const char* name : kLocaleVariables)
        saved[name] = std::getenv(name) ? std::optional<std::string>(std::getenv(name)) : std::nullopt;
    const struct {
        const char* configuration;
        std::optional<gui::Language> given;
        std::vector<std::pair<const char*, const char*>> environment;
        const char* announce;
    } rows[] = {
        {"", std::nullopt, {{"LANG", "es_ES.UTF-8"}}, "LOCUTAR"},
        {"", std::nullopt, {{"LANG", "es_ES.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}, "Announce now"},
        {"", std::nullopt, {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "es_MX:en"}}, "LOCUTAR"},
        {"", std::nullopt, {{"LANG", "de_DE.UTF-8"}}, "Announce now"},
        {"", std::nullopt, {}, "Announce now"},
        {"LANGUAGE=es\r\n", std::nullopt, {{"LANG", "en_US.UTF-8"}}, "LOCUTAR"},
        {"LANGUAGE=es\r\n", gui::Language::English, {}, "Announce now"},
        {"LANGUAGE=fr\r\n", std::nullopt, {{"LANG", "es_ES.UTF-8"}}, "LOCUTAR"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.configuration);
        for (const char* name : kLocaleVariables) ::unsetenv(name);
        for (const auto& [name, value] : row.environment) ::setenv(name, value, 1);
        DesktopRig r(row.configuration, row.given);
        r.startUp();
        EXPECT_EQ(r.control<QPushButton>("Button1")->text().toStdString(), row.announce);
    }
    for (const auto& [name, value] : saved) {
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
    }
}

TEST(MainWindow, AWholeConfigurationShowsInEveryControl) {
    DesktopRig r(
        "ENTETE=Y\r\nPAUSE=7\r\nHELLO=Y\r\nDATE=N\r\nFINAL=Y\r\nPERIOD=4\r\nSTART_RANGE=22\r\nEND_RANGE=6\r\n"
        "VOLUME=3\r\nMAXVOLUME=40\r\nVERSTART=1\r\nOLD=2\r\nROSE=16\r\nRECORD=Y\r\nRECORDER=/usr/bin/rec\r\n"
        "COM=/dev/ttyUSB0\r\nDTR=0\r\nUNITTC=N\r\nMETEO=METAR\r\nFICHIER_ENTETE=header.wav\r\nTOP=150\r\nLEFT=220\r\n");
    // An output whose volume is in the samples takes the configured one (a card's mixer keeps its own).
    r.catalogue.words.clear();
    r.catalogue.inSamples = {"default"};
    r.startUp();
    const auto checked = [&](const char* name) { return r.control<QCheckBox>(name)->isChecked(); };
    EXPECT_TRUE(checked("CheckBoxEntete"));
    EXPECT_TRUE(checked("CheckBoxBrell"));
    EXPECT_FALSE(checked("CheckBoxDate"));
    EXPECT_TRUE(checked("CheckBoxFin"));
    EXPECT_TRUE(checked("CheckBoxInfoVersion"));
    EXPECT_EQ(r.control<QSpinBox>("SpinEditPause")->value(), 7);
    EXPECT_EQ(r.control<QLineEdit>("Edit1")->text().toStdString(), "20");
    EXPECT_EQ(r.control<QSlider>("TrackBarVolume")->value(), 3);
    EXPECT_EQ(r.control<QProgressBar>("Gauge1")->value(), 40);
    EXPECT_EQ(r.control<QMenu>("MenuDebutPlageHoraire")->title().toStdString(), "Hora de inicio (22h)");
    EXPECT_TRUE(r.program.mainWindow.findChild<QAction*>("D22")->isChecked());
    EXPECT_TRUE(r.program.mainWindow.findChild<QAction*>("F06")->isChecked());
    EXPECT_TRUE(r.program.mainWindow.findChild<QAction*>("MenuAnnonce2h")->isChecked());
    EXPECT_TRUE(r.program.mainWindow.findChild<QAction*>("Menu16secteurs")->isChecked());
    EXPECT_TRUE(r.program.mainWindow.findChild<QAction*>("MenuRecord")->isChecked());
    EXPECT_EQ(r.program.mainWindow.windowTitle().toStdString(), "SkyCrier V2.2.2");
    EXPECT_EQ(r.program.mainWindow.pos(), QPoint(220, 150));
    EXPECT_EQ(r.control<QPushButton>("ButtonParcourirEnTete")->toolTip().toStdString(), "header.wav");
    // The lamps and the period say what they are when pointed at.
    for (const char* name : {"ImageLedON", "ImageLedOFF", "ImageBrell", "ImageBrellOff", "Edit1", "UpDownPeriode"})
        EXPECT_FALSE(r.control<QWidget>(name)->toolTip().isEmpty()) << name;
    r.program.refreshAll();
    EXPECT_EQ(r.control<QLabel>("LabelCOM")->text().toStdString(), "/dev/ttyUSB0");
    EXPECT_FALSE(r.control<QCheckBox>("CheckBoxDTR")->isChecked());
    EXPECT_TRUE(r.control<QCheckBox>("CheckBoxRTS")->isChecked());
    EXPECT_TRUE(r.control<QRadioButton>("RadioButtonTf")->isChecked());
    EXPECT_TRUE(r.control<QRadioButton>("RadioButtonMETAR")->isChecked());
    EXPECT_EQ(r.control<QLineEdit>("EditSonivue")->text().toStdString(), "/usr/bin/rec");
    EXPECT_EQ(r.control<QWidget>("TFormInfo")->findChild<QLabel*>("Label1")->text().toStdString(), "SkyCrier V2.2.2");
}

TEST(MainWindow, TheHiddenErrorSimulationTogglesOnCtrlAltE) {
    DesktopRig r;
    r.startUp();
    r.program.mainWindow.show();
    QApplication::setActiveWindow(&r.program.mainWindow);
    for (const bool expected : {true, false}) {
        QTest::keyClick(&r.program.mainWindow, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
        EXPECT_EQ(r.a.errorSimulation(), expected);
    }
}

TEST(MainWindow, TheRecorderWindowTakesAnExistingProgramAndBeepsForAVanishedOne) {
    DesktopRig r;
    r.startUp();
    auto* edit = r.control<QLineEdit>("EditSonivue");
    // Source windows have a "Navigar" of their own.
    auto* browse = r.control<QWidget>("TFormRecord")->findChild<QPushButton*>("ButtonParcourir");
    r.chosenFile = r.dir.write("recorder", "#!/bin/sh\n");
    browse->click();
    EXPECT_EQ(edit->text().toStdString(), *r.chosenFile);
    EXPECT_EQ(edit->selectedText(), edit->text());
    r.chosenFile = (r.dir.path() / "vanished").string();
    browse->click();
    EXPECT_EQ(edit->text().toStdString(), "");
    EXPECT_EQ(r.beeps, 1);
}

}  // namespace
}  // namespace skycrier
