// The sound output as the user drives it: the sound-card panel, the volume
// slider written to the device with its balance and read back from it, and
// the level mark; on a fake list of devices.

#include "app/sound_output.h"

#include <gtest/gtest.h>

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

// The program on "Card A" and "Card B"; the default output and card 1 have a volume.
struct SoundRig {
    explicit SoundRig(const std::string& config = {}) : config_(config) {
        catalogue.names = {"Card A", "Card B"};
        catalogue.words[1] = word(13107, 13107);
        a.stations.context.beep = [this] { ++beeps; };
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
    Announcer& a = program.announcer;
    SoundOutput& sound = a.soundOutput;
    TForm1& w = a.mainWindow;
    int beeps = 0;
};

TEST(SoundOutput, TheSliderWritesTheLevelWithTheBalanceRoundedHalfToEven) {
    const struct {
        int position, balance;
        std::uint32_t written;
    } cases[] = {
        {0, 0, word(65535, 65535)}, {10, 0, word(0, 0)}, {5, 20, word(32768, 26214)}, {5, -20, word(26214, 32768)},
        {5, 250, word(32768, 0)},  // a hand-edited balance is taken as 100
    };
    for (const auto& c : cases) {
        SoundRig r;
        r.w.Balance = c.balance;
        r.w.outputDevice = 1;
        r.w.TrackBarVolume = c.position;
        r.sound.TrackBarVolumeChange();
        EXPECT_EQ(r.catalogue.writes.back(), std::make_pair(1, c.written)) << c.position << " " << c.balance;
    }
}

TEST(SoundOutput, ReadingBackSetsBalanceAndSliderAndRewritesOnlyWhenTheSliderMoves) {
    const struct {
        std::optional<std::uint32_t> device;  // nothing: the read fails
        int balance, position;
        bool rewritten;
    } cases[] = {
        {word(65535, 32768), 50, 0, true},
        {word(32768, 65535), -50, 0, true},
        {word(0, 0), 30, 10, true},  // silence keeps the balance
        {word(32768, 32768), 0, 5, false},
        {word(45874, 45874), 0, 3, true},  // what position 3 writes reads back as 3
        {word(45873, 45873), 0, 4, true},  // below that, the lower tenth
        {std::nullopt, 30, 5, true},  // no word read yet: the device is given the slider's
    };
    for (const auto& c : cases) {
        SoundRig r;
        r.w.Balance = 30;
        r.catalogue.words.erase(kDefaultOutputDevice);
        if (c.device) r.catalogue.words[kDefaultOutputDevice] = *c.device;
        r.sound.ReadBackVolume();
        EXPECT_EQ(r.w.Balance, c.balance);
        EXPECT_EQ(r.w.TrackBarVolume, c.position);
        EXPECT_EQ(r.catalogue.writes.size(), c.rewritten ? 1u : 0u);
    }
    // A failed read goes on with the last word read.
    SoundRig r;
    r.catalogue.words[kDefaultOutputDevice] = word(65535, 32768);
    r.sound.ReadBackVolume();
    r.catalogue.words.erase(kDefaultOutputDevice);
    r.w.Balance = 0;
    r.sound.ReadBackVolume();
    EXPECT_EQ(r.w.Balance, 50);
}

TEST(SoundOutput, StartUpWritesTheStoredVolumeToTheDefaultDeviceThenFollowsTheChosenOne) {
    SoundRig r("BALANCE=20\r\nVOLUME=5\r\nOSOUND=1\r\n");
    r.program.start();
    r.loop.advance(500);
    // OSOUND comes after VOLUME: the stored level went to the default device.
    EXPECT_EQ(r.catalogue.writes.at(0), std::make_pair(kDefaultOutputDevice, word(32768, 26214)));
    EXPECT_EQ(r.a.engine.outputDevice(), 1);
    // Read back from card 1: 13107 on both channels is the eighth step.
    EXPECT_EQ(r.w.Balance, 0);
    EXPECT_EQ(r.w.TrackBarVolume, 8);

    // Another program turns card 1 up: the next tick follows, unless a change is on its way.
    r.catalogue.words[1] = word(65535, 65535);
    r.loop.advance(1000);
    EXPECT_EQ(r.w.TrackBarVolume, 0);
    r.sound.setTrackBarVolume(2);
    r.a.scheduler.TimerSecondeTimer();
    EXPECT_EQ(r.w.TrackBarVolume, 2);
    r.loop.runPending();
    r.a.scheduler.TimerSecondeTimer();
    EXPECT_EQ(r.w.TrackBarVolume, 2);
    EXPECT_EQ(r.catalogue.words[1], word(52428, 52428));
}

TEST(SoundOutput, ThePanelListsTheDevicesAndSelectsTheChosenOne) {
    const struct {
        bool own;
        int device;
        std::optional<std::string> secondName;
        int itemIndex;
        std::string text;
    } cases[] = {
        {false, -1, "Card B", -1, ""},
        {true, 1, "Card B", 1, "Card B"},
        {true, 7, "Card B", -1, ""},  // a stored device that is gone
        {false, -1, std::nullopt, -1, SoundOutput::kUnreadableDevice},
        {true, 0, std::nullopt, 0, "Card A"},
    };
    for (const auto& c : cases) {
        SoundRig r;
        r.catalogue.names[1] = c.secondName;
        r.w.RadioButtonCarteMoi = c.own;
        r.w.outputDevice = c.device;
        r.sound.MenuCarteSonClick();
        EXPECT_TRUE(r.sound.PanelCarteSon);
        EXPECT_EQ(r.sound.ComboBoxChoixOut.Items.size(), 2u);
        EXPECT_EQ(r.sound.ComboBoxChoixOut.ItemIndex, c.itemIndex);
        EXPECT_EQ(r.sound.ComboBoxChoixOut.Text, c.text);
    }
}

TEST(SoundOutput, ConfirmingChoosesTheDeviceOrBeepsWhenNothingIsChosen) {
    SoundRig r;
    r.sound.MenuCarteSonClick();
    r.sound.RadioButtonCarteMoiClick();
    r.sound.BitBtnOKCarteSonClick();
    EXPECT_EQ(r.beeps, 1);
    EXPECT_TRUE(r.sound.PanelCarteSon);

    r.sound.ComboBoxChoixOutSelect(1);
    r.sound.BitBtnOKCarteSonClick();
    EXPECT_FALSE(r.sound.PanelCarteSon);
    EXPECT_EQ(r.w.outputDevice, 1);
    EXPECT_EQ(r.a.engine.outputDevice(), 1);

    // A typed name is no device: the default output.
    r.sound.MenuCarteSonClick();
    r.sound.ComboBoxChoixOutChange("hw:5");
    r.sound.BitBtnOKCarteSonClick();
    EXPECT_EQ(r.w.outputDevice, kDefaultOutputDevice);
    EXPECT_EQ(r.beeps, 1);
}

TEST(SoundOutput, ABulletinOnTheAirKeepsItsDevice) {
    SoundRig r;
    // Opened before the bulletin, OK takes the choice for the next one.
    r.sound.MenuCarteSonClick();
    r.a.sequencer.ErrorSimulation = true;
    r.a.sequencer.Button1Click();
    r.sound.RadioButtonCarteMoiClick();
    r.sound.ComboBoxChoixOutSelect(1);
    r.sound.BitBtnOKCarteSonClick();
    EXPECT_EQ(r.w.outputDevice, 1);
    EXPECT_EQ(r.a.engine.outputDevice(), kDefaultOutputDevice);

    // Opened during the bulletin, OK cannot be pressed.
    r.sound.MenuCarteSonClick();
    EXPECT_FALSE(r.a.status.BitBtnOKCarteSonEnabled());
    r.sound.ComboBoxChoixOutSelect(0);
    r.sound.BitBtnOKCarteSonClick();
    EXPECT_TRUE(r.sound.PanelCarteSon);

    r.a.sequencer.stopNow("Err: test");
    EXPECT_EQ(r.a.engine.outputDevice(), 1);
}

TEST(SoundOutput, TheLevelMarkMovesByTenWithinItsRange) {
    using B = SoundOutput::MouseButton;
    const struct {
        int before;
        B button;
        bool onMark;
        int after;
    } cases[] = {{70, B::Left, true, 80},  {95, B::Left, true, 100}, {5, B::Right, true, 0},
                 {70, B::Left, false, 70}, {70, B::Middle, true, 70}};
    for (const auto& c : cases) {
        SoundRig r;
        r.w.Gauge1 = c.before;
        r.sound.Panel1MouseDown(c.button, c.onMark);
        EXPECT_EQ(r.w.Gauge1, c.after);
    }
}

}  // namespace
}  // namespace skycrier
