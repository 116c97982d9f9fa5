#include "app/announcer.h"

#include "app/builtin_clips.h"
#include "app/configuration.h"
#include "app/program_folder.h"

namespace skycrier {

Announcer::Announcer(const AnnouncerParts& parts)
    : stations(parts.loop, units),
      vocabulary(builtInClips()),
      engine({parts.loop, parts.sound, vocabulary, status}),
      port(parts.serial, parts.showPortError),
      FormCOM(port, mainWindow, lines, parts.listPorts),
      sequencer({parts.loop, engine, port,
                 parts.recordedWeather ? *parts.recordedWeather : stations.weatherSources(), units, settings, lines,
                 status}),
      scheduler({parts.loop, sequencer, port, lines, schedule}),
      logBook(parts.loop, parts.folder / kLogFileName),
      folder_(parts.folder) {
    const auto resolver = [this](const std::string& name) { return resolve(name); };
    stations.context.resolvePath = resolver;
    engine.setPathResolver(resolver);
    stations.context.escapeRequest = [this] { sequencer.escapeRequest(); };
    stations.context.bulletinOnAir = [this] { return sequencer.BulletinRunning(); };
    scheduler.appendLog = [this](const std::string& message) { logBook.AppendLog(message); };
    FormCOM.onReleased = [this] { scheduler.portReleased(); };
}

void Announcer::applyConfiguration(const std::vector<ConfigLine>& configLines) {
    ConfigTargets targets{settings, lines, units, FormCOM, &stations, &mainWindow, &schedule};
    skycrier::applyConfiguration(configLines, targets);
}

std::string Announcer::resolve(const std::string& name) const { return resolveInFolder(folder_, name); }

}  // namespace skycrier
