// The sound output as the user drives it: the sound-card panel, the volume
// slider written to the output with its balance and read back from it, and
// the level mark; on a fake list of outputs.

#include "app/sound_output.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/program.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/fake_serial_line.h"
#include "support/fake_wave_out.h"
#include "support/fake_wave_out_catalogue.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

constexpr std::uint32_t word(std::uint32_t left, std::uint32_t right) { return left | right << 16; }

// The program on two numbered cards and a sound server; the default output
// and card 1 have a mixer, the server's volume is in its samples.
struct SoundRig {
    explicit SoundRig(const std::string& config = {}) : config_(config) {
        catalogue.entries = {{"cardA", "Card A", 0}, {"cardB", "Card B", 1}, {"pulse", "Sound server", std::nullopt}};
        catalogue.words["cardB"] = word(13107, 13107);
        catalogue.inSamples = {"pulse"};
        a.sources().context.beep = [this] { ++beeps; };
    }

    // The configuration is there when the program starts.
    AnnouncerParts parts() {
        if (!config_.empty()) dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\n" + config_);
        AnnouncerParts p{loop, out, line, dir.path(), {}};
        p.catalogue = &catalogue;
        return p;
    }

    std::string config_;
    VirtualLoop loop{encodeDateTime(2026, 12, 7, 14, 5, 0)};
    test::FakeWaveOut out{loop};
    test::FakeSerialLine line;
    test::TempDir dir;
    test::FakeWaveOutCatalogue catalogue;
    Program program{{parts(), {}}};
    Announcer& a = program.announcer();
    SoundOutput& sound = a.mainModels().sound;
    MainWindowModel& w = a.mainModels().window;
    int beeps = 0;
};

TEST(SoundOutput, TheSliderWritesTheLevelWithTheBalanceRoundedHalfToEven) {
    const struct {
        int position, balance;
        std::uint32_t written;
    } cases[] = {
        {.position = 0, .balance = 0, .written = word(65535, 65535)},
        {.position = 10, .balance = 0, .written = word(0, 0)},
        {.position = 5, .balance = 20, .written = word(32768, 26214)},
        {.position = 5, .balance = -20, .written = word(26214, 32768)},
        {.position = 5, .balance = 250, .written = word(32768, 0)},  // a hand-edited balance is taken as 100
    };
    for (const auto& c : cases) {
        SoundRig r;
        r.w.settings().Balance = c.balance;
        r.w.settings().ownOutputChosen = true;
        r.w.settings().outputDevice = {1};
        r.w.settings().volumePosition = c.position;
        r.sound.writeVolume();
        EXPECT_EQ(r.catalogue.writes.back(), std::make_pair(std::string("cardB"), c.written)) << c.position;
    }
}

TEST(SoundOutput, ReadingBackSetsBalanceAndSliderAndWritesNothingBack) {
    const struct {
        std::optional<std::uint32_t> deviceWord;  // nothing: the read fails
        int balance, position;
    } cases[] = {
        {.deviceWord = word(65535, 32768), .balance = 50, .position = 0},
        {.deviceWord = word(32768, 65535), .balance = -50, .position = 0},
        {.deviceWord = word(0, 0), .balance = 30, .position = 10},  // silence keeps the balance
        {.deviceWord = word(32768, 32768), .balance = 0, .position = 5},
        {.deviceWord = word(45874, 45874), .balance = 0, .position = 3},  // what position 3 writes reads back as 3
        {.deviceWord = word(45873, 45873), .balance = 0, .position = 4},  // below that, the lower tenth
        {.deviceWord = std::nullopt, .balance = 30, .position = 5},
    };
    for (const auto& c : cases) {
        SoundRig r;
        r.w.settings().Balance = 30;
        r.catalogue.words.erase("default");
        if (c.deviceWord) r.catalogue.words["default"] = *c.deviceWord;
        r.sound.readBackVolume();
        EXPECT_EQ(r.w.settings().Balance, c.balance);
        EXPECT_EQ(r.w.settings().volumePosition, c.position);
        EXPECT_TRUE(r.catalogue.writes.empty());
    }
    // A failed read goes on with the last word read.
    SoundRig r;
    r.catalogue.words["default"] = word(65535, 32768);
    r.sound.readBackVolume();
    r.catalogue.words.erase("default");
    r.w.settings().Balance = 0;
    r.sound.readBackVolume();
    EXPECT_EQ(r.w.settings().Balance, 50);
}

