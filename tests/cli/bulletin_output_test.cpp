// Bulletins played through the real playback engine: listed, rendered to a
// WAVE file, and played on an ALSA device that writes into a file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <tuple>

#include "announce/vocabulary.h"
#include "announce/wave_reader.h"
#include "app/builtin_clips.h"
#include "cli/bulletin_command.h"
#include "platform/pcm_converter.h"
#include "cli/usage.h"
#include "support/command_run.h"
#include "support/station_files.h"
#include "support/stream_samples.h"
#include "support/temp_dir.h"
#include "support/wave_bytes.h"

namespace skycrier::cli {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Sound {
    WaveInfo info;
    std::string samples;
};

Sound readSound(std::span<const unsigned char> bytes) {
    MemorySource source(bytes);
    Sound s;
    std::vector<std::uint8_t> samples;
    EXPECT_EQ(readWave(source, s.info, samples), PlayError::None);
    s.samples.assign(samples.begin(), samples.end());
    return s;
}

class BulletinOutputTest : public ::testing::Test {
protected:
    BulletinOutputTest() { std::filesystem::create_directory(folder()); }

    test::CommandResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--folder", folder().string(), "--at", "2026-12-07 14:05:00"});
        return test::runCommand(runBulletinCommand, args);
    }

    std::filesystem::path folder() const { return dir.path() / "program"; }
    std::string ini(const std::string& text) { return dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\n" + text); }

    // The sound a trace line plays: a vocabulary word, or a file of the program folder.
    Sound soundOf(const std::string& line) {
        if (line.rfind("play-file ", 0) == 0) {
            const auto bytes = test::toBytes(readFile(folder() / line.substr(10)));
            return readSound(bytes);
        }
        return readSound(*vocabulary.find(line.substr(5)));
    }

    test::TempDir dir;
    const std::vector<ClipBytes> builtIn = builtInClips();
    const Vocabulary vocabulary{builtIn};
};

TEST_F(BulletinOutputTest, ARenderedBulletinIsItsSoundsAndSilencesExactly) {
    const std::string wav = (dir.path() / "bulletin.wav").string();
    const auto r = run({"--ini", ini("HELLO=Y\r\nCOM=1\r\n"), "--wav", wav});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "key DTR\nkey RTS\nwait 300\nplay-file kuckoo.wav\nplay son_mon\nplay son7\nplay son_dec\n"
              "play son2026\nwait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\nunkey DTR\n"
              "unkey RTS\ndone\n");

    std::uint64_t expectedSamples = 0;
    std::istringstream trace(r.out);
    for (std::string line; std::getline(trace, line);) {
        if (line.rfind("wait ", 0) == 0) expectedSamples += std::stoul(line.substr(5)) * 24;
        if (line.rfind("play", 0) != 0) continue;
        const Sound s = soundOf(line);
        expectedSamples += PcmConverter::outputFrames(s.samples.size() / s.info.format.blockAlign,
                                                      s.info.format.samplesPerSecond);
    }
    const std::string file = readFile(wav);
    ASSERT_GE(file.size(), 44u);
    EXPECT_EQ(file.size() - 44, 2 * expectedSamples);
    // The keying wait comes first, as silence, then the greeting.
    EXPECT_EQ(file.substr(44, 300 * 48), std::string(300 * 48, '\0'));
    // The default greeting is of the rendering's own layout, so its samples come out unchanged.
    const Sound greeting = soundOf("play-file kuckoo.wav");
    const PcmFormat& f = greeting.info.format;
    EXPECT_EQ(std::tuple(f.samplesPerSecond, f.channels, f.bitsPerSample), std::tuple(24000u, 1, 16));
    EXPECT_EQ(file.substr(44 + 300 * 48, greeting.samples.size()), greeting.samples);
}

TEST_F(BulletinOutputTest, TheDefaultGreetingIsWrittenOnceAndTheUsersOwnIsKept) {
    run({"--list"});
    const auto greeting = builtInGreeting();
    EXPECT_EQ(readFile(folder() / "kuckoo.wav"), std::string(greeting.begin(), greeting.end()));

    const std::string own = test::clipOfBytes(480);
    dir.write("program/kuckoo.wav", own);
    run({"--list"});
    EXPECT_EQ(readFile(folder() / "kuckoo.wav"), own);
}

