#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <memory>
#include <vector>

#include "gui/source_choice_window.h"
#include "gui/source_window_frame.h"
#include "gui/window_geometry.h"
#include "app/config_file.h"
#include "base/rounding.h"
#include "desktop_rig.h"
#include "gui_rig.h"
#include "support/fake_weather_monitor.h"
#include "support/review_inputs.h"
#include "support/trace_recorder.h"

namespace skycrier {
namespace {

// The choice window, shown over a main window at (200, 100) sized 400 x 300,
// and the six source windows, refreshed after a choice as the program does.
struct SourceWindowsRig {
    SourceWindowsRig(bool reduced = false) {
        r.a.mainModels().window.settings().startMinimised = reduced;
        for (const auto& title : gui::kSourceWindowTitles)
            sources.push_back(
                std::make_unique<gui::SourceWindowFrame>(model.window(title.kind)));
        QObject::connect(&choice, &gui::SourceChoiceWindow::changed, [this] {
            for (auto& source : sources) source->refresh();
        });
        choice.show();
    }
    gui::SourceWindowFrame& source(SourceKind kind) { return *sources[static_cast<std::size_t>(kind) - 1]; }
    void choose(const char* button) { test::control<QRadioButton>(choice, button)->click(); }

    test::GuiRig r;
    SourceChoice& model = r.a.sources().sourceChoice;
    gui::SourceChoiceWindow choice{
        model, [] { return WindowGeometry{.top = 100, .left = 200, .width = 400, .height = 300}; }};
    std::vector<std::unique_ptr<gui::SourceWindowFrame>> sources;
};

TEST(SourceWindows, ChoosingASourceChecksItAndShowsItsWindowWhereTheModelSays) {
    const struct {
        const char* button;
        SourceKind kind;
        bool startMinimised;
        bool shown;
    } cases[] = {
        {.button = "RadioButtonW23", .kind = SourceKind::W23, .startMinimised = false, .shown = true},
        {.button = "RadioButtonW28", .kind = SourceKind::W28, .startMinimised = false, .shown = true},
        {.button = "RadioButtonPro2", .kind = SourceKind::Pro2, .startMinimised = false, .shown = true},
        {.button = "RadioButtonAPRS", .kind = SourceKind::APRS, .startMinimised = false, .shown = true},
        {.button = "RadioButtonMETAR", .kind = SourceKind::METAR, .startMinimised = false, .shown = true},
        // The Weather Monitor II without a port: its window asks for one, even reduced.
        {.button = "RadioButtonMON", .kind = SourceKind::MON, .startMinimised = false, .shown = true},
        {.button = "RadioButtonMON", .kind = SourceKind::MON, .startMinimised = true, .shown = true},
        // The main window's startMinimised: the source runs without its window.
        {.button = "RadioButtonW23", .kind = SourceKind::W23, .startMinimised = true, .shown = false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        SourceWindowsRig s(c.startMinimised);
        EXPECT_NEAR(s.choice.x() + s.choice.width() / 2.0, 400, 1.0);  // centred on the main window
        EXPECT_NEAR(s.choice.y() + s.choice.height() / 2.0, 250, 1.0);
        s.choose(c.button);
        EXPECT_TRUE(s.model.isChecked(c.kind));
        EXPECT_FALSE(test::control<QRadioButton>(s.choice, "RadioButtonNoMeteo")->isChecked());
        for (const auto& title : gui::kSourceWindowTitles)
            EXPECT_EQ(s.source(title.kind).isVisible(), c.shown && title.kind == c.kind) << title.name;
        // An opening source window closes the choice.
        EXPECT_EQ(s.choice.isVisible(), !c.shown);
        EXPECT_EQ(s.model.visible(), !c.shown);
    }
}

TEST(SourceWindows, ASourceWindowShowsItsErrorOpensShowingAllItsControlsAndClosingKeepsItsPlace) {
    SourceWindowsRig s;
    s.choose("RadioButtonW23");
    gui::SourceWindowFrame& w23 = s.source(SourceKind::W23);
    s.r.a.sources().ws23Source.poller().setError("Err: history.dat");
    w23.refresh();
    EXPECT_EQ(test::control<QLabel>(w23, "StaticTextErreur")->text(), "Err: history.dat");

    // The stored place (287 x 267 by default) is smaller than the controls: the window opens at their size.
    EXPECT_GE(w23.width(), w23.sizeHint().width());
    EXPECT_GE(w23.height(), w23.sizeHint().height());

    // A larger size the user gave is kept for the next window.
    const QSize larger = w23.size() + QSize(40, 30);
    w23.move(30, 40);
    w23.resize(larger);
    w23.close();
    EXPECT_FALSE(s.r.a.sources().ws23Source.visible());
    s.choose("RadioButtonW28");
    EXPECT_EQ(s.source(SourceKind::W28).size(), larger);
    EXPECT_EQ(s.source(SourceKind::W28).pos(), QPoint(30, 40));
}

// A source window that would open over the main window opens beside it, where the screen has room.
TEST(SourceWindows, AWindowOverTheMainWindowMovesToItsRightOrBelow) {
    const WindowGeometry main{.top = 100, .left = 0, .width = 500, .height = 400};
    const struct {
        const char* what;
        WindowGeometry window;
        QRect screen;
        QPoint placed;
    } cases[] = {
        {"clear of it", {.top = 0, .left = 600, .width = 300, .height = 500}, {0, 0, 1600, 1200}, {600, 0}},
        {"over it", {.top = 0, .left = 0, .width = 300, .height = 500}, {0, 0, 1600, 1200}, {508, 100}},
        {"no room right", {.top = 0, .left = 0, .width = 300, .height = 200}, {0, 0, 700, 800}, {0, 508}},
        {"no room at all", {.top = 0, .left = 0, .width = 300, .height = 500}, {0, 0, 700, 800}, {0, 0}},
    };
    for (const auto& c : cases) {
        const WindowGeometry placed = gui::besideIfCovering(c.window, main, c.screen);
        EXPECT_EQ(QPoint(placed.left, placed.top), c.placed) << c.what;
        EXPECT_EQ(placed.width, c.window.width) << c.what;
    }
}

// Each source polled from real inputs; the bulletin after a choice speaks the
// outside temperature of the source chosen.
TEST(SourceWindows, TheNextBulletinSpeaksFromTheChosenSource) {
    test::DesktopRig r;
    test::FakeWeatherMonitor console{r.loop};
    console.values[WeatherMonitorLink::Reading::OutsideTemp] = 23;  // °F: -5 °C
    r.a.sources().context.weatherMonitor = &console;
    const auto ini = test::writeReviewInputs(r.dir.path(), r.loop.localNow(), "", "1");
    std::string error;
    r.a.applyConfiguration(parseConfigText(*readWholeFile(ini.string(), error)));
    r.startUp();
    test::TraceRecorder trace(r.a.bulletinEvents());
    for (const char* button : {"RadioButtonW23", "RadioButtonW28", "RadioButtonPro2", "RadioButtonMETAR",
                               "RadioButtonAPRS", "RadioButtonMON"}) {
        SCOPED_TRACE(button);
        r.control<QRadioButton>(button)->click();
        r.loop.advance(100);
        const SourceKind kind = r.a.sources().sourceChoice.checkedSource();
        const int text = *roundHalfEven(r.a.sources().sourceChoice.meteo(kind).Text);
        trace.clear();
        r.a.requestBulletin(BulletinTrigger::Button);
        ASSERT_TRUE(r.loop.advanceUntil([&] { return trace.finished(); }, 600'000));
        std::string spoken;
        for (const std::string& line : trace.lines) spoken += line + "\n";
        const std::string words = "play son_ext_temp\n" + std::string(text < 0 ? "play son_minus\n" : "") +
                                  "play son" + std::to_string(std::abs(text)) + "\nplay son_degrees\n";
        EXPECT_NE(spoken.find(words), std::string::npos) << words << "in:\n" << spoken;
    }
}

}  // namespace
}  // namespace skycrier
