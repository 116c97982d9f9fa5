// "Guardar anuncio": what the recorder is told around a bulletin, what the
// recorder status shows and when the bulletin's first sound plays, on virtual
// time against a recorder that is already running, started by us, late,
// missing or answering oddly.

#include "announce/recorder_control.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/announcer.h"
#include "app/builtin_clips.h"
#include "app/program_folder.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/fake_serial_line.h"
#include "support/fake_wave_out.h"
#include "support/temp_dir.h"
#include "support/trace_recorder.h"

namespace skycrier {
namespace {

using Journal = std::vector<std::string>;
constexpr Millis kNever = -1;

// A recorder seen through its link: present from a moment on (0: already
// running, kNever: never), answering each command with its own number unless told otherwise.
class FakeRecorderLink : public RecorderLink {
public:
    FakeRecorderLink(VirtualLoop& loop, std::function<void(const std::string&)> note) : loop_(loop), note_(note) {}

    bool programExists(const std::string& path) override { return path == program && installed; }
    bool launch(const std::string&) override {
        note_("launch");
        return true;
    }
    bool recorderPresent() override { return presentAt != kNever && loop_.monotonicMs() >= presentAt; }
    std::optional<std::int32_t> send(const std::string& command) override {
        note_("send " + command);
        if (!recorderPresent()) return std::nullopt;
        const auto reply = replies.find(command);
        if (reply != replies.end()) return reply->second;
        return command == "Sonivue record" ? 1 : command == "Sonivue stop" ? 2 : 3;
    }

    std::string program = "/opt/tapewell";
    bool installed = true;
    Millis presentAt = 0;
    std::map<std::string, std::int32_t> replies;

private:
    VirtualLoop& loop_;
    std::function<void(const std::string&)> note_;
};

// The announcer as the programs wire it, with a journal of the recorder's
// commands, status texts and beeps, the bulletin's first sound and its end,
// each with the virtual milliseconds since the click.
struct RecorderRig {
    RecorderRig() {
        std::string error;
        prepareProgramFolder(dir.path(), builtInGreeting(), error);
        a.prepareSound(OutputDevice{});
        a.portWindow().choosePort("COM1");
        a.mainModels().settings.speakDate = false;
        a.mainModels().window.settings().recordBulletins = true;
        a.mainModels().window.settings().recorderProgram = "/opt/tapewell";
        a.sources().context.beep = [this] { note("beep"); };
    }

    void note(const std::string& what) { journal.push_back(std::to_string(loop.monotonicMs() - clickedAt) + " " + what); }