TEST_F(BulletinOutputTest, FilesThatCannotBePlayedAbortTheListedBulletin) {
    test::WaveLayout threeChannels;
    threeChannels.channels = 3;
    dir.write("program/three.wav", test::waveBytes(threeChannels));
    const auto broken = run({"--ini", ini("DATE=N\r\nENTETE=Y\r\nFICHIER_ENTETE=three.wav\r\n"), "--list"});
    EXPECT_EQ(broken.code, 1);
    EXPECT_EQ(broken.out, "play-file three.wav\nabort Err: none mono/stereo file\n");

    const auto missing = run({"--ini", ini("DATE=N\r\nENTETE=Y\r\nFICHIER_ENTETE=gone.wav\r\n"), "--list"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "play-file gone.wav\nabort Err: Wave file name\n");
}

TEST_F(BulletinOutputTest, RecordingsReplaceTheirWords) {
    std::filesystem::create_directory(dir.path() / "voice");
    const std::string pm = test::clipOfBytes(48'000);  // one second
    dir.write("voice/SON_PM.wav", pm);
    const std::string with = (dir.path() / "with.wav").string();
    const std::string without = (dir.path() / "without.wav").string();
    const auto r = run({"--ini", ini("DATE=N\r\n"), "--vocabulary", (dir.path() / "voice").string(), "--wav", with});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "skycrier-cli bulletin: 229 of 230 clips have no recording in " + (dir.path() / "voice").string() +
                         "; the built-in clips are used\n");
    run({"--ini", ini("DATE=N\r\n"), "--wav", without});
    const Sound builtInPm = soundOf("play son_pm");
    EXPECT_EQ(readFile(with).size() - readFile(without).size(), 48'000 - builtInPm.samples.size());
    EXPECT_EQ(readFile(with).substr(readFile(with).size() - 48'000), pm.substr(44));
}

// On an output chosen by its name; one ALSA cannot open, or a number with no
// device, is refused with what to do.
TEST_F(BulletinOutputTest, PlayedOnTheCardTheWordsComeOutAsTheyAre) {
    const auto raw = dir.path() / "card.raw";
    const std::string config = dir.write("asound.conf", "pcm.air {\n type file\n slave.pcm { type null }\n file \"" +
                                                            raw.string() + "\"\n format \"raw\"\n}\n");
    ::setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
    const auto play = [this](const char* device) {
        // --at does not go with --play: the time words are those of now.
        return test::runCommand(runBulletinCommand, {"--folder", folder().string(), "--play", "--device", device});
    };
    const auto unknown = play("nosuch");
    const auto numbered = play("0");
    const auto r = play("air");
    ::unsetenv("ALSA_CONFIG_PATH");
    const std::string see = "; run skycrier-cli devices to see the outputs\n";
    EXPECT_EQ(unknown.code, 1);
    EXPECT_TRUE(unknown.err.ends_with(
        "sound output \"nosuch\" could not be opened (misspelt, busy or unplugged?)" + see)) << unknown.err;
    EXPECT_EQ(numbered.code, 2);
    EXPECT_EQ(numbered.err, "skycrier-cli bulletin: --device 0: no such sound output" + see);
    EXPECT_EQ(r.code, 0) << r.err;
    std::istringstream out(r.out);
    // One stream for the whole bulletin, each sound in the stream's format.
    std::vector<std::vector<std::int16_t>> expected;
    for (std::string line; std::getline(out, line);) {
        if (line.rfind("play", 0) != 0) continue;
        const Sound s = soundOf(line);
        expected.push_back(test::inStreamFormat(
            s.info.format, {reinterpret_cast<const std::uint8_t*>(s.samples.data()), s.samples.size()}));
    }
    EXPECT_FALSE(expected.empty());
    test::expectSoundsInSilence(test::streamLeftChannel(readFile(raw)), expected);
}

// Whatever makes a bulletin say less than its configuration asks is told on
// stderr; a bulletin that went out unkeyed because the port failed exits 3.
TEST_F(BulletinOutputTest, WhatChangesTheBulletinIsNeverSilent) {
    const std::string prefix = "skycrier-cli bulletin: ";
    const std::string retry = ": kept as configured; tried again every minute and before each bulletin\n";
    const struct {
        std::string config;
        std::string err;
    } cases[] = {
        {"METEO=W23\r\nW23_DAT=" + (dir.path() / "gone.dat").string() + "\r\nW23_TEMPEXT=Y\r\n",
         prefix + "W23_DAT=" + (dir.path() / "gone.dat").string() + ": file " + (dir.path() / "gone.dat").string() +
             " not found (Error de archivo); kept as configured and looked for again at each poll\n" + prefix +
             "the weather source W23 reports \"Error de archivo\": no weather is spoken\n"},
        {"METEO=MON\r\n", prefix + "the weather source MON cannot be used: no weather is spoken\n" + prefix +
                               "no weather value of MON is ticked for speaking\n"},
        {"METEO=W23\r\nW23_DAT=" + dir.write("history.dat", test::ws23File({test::Ws23Record{}})) + "\r\n",
         prefix + "no weather value of W23 is ticked for speaking\n"},
        {"COM=abc\r\n", prefix + "Error: serial port (COMabc: not a serial port name)" + retry},
        {"", ""},
    };
    for (const auto& c : cases) {
        const auto r = run({"--ini", ini(c.config), "--list"});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.err, c.err) << c.config;
    }

    const std::string asound = dir.write("asound.conf", "pcm.!default {\n type null\n}\n");
    ::setenv("ALSA_CONFIG_PATH", asound.c_str(), 1);
    std::ostringstream out, err;
    const int code = runBulletinCommand(
        {"--folder", folder().string(), "--ini", ini("DATE=N\r\nCOM=/dev/ttySKYCRIER-missing\r\n"), "--play"}, out, err);
    ::unsetenv("ALSA_CONFIG_PATH");
    EXPECT_EQ(code, 3);
    EXPECT_EQ(err.str(), prefix + "Error: serial port (/dev/ttySKYCRIER-missing: No such file or directory)" + retry);
    EXPECT_EQ(out.str().substr(out.str().size() - 5), "done\n");
}

TEST_F(BulletinOutputTest, BadInputIsNamedAndOptionMistakesShowTheUsage) {
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"--list", "--play"}, true},
        {{"--wav"}, true},
        {{"--list", "--device", "0"}, true},
        {{"--play", "--device", ""}, true},
        {{"--play", "--device", "999"}, true},  // --at, added by run(), does not go with --play
        {{"--wav", (dir.path() / "missing" / "out.wav").string()}, false},
        {{"--vocabulary", (dir.path() / "missing").string(), "--list"}, false},
    };
    for (const auto& [args, optionMistake] : cases) {
        SCOPED_TRACE(args[0]);
        test::expectRefused(run(args), kBulletinUsage, optionMistake);
    }
    std::ostringstream out, err;
    EXPECT_EQ(runBulletinCommand({"--play", "--at", "2026-12-07 14:05:00"}, out, err), 2);
    EXPECT_EQ(runBulletinCommand({"--folder", dir.write("plain-file", "x"), "--list"}, out, err), 2);
}

}  // namespace
}  // namespace skycrier::cli
