#include "gui/history_source_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <climits>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "gui/desktop.h"
#include "gui_rig.h"
#include "support/station_files.h"

namespace skycrier {
namespace {

double newestRecordTime() { return encodeDateTime(2026, 12, 7, 14, 0, 0); }

// A file of each station whose newest outside temperature (80 °C, or 150 °F
// for the Vantage Pro2) is implausible, so its box turns red.
struct Station {
    SourceKind kind;
    const char* window;
    const char* fileLabel;
    const char* filter;
    const char* suffix;
    int maximumThreshold;
    const char* fileName;
    std::string (*fileBytes)();
};

const Station kStations[] = {
    {SourceKind::W23, "TFormMeteoW23", "Archivo history.dat", "Fichiers history.dat|*.dat", "dat", 9, "history.dat",
     [] { return test::ws23File(test::ws23Series(3, newestRecordTime(), 10, {.tempOut = 80})); }},
    {SourceKind::W28, "TFormMeteoW28", "Archivo history.dat", "Fichiers history.dat|*.dat", "dat", 40, "history.dat",
     [] {
         return test::ws28File(test::ws28Series(
             3, newestRecordTime(), 10, {.absolutePressure = 1013, .relativePressure = 1020, .tempOut = 80}));
     }},
    {SourceKind::Pro2, "TFormMeteoPro2", "Archivo .wlk", "Fichier weatherlink wlk|*.wlk", "wlk", 9, "2026-12.wlk",
     [] { return test::wlkFile(test::withDailySummaries({{.day = 1, .minutes = 600, .tempOut = 1500}})); }},
};

// One station's window with a chooser that answers `answer` and remembers what it was asked.
struct HistoryWindowRig {
    explicit HistoryWindowRig(SourceKind kind) {
        desktop.chooseFile = [this](QWidget*, const std::string& filter, const std::string& suffix) {
            asked = filter + " " + suffix;
            return answer;
        };
        if (kind == SourceKind::W23) window = std::make_unique<gui::HistorySourceWindow>(s.ws23Source, desktop);
        if (kind == SourceKind::W28) window = std::make_unique<gui::HistorySourceWindow>(s.ws28Source, desktop);
        if (kind == SourceKind::Pro2) window = std::make_unique<gui::HistorySourceWindow>(s.pro2Source, desktop);
    }
    // Writes the station's file and picks it through "Navigar".
    std::string choose(const Station& station) {
        answer = r.dir.write(station.fileName, station.fileBytes());
        control<QPushButton>("ButtonParcourir")->click();
        return *answer;
    }
    template <typename T>
    T* control(const char* name) {
        return test::control<T>(*window, name);
    }

    test::GuiRig r;
    SourceModels& s = r.a.sources();
    gui::Desktop desktop = gui::Desktop::toStream(std::cerr);
    std::optional<std::string> answer;
    std::string asked;
    std::unique_ptr<gui::HistorySourceWindow> window;
};

HistorySource& modelOf(SourceModels& s, SourceKind kind) {
    if (kind == SourceKind::W23) return s.ws23Source;
    if (kind == SourceKind::W28) return s.ws28Source;
    return s.pro2Source;
}

bool isRed(const QWidget* widget) { return widget->styleSheet().contains(QStringLiteral("255, 0, 0")); }

bool hasLabel(const QWidget& window, const char* text) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->text() == QString::fromUtf8(text)) return true;
    return false;
}

TEST(HistoryWindows, EachWindowHasItsControlsAndHandsTheirChangesAndEscapeToTheModel) {
    for (const Station& station : kStations) {
        SCOPED_TRACE(station.window);
        HistoryWindowRig h(station.kind);
        EXPECT_EQ(h.window->objectName(), station.window);
        for (const char* label : {station.fileLabel, "Fecha y hora", "Corrección de presión", "Paso de tendencia"})
            EXPECT_TRUE(hasLabel(*h.window, label)) << label;
        EXPECT_EQ(h.control<QPushButton>("ButtonParcourir")->text(), "Navigar");
        EXPECT_TRUE(h.control<QLineEdit>("Editdatemeteo")->isReadOnly());
        EXPECT_EQ(h.control<QLabel>("Label6")->text(), "hPa");
        EXPECT_EQ(h.control<QLabel>("Label9")->text(), "0.1*mB/h");
        EXPECT_EQ(h.control<QLabel>("LabelTros")->text(), "Punto de rocio (°C) =");

        auto* correction = h.control<QSpinBox>("SpinEditOffSetPression");
        EXPECT_EQ(correction->minimum(), INT_MIN);
        correction->setValue(-12);
        HistorySource& model = modelOf(h.s, station.kind);
        EXPECT_EQ(model.pressureCorrection().value(), -12);
        auto* threshold = h.control<QSpinBox>("SpinEditSeuiltendance");
        EXPECT_EQ(threshold->maximum(), station.maximumThreshold);
        threshold->setValue(7);
        EXPECT_DOUBLE_EQ(h.s.context.TendencyThreshold, 0.7);
        // The configuration sets it in the model; the window follows.
        model.setTendencyThreshold(2);
        h.window->refresh();
        EXPECT_EQ(threshold->value(), 2);

        int escapes = 0;
        h.s.context.escapeRequest = [&escapes] { ++escapes; };
        QTest::keyClick(h.window.get(), Qt::Key_A);
        QTest::keyClick(h.window.get(), Qt::Key_Escape);
        EXPECT_EQ(escapes, 1);

        const auto* absolute = h.window->findChild<QRadioButton*>("RadioButtonPABS");
        ASSERT_EQ(absolute != nullptr, station.kind == SourceKind::W28);
        if (absolute) {
            EXPECT_EQ(absolute->text(), "Absoluta");
            EXPECT_TRUE(absolute->isChecked());
            EXPECT_EQ(h.control<QRadioButton>("RadioButtonPREL")->text(), "Relativa");
            EXPECT_EQ(qobject_cast<QGroupBox*>(absolute->parentWidget())->title(), "Presión");
        }
        auto* followMonth = h.window->findChild<QCheckBox*>("CheckBoxFichier");
        ASSERT_EQ(followMonth != nullptr, station.kind == SourceKind::Pro2);
        if (followMonth) {
            EXPECT_EQ(followMonth->text(), "Busque siempre el archivo del mes actual");
            followMonth->click();
            EXPECT_FALSE(h.s.pro2Source.currentMonthFileBox().checked);
        }
    }
}

