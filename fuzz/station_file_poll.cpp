#include "station_file_poll.h"

#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "app/source_models.h"
#include "support/temp_dir.h"

namespace skycrier::fuzz {

void pollStationFile(SourceKind kind, const std::string& fileName, const std::uint8_t* data, std::size_t size) {
    // One folder for the whole run: every input overwrites the same file.
    static const test::TempDir folder;
    folder.write(fileName, std::string(reinterpret_cast<const char*>(data), size));

    // The Vantage Pro2 source follows the month by the clock: the seeds' month.
    VirtualLoop loop(encodeDateTime(2026, 3, 10, 12, 0, 0));
    SpeechUnits units;
    SourceModels stations(loop, units);
    // The file is named as a configuration names it, relative to the program
    // folder, so the folder's random name never reaches the source.
    stations.context.resolvePath = [](const std::string& name) { return (folder.path() / name).string(); };
    HistorySource& window = kind == SourceKind::W23   ? static_cast<HistorySource&>(stations.ws23Source)
                            : kind == SourceKind::W28 ? static_cast<HistorySource&>(stations.ws28Source)
                                                      : static_cast<HistorySource&>(stations.pro2Source);
    window.loadDataFile(fileName);
    window.poll();
}

}  // namespace skycrier::fuzz
