// The METAR and APRS windows and their favourites: the named controls, an
// address fetched from a local server while the window goes on drawing, the
// history, an airport code fetched from its provider, the favourites kept in the configuration, the APRS units, the
// login browser's place, the present-weather box and the help button.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <functional>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "app/config_file.h"
#include "gui/aprs_window.h"
#include "gui/metar_window.h"
#include "gui/qt_event_loop.h"
#include "gui_rig.h"
#include "platform/http_fetch.h"
#include "support/http_test_server.h"

namespace skycrier {
namespace {

// The text a control shows as its caption.
QString captionOf(const QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    return {};
}

// The two windows; the file dialog answers with `chosen` and remembers what it was asked.
struct InternetWindowsRig {
    gui::Desktop fileDialog() {
        gui::Desktop d;
        d.chooseFile = [this](QWidget*, const std::string& filter, const std::string& suffix) {
            asked = filter + " " + suffix;
            return chosen;
        };
        return d;
    }

    test::GuiRig r;
    std::optional<std::string> chosen;
    std::string asked;
    gui::Desktop desktop = fileDialog();
    QMenu helpMenu;
    MetarSource& metarModel = r.a.sources().metarSource;
    AprsSource& aprsModel = r.a.sources().aprsSource;
    gui::MetarWindow metar{metarModel, helpMenu};
    gui::AprsWindow aprs{aprsModel, desktop};
};

// Where a keyboard's keys go once the user has clicked into the address line.
QWidget& addressFocus(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    auto* edit = test::control<QLineEdit>(window, "EditDat");
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();  // typed over, as a user does
    QWidget* focus = QApplication::focusWidget();
    if (!focus) throw std::runtime_error("the address line takes no focus");
    return *focus;
}

void typeAndEnter(QWidget& window, const std::string& text) {
    QWidget& focus = addressFocus(window);
    QTest::keyClicks(&focus, QString::fromStdString(text));
    QTest::keyClick(&focus, Qt::Key_Return);
}

TEST(InternetWindows, EveryWindowHasItsNamedControlsAndCaptions) {
    InternetWindowsRig s;
    // A caption of nullptr: only the control's presence.
    const struct {
        QWidget& window;
        std::vector<std::pair<const char*, const char*>> controls;
    } cases[] = {
        {s.metar,
         {{"EditDat", nullptr}, {"ComboBoxPath", nullptr}, {"LabelNomICAO", "===================="},
          {"LabelICAO", nullptr}, {"Editdatemeteo", nullptr}, {"ComboBoxTU", nullptr},
          {"SpinEditOffSetPression", nullptr}, {"Label6", "hPa"}, {"LabelTros", nullptr},
          {"CheckBoxPluie", "Precipitación ="}, {"StaticTextErreur", nullptr}, {"ButtonRafraichir", "Actualizar"},
          {"ButtonFav", "Favoritos"}, {"SpeedButtonMenuAide", "?"}}},
        {s.aprs,
         {{"EditDat", nullptr}, {"ComboBoxPath", nullptr}, {"ButtonParcourir", "Navigar"},
          {"RadioButtonKM", "km/h"}, {"RadioButtonMile", "mph"}, {"RadioButtonKnot", "knot"},
          {"RadioButtondegC", "°C"}, {"RadioButtonDegF", "°F"}, {"RadioButtonMM", "mm"},
          {"RadioButtonInch", "inch"}, {"GroupBoxIDPW", nullptr}, {"EditID", nullptr}, {"EditPW", nullptr},
          {"ButtonLogin", nullptr}, {"ButtonFav", "Favoritos"}}},
        {s.metar.favourites(),
         {{"Label1", Favourites::kInstruction}, {"Button1", "F1"}, {"Edit1", nullptr}, {"Button10", "F10"}}},
        {s.aprs.favourites(), {{"Button1", "F1"}, {"Edit10", nullptr}}},
    };
    for (const auto& c : cases)
        for (const auto& [name, caption] : c.controls) {
            SCOPED_TRACE(name);
            const auto* control = test::control<QWidget>(c.window, name);
            if (caption) {
                EXPECT_EQ(captionOf(*control), QString::fromUtf8(caption));
            }
        }
    EXPECT_EQ(s.metar.windowTitle(), "WX METAR (Aeropuertos)");
    EXPECT_EQ(s.aprs.windowTitle(), "WX APRS (formato UI-VIEW)");
    EXPECT_EQ(s.metar.favourites().objectName(), "TFormFavMETAR");
    EXPECT_EQ(s.metar.favourites().windowTitle(), "Favoritos METAR");
    EXPECT_EQ(s.aprs.favourites().objectName(), "TFormFavAPRS");
    EXPECT_EQ(s.aprs.favourites().windowTitle(), "Favoritos APRS");
    EXPECT_EQ(test::control<QLineEdit>(s.aprs, "EditPW")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(test::control<QLineEdit>(s.metar, "EditDat")->placeholderText(),
              QString::fromUtf8("Código OACI (EDDF), dirección o archivo"));
    const auto* timeZone = test::control<QComboBox>(s.metar, "ComboBoxTU");
    EXPECT_EQ(timeZone->itemText(0), "UT");
    EXPECT_EQ(timeZone->itemText(1), "Loc");
}

// An announcer on the program's own loop and fetcher.
struct LiveAnnouncer {
    gui::QtEventLoop loop;
    test::FakeWaveOut out{loop};
    test::FakeSerialLine line;
    test::TempDir dir;
    CurlFetcher web{loop};
    Announcer announcer{
        {.loop = loop, .sound = out, .serial = line, .folder = dir.path(), .showPortError = {}, .fetcher = &web}};
};

// The program's own loop and fetcher: the fetch runs on the fetcher's thread
// while the window keeps answering.
TEST(MetarWindow, EnterShowsTheProgressAtOnceAndTheReportWhenTheFetchIsIn) {
    test::HttpTestServer server(
        {{"/metar.txt", test::httpAnswer(200, "EDDF 101120Z 27010KT 9999 FEW030 12/05 Q1013\n")}});
    LiveAnnouncer live;
    Announcer& a = live.announcer;
    QMenu helpMenu;
    gui::MetarWindow window{a.sources().metarSource, helpMenu};
    window.show();

    typeAndEnter(window, server.url("/metar.txt") + " //Frankfurt");
    EXPECT_EQ(test::control<QLabel>(window, "LabelNomICAO")->text(), "Frankfurt");
    EXPECT_EQ(test::control<QLabel>(window, "StaticTextErreur")->text(), "Descargar ...");

    const auto* code = test::control<QLabel>(window, "LabelICAO");
    ASSERT_TRUE(QTest::qWaitFor([code] { return code->text() == "Código aeropuerto= EDDF"; }, 10'000));
    EXPECT_EQ(test::control<QLabel>(window, "StaticTextErreur")->text(), "");
    EXPECT_EQ(test::control<QAbstractButton>(window, "CheckBoxText")->text(), "T-ext (°C) = 12.0");
    EXPECT_EQ(test::control<QComboBox>(window, "ComboBoxPath")->count(), 1);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].rfind("GET /metar.txt HTTP/1.1", 0), 0u) << server.requests()[0];
}

// A local server stands in for the provider of plain METAR text files.
TEST(MetarWindow, AnAirportCodeIsFetchedFromTheProviderAndTheHistoryAndFavouritesKeepIt) {
    const auto file = [](const std::string& report) {
        return test::httpAnswer(200, "2026/03/10 11:20\n" + report + "\n");
    };
    test::HttpTestServer server({{"/stations/EDDF.TXT", file("EDDF 101120Z 27010KT 9999 FEW030 12/05 Q1013")},
                                 {"/stations/LFPG.TXT", file("LFPG 101130Z 18005KT CAVOK 09/03 Q1020")}});
    LiveAnnouncer live;
    Announcer& a = live.announcer;
    a.applyConfiguration(parseConfigText("METAR_PROVIDER=" + server.url("/stations/{ICAO}.TXT") + "\r\n"));
    MetarSource& model = a.sources().metarSource;
    QMenu helpMenu;
    gui::MetarWindow window{model, helpMenu};
    const auto* code = test::control<QLabel>(window, "LabelICAO");
    auto* history = test::control<QComboBox>(window, "ComboBoxPath");

    typeAndEnter(window, " eddf");
    ASSERT_TRUE(QTest::qWaitFor([code] { return code->text() == "Código aeropuerto= EDDF"; }, 10'000));
    EXPECT_EQ(test::control<QAbstractButton>(window, "CheckBoxText")->text(), "T-ext (°C) = 12.0");
    EXPECT_EQ(test::control<QLineEdit>(window, "EditDat")->text(), "EDDF");
    EXPECT_EQ(history->itemText(0), "EDDF");

    test::control<QAbstractButton>(window, "ButtonFav")->click();
    QTest::keyClicks(test::control<QLineEdit>(window.favourites(), "Edit2"), "LFPG");
    test::control<QAbstractButton>(window.favourites(), "Button2")->click();
    ASSERT_TRUE(QTest::qWaitFor([code] { return code->text() == "Código aeropuerto= LFPG"; }, 10'000));
    EXPECT_EQ(history->itemText(1), "LFPG");
    const std::string saved = a.configurationText();
    for (const char* kept : {"METAR_DAT=LFPG\r\n", "METAR_LIST=EDDF\r\nMETAR_LIST=LFPG\r\n", "METAR_FAV2=LFPG\r\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept;
    EXPECT_TRUE(saved.ends_with("METAR_PROVIDER=" + server.url("/stations/{ICAO}.TXT") + "\r\n"));
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(server.requests()[0].rfind("GET /stations/EDDF.TXT HTTP/1.1", 0), 0u) << server.requests()[0];
    EXPECT_EQ(server.requests()[1].rfind("GET /stations/LFPG.TXT HTTP/1.1", 0), 0u) << server.requests()[1];
}

TEST(MetarWindow, ThePresentWeatherBoxIsSpokenAndKeptAndTheHelpButtonOpensTheHelpMenu) {
    InternetWindowsRig s;
    s.helpMenu.addAction("Ayuda");
    s.metar.show();
    auto* weather = test::control<QAbstractButton>(s.metar, "CheckBoxPluie");
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on);
        if (weather->isChecked() != on) weather->click();
        EXPECT_EQ(s.metarModel.itemEnabled(MeteoField::Phenomena), on);
        EXPECT_EQ(s.r.a.configurationText().find("METAR_PLUIE=Y\r\n") != std::string::npos, on);
    }

    test::control<QAbstractButton>(s.metar, "SpeedButtonMenuAide")->click();
    EXPECT_TRUE(s.helpMenu.isVisible());
    s.helpMenu.close();
}

TEST(MetarWindow, TheHistoryKeepsTenEntriesAndAPickRunsTheChangeHandler) {
    InternetWindowsRig s;
    s.metar.show();
    const auto address = [](int n) {
        return "http://127.0.0.1:1/" + std::to_string(n) + " //Station " + std::to_string(n);
    };
    for (int n = 1; n <= 11; ++n) typeAndEnter(s.metar, address(n));

    auto* history = test::control<QComboBox>(s.metar, "ComboBoxPath");
    ASSERT_EQ(history->count(), 10);
    // The newest goes first; the last place's entry is dropped.
    EXPECT_EQ(history->itemText(0).toStdString(), address(11));
    EXPECT_EQ(history->itemText(1).toStdString(), address(1));
    EXPECT_EQ(history->findText(QString::fromStdString(address(10))), -1);
    EXPECT_EQ(test::control<QLabel>(s.metar, "StaticTextErreur")->text(), "Error archivo #1: no connection to the web");

    Q_EMIT history->activated(4);  // what the list sends when the user picks an entry
    EXPECT_EQ(test::control<QLineEdit>(s.metar, "EditDat")->text().toStdString(), address(4));
    EXPECT_EQ(test::control<QLabel>(s.metar, "LabelNomICAO")->text(), "Station 4");
    EXPECT_EQ(s.metarModel.addressHistory().ItemIndex(), 4);
    EXPECT_EQ(history->currentIndex(), 4);
}

TEST(FavouritesWindows, EntriesRoundTripThroughTheConfigurationAndLoadWithOneClick) {
    const struct {
        const char* key;
        bool metar;
    } cases[] = {{"METAR_FAV", true}, {"APRS_FAV", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        std::string saved;
        {
            InternetWindowsRig s;
            gui::InternetSourceWindow& source = c.metar ? static_cast<gui::InternetSourceWindow&>(s.metar) : s.aprs;
            source.show();
            test::control<QAbstractButton>(source, "ButtonFav")->click();
            gui::FavouritesWindow& favourites = source.favourites();
            EXPECT_TRUE(favourites.isVisible());
            QTest::keyClicks(test::control<QLineEdit>(favourites, "Edit3"), "http://127.0.0.1:1/three");
            QTest::keyClicks(test::control<QLineEdit>(favourites, "Edit7"), "http://127.0.0.1:1/seven");
            saved = s.r.a.configurationText();
        }
        EXPECT_NE(saved.find(std::string(c.key) + "3=http://127.0.0.1:1/three\r\n"), std::string::npos);
        EXPECT_NE(saved.find(std::string(c.key) + "7=http://127.0.0.1:1/seven\r\n"), std::string::npos);
        EXPECT_EQ(saved.find(std::string(c.key) + "1="), std::string::npos);

        InternetWindowsRig s;
        s.r.a.applyConfiguration(parseConfigText(saved));
        gui::InternetSourceWindow& source = c.metar ? static_cast<gui::InternetSourceWindow&>(s.metar) : s.aprs;
        source.refresh();
        source.show();
        test::control<QAbstractButton>(source, "ButtonFav")->click();
        gui::FavouritesWindow& favourites = source.favourites();
        EXPECT_EQ(test::control<QLineEdit>(favourites, "Edit7")->text(), "http://127.0.0.1:1/seven");
        EXPECT_EQ(test::control<QLineEdit>(favourites, "Edit1")->text(), "");

        test::control<QAbstractButton>(favourites, "Button7")->click();
        EXPECT_EQ(test::control<QLineEdit>(source, "EditDat")->text(), "http://127.0.0.1:1/seven");
        EXPECT_FALSE(favourites.isVisible());  // the refresh hides the favourites
    }
}

TEST(AprsWindow, UnitButtonsAndTheChosenFileReachTheModel) {
    InternetWindowsRig s;
    s.aprs.show();
    const AprsInputUnits& input = s.aprsModel.inputUnits();
    EXPECT_TRUE(test::control<QAbstractButton>(s.aprs, "RadioButtonMile")->isChecked());
    const struct {
        const char* button;
        AprsWindUnit wind;
        bool fahrenheit;
        bool hundredthsOfInch;
    } cases[] = {
        {.button = "RadioButtonKM", .wind = AprsWindUnit::Kmh, .fahrenheit = true, .hundredthsOfInch = true},
        {.button = "RadioButtonKnot", .wind = AprsWindUnit::Knot, .fahrenheit = true, .hundredthsOfInch = true},
        {.button = "RadioButtondegC", .wind = AprsWindUnit::Knot, .fahrenheit = false, .hundredthsOfInch = true},
        {.button = "RadioButtonMM", .wind = AprsWindUnit::Knot, .fahrenheit = false, .hundredthsOfInch = false},
        {.button = "RadioButtonDegF", .wind = AprsWindUnit::Knot, .fahrenheit = true, .hundredthsOfInch = false},
        {.button = "RadioButtonInch", .wind = AprsWindUnit::Knot, .fahrenheit = true, .hundredthsOfInch = true},
        {.button = "RadioButtonMile", .wind = AprsWindUnit::Mph, .fahrenheit = true, .hundredthsOfInch = true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        test::control<QAbstractButton>(s.aprs, c.button)->click();
        EXPECT_EQ(input.wind, c.wind);
        EXPECT_EQ(input.fahrenheit, c.fahrenheit);
        EXPECT_EQ(input.hundredthsOfInch, c.hundredthsOfInch);
    }

    const std::string file =
        s.r.dir.write("WXNOW.TXT", "Jan 15 2024 12:34\r\n220/004g005t077r000p000P000h50b09900\r\n");
    s.chosen = file;
    test::control<QAbstractButton>(s.aprs, "ButtonParcourir")->click();
    EXPECT_EQ(s.asked, "Fichiers WXNOW.TXT|*.txt txt");
    EXPECT_EQ(test::control<QLineEdit>(s.aprs, "EditDat")->text().toStdString(), file);
    EXPECT_EQ(test::control<QComboBox>(s.aprs, "ComboBoxPath")->itemText(0).toStdString(), file);
    EXPECT_EQ(test::control<QLineEdit>(s.aprs, "Editdatemeteo")->text(), "Jan 15 2024 12:34");
    EXPECT_EQ(test::control<QAbstractButton>(s.aprs, "CheckBoxPatm")->text(), "P-atm (hPa) = 990.0");
}

TEST(AprsWindow, AFilePathTypedWithEnterIsRead) {
    InternetWindowsRig s;
    const std::string file =
        s.r.dir.write("WXNOW.TXT", "Feb 02 2024 08:15\r\n180/010g015t050r000p000P000h80b10130\r\n");
    typeAndEnter(s.aprs, file);
    EXPECT_EQ(test::control<QLineEdit>(s.aprs, "Editdatemeteo")->text(), "Feb 02 2024 08:15");
    EXPECT_EQ(test::control<QAbstractButton>(s.aprs, "CheckBoxPatm")->text(), "P-atm (hPa) = 1013.0");
    EXPECT_EQ(test::control<QComboBox>(s.aprs, "ComboBoxPath")->itemText(0).toStdString(), file);
}

TEST(AprsWindow, LoginShowsTheGivenBrowserBelowAndAKeyInTheAddressHidesIt) {
    InternetWindowsRig s;
    s.aprs.show();
    auto* browser = new QWidget;
    browser->resize(300, 150);
    s.aprs.setLoginBrowser(browser);
    const int normal = s.aprs.height();
    EXPECT_TRUE(browser->isHidden());

    auto* login = test::control<QAbstractButton>(s.aprs, "ButtonLogin");
    QWidget* address = &addressFocus(s.aprs);
    const struct {
        const char* what;
        std::function<void()> act;
        bool shown;
    } steps[] = {
        {"login", [login] { login->click(); }, true},
        {"login again", [login] { login->click(); }, false},
        {"login", [login] { login->click(); }, true},
        {"a key in the address", [address] { QTest::keyClick(address, Qt::Key_A); }, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(s.aprsModel.browserVisible(), step.shown);
        EXPECT_EQ(browser->isHidden(), !step.shown);
        EXPECT_EQ(s.aprs.height(), normal + (step.shown ? 150 + 20 : 0));
    }
}

}  // namespace
}  // namespace skycrier
