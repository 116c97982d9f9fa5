#include "app/configuration.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <utility>

#include "app/config_keys.h"
#include "base/decimal_integer.h"
#include "net/url_line.h"

namespace skycrier {
namespace {

// Why a line was not taken as it stands; empty when it was.
using Why = std::string;
using Apply = std::function<Why(const std::string&)>;
using KeyTable = std::map<std::string, Apply>;

const Why kNotANumber = "not a whole number";

Why outOfRange(int minimum, int maximum) {
    return "out of range " + std::to_string(minimum) + ".." + std::to_string(maximum);
}

// A number without limits of its own; a malformed value leaves the setting as it was.
Apply integer(std::function<void(int)> set) {
    return [set = std::move(set)](const std::string& v) -> Why {
        const auto n = parseDecimalInteger(v);
        if (!n) return kNotANumber;
        set(*n);
        return {};
    };
}

// A number that picks an item: outside the items it picks none and the line is ignored.
Apply item(int minimum, int maximum, std::function<void(int)> set) {
    return [=](const std::string& v) -> Why {
        const auto n = parseDecimalInteger(v);
        if (!n) return kNotANumber;
        if (*n < minimum || *n > maximum) return outOfRange(minimum, maximum);
        set(*n);
        return {};
    };
}

// A number for a bounded control (spin edit, slider, bar): beyond its limits
// the control takes the nearest one, as it does when a program sets it.
Apply bounded(int minimum, int maximum, std::function<void(int)> set) {
    return [=](const std::string& v) -> Why {
        const auto n = parseDecimalInteger(v);
        if (!n) return kNotANumber;
        const int taken = std::clamp(*n, minimum, maximum);
        set(taken);
        return taken == *n ? Why() : outOfRange(minimum, maximum) + ", " + std::to_string(taken) + " taken";
    };
}

Apply spin(SpinEdit& edit, std::function<void()> changed = {}) {
    return bounded(edit.minimum(), edit.maximum(), [&edit, changed = std::move(changed)](int n) {
        edit.setValue(n);
        if (changed) changed();
    });
}

// A flag that only its literal changes: to `to`. Any other value leaves it.
Apply setOn(const char* literal, bool& flag, bool to) {
    return [literal, &flag, to](const std::string& v) -> Why {
        if (v == literal) flag = to;
        return {};
    };
}

// A flag that its literal sets and every other value clears.
Apply exactly(const char* literal, bool& flag) {
    return [literal, &flag](const std::string& v) -> Why {
        flag = v == literal;
        return {};
    };
}

Apply text(std::string& target) {
    return [&target](const std::string& v) -> Why {
        target = v;
        return {};
    };
}

Why fileNotFound(const std::string& resolved) { return "file not found (" + resolved + "), kept as configured"; }

void addBulletinKeys(KeyTable& keys, BulletinSettings& b) {
    keys["ROSE="] = setOn("16", b.Menu16secteurs, true);
    keys["OLD="] = [&b](const std::string& v) -> Why {
        if (v == "1") b.staleRule = StaleRule::OneHour;
        if (v == "2") b.staleRule = StaleRule::TwoHours;
        if (v == "3") b.staleRule = StaleRule::ThreeHours;
        return {};
    };
    keys["FICHIER_ENTETE="] = text(b.headerFile);
    keys["FICHIER_BRELL="] = text(b.greetingFile);
    keys["FICHIER_FIN="] = text(b.closingFile);
    keys["VOCABULARY="] = text(b.vocabularyFolder);
    keys["ENTETE="] = setOn("Y", b.CheckBoxEntete, true);
    keys["PAUSE="] = bounded(0, 15, [&b](int n) { b.SpinEditPause = n; });
    keys["FINAL="] = exactly("Y", b.CheckBoxFin);
    keys["HELLO="] = exactly("Y", b.CheckBoxBrell);
    keys["DATE="] = [&b](const std::string& v) -> Why {
        b.CheckBoxDate = v != "N";
        return {};
    };
}

void addUnitKeys(KeyTable& keys, TFormMyUnits& units) {
    const std::pair<const char*, void (TFormMyUnits::*)(bool)> kGroups[] = {
        {"UNITTC=", &TFormMyUnits::checkTemperature},
        {"UNITPM=", &TFormMyUnits::checkPressure},
        {"UNITVK=", &TFormMyUnits::checkWind},
        {"UNITRM=", &TFormMyUnits::checkRain}};
    for (const auto& group : kGroups)
        keys[group.first] = [&units, check = group.second](const std::string& v) -> Why {
            (units.*check)(v == "Y");
            return {};
        };
}

void addPortKeys(KeyTable& keys, PortChoice& port, PortLineSettings& lines) {
    keys["COM="] = [&port](const std::string& v) -> Why {
        if (v == "0") {
            port.chooseNoPort();
            return {};
        }
        // A port that is not there yet stays chosen: its trouble is reported where it is watched.
        port.choosePort(portNameFromConfig(v));
        return {};
    };
    keys["DTR="] = setOn("0", lines.CheckBoxDTR, false);
    keys["RTS="] = setOn("0", lines.CheckBoxRTS, false);
    keys["DSR="] = setOn("0", lines.CheckBoxDSR, false);
    keys["CTS="] = setOn("0", lines.CheckBoxCTS, false);
    keys["DCD="] = setOn("0", lines.CheckBoxDCD, false);
    keys["TX_TIMEOUT="] = bounded(30, 3600, [&lines](int n) { lines.transmitLimitSeconds = n; });
}

void addMainWindowKeys(KeyTable& keys, TForm1& w) {
    keys["RECORD="] = setOn("Y", w.MenuRecord, true);
    keys["RECORDER="] = [&w](const std::string& v) -> Why {
        if (!v.empty()) w.EditSonivue = v;
        return {};
    };
    // Checking a box runs its click, as the user's would: the autostart entry
    // is rewritten and the window goes to the tray.
    keys["START="] = [&w](const std::string& v) -> Why {
        if (v == "Y" && !w.CheckBoxDemarrage) {
            w.CheckBoxDemarrage = true;
            w.CheckBoxDemarrageClick();
        }
        return {};
    };
    keys["REDUCE="] = [&w](const std::string& v) -> Why {
        if (v != "Y" || w.CheckBoxReduire) return {};
        // The minimise that checking the box causes must not save the file being read.
        w.noSaveOnMinimise = w.CheckBoxReduire = true;
        w.CheckBoxReduireClick();
        return {};
    };
    keys["BALANCE="] = bounded(-100, 100, [&w](int n) { w.Balance = n; });
    // The slider only: a card's mixer keeps the level it has, which the
    // start-up reads back; an output whose volume is in the samples takes this one then.
    keys["VOLUME="] = bounded(0, 10, [&w](int n) { w.TrackBarVolume = n; });
    keys["MAXVOLUME="] = bounded(0, 100, [&w](int n) { w.Gauge1 = n; });
    keys["TOP="] = integer([&w](int n) { w.Top = n; });
    keys["LEFT="] = integer([&w](int n) { w.Left = n; });
    keys["FORMMETEO="] = setOn("N", w.showSourceWindow, false);
    keys["OSOUND="] = [&w](const std::string& v) -> Why {
        if (v == "-1") return {};
        w.RadioButtonCarteMoi = true;
        const auto n = parseDecimalInteger(v);
        if (!n) return kNotANumber + ", the device stays " + std::to_string(w.outputDevice.number);
        w.outputDevice.number = *n;
        return {};
    };
    // Written after every older key, so that older files load as before; the name wins over the number.
    keys["OSOUNDNAME="] = [&w](const std::string& v) -> Why {
        if (v.empty()) return {};
        w.RadioButtonCarteMoi = true;
        w.outputDevice.name = v;
        return {};
    };
    keys["VERSTART="] = setOn("1", w.CheckBoxInfoVersion, true);
    keys["VERSION_URL="] = [&w](const std::string& v) -> Why {
        if (!v.empty() && !isWebAddress(v)) return "not a web address (http:// or https://)";
        w.versionUrl = v;
        return {};
    };
}

// The period selector and the hour window; an hour outside 0..24 names no menu item.
void addScheduleKeys(KeyTable& keys, TForm1& window, ScheduleSettings& schedule) {
    keys["PERIOD="] =
        item(0, static_cast<int>(std::size(kPeriodMinutes)) - 1, [&schedule](int n) { schedule.UpDownPeriode = n; });
    const auto hour = [&window](char menu, int& stored) {
        return item(0, 24, [&window, menu, &stored](int n) {
            stored = n;
            window.hourItemClick(menu + std::string(n < 10 ? "0" : "") + std::to_string(n));
        });
    };
    keys["START_RANGE="] = hour('D', schedule.StartHour);
    keys["END_RANGE="] = hour('F', schedule.EndHour);
}

void addHistorySourceKeys(KeyTable& keys, const std::string& prefix, HistorySource& w,
                          const std::function<std::string(const std::string&)>& resolve) {
    // A file not there yet (a share mounted later) is kept and looked for at each poll.
    keys[prefix + "DAT="] = [&w, resolve](const std::string& v) -> Why {
        return w.loadDataFile(v) ? Why() : fileNotFound(resolve(v));
    };
    keys[prefix + "POFFSET="] = spin(w.SpinEditOffSetPression);
}

void addStationKeys(KeyTable& keys, StationSources& s, std::optional<SourceKind>& remembered) {
    keys["METEO="] = [&s, &remembered](const std::string& v) -> Why {
        const auto kind = sourceFromConfigName(v);
        if (!kind && !v.empty())
            return "unknown source \"" + v + "\": no weather is spoken; write one of MON, W23, W28, APRS, PRO2, METAR";
        if (kind == SourceKind::MON)
            s.FormChoixMeteo.check(SourceKind::MON);
        else if (kind)
            remembered = kind;
        return {};
    };
    WindowGeometry& g = s.context.SourceWindowGeometry;
    keys["METEO_TOP="] = integer([&g](int n) { g.top = n; });
    keys["METEO_LEFT="] = integer([&g](int n) { g.left = n; });
    keys["METEO_WIDTH="] = integer([&g](int n) { g.width = n; });
    keys["METEO_HEIGHT="] = integer([&g](int n) { g.height = n; });

    for (const SourceBlock& block : kSourceBlocks) {
        SourceWindow& w = s.FormChoixMeteo.window(block.kind);
        for (const QuantityFlag& flag : kQuantityFlags)
            if (hasQuantityFlag(block.kind, flag.field))
                keys[block.prefix + std::string(flag.suffix)] = setOn("Y", w.checkBox(flag.field).checked, true);
        keys[block.prefix + std::string("METPERI=")] = spin(w.SpinEditRafraichir);
    }
    const auto& resolve = s.context.resolvePath;
    addHistorySourceKeys(keys, "W23_", s.FormMeteoW23, resolve);
    keys["W23_SEUILTEN="] =
        spin(s.FormMeteoW23.SpinEditSeuiltendance, [&s] { s.FormMeteoW23.SpinEditSeuiltendanceChange(); });
    addHistorySourceKeys(keys, "W28_", s.FormMeteoW28, resolve);
    keys["W28_PABS="] = [&s](const std::string& v) -> Why {
        s.FormMeteoW28.selectAbsolutePressure(v == "Y");
        return {};
    };
    addHistorySourceKeys(keys, "PRO2_", s.FormMeteoPro2, resolve);
    keys["PRO2_SEUILTEN="] =
        spin(s.FormMeteoPro2.SpinEditSeuiltendance, [&s] { s.FormMeteoPro2.SpinEditSeuiltendanceChange(); });
    keys["PRO2_NEW="] = setOn("N", s.FormMeteoPro2.CheckBoxFichier.checked, false);
}

// What the METAR and APRS windows share: the input, its history, the pressure
// correction and the time reference.
void addNetworkSourceKeys(KeyTable& keys, const std::string& prefix, InternetSource& n,
                          const std::function<std::string(const std::string&)>& resolve) {
    // A file not there yet is kept as configured, so that the next save does not lose it.
    keys[prefix + "DAT="] = [&n, resolve](const std::string& v) -> Why {
        if (n.loadDataFile(v)) return {};
        n.EditDat = v;
        return fileNotFound(resolve(v));
    };
    keys[prefix + "LIST="] = [&n](const std::string& v) -> Why {
        if (n.ComboBoxPath.load(v)) return {};
        return "the list holds " + std::to_string(UrlHistory::kMaxEntries) + " entries already";
    };
    keys[prefix + "POFFSET="] = integer([&n](int v) { n.SpinEditOffSetPression.setValue(v); });
    keys[prefix + "TU="] = item(-1, 1, [&n](int v) { n.ComboBoxTU = v; });
}

void addInternetSourceKeys(KeyTable& keys, StationSources& s) {
    TFormMeteoAPRS& a = s.FormMeteoAPRS;
    const auto windUnit = [&a](AprsWindUnit unit) {
        return [&a, unit](const std::string& v) -> Why {
            if (v == "Y") a.input.wind = unit;
            return {};
        };
    };
    keys["APRS_KM="] = windUnit(AprsWindUnit::Kmh);
    keys["APRS_KNOT="] = windUnit(AprsWindUnit::Knot);
    keys["APRS_DGF="] = exactly("Y", a.input.fahrenheit);
    keys["APRS_INC="] = exactly("Y", a.input.hundredthsOfInch);
    keys["APRS_ID="] = text(a.EditID);
    keys["APRS_PW="] = text(a.EditPW);
    addNetworkSourceKeys(keys, "APRS_", a, s.context.resolvePath);
    addNetworkSourceKeys(keys, "METAR_", s.FormMeteoMETAR, s.context.resolvePath);
    // Kept as written even when unusable, so that a save does not lose it; codes use the default meanwhile.
    keys["METAR_PROVIDER="] = [&m = s.FormMeteoMETAR](const std::string& v) -> Why {
        m.provider = v.empty() ? TFormMeteoMETAR::kDefaultProvider : v;
        if (isProviderPattern(m.provider)) return {};
        return "not a web address with " + std::string(kAirportPlaceholder) +
               " where the airport code goes; kept as configured, codes are fetched from " +
               TFormMeteoMETAR::kDefaultProvider + " until it is mended";
    };
}

void addMonitorKeys(KeyTable& keys, TFormMeteo& monitor) {
    keys["METCOMM="] = [&monitor](const std::string& v) -> Why {
        return monitor.loadPort(v) ? Why() : "neither a port number nor a device path";
    };
    keys["LOG="] = setOn("Y", monitor.CheckBoxlog.checked, true);
}

// "APRS_FAVn=" and "METAR_FAVn=": favourite n of 1..10. Nothing when the key is no favourite key.
std::optional<Why> applyFavourite(const ConfigLine& line, StationSources& s) {
    const std::pair<const char*, TFormFav*> kLists[] = {{"APRS_FAV", &s.FormMeteoAPRS.FormFav},
                                                        {"METAR_FAV", &s.FormMeteoMETAR.FormFav}};
    const std::string_view key = line.key;
    for (const auto& [prefixText, favourites] : kLists) {
        const std::string_view prefix = prefixText;
        if (!key.starts_with(prefix)) continue;
        // Between the prefix and the key's closing "=".
        const std::string_view number = key.substr(prefix.size(), key.size() - 1 - prefix.size());
        if (number.empty()) return "a favourite without its number";
        const auto n = parseDecimalInteger(number);
        if (!n) return "favourite number " + kNotANumber;
        if (*n < 1 || *n > TFormFav::kSlots) return "favourite number outside 1.." + std::to_string(TFormFav::kSlots);
        favourites->Edit[static_cast<std::size_t>(*n - 1)] = line.value;
        return Why();
    }
    return std::nullopt;
}

}  // namespace

std::string portNameFromConfig(const std::string& value) {
    if (value.starts_with("/") || value.starts_with("COM")) return value;
    return "COM" + value;
}

LoadOutcome loadConfiguration(const std::vector<ConfigLine>& lines, ConfigTargets& t) {
    LoadOutcome outcome;
    TFormMyUnits unitsWithoutSources(t.units, nullptr);
    KeyTable keys;
    addBulletinKeys(keys, t.bulletin);
    addUnitKeys(keys, t.stations ? t.stations->FormMyUnits : unitsWithoutSources);
    addPortKeys(keys, t.port, t.lines);
    if (t.mainWindow) addMainWindowKeys(keys, *t.mainWindow);
    if (t.mainWindow && t.schedule) addScheduleKeys(keys, *t.mainWindow, *t.schedule);
    if (t.stations) addStationKeys(keys, *t.stations, outcome.remembered);
    if (t.stations) addInternetSourceKeys(keys, *t.stations);
    if (t.stations) addMonitorKeys(keys, t.stations->FormMeteo);

    for (const ConfigLine& line : lines) {
        std::optional<Why> why;
        if (const auto found = keys.find(line.key); found != keys.end())
            why = found->second(line.value);
        else if (t.stations)
            why = applyFavourite(line, *t.stations);
        if (!why) why = "unknown key";
        if (!why->empty()) outcome.ignored.push_back({line.number, *why + ": " + line.key + line.value});
    }
    return outcome;
}

LoadOutcome loadConfiguration(std::string_view text, ConfigTargets& targets) {
    std::vector<IgnoredLine> withoutSetting;
    LoadOutcome outcome = loadConfiguration(parseConfigText(text, &withoutSetting), targets);
    std::vector<IgnoredLine> all;
    std::merge(withoutSetting.begin(), withoutSetting.end(), outcome.ignored.begin(), outcome.ignored.end(),
               std::back_inserter(all), [](const IgnoredLine& a, const IgnoredLine& b) { return a.number < b.number; });
    outcome.ignored = std::move(all);
    return outcome;
}

void applyRememberedSource(const std::optional<SourceKind>& remembered, ConfigTargets& t) {
    if (remembered && t.stations) t.stations->FormChoixMeteo.check(*remembered);
}

void hideSourceWindowsIfAsked(ConfigTargets& t) {
    if (!t.mainWindow || !t.stations || t.mainWindow->showSourceWindow) return;
    for (const SourceBlock& block : kSourceBlocks) {
        SourceWindow& w = t.stations->FormChoixMeteo.window(block.kind);
        // The Weather Monitor II window stays while its station is not connected.
        if (block.kind == SourceKind::MON)
            t.stations->FormMeteo.hideWhenConnected();
        else if (w.visible)
            w.FormClose(w.geometry);
    }
}

std::vector<IgnoredLine> applyConfiguration(const std::vector<ConfigLine>& lines, ConfigTargets& targets) {
    LoadOutcome outcome = loadConfiguration(lines, targets);
    applyRememberedSource(outcome.remembered, targets);
    return std::move(outcome.ignored);
}

}  // namespace skycrier
