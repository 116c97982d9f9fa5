#pragma once
// What would make the bulletins say less than the configuration asks for,
// told before they go on the air instead of left for a listener to notice:
// the chosen weather source cannot be used or reports an error, or none of
// its values is ticked for speaking. No source chosen is a choice, not a fault.

#include <functional>
#include <string>
#include <vector>

#include "announce/bulletin_settings.h"
#include "base/weather_sources.h"

namespace skycrier {

// One line of text per problem, for stderr and the log.
std::vector<std::string> weatherProblems(WeatherSources& sources);

// A recording a bulletin plays besides its words, as the configuration names it.
struct PlayedFile {
    const char* switchKey;  // "ENTETE=Y"
    const char* fileKey;    // "FICHIER_ENTETE="
    std::string file;
};

// The header, greeting and closing that are switched on, in the bulletin's order.
std::vector<PlayedFile> playedFiles(const BulletinSettings& settings);

// The sound files a bulletin will play (a header, greeting or closing that is
// switched on) and that are not there: one line each, naming the key and the
// file and saying what to do. resolve turns a configured name into a path.
std::vector<std::string> missingSoundFiles(const BulletinSettings& settings,
                                           const std::function<std::string(const std::string&)>& resolve);

}  // namespace skycrier
