#include "app/program.h"

namespace skycrier {
namespace {

bool present(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

}  // namespace

Program::Program(const ProgramParts& parts)
    : announcer(parts.announcer),
      bulletins(announcer, parts.announcer.loop),
      versionCheck({parts.announcer.loop, parts.announcer.fetcher, announcer.resolve(kVersionListFile),
                    [this] { return announcer.mainModels().window.versionUrl; }}),
      configurationPresent_(present(announcer.configFile())),
      logPresent_(present(parts.announcer.folder / kLogFileName)),
      bulletinLog_(bulletins.ended.connect(
          [this](const std::string&, const std::string& line) { announcer.appendLog("bulletin " + line); })) {
    std::error_code ec;
    if (!parts.sharedDataFolder.empty()) {
        std::filesystem::create_directories(parts.sharedDataFolder, ec);
        if (std::filesystem::is_directory(parts.sharedDataFolder, ec)) sharedDataFolder_ = parts.sharedDataFolder;
    }
    SourceModels& sources = announcer.sources();
    sources.context.sharedDataFolder = sharedDataFolder_;
    versionCheck.beep = [this] { announcer.sources().context.beep(); };
    for (InternetSource* source : {static_cast<InternetSource*>(&sources.metarSource),
                                   static_cast<InternetSource*>(&sources.aprsSource)})
        fetchNotices_.push_back(source->fetchNotice.connect([this](const std::string& text) { report(text); }));
    versionCheck.notice = [this](const std::string& text) { announcer.notice(text); };
}

void Program::start() {
    announcer.start([this] { startUp(); });
}

void Program::report(const std::string& text) { announcer.report(text); }

void Program::startUp() {
    announcer.loadAtStartUp(configurationPresent_, logPresent_);
    const MainWindowModel& window = announcer.mainModels().window;
    if (showMainWindow) showMainWindow(window.startMinimised);
    announcer.startDevices();
    if (window.checkVersionAtStart) versionCheck.checkAtStart();
    announcer.judgeWeatherWhenIn();
    announcer.finishStartUp();
    started_ = true;
    startedUp.emit();
}

void Program::close() { close(true); }

void Program::closeForReload() { close(false); }

void Program::close(bool save) {
    if (closed_) return;
    closed_ = true;
    announcer.shutDown(save);
}

}  // namespace skycrier
