// The announcer's start, its start-up in the program's order, and its end.
#include "app/announcer.h"

#include "app/air_check.h"
#include "app/first_run.h"

namespace skycrier {

void Announcer::start(std::function<void()> startUp) {
    scheduler_.startUp = std::move(startUp);
    // Peers hear of the program before its first tick; a failure leaves it working alone.
    peers_.connect();
    scheduler_.start();
}

void Announcer::loadAtStartUp(bool configurationPresent, bool logPresent) {
    ConfigTargets targets = configTargets();
    stations_.context.loading = true;
    mainWindow_.setCaption(std::string("SKYCRIER V") + kProgramVersion);
    LoadOutcome loaded;
    std::vector<std::string> problems;
    if (configurationPresent) {
        const std::string file = configFile_.string();
        std::string error;
        if (const auto text = startUpFile_ = readWholeFile(file, error)) {
            loaded = loadConfiguration(*text, targets);
            for (const IgnoredLine& line : loaded.ignored)
                problems.push_back(file + ": line " + std::to_string(line.number) + ": " + line.reason);
        } else {
            // Running on defaults must not cost the user the file: it is saved over only on purpose.
            configurationUnread();
            problems.push_back(error + "; SkyCrier runs on its defaults and does not write over the file (saving "
                                       "on purpose from the desktop program keeps it beside the new one)");
        }
    }
    if (logPresent) logBook_.read();
    startLogging();
    // Only now: an entry written before the old log is read would replace it.
    for (const std::string& problem : problems) report(problem);
    for (const std::string& problem :
         missingSoundFiles(settings_, [this](const std::string& name) { return resolve(name); }))
        report(problem);
    openMonitorPort();
    applyRememberedSource(loaded.remembered, targets);
    firstRun_ = !configurationPresent;
}

void Announcer::openMonitorPort() {
    MonitorSource& monitor = stations_.monitorSource;
    if (monitor.port().empty() || !stations_.sourceChoice.isChecked(SourceKind::MON)) return;
    if (!mainWindow_.settings().startMinimised) monitor.prepareToShow();
    monitor.openConfiguredPort();
}

void Announcer::startDevices() {
    ConfigTargets targets = configTargets();
    hideSourceWindowsIfAsked(targets);
    if (const auto absent = soundOutput_.useConfiguredOutput()) report(*absent);
    if (!engine_.allocateBuffers()) report(status_.statusText());
    mainWindow_.showSelectedPeriod();
    scheduler_.readClock();
    soundOutput_.readBackVolume();
    portWindow_.prepareToShow();
    keySwitch_.follow();
}

void Announcer::judgeWeatherWhenIn() {
    // A source that fetches its report is judged when its first answer is in.
    const SourceKind chosen = stations_.sourceChoice.checkedSource();
    if (chosen != SourceKind::None && stations_.sourceChoice.window(chosen).poller().inFlight())
        firstPoll_ = stations_.sourceChoice.window(chosen).poller().finished.connect([this](bool) {
            firstPoll_.reset();
            reportWeatherProblems();
        });
    else
        reportWeatherProblems();
}

void Announcer::reportWeatherProblems() {
    for (const std::string& problem : weatherProblems(stations_.weatherSources())) report(problem);
}

void Announcer::finishStartUp() {
    stations_.context.loading = false;
    if (startUpFile_) configurationLoaded(std::exchange(startUpFile_, std::nullopt));
    if (firstRun_) {
        firstRunWatch_.push_back(stations_.sourceChoice.changed.connect([this] { guideFirstRun(); }));
        firstRunWatch_.push_back(mainWindow_.changed.connect([this] { guideFirstRun(); }));
        firstRunWatch_.push_back(portWindow_.changed.connect([this] { guideFirstRun(); }));
        guideFirstRun();
    }
}

void Announcer::guideFirstRun() {
    if (!firstRun_) return;
    const SetupState state{stations_.sourceChoice.checkedSource(), port_.portName(), schedule_,
                           lines_.keying.kind != KeyingKind::Serial};
    std::string step = firstRunStep(state);
    if (step == firstRunStep_) return;
    status_.setStatusText(step);
    firstRunStep_ = std::move(step);
    firstRun_ = firstRunStep_ != kSetUpText;
}

void Announcer::shutDown(bool save) {
    // The one change from the program's old close: the transmitter never stays keyed.
    sequencer_.stopNow("Err: SkyCrier closing");
    if (save) saveConfiguration();
    stations_.monitorSource.closeStation();
    engine_.stopOutput();
    portWindow_.chooseNoPort();
    keySwitch_.close();
    peers_.disconnect();
}

}  // namespace skycrier
