#include "app/settings_table.h"

#include <iterator>
#include <map>
#include <utility>

#include "announce/transmitter_port.h"
#include "app/config_keys.h"
#include "app/setting_kinds.h"
#include "base/decimal_integer.h"
#include "net/url_line.h"

namespace skycrier {
namespace {

using Targets = const ConfigTargets&;
using Read = std::function<std::string(const SettingRead&, const std::string&)>;
using Write = std::function<void(Targets, SettingLines&)>;
using Rows = std::vector<Setting>;
constexpr auto kAlways = SettingOwner::Always;
constexpr auto kWindow = SettingOwner::MainWindow;
constexpr auto kStations = SettingOwner::Stations;

// A key whose read and write are its own.
Setting own(std::string key, SettingOwner owner, Read read, Write write) {
    return {std::move(key), owner, std::nullopt, false, std::move(read), std::move(write)};
}

std::string fileNotFound(const std::string& resolved) {
    return "file not found (" + resolved + "), kept as configured";
}

MainWindowModel& window(Targets t) { return *t.mainWindow; }
SourceModels& stations(Targets t) { return *t.stations; }

void addBulletinHead(Rows& rows) {
    rows.push_back(
        flag("RECORD=", kWindow, {"Y"}, [](Targets t) -> bool& { return window(t).settings().recordBulletins; }));
    rows.push_back(own(
        "RECORDER=", kWindow,
        [](const SettingRead& in, const std::string& v) -> std::string {
            if (!v.empty()) window(in.targets).settings().recorderProgram = v;
            return {};
        },
        [](Targets t, SettingLines& out) { out.add("RECORDER=", window(t).settings().recorderProgram); }));
    rows.push_back(
        flag("ROSE=", kAlways, {"16"}, [](Targets t) -> bool& { return t.bulletin.sixteenPointDirections; }));
    // "1" to "3" hours; any other value leaves the rule.
    static constexpr std::pair<StaleRule, const char*> kAges[] = {
        {StaleRule::OneHour, "1"}, {StaleRule::TwoHours, "2"}, {StaleRule::ThreeHours, "3"}};
    rows.push_back(own(
        "OLD=", kAlways,
        [](const SettingRead& in, const std::string& v) -> std::string {
            for (const auto& [rule, literal] : kAges)
                if (v == literal) in.targets.bulletin.staleRule = rule;
            return {};
        },
        [](Targets t, SettingLines& out) {
            for (const auto& [rule, literal] : kAges)
                if (t.bulletin.staleRule == rule) out.add("OLD=", literal);
        }));
    rows.push_back(text("FICHIER_ENTETE=", kAlways, [](Targets t) -> std::string& { return t.bulletin.headerFile; }));
    rows.push_back(text("FICHIER_BRELL=", kAlways, [](Targets t) -> std::string& { return t.bulletin.greetingFile; }));
    rows.push_back(text("FICHIER_FIN=", kAlways, [](Targets t) -> std::string& { return t.bulletin.closingFile; }));
    rows.push_back(text("VOCABULARY=", kAlways, [](Targets t) -> std::string& { return t.bulletin.vocabularyFolder; }));
}

// The period selector and the hour window; an hour outside 0..24 names no menu item.
void addSchedule(Rows& rows) {
    constexpr int kLastPeriod = static_cast<int>(std::size(kPeriodMinutes)) - 1;
    rows.push_back(number("PERIOD=", SettingOwner::Schedule, {Beyond::Refused, 0, kLastPeriod, 0},
                          [](Targets t) -> int& { return t.schedule->periodPosition; }));
    const auto hour = [](const char* key, char menu, int unwritten, int ScheduleSettings::*stored) {
        return number(
            key, SettingOwner::Schedule, {Beyond::Refused, 0, 24, unwritten},
            [stored](Targets t) { return t.schedule->*stored; },
            [menu, stored](Targets t, int n) {
                t.schedule->*stored = n;
                window(t).chooseHourItem(menu + std::string(n < 10 ? "0" : "") + std::to_string(n));
            });
    };
    rows.push_back(hour("START_RANGE=", 'D', 0, &ScheduleSettings::StartHour));
    rows.push_back(hour("END_RANGE=", 'F', 24, &ScheduleSettings::EndHour));
}

void addBulletinSteps(Rows& rows) {
    rows.push_back(flag("ENTETE=", kAlways, {"Y"}, [](Targets t) -> bool& { return t.bulletin.playHeader; }));
    rows.push_back(number("PAUSE=", kAlways, {Beyond::Clamped, 0, 15, 0},
                          [](Targets t) -> int& { return t.bulletin.pauseSeconds; }));
    rows.push_back(
        flag("FINAL=", kAlways, {"Y", true, true}, [](Targets t) -> bool& { return t.bulletin.playClosing; }));
    rows.push_back(
        flag("HELLO=", kAlways, {"Y", true, true}, [](Targets t) -> bool& { return t.bulletin.playGreeting; }));
    rows.push_back(
        flag("DATE=", kAlways, {"N", false, true}, [](Targets t) -> bool& { return t.bulletin.speakDate; }));
}

// Checking a box runs its click, as the user's would: the autostart entry
// is rewritten and the window goes to the tray.
void addWindowStart(Rows& rows) {
    rows.push_back(own(
        "START=", kWindow,
        [](const SettingRead& in, const std::string& v) -> std::string {
            MainWindowModel& w = window(in.targets);
            if (v == "Y" && !w.settings().startWithSession) w.setStartWithSession(true);
            return {};
        },
        [](Targets t, SettingLines& out) {
            if (window(t).settings().startWithSession) out.add("START=", "Y");
        }));
    rows.push_back(own(
        "REDUCE=", kWindow,
        [](const SettingRead& in, const std::string& v) -> std::string {
            MainWindowModel& w = window(in.targets);
            if (v != "Y" || w.settings().startMinimised) return {};
            // The minimise that checking the box causes must not save the file being read.
            w.setNoSaveOnMinimise(true);
            w.setStartMinimised(true);
            return {};
        },
        [](Targets t, SettingLines& out) {
            if (window(t).settings().startMinimised) out.add("REDUCE=", "Y");
        }));
    rows.push_back(
        number("BALANCE=", kWindow, {Beyond::Clamped, -100, 100},
               [](Targets t) -> int& { return window(t).settings().Balance; }));
    // The slider only: a card's mixer keeps the level it has, which the
    // start-up reads back; an output whose volume is in the samples takes this one then.
    rows.push_back(number("VOLUME=", kWindow, {Beyond::Clamped, 0, 10},
                          [](Targets t) -> int& { return window(t).settings().volumePosition; }));
    rows.push_back(
        number("MAXVOLUME=", kWindow, {Beyond::Clamped, 0, 100},
               [](Targets t) -> int& { return window(t).settings().levelMark; }));
}

void addUnits(Rows& rows) {
    // Without the sources there is no source to refresh: a choice of the units alone does.
    const auto withUnits = [](Targets t, const auto& use) {
        if (t.stations) return use(t.stations->unitsChoice);
        UnitsChoice alone(t.units, nullptr);
        return use(alone);
    };
    const auto unit = [&](const char* key, Quantity quantity) {
        return yesNo(
            key, kAlways,
            [withUnits, quantity](Targets t) {
                return withUnits(t, [quantity](UnitsChoice& u) { return u.isMetric(quantity); });
            },
            [withUnits, quantity](Targets t, bool metric) {
                withUnits(t, [quantity, metric](UnitsChoice& u) { u.setMetric(quantity, metric); });
            });
    };
    rows.push_back(unit("UNITTC=", Quantity::Temperature));
    rows.push_back(unit("UNITPM=", Quantity::Pressure));
    rows.push_back(unit("UNITVK=", Quantity::Wind));
    rows.push_back(unit("UNITRM=", Quantity::Rain));
}

void addSourceChoice(Rows& rows) {
    rows.push_back(own(
        "METEO=", kStations,
        [](const SettingRead& in, const std::string& v) -> std::string {
            const auto kind = sourceFromConfigName(v);
            if (!kind && !v.empty())
                return "unknown source \"" + v +
                       "\": no weather is spoken; write one of MON, W23, W28, APRS, PRO2, METAR";
            if (kind == SourceKind::MON)
                stations(in.targets).sourceChoice.check(SourceKind::MON);
            else if (kind)
                in.remembered = kind;
            return {};
        },
        [](Targets t, SettingLines& out) {
            const std::string name = sourceConfigName(stations(t).sourceChoice.checkedSource());
            if (!name.empty()) out.add("METEO=", name);
        }));
}

// The boxes that choose what the source speaks.
void addQuantities(Rows& rows, const SourceBlock& block) {
    const std::string p = block.prefix;
    for (const QuantityFlag& q : kQuantityFlags)
        if (hasQuantityFlag(block.kind, q.field))
            rows.push_back(flag(
                p + q.suffix, kStations, {"Y"},
                [kind = block.kind, field = q.field](Targets t) {
                    return stations(t).sourceChoice.window(kind).checkBox(field).checked;
                },
                [kind = block.kind, field = q.field](Targets t, bool on) {
                    stations(t).sourceChoice.window(kind).setSpoken(field, on);
                }));
}

Setting period(const SourceBlock& block) {
    return spin(
        std::string(block.prefix) + "METPERI=", kStations,
        [kind = block.kind](Targets t) -> const BoundedNumber& {
            return stations(t).sourceChoice.window(kind).poller().minutes();
        },
        [kind = block.kind](Targets t, int minutes) {
            stations(t).sourceChoice.window(kind).poller().setMinutes(minutes);
        });
}

// A station's history file; one not there yet (a share mounted later) is kept and looked for at each poll.
Setting historyFile(const std::string& prefix, HistorySource& (*source)(Targets)) {
    return own(
        prefix + "DAT=", kStations,
        [source](const SettingRead& in, const std::string& v) -> std::string {
            if (source(in.targets).loadDataFile(v)) return {};
            return fileNotFound(stations(in.targets).context.resolvePath(v));
        },
        [key = prefix + "DAT=", source](Targets t, SettingLines& out) {
            out.addUnlessEmpty(key, source(t).inputLine());
        });
}

Setting historyOffset(const std::string& prefix, HistorySource& (*source)(Targets)) {
    return spin(
        prefix + "POFFSET=", kStations,
        [source](Targets t) -> const BoundedNumber& { return source(t).pressureCorrection(); },
        [source](Targets t, int steps) { source(t).setPressureCorrection(steps); });
}

Setting tendencyThreshold(const std::string& prefix, HistorySource& (*source)(Targets)) {
    return spin(
        prefix + "SEUILTEN=", kStations,
        [source](Targets t) -> const BoundedNumber& { return source(t).tendencyThreshold(); },
        [source](Targets t, int tenths) { source(t).setTendencyThreshold(tenths); });
}

HistorySource& ws23(Targets t) { return stations(t).ws23Source; }
HistorySource& ws28(Targets t) { return stations(t).ws28Source; }
HistorySource& pro2(Targets t) { return stations(t).pro2Source; }
InternetSource& aprs(Targets t) { return stations(t).aprsSource; }
InternetSource& metar(Targets t) { return stations(t).metarSource; }

void addMonitorBlock(Rows& rows, const SourceBlock& block) {
    rows.push_back(flag(
        "LOG=", kStations, {"Y"}, [](Targets t) { return stations(t).monitorSource.hourlyLogBox().checked; },
        [](Targets t, bool keep) { stations(t).monitorSource.keepHourlyLog(keep); }));
    rows.push_back(period(block));
    rows.push_back(own(
        "METCOMM=", kStations,
        [](const SettingRead& in, const std::string& v) -> std::string {
            return stations(in.targets).monitorSource.loadPort(v) ? "" : "neither a port number nor a device path";
        },
        [](Targets t, SettingLines& out) { out.add("METCOMM=", stations(t).monitorSource.portConfigValue()); }));
}

void addWs23Block(Rows& rows, const SourceBlock& block) {
    rows.push_back(period(block));
    rows.push_back(historyFile(block.prefix, ws23));
    rows.push_back(historyOffset(block.prefix, ws23));
    rows.push_back(tendencyThreshold(block.prefix, ws23));
}

void addWs28Block(Rows& rows, const SourceBlock& block) {
    rows.push_back(period(block));
    rows.push_back(historyFile(block.prefix, ws28));
    rows.push_back(yesNo(
        "W28_PABS=", kStations, [](Targets t) { return stations(t).ws28Source.absolutePressure(); },
        [](Targets t, bool absolute) { stations(t).ws28Source.selectAbsolutePressure(absolute); }));
    rows.push_back(historyOffset(block.prefix, ws28));
}

void addPro2Block(Rows& rows, const SourceBlock& block) {
    rows.push_back(period(block));
    rows.push_back(historyFile(block.prefix, pro2));
    rows.push_back(historyOffset(block.prefix, pro2));
    rows.push_back(tendencyThreshold(block.prefix, pro2));
    rows.push_back(flag(
        "PRO2_NEW=", kStations, {"N", false},
        [](Targets t) { return stations(t).pro2Source.currentMonthFileBox().checked; },
        [](Targets t, bool follow) { stations(t).pro2Source.followCurrentMonth(follow); }));
}

// What the METAR and APRS blocks share: the input, its history, the favourites,
// the pressure correction and the time reference.
void addNetworkKeys(Rows& rows, const std::string& prefix, InternetSource& (*source)(Targets)) {
    // A file not there yet is kept as configured, so that the next save does not lose it.
    rows.push_back(own(
        prefix + "DAT=", kStations,
        [source](const SettingRead& in, const std::string& v) -> std::string {
            InternetSource& n = source(in.targets);
            if (n.loadDataFile(v)) return {};
            n.setInputLine(v);
            return fileNotFound(stations(in.targets).context.resolvePath(v));
        },
        [key = prefix + "DAT=", source](Targets t, SettingLines& out) {
            out.addUnlessEmpty(key, source(t).inputLine());
        }));
    rows.push_back(own(
        prefix + "LIST=", kStations,
        [source](const SettingRead& in, const std::string& v) -> std::string {
            if (source(in.targets).addressHistory().load(v)) return {};
            return "the list holds " + std::to_string(UrlHistory::kMaxEntries) + " entries already";
        },
        [key = prefix + "LIST=", source](Targets t, SettingLines& out) {
            for (const std::string& entry : source(t).addressHistory().Items()) out.add(key, entry);
        }));
    // "FAV1=" to "FAV10=".
    Setting favourites = own(
        prefix + "FAV", kStations,
        [source](const SettingRead& in, const std::string& v) -> std::string {
            if (in.number.empty()) return "a favourite without its number";
            const auto n = parseDecimalInteger(in.number);
            if (!n) return "favourite number " + kNotANumber;
            if (*n < 1 || *n > Favourites::kSlots)
                return "favourite number outside 1.." + std::to_string(Favourites::kSlots);
            source(in.targets).favourites().setEntry(*n, v);
            return {};
        },
        [prefix, source](Targets t, SettingLines& out) {
            const auto& slots = source(t).favourites().entries();
            for (std::size_t i = 0; i < slots.size(); ++i)
                if (!slots[i].empty()) out.add(prefix + "FAV" + std::to_string(i + 1) + "=", slots[i]);
        });
    favourites.numbered = true;
    rows.push_back(std::move(favourites));
    rows.push_back(number(
        prefix + "POFFSET=", kStations, {}, [source](Targets t) { return source(t).pressureCorrection().value(); },
        [source](Targets t, int n) { source(t).setPressureCorrection(n); }));
    rows.push_back(number(
        prefix + "TU=", kStations, {Beyond::Refused, -1, 1}, [source](Targets t) { return source(t).timeZoneChoice(); },
        [source](Targets t, int choice) { source(t).chooseTimeZone(choice); }));
}

void updateInputUnits(Targets t, const std::function<void(AprsInputUnits&)>& change) {
    AprsInputUnits units = stations(t).aprsSource.inputUnits();
    change(units);
    stations(t).aprsSource.setInputUnits(units);
}

void addAprsBlock(Rows& rows, const SourceBlock& block) {
    const auto windUnit = [](const char* key, AprsWindUnit unit) {
        return own(
            key, kStations,
            [unit](const SettingRead& in, const std::string& v) -> std::string {
                if (v == "Y") updateInputUnits(in.targets, [unit](AprsInputUnits& u) { u.wind = unit; });
                return {};
            },
            [key, unit](Targets t, SettingLines& out) {
                if (stations(t).aprsSource.inputUnits().wind == unit) out.add(key, "Y");
            });
    };
    rows.push_back(windUnit("APRS_KM=", AprsWindUnit::Kmh));
    rows.push_back(windUnit("APRS_KNOT=", AprsWindUnit::Knot));
    rows.push_back(flag(
        "APRS_DGF=", kStations, {"Y", true, true, ""},
        [](Targets t) { return stations(t).aprsSource.inputUnits().fahrenheit; },
        [](Targets t, bool on) { updateInputUnits(t, [on](AprsInputUnits& u) { u.fahrenheit = on; }); }));
    rows.push_back(flag(
        "APRS_INC=", kStations, {"Y", true, true, ""},
        [](Targets t) { return stations(t).aprsSource.inputUnits().hundredthsOfInch; },
        [](Targets t, bool on) { updateInputUnits(t, [on](AprsInputUnits& u) { u.hundredthsOfInch = on; }); }));
    rows.push_back(period(block));
    addNetworkKeys(rows, block.prefix, aprs);
    rows.push_back(text(
        "APRS_ID=", kStations, [](Targets t) { return stations(t).aprsSource.loginId(); },
        [](Targets t, const std::string& id) { stations(t).aprsSource.setLoginId(id); }));
    rows.push_back(text(
        "APRS_PW=", kStations, [](Targets t) { return stations(t).aprsSource.loginPassword(); },
        [](Targets t, const std::string& password) { stations(t).aprsSource.setLoginPassword(password); }));
}

void addMetarBlock(Rows& rows, const SourceBlock& block) {
    rows.push_back(period(block));
    addNetworkKeys(rows, block.prefix, metar);
}

void addSourceBlocks(Rows& rows) {
    for (const SourceBlock& block : kSourceBlocks) {
        addQuantities(rows, block);
        switch (block.kind) {
            case SourceKind::MON: addMonitorBlock(rows, block); break;
            case SourceKind::W23: addWs23Block(rows, block); break;
            case SourceKind::W28: addWs28Block(rows, block); break;
            case SourceKind::APRS: addAprsBlock(rows, block); break;
            case SourceKind::METAR: addMetarBlock(rows, block); break;
            case SourceKind::Pro2: addPro2Block(rows, block); break;
            case SourceKind::None: break;
        }
    }
}

void addWindowPlaces(Rows& rows) {
    rows.push_back(number("TOP=", kWindow, {}, [](Targets t) -> int& { return window(t).settings().Top; }));
    rows.push_back(number("LEFT=", kWindow, {}, [](Targets t) -> int& { return window(t).settings().Left; }));
    const std::pair<const char*, int WindowGeometry::*> kSides[] = {{"METEO_TOP=", &WindowGeometry::top},
                                                                    {"METEO_LEFT=", &WindowGeometry::left},
                                                                    {"METEO_WIDTH=", &WindowGeometry::width},
                                                                    {"METEO_HEIGHT=", &WindowGeometry::height}};
    for (const auto& [key, member] : kSides)
        rows.push_back(number(key, kStations, {}, [side = member](Targets t) -> int& {
            return stations(t).context.sourceWindowPlace.*side;
        }));
    // Read as the main window's wish, written from whether any source window is shown.
    Setting shown = own(
        "FORMMETEO=", kWindow,
        [](const SettingRead& in, const std::string& v) -> std::string {
            if (v == "N") window(in.targets).settings().showSourceWindow = false;
            return {};
        },
        [](Targets t, SettingLines& out) {
            for (const SourceBlock& block : kSourceBlocks)
                if (stations(t).sourceChoice.window(block.kind).visible()) return;
            out.add("FORMMETEO=", "N");
        });
    shown.writtenFrom = kStations;
    rows.push_back(std::move(shown));
}

void addWindowOutput(Rows& rows) {
    rows.push_back(own(
        "OSOUND=", kWindow,
        [](const SettingRead& in, const std::string& v) -> std::string {
            if (v == "-1") return {};
            MainWindowModel& w = window(in.targets);
            w.settings().ownOutputChosen = true;
            const auto n = parseDecimalInteger(v);
            if (!n) return kNotANumber + ", the device stays " + std::to_string(w.settings().outputDevice.number);
            w.settings().outputDevice.number = *n;
            return {};
        },
        [](Targets t, SettingLines& out) { out.add("OSOUND=", std::to_string(window(t).chosenOutput().number)); }));
    rows.push_back(flag("VERSTART=", kWindow, {"1", true, false, "0"},
                        [](Targets t) -> bool& { return window(t).settings().checkVersionAtStart; }));
    rows.push_back(own(
        "VERSION_URL=", kWindow,
        [](const SettingRead& in, const std::string& v) -> std::string {
            if (!v.empty() && !isWebAddress(v)) return "not a web address (http:// or https://)";
            window(in.targets).settings().versionUrl = v;
            return {};
        },
        [](Targets t, SettingLines& out) { out.addUnlessEmpty("VERSION_URL=", window(t).settings().versionUrl); }));
}

// "COM3" is written "COM=3"; "No COM" is "COM=0"; a device path is written as it is.
void addPort(Rows& rows) {
    rows.push_back(own(
        "COM=", kAlways,
        [](const SettingRead& in, const std::string& v) -> std::string {
            if (v == "0")
                in.targets.port.chooseNoPort();
            else  // a port that is not there yet stays chosen: its trouble is reported where it is watched
                in.targets.port.choosePort(portNameFromConfig(v));
            return {};
        },
        [](Targets t, SettingLines& out) {
            const std::string name = t.port.portName();
            if (name.empty()) return;
            if (name == kNoPortName)
                out.add("COM=", "0");
            else
                out.add("COM=", name.starts_with("COM") ? name.substr(3) : name);
        }));
    const std::pair<const char*, bool PortLineSettings::*> kLines[] = {{"DTR=", &PortLineSettings::keyDtr},
                                                                       {"RTS=", &PortLineSettings::keyRts},
                                                                       {"DSR=", &PortLineSettings::triggerOnDsr},
                                                                       {"CTS=", &PortLineSettings::triggerOnCts},
                                                                       {"DCD=", &PortLineSettings::holdOnDcd}};
    for (const auto& [key, member] : kLines)
        rows.push_back(flag(key, kAlways, {"0", false}, [line = member](Targets t) -> bool& { return t.lines.*line; }));
}

// Written after every key older programs write, and only when they hold no
// default, so that older files load and save as before.
void addLaterKeys(Rows& rows) {
    // The name wins over the number.
    rows.push_back(own(
        "OSOUNDNAME=", kWindow,
        [](const SettingRead& in, const std::string& v) -> std::string {
            if (v.empty()) return {};
            window(in.targets).settings().ownOutputChosen = true;
            window(in.targets).settings().outputDevice.name = v;
            return {};
        },
        [](Targets t, SettingLines& out) { out.addUnlessEmpty("OSOUNDNAME=", window(t).chosenOutput().name); }));
    rows.push_back(number("TX_TIMEOUT=", kAlways, {Beyond::Clamped, 30, 3600, PortLineSettings().transmitLimitSeconds},
                          [](Targets t) -> int& { return t.lines.transmitLimitSeconds; }));
    // Kept as written even when unusable, so that a save does not lose it; codes use the default meanwhile.
    rows.push_back(own(
        "METAR_PROVIDER=", kStations,
        [](const SettingRead& in, const std::string& v) -> std::string {
            MetarSource& m = stations(in.targets).metarSource;
            m.setProvider(v);
            if (isProviderPattern(m.provider())) return {};
            return "not a web address with " + std::string(kAirportPlaceholder) +
                   " where the airport code goes; kept as configured, codes are fetched from " +
                   MetarSource::kDefaultProvider + " until it is mended";
        },
        [](Targets t, SettingLines& out) {
            const std::string& provider = stations(t).metarSource.provider();
            if (provider != MetarSource::kDefaultProvider) out.add("METAR_PROVIDER=", provider);
        }));
    rows.push_back(own(
        "LANGUAGE=", kWindow,
        [](const SettingRead& in, const std::string& v) -> std::string {
            if (!v.empty() && v != "en" && v != "es") return "not en or es; the locale's language is used";
            window(in.targets).settings().language = v;
            return {};
        },
        [](Targets t, SettingLines& out) { out.addUnlessEmpty("LANGUAGE=", window(t).settings().language); }));
}

KeyingSettings& keying(Targets t) { return t.lines.keying; }

// How the transmitter is keyed, when not by the port's DTR and RTS. Each key is
// written only when it differs from its default.
void addKeying(Rows& rows) {
    rows.push_back(own(
        "PTT=", kAlways,
        [](const SettingRead& in, const std::string& v) -> std::string {
            if (v.empty()) return {};
            const auto kind = keyingNamed(v);
            if (!kind) return "not SERIAL, HAMLIB, CM108, GPIO or VOX; the serial port's DTR and RTS key the transmitter";
            keying(in.targets).kind = *kind;
            return {};
        },
        [](Targets t, SettingLines& out) {
            if (keying(t).kind != KeyingKind::Serial) out.add("PTT=", keyingName(keying(t).kind));
        }));
    const KeyingSettings defaults;
    const auto whole = [&rows](const char* key, NumberRule rule, int KeyingSettings::*field) {
        rows.push_back(number(key, kAlways, rule, [field](Targets t) -> int& { return keying(t).*field; }));
    };
    const auto words = [&rows](const char* key, std::string KeyingSettings::*field) {
        rows.push_back(own(
            key, kAlways,
            [field](const SettingRead& in, const std::string& v) -> std::string {
                keying(in.targets).*field = v;
                return {};
            },
            [key, field](Targets t, SettingLines& out) {
                if (keying(t).*field != KeyingSettings().*field) out.add(key, keying(t).*field);
            }));
    };
    const auto yes = [&rows](const char* key, bool KeyingSettings::*field) {
        rows.push_back(
            flag(key, kAlways, {"Y", true, true, nullptr}, [field](Targets t) -> bool& { return keying(t).*field; }));
    };
    constexpr int kLastLine = 65'535;
    whole("HAMLIB_MODEL=", {Beyond::Clamped, 1, 999'999, defaults.hamlibModel}, &KeyingSettings::hamlibModel);
    words("HAMLIB_PORT=", &KeyingSettings::hamlibPort);
    whole("HAMLIB_SPEED=", {Beyond::Clamped, 0, 4'000'000, defaults.hamlibSpeed}, &KeyingSettings::hamlibSpeed);
    yes("HAMLIB_DCD=", &KeyingSettings::hamlibBusy);
    words("CM108_DEVICE=", &KeyingSettings::cm108Device);
    whole("CM108_GPIO=", {Beyond::Clamped, 1, 8, defaults.cm108Gpio}, &KeyingSettings::cm108Gpio);
    words("GPIO_CHIP=", &KeyingSettings::gpioChip);
    whole("GPIO_LINE=", {Beyond::Clamped, -1, kLastLine, defaults.gpioLine}, &KeyingSettings::gpioLine);
    yes("GPIO_ACTIVE_LOW=", &KeyingSettings::gpioActiveLow);
    whole("GPIO_TRIGGER_LINE=", {Beyond::Clamped, -1, kLastLine, defaults.gpioTriggerLine},
          &KeyingSettings::gpioTriggerLine);
    whole("GPIO_BUSY_LINE=", {Beyond::Clamped, -1, kLastLine, defaults.gpioBusyLine}, &KeyingSettings::gpioBusyLine);
}

Rows buildTable() {
    Rows rows;
    addBulletinHead(rows);
    addSchedule(rows);
    addBulletinSteps(rows);
    addWindowStart(rows);
    addUnits(rows);
    addSourceChoice(rows);
    addSourceBlocks(rows);
    addWindowPlaces(rows);
    addWindowOutput(rows);
    addPort(rows);
    addLaterKeys(rows);
    addKeying(rows);
    return rows;
}

}  // namespace

bool ownerPresent(SettingOwner owner, const ConfigTargets& t) {
    switch (owner) {
        case SettingOwner::Always: return true;
        case SettingOwner::MainWindow: return t.mainWindow != nullptr;
        case SettingOwner::Schedule: return t.mainWindow && t.schedule;
        case SettingOwner::Stations: return t.stations != nullptr;
    }
    return false;
}

void SettingLines::add(std::string_view key, std::string_view value) { text_.append(key).append(value).append("\r\n"); }

void SettingLines::addUnlessEmpty(std::string_view key, std::string_view value) {
    if (!value.empty()) add(key, value);
}

const std::vector<Setting>& settingsTable() {
    static const Rows rows = buildTable();
    return rows;
}

const Setting* findSetting(std::string_view key) {
    static const std::map<std::string, const Setting*, std::less<>> byKey = [] {
        std::map<std::string, const Setting*, std::less<>> keys;
        for (const Setting& s : settingsTable())
            if (!s.numbered) keys.emplace(s.key, &s);
        return keys;
    }();
    if (const auto found = byKey.find(key); found != byKey.end()) return found->second;
    for (const Setting& s : settingsTable())
        if (s.numbered && key.starts_with(s.key)) return &s;
    return nullptr;
}

}  // namespace skycrier
