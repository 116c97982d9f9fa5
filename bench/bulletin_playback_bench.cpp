// A whole bulletin with every weather item, played in real time through the
// playback engine on the command-line program's loop, on a device that takes
// each buffer's own time. Reports the wall time against the bulletin's ideal
// length (its clips' durations plus the prescribed silences); the gaps the
// engine and the loop add between sounds are the difference.

#include <benchmark/benchmark.h>

#include <chrono>

#include "announce/playback_engine.h"
#include "announce/sequencer.h"
#include "announce/wave_reader.h"
#include "app/builtin_clips.h"
#include "paced_wave_out.h"
#include "platform/poll_loop.h"
#include "support/announce_fakes.h"

namespace skycrier {
namespace {

// Adds up what the bulletin should last.
class IdealLength : public BulletinObserver {
public:
    explicit IdealLength(const Vocabulary& vocabulary) : vocabulary_(vocabulary) {}

    void onWait(int milliseconds) override { seconds += milliseconds / 1000.0; }
    void onPlaySegment(const std::string& name) override {
        const auto clip = vocabulary_.find(name);
        if (!clip) return;
        MemorySource source(*clip);
        WaveInfo info;
        std::vector<std::uint8_t> samples;
        if (readWave(source, info, samples) == PlayError::None)
            seconds += static_cast<double>(samples.size()) / info.format.averageBytesPerSecond;
    }
    void onDone() override { ended = true; }
    void onAbort(const std::string&) override { ended = true; }

    double seconds = 0;
    bool ended = false;

private:
    const Vocabulary& vocabulary_;
};

void WholeBulletinInRealTime(benchmark::State& state) {
    const auto clips = builtInClips();
    const Vocabulary vocabulary(clips);
    for (auto _ : state) {
        PollLoop loop;
        bench::PacedWaveOut out(loop);
        StatusBoard status;
        PlaybackEngine engine({loop, out, vocabulary, status});
        engine.allocateBuffers();
        test::FakePort port;
        port.open = true;
        port.name = "COM1";
        test::FakeSources sources;
        MeteoData& d = sources.choose(SourceKind::W23);
        d.Tint = 21;
        d.Text = -5;
        d.Patm = 1013;
        d.Tend = 1;
        d.Vent = 125;
        d.Rafa = 40;
        d.Dire = 225;
        d.TRes = -9;
        d.Pluie = 12;
        d.HumiExt = 67;
        SpeechUnits units;
        BulletinSettings settings;
        PortLineSettings lines;
        Sequencer seq({loop, engine, port, sources, units, settings, lines, status});
        engine.setOnFinished([&] { seq.nextStep(); });
        engine.setOnFailure([&] { seq.abortRoutine(); });
        IdealLength ideal(vocabulary);
        seq.setObserver(&ideal);

        const auto start = std::chrono::steady_clock::now();
        seq.Button1Click();
        loop.runUntil([&] { return ideal.ended && !seq.BulletinRunning(); });
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(wall.count());
        state.counters["ideal_s"] = ideal.seconds;
        state.counters["ratio"] = wall.count() / ideal.seconds;
        if (status.EditData() != kDoneText) state.SkipWithError(status.EditData().c_str());
    }
}
BENCHMARK(WholeBulletinInRealTime)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace skycrier
