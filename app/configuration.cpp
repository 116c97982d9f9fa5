#include "app/configuration.h"
#include "base/decimal_integer.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <utility>

namespace skycrier {
namespace {

using Apply = std::function<void(const std::string&)>;
using KeyTable = std::map<std::string, Apply>;

// A number line; a malformed value leaves the setting as it was.
Apply integer(std::function<void(int)> set) {
    return [set = std::move(set)](const std::string& v) {
        if (const auto n = parseDecimalInteger(v)) set(*n);
    };
}

// The keys every history-file station has: the boxes of its spoken values,
// its poll period, its data file and its pressure correction.
void addHistorySourceKeys(KeyTable& keys, const std::string& prefix, HistorySource& w) {
    static constexpr std::pair<const char*, MeteoField> kFlags[] = {
        {"TEMPINT=", MeteoField::Tint}, {"TEMPEXT=", MeteoField::Text}, {"PRESATM=", MeteoField::Patm},
        {"PRETEND=", MeteoField::Tend}, {"VITVENT=", MeteoField::Vent}, {"VITRAFA=", MeteoField::Rafa},
        {"DIRVENT=", MeteoField::Dire}, {"TRES=", MeteoField::TRes},    {"PLUIE=", MeteoField::Pluie},
        {"HUMIDI=", MeteoField::HumiExt}};
    for (const auto& [suffix, field] : kFlags) {
        CheckBox& box = w.checkBox(field);
        keys[prefix + suffix] = [&box](const std::string& v) {
            if (v == "Y") box.checked = true;
        };
    }
    keys[prefix + "METPERI="] = integer([&w](int n) { w.SpinEditRafraichir.setValue(n); });
    keys[prefix + "DAT="] = [&w](const std::string& v) { w.loadDataFile(v); };
    keys[prefix + "POFFSET="] = integer([&w](int n) { w.SpinEditOffSetPression.setValue(n); });
}

Apply tendencyThreshold(HistorySource& w) {
    return integer([&w](int n) {
        w.SpinEditSeuiltendance.setValue(n);
        w.SpinEditSeuiltendanceChange();
    });
}

void addStationKeys(KeyTable& keys, StationSources& s, std::optional<SourceKind>& remembered) {
    keys["METEO="] = [&s, &remembered](const std::string& v) {
        static const std::map<std::string, SourceKind> kLater = {{"W23", SourceKind::W23},
                                                                 {"W28", SourceKind::W28},
                                                                 {"APRS", SourceKind::APRS},
                                                                 {"PRO2", SourceKind::Pro2},
                                                                 {"METAR", SourceKind::METAR}};
        if (v == "MON") {
            s.FormChoixMeteo.check(SourceKind::MON);
        } else if (const auto found = kLater.find(v); found != kLater.end()) {
            remembered = found->second;
        }
    };
    WindowGeometry& g = s.context.SourceWindowGeometry;
    keys["METEO_TOP="] = integer([&g](int n) { g.top = n; });
    keys["METEO_LEFT="] = integer([&g](int n) { g.left = n; });
    keys["METEO_WIDTH="] = integer([&g](int n) { g.width = n; });
    keys["METEO_HEIGHT="] = integer([&g](int n) { g.height = n; });

    addHistorySourceKeys(keys, "W23_", s.FormMeteoW23);
    keys["W23_SEUILTEN="] = tendencyThreshold(s.FormMeteoW23);
    addHistorySourceKeys(keys, "W28_", s.FormMeteoW28);
    keys["W28_PABS="] = [&s](const std::string& v) { s.FormMeteoW28.selectAbsolutePressure(v == "Y"); };
    addHistorySourceKeys(keys, "PRO2_", s.FormMeteoPro2);
    keys["PRO2_SEUILTEN="] = tendencyThreshold(s.FormMeteoPro2);
    keys["PRO2_NEW="] = [&s](const std::string& v) {
        if (v == "N") s.FormMeteoPro2.CheckBoxFichier.checked = false;
    };
}

// The period selector and the hour window; an hour outside 0..24 names no menu item.
void addScheduleKeys(KeyTable& keys, TForm1& window, ScheduleSettings& schedule) {
    keys["PERIOD="] = integer([&schedule](int n) {
        if (n >= 0 && n < static_cast<int>(std::size(kPeriodMinutes))) schedule.UpDownPeriode = n;
    });
    const auto hour = [&window](char menu, int& stored) {
        return integer([&window, menu, &stored](int n) {
            if (n < 0 || n > 24) return;
            stored = n;
            window.hourItemClick(menu + std::string(n < 10 ? "0" : "") + std::to_string(n));
        });
    };
    keys["START_RANGE="] = hour('D', schedule.StartHour);
    keys["END_RANGE="] = hour('F', schedule.EndHour);
}

}  // namespace

std::string portNameFromConfig(const std::string& value) {
    if (!value.empty() && value.front() == '/') return value;
    return "COM" + value;
}

void applyConfiguration(const std::vector<ConfigLine>& lines, ConfigTargets& t) {
    BulletinSettings& b = t.bulletin;
    TFormMyUnits unitsWithoutSources(t.units, nullptr);
    TFormMyUnits& unitsWindow = t.stations ? t.stations->FormMyUnits : unitsWithoutSources;
    // A flag set only by its literal, and one cleared only by its literal, differ
    // in what other values do; each key keeps the rule its own control has.
    const auto checksOnY = [](bool& flag) { return [&flag](const std::string& v) { if (v == "Y") flag = true; }; };
    const auto yesOrNo = [](bool& flag) { return [&flag](const std::string& v) { flag = v == "Y"; }; };
    const auto clearsOnZero = [](bool& flag) { return [&flag](const std::string& v) { if (v == "0") flag = false; }; };
    const auto path = [](std::string& target) { return [&target](const std::string& v) { target = v; }; };

    KeyTable keys = {
        {"ROSE=", [&](const std::string& v) { if (v == "16") b.Menu16secteurs = true; }},
        {"VOCABULARY=", [&](const std::string& v) { b.vocabularyFolder = v; }},
        {"OLD=",
         [&](const std::string& v) {
             if (v == "1") b.staleRule = StaleRule::OneHour;
             else if (v == "2") b.staleRule = StaleRule::TwoHours;
             else if (v == "3") b.staleRule = StaleRule::ThreeHours;
         }},
        {"FICHIER_ENTETE=", path(b.headerFile)},
        {"FICHIER_BRELL=", path(b.greetingFile)},
        {"FICHIER_FIN=", path(b.closingFile)},
        {"ENTETE=", checksOnY(b.CheckBoxEntete)},
        {"PAUSE=",
         [&](const std::string& v) {
             if (const auto n = parseDecimalInteger(v)) b.SpinEditPause = std::clamp(*n, 0, 15);
         }},
        {"FINAL=", yesOrNo(b.CheckBoxFin)},
        {"HELLO=", yesOrNo(b.CheckBoxBrell)},
        {"DATE=", [&](const std::string& v) { b.CheckBoxDate = v != "N"; }},
        {"UNITTC=", [&](const std::string& v) { unitsWindow.checkTemperature(v == "Y"); }},
        {"UNITPM=", [&](const std::string& v) { unitsWindow.checkPressure(v == "Y"); }},
        {"UNITVK=", [&](const std::string& v) { unitsWindow.checkWind(v == "Y"); }},
        {"UNITRM=", [&](const std::string& v) { unitsWindow.checkRain(v == "Y"); }},
        {"COM=",
         [&](const std::string& v) {
             if (v == "0")
                 t.port.chooseNoPort();
             else
                 t.port.choosePort(portNameFromConfig(v));
         }},
        {"DTR=", clearsOnZero(t.lines.CheckBoxDTR)},
        {"RTS=", clearsOnZero(t.lines.CheckBoxRTS)},
        {"DSR=", clearsOnZero(t.lines.CheckBoxDSR)},
        {"CTS=", clearsOnZero(t.lines.CheckBoxCTS)},
        {"DCD=", clearsOnZero(t.lines.CheckBoxDCD)},
    };
    std::optional<SourceKind> remembered;
    if (t.stations) addStationKeys(keys, *t.stations, remembered);
    if (t.mainWindow && t.schedule) addScheduleKeys(keys, *t.mainWindow, *t.schedule);
    for (const ConfigLine& line : lines) {
        const auto found = keys.find(line.key);
        if (found != keys.end()) found->second(line.value);
    }
    if (remembered) t.stations->FormChoixMeteo.check(*remembered);
}

}  // namespace skycrier