TEST(HistoryWindows, AChosenFileIsPolledAndShownAsTheModelHasIt) {
    for (const Station& station : kStations) {
        SCOPED_TRACE(station.window);
        HistoryWindowRig h(station.kind);
        const HistorySource& model = modelOf(h.s, station.kind);
        const std::string path = h.choose(station);
        EXPECT_EQ(h.asked, std::string(station.filter) + " " + station.suffix);
        const auto* file = h.control<QLineEdit>("EditDat");
        EXPECT_EQ(file->text().toStdString(), path);
        EXPECT_EQ(file->selectedText(), file->text());
        EXPECT_FALSE(model.observationTime().caption.empty());
        EXPECT_EQ(h.control<QLineEdit>("Editdatemeteo")->text().toStdString(), model.observationTime().caption);
        EXPECT_EQ(h.control<QLabel>("LabelHumInt")->text().toStdString(), model.insideHumidityCaption().caption);
        EXPECT_TRUE(h.control<QLabel>("StaticTextErreur")->text().isEmpty());
        for (const MeteoField field : {MeteoField::Tint, MeteoField::Text, MeteoField::Patm}) {
            const auto* box = h.control<QCheckBox>(("CheckBox" + std::string(fieldName(field))).c_str());
            EXPECT_EQ(box->text().toStdString(), model.checkBox(field).caption);
            EXPECT_EQ(isRed(box), field == MeteoField::Text) << fieldName(field);
        }

        // A cancelled dialog changes nothing.
        const QString shown = h.control<QCheckBox>("CheckBoxText")->text();
        h.answer.reset();
        h.control<QPushButton>("ButtonParcourir")->click();
        EXPECT_EQ(model.path(), path);
        EXPECT_EQ(file->text().toStdString(), path);
        EXPECT_EQ(h.control<QCheckBox>("CheckBoxText")->text(), shown);
    }
}

TEST(HistoryWindows, Ws28PressureChoiceRereadsTheFile) {
    HistoryWindowRig h(SourceKind::W28);
    h.choose(kStations[1]);
    const auto* pressure = h.control<QCheckBox>("CheckBoxPatm");
    EXPECT_EQ(pressure->text(), "P-atm (hPa) = 1013.0");
    h.control<QRadioButton>("RadioButtonPREL")->click();
    EXPECT_EQ(pressure->text(), "P-atm (hPa) = 1020.0");
    h.control<QRadioButton>("RadioButtonPABS")->click();
    EXPECT_FALSE(h.control<QRadioButton>("RadioButtonPREL")->isChecked());
    EXPECT_EQ(pressure->text(), "P-atm (hPa) = 1013.0");
}

TEST(HistoryWindows, AFileThatVanishesOrIsEmptiedShowsWhatTheModelSays) {
    const struct {
        const char* change;
        void (*apply)(const std::string& path);
        const char* error;
    } cases[] = {
        // No file: the poll leaves everything as it was.
        {"deleted", [](const std::string& path) { std::filesystem::remove(path); }, ""},
        {"emptied", [](const std::string& path) { std::filesystem::resize_file(path, 0); }, kErrorFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        HistoryWindowRig h(SourceKind::W23);
        c.apply(h.choose(kStations[0]));
        const QString shown = h.control<QCheckBox>("CheckBoxText")->text();
        h.s.ws23Source.poll();
        h.window->refresh();
        EXPECT_EQ(h.control<QLabel>("StaticTextErreur")->text().toStdString(), c.error);
        EXPECT_EQ(h.control<QCheckBox>("CheckBoxText")->text(), shown);
    }
}

}  // namespace
}  // namespace skycrier
