#include "support/bulletin_on_air.h"

#include <algorithm>
#include <ctime>
#include <sstream>

#include "support/wait_until.h"

namespace skycrier::test {
namespace {

using Clock = std::chrono::steady_clock;

// A bulletin plays for well under this; a longer run has hung.
constexpr auto kLongestRun = std::chrono::minutes(3);

std::string localTimeText(std::time_t at) {
    std::tm local{};
    ::localtime_r(&at, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

// The sounds a trace names, in order.
std::vector<std::string> soundsOf(const std::string& trace) {
    std::vector<std::string> sounds;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("play", 0) == 0) sounds.push_back(line);
    return sounds;
}

// The rendering speaks what was played: the same sounds, or more of them
// when the play was cut short.
bool speaksWhatWasPlayed(const std::string& renderedTrace, const std::string& playedTrace) {
    const auto rendered = soundsOf(renderedTrace), played = soundsOf(playedTrace);
    return !played.empty() && played.size() <= rendered.size() &&
           std::equal(played.begin(), played.end(), rendered.begin());
}

}  // namespace

Recording recordWhileRunning(const PrivateSoundServer& server, const std::vector<std::string>& argv,
                             const std::filesystem::path& workFolder, const Meanwhile& meanwhile) {
    Recording result;
    const auto file = workFolder / "recording.raw";
    auto recorder = server.record(file, result.failure);
    if (!recorder) return result;
    const auto recordingStart = Clock::now();
    const auto out = workFolder / "program.out", err = workFolder / "program.err";
    ChildProcess program(argv, environmentWith(server.clientEnvironment()), out.string(), err.string());
    const auto started = Clock::now();
    result.startedAt = std::chrono::duration<double>(started - recordingStart).count();
    if (meanwhile) meanwhile(program);
    const auto ended = program.wait(std::chrono::duration_cast<std::chrono::milliseconds>(kLongestRun));
    const auto finished = Clock::now();
    result.exitCode = ended ? *ended : program.stop();
    result.wallSeconds = std::chrono::duration<double>(finished - started).count();
    result.out = fileText(out);
    result.err = fileText(err) + program.failure();
    if (!ended) result.failure = argv.front() + " did not end";

    // The server hands the recorder the sink's sound in blocks, up to seconds late.
    const double covered = std::chrono::duration<double>(finished - recordingStart).count() + 0.25;
    const auto wanted = static_cast<std::uintmax_t>(covered * PrivateSoundServer::kSampleRate) * 2;
    std::error_code ignored;
    if (!waitUntil([&] { return std::filesystem::file_size(file, ignored) >= wanted; }) && result.failure.empty())
        result.failure = "the recording stopped short";
    recorder->stop();
    result.samples = readRawSamples(file);
    return result;
}

BulletinOnAir playBulletinOnAir(const PrivateSoundServer& server, const std::string& cli,
                                const std::vector<std::string>& bulletinOptions,
                                const std::vector<std::string>& outputOptions,
                                const std::filesystem::path& workFolder, const Meanwhile& meanwhile) {
    std::vector<std::string> bulletin = {cli, "bulletin", "--folder", workFolder.string()};
    bulletin.insert(bulletin.end(), bulletinOptions.begin(), bulletinOptions.end());

    BulletinOnAir result;
    std::vector<std::string> play = bulletin;
    play.push_back("--play");
    play.insert(play.end(), outputOptions.begin(), outputOptions.end());
    const std::time_t playedAt = std::time(nullptr);
    result.played = recordWhileRunning(server, play, workFolder, meanwhile);
    if (!result.played.failure.empty()) {
        result.failure = result.played.failure;
        return result;
    }

    // The bulletin speaks the time it started at, the minute of playedAt or the next.
    const auto wav = workFolder / "rendering.wav";
    std::string renderedTrace;
    for (const std::time_t at : {playedAt, playedAt + 60}) {
        std::vector<std::string> render = bulletin;
        for (const std::string& option : {std::string("--at"), localTimeText(at), std::string("--wav"), wav.string()})
            render.push_back(option);
        const auto out = workFolder / "rendering.out";
        ChildProcess renderer(render, environmentWith(server.clientEnvironment()), out.string(),
                              (workFolder / "rendering.err").string());
        if (renderer.wait(std::chrono::duration_cast<std::chrono::milliseconds>(kLongestRun)) != 0) {
            result.failure = "the rendering failed: " + fileText(workFolder / "rendering.err");
            return result;
        }
        renderedTrace = fileText(out);
        if (speaksWhatWasPlayed(renderedTrace, result.played.out)) break;
        renderedTrace.clear();
    }
    if (renderedTrace.empty()) {
        result.failure = "no rendering speaks what was played:\n" + result.played.out;
        return result;
    }
    const auto rendering = readRenderedSamples(wav.string(), result.failure);
    if (rendering.empty()) return result;
    result.renderedSeconds = static_cast<double>(rendering.size()) / PrivateSoundServer::kSampleRate;
    result.wallRatio = result.played.wallSeconds / result.renderedSeconds;
    result.fidelity = comparePlayback(rendering, result.played.samples);
    return result;
}

}  // namespace skycrier::test
