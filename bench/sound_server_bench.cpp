// How bulletins played through ALSA to a sound server sound against their
// renderings. Starts a PulseAudio daemon of its own with a null sink
// (tests/support/private_sound_server.h), plays each bulletin with
// `skycrier-cli bulletin --play` on ALSA's default output while recording the
// sink, renders it with --wav, and prints: the --play run's wall time over the
// rendering's length, the speech's length in the recording over its length in
// the rendering, the share of the rendering's voiced 10 ms frames heard, and
// the largest shift of a word's start. The last line is the reference: the
// longest rendering played by aplay on the same output. aplay lets the
// server's stream run low and is now and then heard in pieces (a heard share
// far below 0.95, few words found): run the benchmark again then. Run it as
//
//   build/bench/skycrier_sound_server_bench [SKYCRIER_CLI [OUTPUT OPTION...]]
//
// SKYCRIER_CLI defaults to this build's program; output options are passed
// to --play, e.g. `--device pulse`. It takes about three times the bulletins'
// length, half a minute.

#include <cstdio>
#include <string>
#include <vector>

#include "support/bulletin_on_air.h"
#include "support/temp_dir.h"
#include "support/wave_bytes.h"

using namespace skycrier::test;

namespace {

struct Bulletin {
    const char* name;
    const char* configuration;
    const char* record;
};

const Bulletin kBulletins[] = {
    {"time", "DATE=N\r\n", ""},
    {"date, time, four values", "DATE=Y\r\n",
     "Source=APRS\nText=21.5\nPatm=1008\nVent=12\nDire=45\nEnabled=Text,Patm,Vent,Dire\n"},
    {"date, time, eight values", "DATE=Y\r\n",
     "Source=APRS\nText=-7.4\nPatm=1013.2\nVent=23\nRafa=41\nDire=290\nPluie=12.6\nHumiExt=87\n"
     "Enabled=Text,Patm,Vent,Rafa,Dire,Pluie,HumiExt\n"},
};

void printRow(const std::string& name, double renderedSeconds, double wallRatio, const PlaybackFidelity& fidelity) {
    std::printf("%-26s %8.1f s %9.3f %9.3f %9.3f %8.0f ms %5zu/%zu\n", name.c_str(), renderedSeconds, wallRatio,
                fidelity.lengthRatio, fidelity.heardFraction, fidelity.largestWordShiftMs, fidelity.wordsFound,
                fidelity.words);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string cli = argc > 1 ? argv[1] : SKYCRIER_CLI;
    const std::vector<std::string> outputOptions(argv + std::min(argc, 2), argv + argc);
    PrivateSoundServer server;
    if (!server.ready()) {
        std::fprintf(stderr, "%s\n", server.failure().c_str());
        return 1;
    }
    std::printf("%-26s %10s %9s %9s %9s %11s %7s\n", "bulletin", "rendered", "wall", "length", "heard",
                "word shift", "words");
    TempDir work;
    std::filesystem::path longest;
    for (const Bulletin& bulletin : kBulletins) {
        const auto ini = work.write("skycrier.ini", std::string("[SKYCRIER V2.2.2]\r\n") + bulletin.configuration);
        std::vector<std::string> options = {"--ini", ini};
        if (*bulletin.record) options.insert(options.end(), {"--record", work.write("record.txt", bulletin.record)});
        const BulletinOnAir onAir = playBulletinOnAir(server, cli, options, outputOptions, work.path());
        if (!onAir.failure.empty() || onAir.played.exitCode != 0) {
            std::fprintf(stderr, "%s: %s%s(exit %d)\n", bulletin.name, onAir.failure.c_str(),
                         onAir.played.err.c_str(), onAir.played.exitCode);
            return 1;
        }
        printRow(bulletin.name, onAir.renderedSeconds, onAir.wallRatio, onAir.fidelity);
        longest = work.path() / "longest.wav";
        std::filesystem::copy_file(work.path() / "rendering.wav", longest,
                                   std::filesystem::copy_options::overwrite_existing);
    }

    std::string error;
    const auto rendering = readRenderedSamples(longest.string(), error);
    // Half a second of silence first: a null sink that takes on a stream
    // rewinds what it had mixed ahead, and its monitor loses the stream's
    // first few hundred milliseconds (SkyCrier's stream starts with silence too).
    WaveLayout padded;
    padded.data.assign(PrivateSoundServer::kSampleRate, '\0');
    padded.data.append(reinterpret_cast<const char*>(rendering.data()), rendering.size() * 2);
    const std::string reference = work.write("reference.wav", waveBytes(padded));
    const Recording played = recordWhileRunning(server, {"aplay", "-q", "-D", "default", reference}, work.path());
    if (rendering.empty() || !played.failure.empty() || played.exitCode != 0) {
        std::fprintf(stderr, "aplay: %s%s%s\n", error.c_str(), played.failure.c_str(), played.err.c_str());
        return 1;
    }
    const double seconds = static_cast<double>(rendering.size()) / PrivateSoundServer::kSampleRate;
    printRow("the last, by aplay", seconds, played.wallSeconds / seconds, comparePlayback(rendering, played.samples));
    return 0;
}
