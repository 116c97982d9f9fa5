#include "app/station_troubles.h"

#include "app/config_keys.h"
#include "sources/history_source.h"
#include "sources/monitor_source.h"

namespace skycrier {
namespace {

const char* keyPrefix(SourceKind kind) {
    for (const SourceBlock& block : kSourceBlocks)
        if (block.kind == kind) return block.prefix;
    return "";
}

HistorySource* historySource(SourceModels& s, SourceKind kind) {
    switch (kind) {
    case SourceKind::W23: return &s.ws23Source;
    case SourceKind::W28: return &s.ws28Source;
    case SourceKind::Pro2: return &s.pro2Source;
    default: return nullptr;
    }
}

std::string monitorName(SourceModels& s) {
    const std::string& port = s.monitorSource.port();
    const std::string device = s.context.portDevice(port);
    return "Weather Monitor II on " + port + (device.empty() || device == port ? "" : " (" + device + ")");
}

}  // namespace

std::string stationTrouble(SourceModels& s, SourceKind kind) {
    if (const HistorySource* h = historySource(s, kind)) {
        const std::string file = s.context.resolvePath(h->path());
        if (h->path().empty() || fileExists(file)) return {};
        return std::string(keyPrefix(kind)) + "DAT=" + h->path() + ": file " + file + " not found (" +
               kErrorMissingFile + "); kept as configured and looked for again at each poll";
    }
    if (kind == SourceKind::MON) {
        const MonitorSource& m = s.monitorSource;
        if (m.port().empty() || m.connected()) return {};
        return monitorName(s) + ": " + (m.meteo().ErrorText.empty() ? kMonitorStationError : m.meteo().ErrorText) +
               "; kept as configured and tried again at each poll";
    }
    return {};
}

std::string stationTroubleEnded(SourceModels& s, SourceKind kind) {
    if (const HistorySource* h = historySource(s, kind))
        return std::string(keyPrefix(kind)) + "DAT=" + h->path() + ": file found again";
    return monitorName(s) + " answers again";
}

}  // namespace skycrier
