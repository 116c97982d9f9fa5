// The main window's own rules: the WAVE file choosers, minimising to the
// tray, autostart, the recorder window and the Escape key, as the window
// drives them and as loading the configuration does.

#include "app/main_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/announcer_rig.h"

namespace skycrier {
namespace {

class FakeAutostart : public Autostart {
public:
    void setEnabled(bool on) override { calls.push_back(on); }
    std::vector<bool> calls;
};

TEST(MainWindow, AChosenWaveFileIsKeptOnlyWhenItCanBeRead) {
    struct Chooser {
        void (TForm1::*choose)(const std::string&);
        std::string BulletinSettings::*path;
        TForm1::FileButton TForm1::*button;
        const char* error;
    };
    const Chooser choosers[] = {
        {&TForm1::chooseHeaderFile, &BulletinSettings::headerFile, &TForm1::ButtonParcourirEnTete,
         "Error: Nombre de archivo"},
        {&TForm1::chooseGreetingFile, &BulletinSettings::greetingFile, &TForm1::ButtonParcourirBrell,
         "Fehler: Dateiname"},
        {&TForm1::chooseClosingFile, &BulletinSettings::closingFile, &TForm1::ButtonParcourirFin, "Fehler: Dateiname"},
    };
    test::TempDir dir;
    const std::string wave = dir.write("with space é.wav", "RIFF");
    for (const Chooser& c : choosers) {
        SCOPED_TRACE(c.error);
        ScheduleSettings schedule;
        BulletinSettings bulletin;
        TForm1 w(schedule, bulletin);
        std::vector<std::string> errors;
        w.showError = [&](const std::string& text) { errors.push_back(text); };

        (w.*c.choose)(wave);
        EXPECT_EQ(bulletin.*c.path, wave);
        EXPECT_EQ((w.*c.button).Hint, wave);
        for (const std::string& unreadable : {(dir.path() / "gone.wav").string(), dir.path().string()}) {
            (w.*c.choose)(unreadable);
            EXPECT_EQ(bulletin.*c.path, "");
            EXPECT_EQ((w.*c.button).Hint, wave);
        }
        EXPECT_EQ(errors, std::vector<std::string>(2, c.error));
    }
}

TEST(MainWindow, MinimisingGoesToTheTrayWhenAskedAndSavesUnlessLoadingCausedIt) {
    struct Case {
        const char* what;
        void (TForm1::*click)();
        bool reduce;
        bool noSave;
        std::vector<bool> minimised;  // hideTaskbar of each minimise
        int saves;
    };
    const Case cases[] = {
        {"box unchecked", &TForm1::CheckBoxReduireClick, false, false, {}, 0},
        {"box checked", &TForm1::CheckBoxReduireClick, true, false, {true}, 1},
        {"box checked by loading", &TForm1::CheckBoxReduireClick, true, true, {true}, 0},
        {"- leaves a taskbar button", &TForm1::Button2Click, false, false, {false}, 1},
        {"- with the box checked", &TForm1::Button2Click, true, false, {true}, 1},
        {"- after loading", &TForm1::Button2Click, false, true, {false}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScheduleSettings schedule;
        BulletinSettings bulletin;
        TForm1 w(schedule, bulletin);
        std::vector<bool> minimised;
        int saves = 0;
        w.minimiseApplication = [&](bool hideTaskbar) { minimised.push_back(hideTaskbar); };
        w.saveConfiguration = [&] { ++saves; };
        w.CheckBoxReduire = c.reduce;
        w.noSaveOnMinimise = c.noSave;
        (w.*c.click)();
        EXPECT_EQ(minimised, c.minimised);
        EXPECT_EQ(saves, c.saves);
        EXPECT_EQ(w.noSaveOnMinimise, c.noSave && c.minimised.empty());
    }
}

TEST(MainWindow, LoadingTheBoxesActsAsTheirClicks) {
    test::Rig r;
    FakeAutostart autostart;
    r.a.mainWindow.autostart = &autostart;
    std::vector<bool> minimised;
    r.a.mainWindow.minimiseApplication = [&](bool hideTaskbar) { minimised.push_back(hideTaskbar); };
    const auto ini = r.dir.path() / "skycrier.ini";

    EXPECT_TRUE(r.a.applyConfiguration(parseConfigText("START=Y\r\nREDUCE=Y\r\nSTART=Y\r\n")).empty());
    EXPECT_EQ(autostart.calls, std::vector<bool>{true});
    EXPECT_EQ(minimised, std::vector<bool>{true});
    EXPECT_FALSE(std::filesystem::exists(ini)) << "the minimise of loading saves nothing";

    r.a.mainWindow.Button2Click();
    EXPECT_TRUE(std::filesystem::exists(ini)) << "the user's next minimise saves";

    r.a.mainWindow.CheckBoxDemarrage = false;
    r.a.mainWindow.CheckBoxDemarrageClick();
    EXPECT_EQ(autostart.calls, (std::vector<bool>{true, false}));
}

TEST(MainWindow, TheRecordMenuTogglesAndTheRecorderMustExist) {
    test::Rig r;
    int beeps = 0;
    r.a.stations.context.beep = [&] { ++beeps; };
    EXPECT_TRUE(r.a.mainWindow.MenuRecordClick()) << "checked: the recorder window is shown";
    EXPECT_FALSE(r.a.mainWindow.MenuRecordClick());
    EXPECT_FALSE(r.a.mainWindow.MenuRecord);

    const std::string recorder = r.dir.write("tapewell", "#!/bin/sh\n");
    EXPECT_TRUE(r.a.FormRecord.ButtonParcourirClick(recorder));
    EXPECT_EQ(r.a.mainWindow.EditSonivue, recorder);
    EXPECT_EQ(beeps, 0);
    EXPECT_FALSE(r.a.FormRecord.ButtonParcourirClick((r.dir.path() / "vanished").string()));
    EXPECT_EQ(r.a.mainWindow.EditSonivue, "");
    EXPECT_EQ(beeps, 1);
}

TEST(MainWindow, EscapeEndsTheBulletinOnTheAirAndNoKeyReachesTheControls) {
    test::Rig r;
    int key = 'A';
    r.a.mainWindow.FormKeyDown(key);
    EXPECT_EQ(key, 0);
    key = kKeyEscape;
    r.a.mainWindow.FormKeyDown(key);  // no bulletin: nothing to end
    EXPECT_EQ(key, 0);
    r.a.settings.CheckBoxFin = true;
    r.a.settings.closingFile = "kuckoo.wav";
    r.run([](test::Rig& rig) {
        int escape = kKeyEscape;
        rig.a.mainWindow.FormKeyDown(escape);
    });
    EXPECT_EQ(r.recorder.lines,
              (test::Trace{"key DTR", "key RTS", "wait 300", "play son_mon", "unkey DTR", "unkey RTS", "done"}));
}

}  // namespace
}  // namespace skycrier
