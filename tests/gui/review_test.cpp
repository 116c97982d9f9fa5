// The program's review of its own look, run as a user runs it: every window
// listed and drawn off screen, each source window after a poll of real inputs
// (station files, a METAR report, an APRS weather file, a simulated Weather
// Monitor II console).

#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cstdio>
#include <functional>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "platform/system_clock.h"
#include "support/review_inputs.h"
#include "support/temp_dir.h"
#include "support/wm2_simulator_process.h"

namespace skycrier {
namespace {

// Standard output of the program with these arguments, and its exit status.
std::pair<std::string, int> runProgram(const std::string& arguments) {
    std::string out;
    FILE* pipe = ::popen((std::string(SKYCRIER_GUI_PROGRAM) + " " + arguments + " 2>/dev/null").c_str(), "r");
    if (!pipe) return {"", -1};
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    return {out, ::pclose(pipe)};
}

// The window and control names app/contract_names.md maps, by window;
// "D00-D24" and "RadioButtonTc/Tf" stand for every name between or beside.
std::map<std::string, std::set<std::string>> contractMap() {
    std::map<std::string, std::set<std::string>> names;
    std::ifstream file(SKYCRIER_CONTRACT_MAP);
    const std::regex section(R"(^### `(\w+)`)"), row(R"(^\| `([\w/-]+)` \|)"), range(R"(([A-Za-z]+)(\d+)-[A-Za-z]+(\d+))");
    std::string line, window;
    std::smatch m;
    while (std::getline(file, line)) {
        if (std::regex_search(line, m, section)) {
            window = m[1];
            names[window];
        } else if (!window.empty() && std::regex_search(line, m, row)) {
            const std::string name = m[1];
            std::smatch r;
            if (std::regex_match(name, r, range)) {
                const std::size_t width = r[2].length();
                for (int n = std::stoi(r[2]); n <= std::stoi(r[3]); ++n) {
                    std::string number = std::to_string(n);
                    names[window].insert(r[1].str() + std::string(width > number.size() ? width - number.size() : 0, '0') + number);
                }
            } else if (const auto slash = name.find('/'); slash != std::string::npos) {
                names[window].insert(name.substr(0, slash));
                names[window].insert(name.substr(0, slash - (name.size() - slash - 1)) + name.substr(slash + 1));
            } else {
                names[window].insert(name);
            }
        }
    }
    return names;
}

class ReviewTest : public ::testing::Test {
protected:
    ReviewTest() { test::writeReviewInputs(dir.path(), systemLocalNow(), "W23", console.device()); }

