#pragma once
// A bulletin as a listener of the private sound server hears it: played by
// skycrier-cli bulletin --play while the server's sink is recorded, then
// rendered with --wav at the minute it was played (so that the spoken time
// is the same), and the two compared.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/playback_fidelity.h"
#include "support/private_sound_server.h"

namespace skycrier::test {

// What a program played on the server, recorded from the sink.
struct Recording {
    std::vector<std::int16_t> samples;
    double wallSeconds = 0;
    // When the program was started, in seconds of the recording.
    double startedAt = 0;
    // The program's exit status, or minus the signal that ended it.
    int exitCode = -1;
    std::string out;
    std::string err;
    // Empty when the program ran and the recording was made; else why not.
    std::string failure;
};

// What a test does to the program while it runs (stops it, stalls it).
using Meanwhile = std::function<void(ChildProcess& program)>;

// Runs the program with the server's client environment while recording the
// sink, from before it starts until the sink has played everything it was
// given by the time it ended. meanwhile runs as soon as it has started.
Recording recordWhileRunning(const PrivateSoundServer& server, const std::vector<std::string>& argv,
                             const std::filesystem::path& workFolder, const Meanwhile& meanwhile = {});

struct BulletinOnAir {
    PlaybackFidelity fidelity;
    // The --play run's wall time over the rendering's length.
    double wallRatio = 0;
    double renderedSeconds = 0;
    Recording played;
    // Empty when the bulletin was played, rendered and compared; else why not.
    std::string failure;
};

// Plays the bulletin that the options describe (--ini, --record, ...) with
// these output options more (--device ...), and compares. The program folder
// is the work folder.
BulletinOnAir playBulletinOnAir(const PrivateSoundServer& server, const std::string& cli,
                                const std::vector<std::string>& bulletinOptions,
                                const std::vector<std::string>& outputOptions,
                                const std::filesystem::path& workFolder, const Meanwhile& meanwhile = {});

}  // namespace skycrier::test
