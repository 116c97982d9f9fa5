#include "app/announcer.h"

#include <cstdio>
#include <filesystem>

#include "app/builtin_clips.h"
#include "app/configuration_save.h"
#include "app/configuration_text.h"
#include "app/program_folder.h"
#include "app/station_summary.h"
#include "app/station_troubles.h"
#include "platform/date_time.h"

namespace skycrier {

Announcer::Announcer(const AnnouncerParts& parts)
    : stations_(parts.loop, units_),
      vocabulary_(builtInClips()),
      engine_({parts.loop, parts.sound, vocabulary_, status_}),
      port_(parts.loop, parts.serial),
      keySwitch_(parts.loop, lines_.keying, parts.makeSwitch),
      portWindow_(port_, mainWindow_, lines_, parts.listPorts),
      sequencer_({parts.loop, engine_, port_,
                 parts.recordedWeather ? *parts.recordedWeather : stations_.weatherSources(), units_, settings_, lines_,
                 status_, &keySwitch_}),
      peers_(parts.loop, sequencer_, status_, parts.mailbox),
      soundOutput_({parts.loop, mainWindow_, engine_, sequencer_, status_, parts.catalogue,
                   [this] { stations_.context.beep(); }}),
      scheduler_({parts.loop, sequencer_, port_, lines_, schedule_, &keySwitch_}),
      logBook_(parts.loop, parts.folder / kLogFileName),
      folder_(parts.folder),
      configFile_(parts.configFile.empty() ? parts.folder / kConfigFileName : parts.configFile),
      loop_(parts.loop) {
    const auto resolver = [this](const std::string& name) { return resolve(name); };
    stations_.context.resolvePath = resolver;
    engine_.setPathResolver(resolver);
    stations_.context.escapeRequest = [this] { sequencer_.escapeRequest(); };
    stations_.context.bulletinOnAir = [this] { return sequencer_.bulletinRunning(); };
    stations_.context.fetcher = parts.fetcher;
    wireWeatherMonitor(parts);
    // A file a poll could not write is a notice: no dialog may hold up the station.
    stations_.context.showError = [this](const std::string& text) { notice(text); };
    scheduler_.appendLog = [this](const std::string& message) { logBook_.appendLine(message); };
    peers_.log = [this](const std::string& text) { log(text); };
    scheduler_.readBackVolume = [this] {
        if (!soundOutput_.volumeChangeInProgress()) soundOutput_.readBackVolume();
    };
    portWindow_.onReleased = [this] { scheduler_.portReleased(); };
    stations_.sourceChoice.startMinimised = [this] { return mainWindow_.settings().startMinimised; };
    mainWindow_.saveConfiguration = [this] { saveConfiguration(); };
    mainWindow_.escapeRequest = [this] { sequencer_.escapeRequest(); };
    if (parts.showError) mainWindow_.showError = parts.showError;
    sequencer_.setChannelLink(parts.peerLink ? parts.peerLink : &peers_);
    if (parts.recorderLink) wireRecorder(parts.loop, *parts.recorderLink);
    portWindow_.answerUser = parts.showPortError;
    watchDevices();
}

void Announcer::watchDevices() {
    portWindow_.onChanged = [this] { troubles_.update("COM=", port_.trouble(), port_.troubleEnded()); };
    keySwitch_.changed = [this] { troubles_.update("PTT=", keySwitch_.trouble(), keySwitch_.troubleEnded()); };
    portWindow_.onKeyingChanged = [this] { keySwitch_.follow(); };
    // A port or a switch that came since the last minute's try is taken before the bulletin keys.
    portBeforeBulletin_ = sequencer_.started.connect([this](BulletinTrigger) {
        port_.retry();
        keySwitch_.follow();
        keySwitch_.retry();
    });
    portInputs_ = port_.inputsChanged.connect([this] { scheduler_.inputsChanged(); });
    switchInputs_ = keySwitch_.inputsChanged.connect([this] { scheduler_.inputsChanged(); });
    for (const SourceKind kind : {SourceKind::MON, SourceKind::W23, SourceKind::W28, SourceKind::Pro2})
        stationPolls_.push_back(stations_.sourceChoice.window(kind).poller().finished.connect([this, kind](bool) {
            if (!stations_.sourceChoice.isChecked(kind)) return;
            troubles_.update(std::string(sourceName(kind)), stationTrouble(stations_, kind),
                             stationTroubleEnded(stations_, kind));
        }));
}

void Announcer::report(const std::string& text) {
    status_.reported.emit(text);
    log(text);
}

void Announcer::log(const std::string& text) {
    if (logging_)
        logBook_.appendLine(text);
    else
        unlogged_.push_back(text);
}

void Announcer::notice(const std::string& text) {
    status_.setStatusText(text);
    status_.noticed.emit(text);
    log(text);
}

void Announcer::startLogging() {
    logging_ = true;
    for (const std::string& text : std::exchange(unlogged_, {})) logBook_.appendLine(text);
}

void Announcer::wireWeatherMonitor(const AnnouncerParts& parts) {
    SourceContext& c = stations_.context;
    c.weatherMonitor = parts.weatherMonitor;
    c.portDevice = devicePathForPort;
    c.serialPorts = parts.listPorts;
    c.mainWindowTime = [this] { return scheduler_.shown().timeText; };
    scheduler_.hourlyObservation = [this]() -> std::optional<MeteoData> {
        const MonitorSource& monitor = stations_.monitorSource;
        if (!stations_.sourceChoice.isChecked(SourceKind::MON) || !monitor.hourlyLogBox().checked ||
            !monitor.connected())
            return std::nullopt;
        return monitor.meteo();
    };
}

void Announcer::wireRecorder(EventLoop& loop, RecorderLink& link) {
    recorder_.emplace(loop, link,
                     RecorderControl::Settings{mainWindow_.settings().recordBulletins,
                                               mainWindow_.settings().recorderProgram,
                                               [this](const std::string& name) { return resolve(name); }},
                     [this] { stations_.context.beep(); });
    sequencer_.setStartStep([this](std::function<void()> done) { recorder_->bulletinStart(std::move(done)); });
    sequencer_.setEndStep([this](std::function<void()> done) { recorder_->bulletinEnd(std::move(done)); });
    recorderAbort_ = sequencer_.events.connect([this](const BulletinEvent& event) {
        if (event.kind == BulletinEvent::Kind::Abort) recorder_->bulletinAborted();
    });
}

std::vector<IgnoredLine> Announcer::applyConfiguration(const std::vector<ConfigLine>& configLines) {
    ConfigTargets targets = configTargets();
    return skycrier::applyConfiguration(configLines, targets);
}

ConfigTargets Announcer::configTargets() {
    return {settings_, lines_, units_, portWindow_, &stations_, &mainWindow_, &schedule_};
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
    stations_.context.beep();
    status_.showFailure("Error: skycrier", configFile_.string() + " could not be kept as " + kept.string() + ": " +
                                              error.message() + "; nothing was saved");
    return false;
}

bool Announcer::saveConfiguration(Save kind) {
    if (configurationUnread_) {
        if (kind == Save::Automatic) return false;
        const auto kept = keptName("unread-");
        if (!keepAside(kept)) return false;
        configurationUnread_ = false;
        status_.reported.emit("the unread " + configFile_.string() + " is kept as " + kept.string());
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
    stations_.context.beep();
    status_.showFailure("Error: skycrier", reason);
    return false;
}

std::string Announcer::resolve(const std::string& name) const { return resolveInFolder(folder_, name); }

void Announcer::requestBulletin(BulletinTrigger trigger) { sequencer_.requestBulletin(trigger); }

void Announcer::stopBulletin(const std::string& statusText) { sequencer_.stopNow(statusText); }


bool Announcer::bulletinRunning() const { return sequencer_.bulletinRunning(); }

int Announcer::bulletinPosition() const { return sequencer_.bulletinPosition(); }

Signal<BulletinTrigger>& Announcer::bulletinStarted() { return sequencer_.started; }

Signal<const BulletinEvent&>& Announcer::bulletinEvents() { return sequencer_.events; }

void Announcer::holdBulletinStart(Sequencer::AsyncStep step) { sequencer_.setStartStep(std::move(step)); }

void Announcer::holdBulletinEnd(Sequencer::AsyncStep step) { sequencer_.setEndStep(std::move(step)); }

void Announcer::setErrorSimulation(bool on) { sequencer_.setErrorSimulation(on); }

bool Announcer::errorSimulation() const { return sequencer_.errorSimulation(); }

OutputDevice Announcer::outputInUse() const { return engine_.outputDevice(); }

std::vector<std::string> Announcer::useVocabularyFolder(const std::string& folder) {
    return vocabulary_.useRecordings(folder);
}

bool Announcer::prepareSound(const OutputDevice& device) {
    if (!engine_.allocateBuffers()) return false;
    engine_.setOutputDevice(device);
    return true;
}

void Announcer::appendLog(const std::string& line) { logBook_.appendLine(line); }

const std::vector<std::string>& Announcer::logLines() const { return logBook_.lines(); }

StationState Announcer::stationState() {
    return {stations_, port_, lines_, schedule_, mainWindow_, peers_.connected()};
}

std::vector<std::string> Announcer::summary(double localNow) { return stationSummary(stationState(), localNow); }

std::string Announcer::nextBulletinLine(double localNow) {
    return skycrier::nextBulletinLine(stationState(), localNow);
}

Announcer::MainWindowModels Announcer::mainModels() {
    return {mainWindow_, settings_, schedule_, soundOutput_, scheduler_, port_, recorder_ ? &*recorder_ : nullptr};
}

SourceModels& Announcer::sources() { return stations_; }

PortWindowModel& Announcer::portWindow() { return portWindow_; }

RecorderWindowModel& Announcer::recordWindow() { return recorderWindow_; }

PeerChannel& Announcer::peerChannel() { return peers_; }

StatusBoard& Announcer::statusBoard() { return status_; }

}  // namespace skycrier