    Journal bulletin() {
        clickedAt = loop.monotonicMs();
        a.requestBulletin(BulletinTrigger::Button);
        loop.advanceUntil([this] { return trace.finished(); }, 600'000);
        loop.advance(10'000);
        return journal;
    }

    VirtualLoop loop{encodeDateTime(2026, 12, 7, 14, 5, 0)};
    test::FakeWaveOut out{loop};
    test::FakeSerialLine line;
    test::TempDir dir;
    Journal journal;
    Millis clickedAt = 0;
    FakeRecorderLink link{loop, [this](const std::string& what) { note(what); }};
    Announcer a{[this] {
        AnnouncerParts parts{loop, out, line, dir.path(), {}};
        parts.recorderLink = &link;
        return parts;
    }()};
    Subscription texts = a.mainModels().recorder->statusChanged.connect(
        [this] { note("show " + a.mainModels().recorder->recorderStatus()); });
    bool played = false;
    Subscription sounds = a.bulletinEvents().connect([this](const BulletinEvent& e) {
        if ((e.kind == BulletinEvent::Kind::PlaySegment && !played) || e.kind == BulletinEvent::Kind::Done) {
            played = true;
            note(traceLine(e));
        }
    });
    test::TraceRecorder trace{a.bulletinEvents()};
};

struct RecorderCase {
    const char* name;
    bool menuRecord = true;
    bool installed = true;
    Millis presentAt = 0;
    std::map<std::string, std::int32_t> replies{};
    Journal expected;
};

TEST(RecorderControl, ABulletinIsRecordedAroundItsSoundWhateverTheRecorderDoes) {
    const std::vector<RecorderCase> cases = {
        {.name = "already running: record and stop, never close",
         .expected = {"500 send Sonivue record", "500 show Tapewell grabando", "800 play son_it_s", "2461 done",
                      "3461 send Sonivue stop", "3461 show Tapewell se detiene"}},
        {.name = "started by us: record, stop, and close a second later", .presentAt = 1000,
         .expected = {"300 launch", "1200 send Sonivue record", "1200 show Tapewell grabando", "1500 play son_it_s",
                      "3161 done", "4161 send Sonivue stop", "4161 show Tapewell se detiene",
                      "5161 send Sonivue close", "5161 show Tapewell cerrado"}},
        {.name = "found at the last of 30 looks", .presentAt = 3300,
         .expected = {"300 launch", "3500 send Sonivue record", "3500 show Tapewell grabando", "3800 play son_it_s",
                      "5461 done", "6461 send Sonivue stop", "6461 show Tapewell se detiene",
                      "7461 send Sonivue close", "7461 show Tapewell cerrado"}},
        {.name = "showing up after 3.1 s: the bulletin plays unrecorded", .presentAt = 3400,
         .expected = {"300 launch", "3300 show Tapewell no encontrado!", "3300 beep", "3600 play son_it_s",
                      "5261 done"}},
        {.name = "never showing up", .presentAt = kNever,
         .expected = {"300 launch", "3300 show Tapewell no encontrado!", "3300 beep", "3600 play son_it_s",
                      "5261 done"}},
        {.name = "no program file", .installed = false,
         .expected = {"300 show Error de ruta de Tapewell", "300 beep", "600 play son_it_s", "2261 done"}},
        {.name = "not recording: nothing is sent and nothing shown", .menuRecord = false,
         .expected = {"600 play son_it_s", "2261 done"}},
        {.name = "no answer in time", .replies = {{"Sonivue record", 0}, {"Sonivue stop", 0}},
         .expected = {"500 send Sonivue record", "500 show Tapewell no responde", "800 play son_it_s", "2461 done",
                      "3461 send Sonivue stop", "3461 show Tapewell no responde"}},
        {.name = "an unknown result leaves the text", .replies = {{"Sonivue record", 7}, {"Sonivue stop", 7}},
         .expected = {"500 send Sonivue record", "800 play son_it_s", "2461 done", "3461 send Sonivue stop"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecorderRig r;
        r.a.mainModels().window.settings().recordBulletins = c.menuRecord;
        r.link.installed = c.installed;
        r.link.presentAt = c.presentAt;
        r.link.replies = c.replies;
        EXPECT_EQ(r.bulletin(), c.expected);
    }
}

TEST(RecorderControl, ARelativeRecorderPathIsTakenFromTheProgramFolder) {
    RecorderRig r;
    r.a.mainModels().window.settings().recorderProgram = "rec/tapewell";
    r.link.program = (r.dir.path() / "rec" / "tapewell").string();
    const Journal journal = r.bulletin();
    const auto said = [&journal](const std::string& text) {
        return std::any_of(journal.begin(), journal.end(),
                           [&text](const std::string& line) { return line.find(text) != std::string::npos; });
    };
    EXPECT_FALSE(said(kRecorderPathErrorText));
    EXPECT_TRUE(said("send Sonivue record"));
}

TEST(RecorderControl, AnAbortedBulletinTellsTheRecorderNothingMore) {
    RecorderRig r;
    r.link.presentAt = kNever;
    r.a.requestBulletin(BulletinTrigger::Button);
    r.loop.advance(1000);
    r.a.stopBulletin("stopped");
    r.loop.advance(10'000);
    EXPECT_EQ(r.journal, (Journal{"300 launch"}));
}

}  // namespace
}  // namespace skycrier
