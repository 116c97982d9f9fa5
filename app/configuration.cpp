#include "app/configuration.h"

#include <algorithm>
#include <functional>
#include <map>

namespace skycrier {

std::string portNameFromConfig(const std::string& value) {
    if (!value.empty() && value.front() == '/') return value;
    return "COM" + value;
}

void applyConfiguration(const std::vector<ConfigLine>& lines, ConfigTargets& t) {
    using Apply = std::function<void(const std::string&)>;
    BulletinSettings& b = t.bulletin;
    // A flag set only by its literal, and one cleared only by its literal, differ
    // in what other values do; each key keeps the rule its own control has.
    const auto checksOnY = [](bool& flag) { return [&flag](const std::string& v) { if (v == "Y") flag = true; }; };
    const auto yesOrNo = [](bool& flag) { return [&flag](const std::string& v) { flag = v == "Y"; }; };
    const auto clearsOnZero = [](bool& flag) { return [&flag](const std::string& v) { if (v == "0") flag = false; }; };
    const auto path = [](std::string& target) { return [&target](const std::string& v) { target = v; }; };

    const std::map<std::string, Apply> keys = {
        {"ROSE=", [&](const std::string& v) { if (v == "16") b.Menu16secteurs = true; }},
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
             if (const auto n = parseConfigInteger(v)) b.SpinEditPause = std::clamp(*n, 0, 15);
         }},
        {"FINAL=", yesOrNo(b.CheckBoxFin)},
        {"HELLO=", yesOrNo(b.CheckBoxBrell)},
        {"DATE=", [&](const std::string& v) { b.CheckBoxDate = v != "N"; }},
        {"UNITTC=", [&](const std::string& v) { t.units.setTemperatureMetric(v == "Y"); }},
        {"UNITPM=", [&](const std::string& v) { t.units.setPressureMetric(v == "Y"); }},
        {"UNITVK=", [&](const std::string& v) { t.units.setWindMetric(v == "Y"); }},
        {"UNITRM=", [&](const std::string& v) { t.units.setRainMetric(v == "Y"); }},
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
    for (const ConfigLine& line : lines) {
        const auto found = keys.find(line.key);
        if (found != keys.end()) found->second(line.value);
    }
}

}  // namespace skycrier