    test::Wm2Simulator console{{"--inside", "70", "--outside", "45", "--wind", "9", "--direction", "200"}};
    test::TempDir dir;
};

// Every control each source window names, with a value from its poll where it shows one.
TEST_F(ReviewTest, TheControlListHoldsEverySourceWindowWithItsValues) {
    const auto [out, status] = runProgram("--folder " + dir.path().string() + " --lang es --dump-controls");
    ASSERT_EQ(status, 0);
    const QJsonObject all = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    const struct {
        const char* window;
        std::vector<const char*> controls;
    } expected[] = {
        {"TFormMeteo", {"ButtonPort", "ListBoxPort", "StaticTextStatus", "LabelVersion", "CheckBoxlog", "CheckBoxTint",
                        "CheckBoxText", "CheckBoxPatm", "CheckBoxtend", "CheckBoxVent", "CheckBoxRafa", "CheckBoxDire",
                        "ButtonRafraichir", "SpinEditRafraichir"}},
        {"TFormMeteoW23", {"CheckBoxTint", "CheckBoxText", "CheckBoxPatm", "CheckBoxTend", "CheckBoxVent", "CheckBoxRafa",
                           "CheckBoxDire", "CheckBoxTRes", "CheckBoxPluie", "CheckBoxHumiExt", "StaticTextErreur",
                           "ButtonRafraichir", "SpinEditRafraichir"}},
        {"TFormMeteoW28", {"EditDat", "ButtonParcourir", "Editdatemeteo", "SpinEditOffSetPression",
                           "SpinEditSeuiltendance", "Label6", "Label9", "LabelHumInt", "LabelTros", "RadioButtonPABS",
                           "RadioButtonPREL", "CheckBoxTRes", "StaticTextErreur"}},
        {"TFormMeteoPro2", {"EditDat", "ButtonParcourir", "CheckBoxFichier", "CheckBoxTint", "StaticTextErreur"}},
        {"TFormMeteoMETAR", {"EditDat", "ComboBoxPath", "LabelNomICAO", "LabelICAO", "Editdatemeteo", "ComboBoxTU",
                             "SpinEditOffSetPression", "Label6", "LabelTros", "ButtonFav", "CheckBoxText",
                             "CheckBoxPatm", "CheckBoxVent", "CheckBoxPluie", "SpeedButtonMenuAide",
                             "StaticTextErreur"}},
        {"TFormMeteoAPRS", {"EditDat", "ButtonParcourir", "ComboBoxPath", "RadioButtonKM", "RadioButtonMile",
                            "RadioButtonKnot", "RadioButtondegC", "RadioButtonDegF", "RadioButtonMM",
                            "RadioButtonInch", "ComboBoxTU", "GroupBoxIDPW", "EditID", "EditPW", "ButtonLogin",
                            "ButtonFav", "CheckBoxText", "StaticTextErreur"}},
        {"TFormFavMETAR", {"Edit1", "Edit10", "Button1", "Button10"}},
        {"TFormFavAPRS", {"Edit1", "Edit10", "Button1", "Button10"}},
    };
    const QRegularExpression value(QStringLiteral("= ?-?[0-9]"));
    for (const auto& w : expected) {
        SCOPED_TRACE(w.window);
        ASSERT_TRUE(all.contains(w.window));
        const QJsonObject controls = all[w.window].toObject()["controls"].toObject();
        for (const char* name : w.controls) EXPECT_TRUE(controls.contains(name)) << name;
        for (auto c = controls.begin(); c != controls.end(); ++c) {
            const QJsonObject control = c.value().toObject();
            const QString caption = control["caption"].toString();
            if (c.key().startsWith("CheckBox") && caption.contains('=')) {
                EXPECT_TRUE(value.match(caption).hasMatch()) << c.key().toStdString() << ": " << caption.toStdString();
            }
        }
        if (controls.contains("StaticTextErreur") && std::string(w.window) != "TFormMeteo") {
            EXPECT_EQ(controls["StaticTextErreur"].toObject()["caption"].toString(), "");
        }
    }
    // Nothing is cut in any window.
    for (auto w = all.begin(); w != all.end(); ++w) {
        const QJsonObject controls = w.value().toObject()["controls"].toObject();
        for (auto c = controls.begin(); c != controls.end(); ++c)
            EXPECT_FALSE(c.value().toObject()["clipped"].toBool()) << w.key().toStdString() << "." << c.key().toStdString();
    }
    // The contract map names every window and control the program lists, and nothing it does not.
    std::map<std::string, std::set<std::string>> listed;
    for (auto w = all.begin(); w != all.end(); ++w) {
        if (w.key() == "untranslated") continue;
        auto& controls = listed[w.key().toStdString()];
        for (const QString& c : w.value().toObject()["controls"].toObject().keys()) controls.insert(c.toStdString());
    }
    EXPECT_EQ(contractMap(), listed);
    const QJsonObject monitor = all["TFormMeteo"].toObject()["controls"].toObject();
    EXPECT_EQ(monitor["CheckBoxTint"].toObject()["caption"].toString(), "T-int (°C)= 21.1");
    EXPECT_TRUE(monitor["StaticTextStatus"].toObject()["caption"].toString().startsWith("Weather Monitor cerrado"));
    const QJsonObject metar = all["TFormMeteoMETAR"].toObject()["controls"].toObject();
    EXPECT_EQ(metar["CheckBoxPluie"].toObject()["caption"].toString(), "Lluvia ligera");
}

// Every text a window shows (captions, titles, hints, menu items), in words.
std::vector<QString> shownTexts(const QJsonObject& listing) {
    std::vector<QString> texts;
    const std::function<void(const QJsonObject&)> walk = [&](const QJsonObject& o) {
        for (auto i = o.begin(); i != o.end(); ++i) {
            if (i.key() == "caption" || i.key() == "hint") texts.push_back(i.value().toString());
            if (i.key() == "items")
                for (const auto& item : i.value().toArray()) texts.push_back(item.toString());
            if (i.value().isObject()) walk(i.value().toObject());
        }
    };
    walk(listing);
    return texts;
}

// Each language's program, listed with every source holding values: every
// text has its entry, and none is in another language or speaks of Windows.
TEST_F(ReviewTest, EachLanguageShowsOnlyItsOwnWords) {
    // Names of stations, formats and sites read the same in every language.
    const QRegularExpression names(
        QStringLiteral("Weather Monitor( II)?|Vantage Pro2|Lacrosse|aprs\\.fi|UI-VIEW|SkyCrier|SKYCRIER|Login"));
    // A word that stands for its language; paths, addresses, units and values are no words.
    const QRegularExpression word(QStringLiteral("(?<![\\w/.:=-])\\p{L}[\\p{L}']+(?![\\w/.:])"),
                                  QRegularExpression::UseUnicodePropertiesOption);
    const struct {
        const char* language;
        std::set<QString> foreign;
    } languages[] = {
        {"en", {"de", "del", "el", "la", "los", "y", "Archivo", "Ayuda", "Fuente", "Viento", "Lluvia", "Humedad",
                "Humidad", "Temperatura", "Presión", "Locutar", "LOCUTAR", "Navegar", "Hola", "Fecha", "Cada",
                "minutos", "Volumen", "Salir", "Guardar", "Favoritos", "Actualizar", "Wetter", "Quellen", "Fehler",
                "Quitter", "Restaurer", "Réduire", "Cliquer", "pour", "Windows"}},
        {"es", {"the", "The", "and", "of", "to", "is", "Wind", "Speed", "Pressure", "Temperature", "Rain", "Minimize",
                "Click", "File", "Announce", "Quit", "Restore", "Help", "units", "Wetter", "Quellen", "Fehler",
                "Quitter", "Restaurer", "Réduire", "Cliquer", "pour", "Windows", "Browse", "Every", "none"}},
    };
    for (const auto& l : languages) {
        SCOPED_TRACE(l.language);
        const auto [out, status] =
            runProgram("--folder " + dir.path().string() + " --lang " + l.language + " --dump-controls");
        ASSERT_EQ(status, 0);
        const QJsonObject all = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
        EXPECT_EQ(all["untranslated"].toArray().size(), 0)
            << QJsonDocument(all["untranslated"].toArray()).toJson().toStdString();
        for (QString text : shownTexts(all)) {
            const QString whole = text;
            text.remove(names);
            for (auto m = word.globalMatch(text); m.hasNext();)
                EXPECT_FALSE(l.foreign.contains(m.next().captured())) << whole.toStdString();
        }
    }
}

TEST_F(ReviewTest, EveryWindowIsDrawn) {
    const auto pictures = dir.path() / "pictures";
    const auto [out, status] = runProgram("--folder " + dir.path().string() + " --screenshots " + pictures.string());
    ASSERT_EQ(status, 0);
    for (const char* window : {"TForm1", "TFormMeteo", "TFormMeteoW23", "TFormMeteoW28", "TFormMeteoPro2",
                               "TFormMeteoMETAR", "TFormMeteoAPRS", "TFormChoixMeteo", "TFormFavMETAR",
                               "TFormFavAPRS"}) {
        const QImage picture(QString::fromStdString((pictures / (std::string(window) + ".png")).string()));
        EXPECT_FALSE(picture.isNull()) << window;
        EXPECT_GT(picture.width(), 100) << window;
    }
}

}  // namespace
}  // namespace skycrier