using Writes = std::vector<std::pair<std::string, std::uint32_t>>;

// Loading the file moves only the slider: a card's mixer keeps the level it
// has and the slider follows it, while an output whose volume is in its
// samples (a sound server's) takes the stored level, and its hint says so.
TEST(SoundOutput, StartUpLeavesACardsMixerAloneAndGivesTheStoredLevelToSamples) {
    SoundRig r("BALANCE=20\r\nVOLUME=5\r\nOSOUND=1\r\n");
    r.program.start();
    r.loop.advance(500);
    EXPECT_TRUE(r.catalogue.writes.empty());
    EXPECT_EQ(r.a.outputInUse(), OutputDevice{1});
    // Read back from card 1: 13107 on both channels is the eighth step.
    EXPECT_EQ(r.w.settings().Balance, 0);
    EXPECT_EQ(r.w.settings().volumePosition, 8);
    EXPECT_EQ(r.sound.volumeHint(), "");

    // Another program turns card 1 up: the next tick follows, unless the user's change is on its way.
    r.catalogue.words["cardB"] = word(65535, 65535);
    r.loop.advance(1000);
    EXPECT_EQ(r.w.settings().volumePosition, 0);
    r.sound.moveVolumeSlider(2);
    r.a.mainModels().clock.tick();
    EXPECT_EQ(r.w.settings().volumePosition, 2);
    r.loop.runPending();
    r.a.mainModels().clock.tick();
    EXPECT_EQ(r.w.settings().volumePosition, 2);
    EXPECT_EQ(r.catalogue.writes, (Writes{{"cardB", word(52428, 52428)}}));

    SoundRig server("BALANCE=20\r\nVOLUME=5\r\nOSOUND=-1\r\nOSOUNDNAME=pulse\r\n");
    server.program.start();
    server.loop.advance(2500);
    EXPECT_EQ(server.a.outputInUse(), (OutputDevice{kDefaultOutputDevice, "pulse"}));
    EXPECT_EQ(server.catalogue.writes, (Writes{{"pulse", word(32768, 26214)}}));
    EXPECT_EQ(std::pair(server.w.settings().volumePosition, server.w.settings().Balance), std::pair(5, 20));
    EXPECT_EQ(server.sound.volumeHint(), SoundOutput::kSamplesVolumeHint);
}

TEST(SoundOutput, ThePanelListsTheOutputsAndSelectsTheChosenOne) {
    const struct {
        bool ownOutputChosen;
        OutputDevice chosen;
        std::optional<std::string> secondDescription;
        int itemIndex;
        std::string text;
    } cases[] = {
        {.ownOutputChosen = false, .chosen = {}, .secondDescription = "Card B", .itemIndex = -1, .text = ""},
        // an older configuration's number
        {.ownOutputChosen = true, .chosen = {1}, .secondDescription = "Card B", .itemIndex = 1,
         .text = "cardB — Card B"},
        {.ownOutputChosen = true, .chosen = {kDefaultOutputDevice, "pulse"}, .secondDescription = "Card B",
         .itemIndex = 2, .text = "pulse — Sound server"},
        // a stored number that is gone
        {.ownOutputChosen = true, .chosen = {7}, .secondDescription = "Card B", .itemIndex = -1, .text = ""},
        {.ownOutputChosen = false, .chosen = {}, .secondDescription = std::nullopt, .itemIndex = -1,
         .text = SoundOutput::kUnreadableDevice},
        {.ownOutputChosen = true, .chosen = {0}, .secondDescription = std::nullopt, .itemIndex = 0,
         .text = "cardA — Card A"},
        // kept
        {.ownOutputChosen = true, .chosen = {kDefaultOutputDevice, "usb"}, .secondDescription = "Card B",
         .itemIndex = 3, .text = "usb (not present)"},
    };
    for (const auto& c : cases) {
        SoundRig r;
        r.catalogue.entries[1].description = c.secondDescription;
        r.w.settings().ownOutputChosen = c.ownOutputChosen;
        r.w.settings().outputDevice = c.chosen;
        r.sound.openOutputPanel();
        EXPECT_TRUE(r.sound.outputPanelShown());
        EXPECT_EQ(r.sound.outputList().Items[1], c.secondDescription ? "cardB — Card B" : "cardB");
        EXPECT_EQ(r.sound.outputList().ItemIndex, c.itemIndex);
        EXPECT_EQ(r.sound.outputList().Text, c.text);
    }
}

