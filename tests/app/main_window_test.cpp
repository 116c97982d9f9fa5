// The main window's own rules: the WAVE file choosers, minimising to the
// tray, autostart, the recorder window and the Escape key, as the window
// drives them and as loading the configuration does.

#include "app/main_window.h"

#include <gtest/gtest.h>

#include "support/announcer_rig.h"

namespace skycrier {
namespace {

struct FakeAutostart : Autostart {
    void setEnabled(bool on) override { calls.push_back(on); }
    std::vector<bool> calls;
};

TEST(MainWindow, AChosenWaveFileIsKeptOnlyWhenItCanBeRead) {
    const struct {
        void (MainWindowModel::*choose)(const std::string&);
        std::string BulletinSettings::*path;
        const std::string& (MainWindowModel::*hint)() const;
        const char* error;
    } choosers[] = {
        {&MainWindowModel::chooseHeaderFile, &BulletinSettings::headerFile, &MainWindowModel::headerFileHint,
         "Error: Nombre de archivo"},
        {&MainWindowModel::chooseGreetingFile, &BulletinSettings::greetingFile, &MainWindowModel::greetingFileHint,
         "Fehler: Dateiname"},
        {&MainWindowModel::chooseClosingFile, &BulletinSettings::closingFile, &MainWindowModel::closingFileHint,
         "Fehler: Dateiname"},
    };
    test::TempDir dir;
    const std::string wave = dir.write("with space é.wav", "RIFF");
    for (const auto& c : choosers) {
        ScheduleSettings schedule;
        BulletinSettings bulletin;
        MainWindowModel w(schedule, bulletin);
        std::vector<std::string> errors;
        w.showError = [&](const std::string& text) { errors.push_back(text); };
        (w.*c.choose)(wave);
        EXPECT_EQ(bulletin.*c.path, wave);
        EXPECT_EQ((w.*c.hint)(), wave);
        // A file that cannot be read empties the path, and the hint with it.
        (w.*c.choose)((dir.path() / "gone.wav").string());
        EXPECT_EQ(bulletin.*c.path, "");
        EXPECT_EQ((w.*c.hint)(), "");
        EXPECT_EQ(errors, std::vector<std::string>{c.error});
    }
}

TEST(MainWindow, MinimisingGoesToTheTrayWhenAskedAndSavesUnlessLoadingCausedIt) {
    const struct {
        void (MainWindowModel::*minimise)();
        bool startMinimised, noSaveOnMinimise;
        std::vector<bool> minimised;  // hideTaskbar of each minimise
        int saves;
    } cases[] = {
        {.minimise = &MainWindowModel::applyStartMinimised, .startMinimised = false, .noSaveOnMinimise = false,
         .minimised = {}, .saves = 0},
        {.minimise = &MainWindowModel::applyStartMinimised, .startMinimised = true, .noSaveOnMinimise = false,
         .minimised = {true}, .saves = 1},
        {.minimise = &MainWindowModel::applyStartMinimised, .startMinimised = true, .noSaveOnMinimise = true,
         .minimised = {true}, .saves = 0},
        {.minimise = &MainWindowModel::minimiseByUser, .startMinimised = false, .noSaveOnMinimise = false,
         .minimised = {false}, .saves = 1},
        {.minimise = &MainWindowModel::minimiseByUser, .startMinimised = true, .noSaveOnMinimise = false,
         .minimised = {true}, .saves = 1},
        {.minimise = &MainWindowModel::minimiseByUser, .startMinimised = false, .noSaveOnMinimise = true,
         .minimised = {false}, .saves = 0},
    };
    for (const auto& c : cases) {
        ScheduleSettings schedule;
        BulletinSettings bulletin;
        MainWindowModel w(schedule, bulletin);
        std::vector<bool> minimised;
        int saves = 0;
        w.minimiseApplication = [&](bool hideTaskbar) { minimised.push_back(hideTaskbar); };
        w.saveConfiguration = [&] { ++saves; };
        w.settings().startMinimised = c.startMinimised;
        w.setNoSaveOnMinimise(c.noSaveOnMinimise);
        (w.*c.minimise)();
        EXPECT_EQ(minimised, c.minimised);
        EXPECT_EQ(saves, c.saves);
        EXPECT_EQ(w.noSaveOnMinimise(), c.noSaveOnMinimise && c.minimised.empty());
    }
}

TEST(MainWindow, LoadingTheBoxesActsAsTheirClicks) {
    test::Rig r;
    FakeAutostart autostart;
    r.a.mainModels().window.setAutostart(&autostart);
    std::vector<bool> minimised;
    r.a.mainModels().window.minimiseApplication = [&](bool hideTaskbar) { minimised.push_back(hideTaskbar); };
    const auto ini = r.dir.path() / "skycrier.ini";
    EXPECT_TRUE(r.a.applyConfiguration(parseConfigText("START=Y\r\nREDUCE=Y\r\nSTART=Y\r\n")).empty());
    EXPECT_EQ(autostart.calls, std::vector<bool>{true});
    EXPECT_EQ(minimised, std::vector<bool>{true});
    EXPECT_FALSE(std::filesystem::exists(ini)) << "the minimise of loading saves nothing";
    r.a.mainModels().window.minimiseByUser();
    EXPECT_TRUE(std::filesystem::exists(ini)) << "the user's next minimise saves";
    r.a.mainModels().window.setStartWithSession(false);
    EXPECT_EQ(autostart.calls, (std::vector<bool>{true, false}));
}

TEST(MainWindow, TheRecordMenuTogglesAndTheRecorderMustExist) {
    test::Rig r;
    int beeps = 0;
    r.a.sources().context.beep = [&] { ++beeps; };
    EXPECT_TRUE(r.a.mainModels().window.toggleRecording()) << "checked: the recorder window is shown";
    EXPECT_FALSE(r.a.mainModels().window.toggleRecording());
    const std::string recorder = r.dir.write("tapewell", "");
    EXPECT_TRUE(r.a.recordWindow().takeChosenFile(recorder));
    EXPECT_EQ(r.a.mainModels().window.settings().recorderProgram, recorder);
    EXPECT_FALSE(r.a.recordWindow().takeChosenFile((r.dir.path() / "vanished").string()));
    EXPECT_EQ(r.a.mainModels().window.settings().recorderProgram, "");
    EXPECT_EQ(beeps, 1);
}

TEST(MainWindow, EscapeEndsTheBulletinOnTheAir) {
    test::Rig r;
    r.a.mainModels().settings.playClosing = true;
    r.a.mainModels().settings.closingFile = "kuckoo.wav";
    r.run([&](test::Rig& rig) { rig.a.mainModels().window.askToEndBulletin(); });
    EXPECT_EQ(r.recorder.lines,
              (test::Trace{"key DTR", "key RTS", "wait 300", "play son_mon", "unkey DTR", "unkey RTS", "done"}));
}

}  // namespace
}  // namespace skycrier
