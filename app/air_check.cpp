#include "app/air_check.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace skycrier {

std::vector<std::string> weatherProblems(WeatherSources& sources) {
    std::vector<std::string> problems;
    const SourceKind kind = sources.checkedSource();
    if (kind == SourceKind::None) return problems;
    const std::string name(sourceName(kind));
    const MeteoData& data = sources.meteo(kind);
    if (!sourceUsable(kind, data))
        problems.push_back("the weather source " + name + " cannot be used" +
                           (data.ErrorText.empty() ? "" : " (" + data.ErrorText + ")") + ": no weather is spoken");
    else if (!data.ErrorText.empty())
        problems.push_back("the weather source " + name + " reports \"" + data.ErrorText + "\": no weather is spoken");
    const bool anyTicked = std::any_of(std::begin(kAllFields), std::end(kAllFields), [&](MeteoField field) {
        return supplies(kind, field) && sources.itemEnabled(kind, field);
    });
    if (!anyTicked) problems.push_back("no weather value of " + name + " is ticked for speaking");
    return problems;
}

std::vector<PlayedFile> playedFiles(const BulletinSettings& settings) {
    std::vector<PlayedFile> played;
    if (settings.playHeader) played.push_back({"ENTETE=Y", "FICHIER_ENTETE=", settings.headerFile});
    if (settings.playGreeting) played.push_back({"HELLO=Y", "FICHIER_BRELL=", settings.greetingFile});
    if (settings.playClosing) played.push_back({"FINAL=Y", "FICHIER_FIN=", settings.closingFile});
    return played;
}

std::vector<std::string> missingSoundFiles(const BulletinSettings& settings,
                                           const std::function<std::string(const std::string&)>& resolve) {
    std::vector<std::string> problems;
    for (const PlayedFile& p : playedFiles(settings)) {
        // The program writes its own chime into the folder when it is missing there.
        if (p.file == kDefaultGreetingFile) continue;
        const std::string path = resolve(p.file);
        std::error_code ec;
        if (!p.file.empty() && std::filesystem::is_regular_file(path, ec)) continue;
        problems.push_back(std::string(p.switchKey) + " plays " + p.fileKey + p.file + ", which is not there" +
                           (p.file.empty() ? "" : " (" + path + ")") + ": every bulletin would end there; record it, " +
                           "choose another file, or switch it off");
    }
    return problems;
}

}  // namespace skycrier