TEST(SoundOutput, ConfirmingChoosesTheOutputOrBeepsWhenNothingIsChosen) {
    SoundRig r;
    r.sound.openOutputPanel();
    r.sound.chooseOwnOutput();
    r.sound.confirmOutput();
    EXPECT_EQ(r.beeps, 1);
    EXPECT_TRUE(r.sound.outputPanelShown());

    // A card's device keeps its number beside its name, for "OSOUND=".
    r.sound.pickOutput(1);
    r.sound.confirmOutput();
    EXPECT_FALSE(r.sound.outputPanelShown());
    EXPECT_EQ(r.w.settings().outputDevice, (OutputDevice{1, "cardB"}));
    EXPECT_EQ(r.a.outputInUse(), (OutputDevice{1, "cardB"}));

    // A typed text is an ALSA name.
    r.sound.openOutputPanel();
    r.sound.typeOutput(" plughw:5 ");
    r.sound.confirmOutput();
    EXPECT_EQ(r.a.outputInUse(), (OutputDevice{kDefaultOutputDevice, "plughw:5"}));
    EXPECT_EQ(r.beeps, 1);

    r.sound.openOutputPanel();
    r.sound.chooseSystemOutput();
    r.sound.confirmOutput();
    EXPECT_EQ(r.a.outputInUse(), OutputDevice{});
}

// A USB card unplugged at start-up: reported, kept, tried, and still there
// after the panel is confirmed and the configuration saved.
TEST(SoundOutput, AChosenOutputThatIsNotPresentIsReportedAndKept) {
    const std::string usb = "hw:CARD=Usb,DEV=0";
    SoundRig r("OSOUNDNAME=" + usb + "\r\n");
    std::vector<std::string> reported;
    const Subscription reports = r.a.statusBoard().reported.connect([&](const std::string& t) { reported.push_back(t); });
    r.program.start();
    r.loop.advance(500);
    EXPECT_NE(std::find(reported.begin(), reported.end(),
                        "sound output \"" + usb + "\" is not among the outputs ALSA lists now; it stays chosen and each bulletin tries it"),
              reported.end());
    EXPECT_EQ(r.a.outputInUse().name, usb);
    r.sound.openOutputPanel();
    EXPECT_EQ(r.sound.outputList().Text, usb + " (not present)");
    r.sound.confirmOutput();
    const std::string saved = r.a.configurationText();
    EXPECT_NE(saved.find("\r\nOSOUND=-1\r\n"), std::string::npos);
    EXPECT_TRUE(saved.ends_with("\r\nOSOUNDNAME=" + usb + "\r\n")) << saved;
}

TEST(SoundOutput, ABulletinOnTheAirKeepsItsDevice) {
    SoundRig r;
    // Opened before the bulletin, OK takes the choice for the next one.
    r.sound.openOutputPanel();
    r.a.setErrorSimulation(true);
    r.a.requestBulletin(BulletinTrigger::Button);
    r.sound.chooseOwnOutput();
    r.sound.pickOutput(1);
    r.sound.confirmOutput();
    EXPECT_EQ(r.w.settings().outputDevice.number, 1);
    EXPECT_EQ(r.a.outputInUse(), OutputDevice{});

    // Opened during the bulletin, OK cannot be pressed.
    r.sound.openOutputPanel();
    EXPECT_FALSE(r.a.statusBoard().soundOutputOkEnabled());
    r.sound.pickOutput(0);
    r.sound.confirmOutput();
    EXPECT_TRUE(r.sound.outputPanelShown());

    r.a.stopBulletin("Err: test");
    EXPECT_EQ(r.a.outputInUse().number, 1);
}

TEST(SoundOutput, TheLevelMarkMovesByTenWithinItsRange) {
    using B = SoundOutput::MouseButton;
    const struct {
        int before;
        B button;
        bool onMark;
        int after;
    } cases[] = {
        {.before = 70, .button = B::Left, .onMark = true, .after = 80},
        {.before = 95, .button = B::Left, .onMark = true, .after = 100},
        {.before = 5, .button = B::Right, .onMark = true, .after = 0},
        {.before = 70, .button = B::Left, .onMark = false, .after = 70},
        {.before = 70, .button = B::Middle, .onMark = true, .after = 70},
    };
    for (const auto& c : cases) {
        SoundRig r;
        r.w.settings().levelMark = c.before;
        r.sound.pressLevelMark(c.button, c.onMark);
        EXPECT_EQ(r.w.settings().levelMark, c.after);
    }
}

}  // namespace
}  // namespace skycrier
