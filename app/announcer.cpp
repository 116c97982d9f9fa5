#include "app/announcer.h"

#include <cstdio>
#include <filesystem>

#include "app/builtin_clips.h"
#include "app/configuration_save.h"
#include "app/configuration_text.h"
#include "app/program_folder.h"
#include "app/station_troubles.h"
#include "platform/date_time.h"

namespace skycrier {

Announcer::Announcer(const AnnouncerParts& parts)
    : stations(parts.loop, units),
      vocabulary(builtInClips()),
      engine({parts.loop, parts.sound, vocabulary, status}),
      port(parts.loop, parts.serial),
      portWindow(port, mainWindow, lines, parts.listPorts),
      sequencer({parts.loop, engine, port,
                 parts.recordedWeather ? *parts.recordedWeather : stations.weatherSources(), units, settings, lines,
                 status}),
      peers(parts.loop, sequencer, status, parts.mailbox),
      soundOutput({parts.loop, mainWindow, engine, sequencer, status, parts.catalogue,
                   [this] { stations.context.beep(); }}),
      scheduler({parts.loop, sequencer, port, lines, schedule}),
      logBook(parts.loop, parts.folder / kLogFileName),
      folder_(parts.folder),
      configFile_(parts.configFile.empty() ? parts.folder / kConfigFileName : parts.configFile),
      loop_(parts.loop) {
    const auto resolver = [this](const std::string& name) { return resolve(name); };
    stations.context.resolvePath = resolver;
    engine.setPathResolver(resolver);
    stations.context.escapeRequest = [this] { sequencer.escapeRequest(); };
    stations.context.bulletinOnAir = [this] { return sequencer.bulletinRunning(); };
    stations.context.fetcher = parts.fetcher;
    wireWeatherMonitor(parts);
    // A file a poll could not write is a notice: no dialog may hold up the station.
    stations.context.showError = [this](const std::string& text) { notice(text); };
    scheduler.appendLog = [this](const std::string& message) { logBook.appendLine(message); };
    peers.log = [this](const std::string& text) { log(text); };
    scheduler.readBackVolume = [this] {
        if (!soundOutput.volumeChangeInProgress()) soundOutput.readBackVolume();
    };
    portWindow.onReleased = [this] { scheduler.portReleased(); };
    stations.sourceChoice.startMinimised = [this] { return mainWindow.startMinimised; };
    mainWindow.saveConfiguration = [this] { saveConfiguration(); };
    mainWindow.escapeRequest = [this] { sequencer.escapeRequest(); };
    if (parts.showError) mainWindow.showError = parts.showError;
    sequencer.setChannelLink(&peers);
    if (parts.recorderLink) wireRecorder(parts.loop, *parts.recorderLink);
    portWindow.answerUser = parts.showPortError;
    watchDevices();
}

void Announcer::watchDevices() {
    portWindow.onChanged = [this] { troubles.update("COM=", port.trouble(), port.troubleEnded()); };
    // A port that came since the last minute's try is taken before the bulletin keys.
    portBeforeBulletin_ = sequencer.started.connect([this](BulletinTrigger) { port.retry(); });
    for (const SourceKind kind : {SourceKind::MON, SourceKind::W23, SourceKind::W28, SourceKind::Pro2})
        stationPolls_.push_back(stations.sourceChoice.window(kind).pollFinished.connect([this, kind](bool) {
            if (!stations.sourceChoice.isChecked(kind)) return;
            troubles.update(std::string(sourceName(kind)), stationTrouble(stations, kind), stationTroubleEnded(stations, kind));
        }));
}

void Announcer::report(const std::string& text) {
    status.reported.emit(text);
    log(text);
}

void Announcer::log(const std::string& text) {
    if (logging_)
        logBook.appendLine(text);
    else
        unlogged_.push_back(text);
}

void Announcer::notice(const std::string& text) {
    status.setStatusText(text);
    status.noticed.emit(text);
    log(text);
}

void Announcer::startLogging() {
    logging_ = true;
    for (const std::string& text : std::exchange(unlogged_, {})) logBook.appendLine(text);
}

void Announcer::wireWeatherMonitor(const AnnouncerParts& parts) {
    SourceContext& c = stations.context;
    c.weatherMonitor = parts.weatherMonitor;
    c.portDevice = devicePathForPort;
    c.serialPorts = parts.listPorts;
    c.mainWindowTime = [this] { return scheduler.timeText; };
    scheduler.hourlyObservation = [this]() -> std::optional<MeteoData> {
        const MonitorSource& monitor = stations.monitorSource;
        if (!stations.sourceChoice.isChecked(SourceKind::MON) || !monitor.hourlyLogBox.checked ||
            !monitor.connected())
            return std::nullopt;
        return monitor.meteo;
    };
}

void Announcer::wireRecorder(EventLoop& loop, RecorderLink& link) {
    recorder.emplace(loop, link,
                     RecorderControl::Settings{mainWindow.recordBulletins, mainWindow.recorderProgram,
                                               [this](const std::string& name) { return resolve(name); }},
                     [this] { stations.context.beep(); });
    sequencer.setStartStep([this](std::function<void()> done) { recorder->bulletinStart(std::move(done)); });
    sequencer.setEndStep([this](std::function<void()> done) { recorder->bulletinEnd(std::move(done)); });
    recorderAbort_ = sequencer.events.connect([this](const BulletinEvent& event) {
        if (event.kind == BulletinEvent::Kind::Abort) recorder->bulletinAborted();
    });
}

std::vector<IgnoredLine> Announcer::applyConfiguration(const std::vector<ConfigLine>& configLines) {
    ConfigTargets targets = configTargets();
    return skycrier::applyConfiguration(configLines, targets);
}

ConfigTargets Announcer::configTargets() {
    return {settings, lines, units, portWindow, &stations, &mainWindow, &schedule};
}

std::string Announcer::configurationText() { return skycrier::configurationText(configTargets()); }

void Announcer::configurationLoaded(std::optional<std::string> fileText) {
    fileAsKnown_ = std::move(fileText);
    textAsKnown_ = configurationText();
}

std::filesystem::path Announcer::keptName(const char* tag) const {
    const DateTimeFields t = decodeDateTime(loop_.localNow());
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, ".%s%04d%02d%02d-%02d%02d%02d", tag, t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    std::filesystem::path kept = configFile_;
    kept += stamp;
    return kept;
}

bool Announcer::keepAside(const std::filesystem::path& kept) {
    std::error_code error;
    std::filesystem::rename(configFile_, kept, error);
    if (!error || !std::filesystem::exists(configFile_)) return true;
    stations.context.beep();
    status.showFailure("Error: skycrier", configFile_.string() + " could not be kept as " + kept.string() + ": " +
                                              error.message() + "; nothing was saved");
    return false;
}

bool Announcer::saveConfiguration(Save kind) {
    if (configurationUnread_) {
        if (kind == Save::Automatic) return false;
        const auto kept = keptName("unread-");
        if (!keepAside(kept)) return false;
        configurationUnread_ = false;
        status.reported.emit("the unread " + configFile_.string() + " is kept as " + kept.string());
    }
    const std::string text = configurationText();
    std::string unused;
    const auto onDisk = readWholeFile(configFile_.string(), unused);
    // Nothing of ours changed: the file stays as it is, edited meanwhile or not.
    if (kind == Save::Automatic && onDisk && text == textAsKnown_) return true;
    if (onDisk && onDisk != fileAsKnown_) {
        const auto kept = keptName("");
        if (!keepAside(kept)) return false;
        const std::string line = configFile_.string() + " was changed by someone else since SkyCrier read it; that "
                                                        "version is kept as " + kept.string();
        notice(line);
    }
    std::string reason;
    if (saveConfigurationFile(configFile_, text, reason)) {
        fileAsKnown_ = text;
        textAsKnown_ = text;
        return true;
    }
    stations.context.beep();
    status.showFailure("Error: skycrier", reason);
    return false;
}

std::string Announcer::resolve(const std::string& name) const { return resolveInFolder(folder_, name); }

}  // namespace skycrier
