#include "app/program.h"

#include "app/air_check.h"
#include "app/configuration.h"

namespace skycrier {
namespace {

bool present(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

}  // namespace

Program::Program(const ProgramParts& parts)
    : announcer(parts.announcer),
      bulletins(announcer.sequencer, parts.announcer.loop),
      versionCheck({parts.announcer.loop, parts.announcer.fetcher, announcer.resolve(kVersionListFile),
                    [this] { return announcer.mainWindow.versionUrl; }}),
      configurationPresent_(present(announcer.configFile())),
      logPresent_(present(parts.announcer.folder / kLogFileName)),
      bulletinLog_(bulletins.ended.connect(
          [this](const std::string&, const std::string& line) { announcer.logBook.appendLine("bulletin " + line); })) {
    std::error_code ec;
    if (!parts.sharedDataFolder.empty()) {
        std::filesystem::create_directories(parts.sharedDataFolder, ec);
        if (std::filesystem::is_directory(parts.sharedDataFolder, ec)) sharedDataFolder_ = parts.sharedDataFolder;
    }
    announcer.stations.context.sharedDataFolder = sharedDataFolder_;
    announcer.scheduler.startUp = [this] { startUp(); };
    versionCheck.beep = [this] { announcer.stations.context.beep(); };
    for (InternetSource* source : {static_cast<InternetSource*>(&announcer.stations.metarSource),
                                   static_cast<InternetSource*>(&announcer.stations.aprsSource)})
        fetchNotices_.push_back(source->fetchNotice.connect([this](const std::string& text) { report(text); }));
    versionCheck.notice = [this](const std::string& text) { announcer.notice(text); };
}

void Program::start() {
    // Peers hear of the program before its first tick; a failure leaves it working alone.
    announcer.peers.connect();
    announcer.scheduler.start();
}

void Program::report(const std::string& text) { announcer.report(text); }

void Program::startUp() {
    Announcer& a = announcer;
    ConfigTargets targets = a.configTargets();
    a.stations.context.loading = true;
    a.mainWindow.Caption = std::string("SKYCRIER V") + kProgramVersion;
    LoadOutcome loaded;
    std::vector<std::string> problems;
    std::optional<std::string> fileText;
    if (configurationPresent_) {
        const std::string file = a.configFile().string();
        std::string error;
        if (const auto text = fileText = readWholeFile(file, error)) {
            loaded = loadConfiguration(*text, targets);
            for (const IgnoredLine& line : loaded.ignored)
                problems.push_back(file + ": line " + std::to_string(line.number) + ": " + line.reason);
        } else {
            // Running on defaults must not cost the user the file: it is saved over only on purpose.
            a.configurationUnread();
            problems.push_back(error + "; SkyCrier runs on its defaults and does not write over the file (saving "
                                       "on purpose from the desktop program keeps it beside the new one)");
        }
    }
    if (logPresent_) a.logBook.read();
    a.startLogging();
    // Only now: an entry written before the old log is read would replace it.
    for (const std::string& problem : problems) report(problem);
    for (const std::string& problem : missingSoundFiles(a.settings, [&a](const std::string& name) { return a.resolve(name); }))
        report(problem);
    openMonitorPort();
    applyRememberedSource(loaded.remembered, targets);
    if (showMainWindow) showMainWindow(a.mainWindow.startMinimised);
    hideSourceWindowsIfAsked(targets);
    if (const auto absent = a.soundOutput.useConfiguredOutput()) report(*absent);
    if (!a.engine.allocateBuffers()) report(a.status.statusText());
    a.mainWindow.showSelectedPeriod();
    a.scheduler.readClock();
    a.soundOutput.readBackVolume();
    a.portWindow.prepareToShow();
    if (a.mainWindow.checkVersionAtStart) versionCheck.checkAtStart();
    // A source that fetches its report is judged when its first answer is in.
    const SourceKind chosen = a.stations.sourceChoice.checkedSource();
    if (chosen != SourceKind::None && a.stations.sourceChoice.window(chosen).pollInFlight())
        firstPoll_ = a.stations.sourceChoice.window(chosen).pollFinished.connect([this](bool) {
            firstPoll_.reset();
            reportWeatherProblems();
        });
    else
        reportWeatherProblems();
    a.stations.context.loading = false;
    if (fileText) a.configurationLoaded(std::move(fileText));
    started_ = true;
    startedUp.emit();
}

void Program::openMonitorPort() {
    MonitorSource& monitor = announcer.stations.monitorSource;
    if (monitor.port().empty() || !announcer.stations.sourceChoice.isChecked(SourceKind::MON)) return;
    if (!announcer.mainWindow.startMinimised) monitor.prepareToShow();
    monitor.openConfiguredPort();
}

void Program::reportWeatherProblems() {
    for (const std::string& problem : weatherProblems(announcer.stations.weatherSources())) report(problem);
}

void Program::close() { close(true); }

void Program::closeForReload() { close(false); }

void Program::close(bool save) {
    if (closed_) return;
    closed_ = true;
    Announcer& a = announcer;
    // The one change from the program's old close: the transmitter never stays keyed.
    a.sequencer.stopNow("Err: SkyCrier closing");
    for (const SourceKind kind : {SourceKind::MON, SourceKind::APRS, SourceKind::METAR, SourceKind::W23,
                                  SourceKind::W28, SourceKind::Pro2}) {
        SourceWindow& w = a.stations.sourceChoice.window(kind);
        if (w.visible) a.stations.context.SourceWindowGeometry = w.geometry;
    }
    if (save) a.saveConfiguration();
    a.stations.monitorSource.closeStation();
    a.engine.stopOutput();
    a.portWindow.chooseNoPort();
    a.peers.disconnect();
}

}  // namespace skycrier
