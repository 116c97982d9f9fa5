// Input that is wrong in the ways users and fuzzing found: each is refused
// with one line that names it and exit code 2, or kept out with a notice while
// the bulletin goes on. Nothing waits on a named pipe, and no small file
// stands for hours of sound.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "cli/bulletin_command.h"
#include "cli/station_command.h"
#include "cli/usage.h"
#include "cli/vocabulary_command.h"
#include "platform/date_time.h"
#include "support/command_run.h"
#include "support/station_files.h"
#include "support/temp_dir.h"
#include "support/wave_bytes.h"

namespace skycrier::cli {
namespace {

const char* const kAt = "2026-12-07 14:05:00";
// The words of the time at kAt, which every bulletin here speaks.
const char* const kTimeWords = "wait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\n";

class BadInputTest : public ::testing::Test {
protected:
    BadInputTest() { std::filesystem::create_directory(dir.path() / "program"); }

    test::CommandResult bulletin(std::vector<std::string> args) {
        args.insert(args.begin(), {"--folder", (dir.path() / "program").string(), "--at", kAt});
        return test::runCommand(runBulletinCommand, args);
    }
    std::string ini(const std::string& text) { return dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\n" + text); }
    // A named pipe nobody writes to: reading it would wait for ever.
    std::string fifo(const std::string& name) {
        const std::string path = (dir.path() / name).string();
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        return path;
    }
    // A file of that size whose bytes cost no disk.
    std::string sparse(const std::string& name, const std::string& start, std::uintmax_t size) {
        const std::string path = dir.write(name, start);
        std::filesystem::resize_file(path, size);
        return path;
    }

    test::TempDir dir;
};

TEST_F(BadInputTest, EachIsRefusedWithALineThatNamesItAndCodeTwo) {
    const std::string pipe = fifo("pipe");
    const std::string folder = dir.path().string();
    const std::string big = sparse("big.txt", "Source=W23\n", (1 << 20) + 1);
    int records = 0;
    // A record of one bad line after the source; the message names the line.
    const auto record = [&](const std::string& line) {
        return dir.write("record" + std::to_string(++records) + ".txt", "Source=METAR\r\n" + line + "\r\n");
    };
    const auto lineTwo = [](const std::string& path, const std::string& why) {
        return "skycrier-cli bulletin: " + path + ": line 2: " + why + "\n";
    };
    struct Case {
        test::Command command;
        std::vector<std::string> args;
        std::string err;
    };
    std::vector<Case> cases = {
        {runBulletinCommand, {"--ini", pipe, "--list"}, "skycrier-cli bulletin: " + pipe + ": not a regular file\n"},
        {runBulletinCommand, {"--record", pipe, "--list"}, "skycrier-cli bulletin: " + pipe + ": not a regular file\n"},
        {runBulletinCommand, {"--ini", folder, "--list"}, "skycrier-cli bulletin: " + folder + ": not a regular file\n"},
        {runBulletinCommand, {"--record", folder, "--list"}, "skycrier-cli bulletin: " + folder + ": not a regular file\n"},
        {runBulletinCommand, {"--ini", big, "--list"}, "skycrier-cli bulletin: " + big + ": larger than 1 MB\n"},
        {runBulletinCommand, {"--record", big, "--list"}, "skycrier-cli bulletin: " + big + ": larger than 1 MB\n"},
        {runBulletinCommand, {"--at", "0000-01-01 00:00:00", "--list"},
         "skycrier-cli bulletin: --at needs \"YYYY-MM-DD HH:MM:SS\", not \"0000-01-01 00:00:00\"\n" +
             std::string(kBulletinUsage)},
        {runStationCommand, {"w23", pipe}, "skycrier-cli station: " + pipe + ": not a regular file\n"},
        {runStationCommand, {"w28", folder}, "skycrier-cli station: " + folder + ": not a regular file\n"},
        {runStationCommand, {"pro2", "/dev/null"}, "skycrier-cli station: /dev/null: not a regular file\n"},
        {runStationCommand, {"w23", big, "--at", "0000-12-31 00:00:00"},
         "skycrier-cli station: --at needs \"YYYY-MM-DD HH:MM:SS\", not \"0000-12-31 00:00:00\"\n" +
             std::string(kStationUsage)},
    };
    // Integer fields take whole numbers they can hold; no field takes NaN or an infinity.
    const std::pair<const char*, const char*> kRecordLines[] = {
        {"Tend=225", "Tend needs a whole number from -128 to 127, not \"225\""},
        {"Tend=-129", "Tend needs a whole number from -128 to 127, not \"-129\""},
        {"Tend=1.5", "Tend needs a whole number from -128 to 127, not \"1.5\""},
        {"Dire=2147483648", "Dire needs a whole number from -2147483648 to 2147483647, not \"2147483648\""},
        {"Dire=22.5", "Dire needs a whole number from -2147483648 to 2147483647, not \"22.5\""},
        {"Phenomena=-1", "Phenomena needs a whole number from 0 to 4294967295, not \"-1\""},
        {"Phenomena=5e10", "Phenomena needs a whole number from 0 to 4294967295, not \"5e10\""},
        {"Phenomena=nan", "Phenomena needs a whole number from 0 to 4294967295, not \"nan\""},
        {"Text=nan", "Text needs a number, not \"nan\""},
        {"Vent=inf", "Vent needs a number, not \"inf\""},
        {"Patm=-infinity", "Patm needs a number, not \"-infinity\""},
        {"HumiExt=1e400", "HumiExt needs a number, not \"1e400\""},
    };
    for (const auto& [line, why] : kRecordLines) {
        const std::string path = record(line);
        cases.push_back({runBulletinCommand, {"--record", path, "--list"}, lineTwo(path, why)});
    }
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        if (c.command == runBulletinCommand)
            args.insert(args.begin(), {"--folder", (dir.path() / "program").string()});
        const auto r = test::runCommand(c.command, args);
        EXPECT_EQ(r.code, 2) << c.err;
        EXPECT_EQ(r.out, "") << c.err;
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(BadInputTest, TheLargestValuesARecordAcceptsAreSpokenOrLeftOut) {
    // Every present-weather bit set says rain; the extremes of Tend and Dire lie outside what is spoken.
    const auto r = bulletin(
        {"--ini", ini("DATE=N\r\n"), "--record",
         dir.write("all.txt", "Source=METAR\nPhenomena=4294967295\nTend=-128\nDire=-2147483648\nEnabled=Pluie\n"),
         "--list"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, std::string(kTimeWords) + "wait 300\nplay son_raining\ndone\n");
}

TEST_F(BadInputTest, RecordLinesEndWithCrLfOrCrLf) {
    const std::string configuration = ini("DATE=N\r\n");
    std::vector<std::string> traces;
    for (const char* end : {"\n", "\r\n", "\r"}) {
        const std::string text = std::string("Source=W23") + end + "Text=5" + end + "Enabled=Text" + end;
        const auto r = bulletin({"--ini", configuration, "--record", dir.write("record.txt", text), "--list"});
        EXPECT_EQ(r.code, 0) << r.err;
        traces.push_back(r.out);
    }
    EXPECT_EQ(traces[0], std::string(kTimeWords) + "wait 300\nplay son_ext_temp\nplay son5\nplay son_degrees\ndone\n");
    EXPECT_EQ(traces[1], traces[0]);
    EXPECT_EQ(traces[2], traces[0]);
}

TEST_F(BadInputTest, StationGarbageIsShownRedAndNeverSpoken) {
    test::Ws23Record garbage;
    garbage.tempOut = 1e30f;
    const std::string history = dir.write(
        "history.dat", test::ws23File(test::ws23Series(3, encodeDateTime(2026, 12, 7, 14, 0, 0), 5, garbage)));

    const auto polled = test::runCommand(runStationCommand, {"w23", history, "--offset", "2147483647"});
    EXPECT_EQ(polled.code, 0) << polled.err;
    EXPECT_NE(polled.out.find("\"Text\": 1.0000000150474662e+30"), std::string::npos) << polled.out;
    EXPECT_NE(polled.out.find("\"CheckBoxText\": {\"caption\": \"T-ext (°C) = 1000000015047466219876688855040.0\", "
                              "\"red\": true}"),
              std::string::npos)
        << polled.out;
    EXPECT_NE(polled.out.find("\"CheckBoxPatm\": {\"caption\": \"P-atm (hPa) = 2147484660.0\", \"red\": true}"),
              std::string::npos)
        << polled.out;

    const auto spoken = bulletin({"--ini", ini("DATE=N\r\nMETEO=W23\r\nW23_TEMPEXT=Y\r\nW23_PRESATM=Y\r\n"
                                               "W23_POFFSET=2147483647\r\nW23_DAT=" + history + "\r\n"),
                                  "--list"});
    EXPECT_EQ(spoken.code, 0) << spoken.err;
    EXPECT_EQ(spoken.out, std::string(kTimeWords) + "done\n");
}

// Recordings the sound output cannot play, or that no spoken word could be,
// keep the built-in word: the vocabulary lists it and every bulletin plays.
TEST_F(BadInputTest, UnusableRecordingsKeepTheirBuiltInWords) {
    const auto voice = dir.path() / "voice";
    std::filesystem::create_directory(voice);
    const auto write = [&](const std::string& name, const std::string& bytes) {
        dir.write("voice/" + name, bytes);
    };
    test::WaveLayout twelveBits;
    twelveBits.bits = 12;
    twelveBits.data = test::sampleBytes(100);
    write("son_it_s.wav", test::waveBytes(twelveBits));
    test::WaveLayout noRate;
    noRate.rate = 0;
    noRate.data = test::sampleBytes(100);
    write("son2_et.wav", test::waveBytes(noRate));
    test::WaveLayout oneHertz;
    oneHertz.rate = 1;
    oneHertz.bits = 8;
    oneHertz.data = test::sampleBytes(20'000);
    write("son_pm.wav", test::waveBytes(oneHertz));
    test::WaveLayout threeByteFrames;
    threeByteFrames.averageBytes = 24000 * 3;
    threeByteFrames.data = test::sampleBytes(99);
    std::string threeBytes = test::waveBytes(threeByteFrames);
    threeBytes[32] = 3;  // the block alignment
    write("son_am1.wav", threeBytes);
    test::WaveLayout overAMinute;
    overAMinute.rate = 8000;
    overAMinute.bits = 8;
    overAMinute.data = std::string(60 * 8000 + 1, '\x80');
    write("son0.wav", test::waveBytes(overAMinute));
    test::WaveLayout aMinute = overAMinute;
    aMinute.data.pop_back();
    write("son1.wav", test::waveBytes(aMinute));
    fifo("voice/son5.wav");
    std::filesystem::create_directory(voice / "son6.wav");
    sparse("voice/son7.wav", test::clipOfBytes(0), (32 << 20) + 1);

    std::string notices;
    for (const std::string notice : {
             "son0.wav: longer than 60 s",
             "son2_et.wav: cannot be played (16-bit mono at 0 Hz, 2-byte frames)",
             "son5.wav: not a regular file",
             "son6.wav: not a regular file",
             "son7.wav: larger than 32 MB",
             "son_am1.wav: cannot be played (16-bit mono at 24000 Hz, 3-byte frames)",
             "son_it_s.wav: cannot be played (12-bit mono at 24000 Hz, 1-byte frames)",
             "son_pm.wav: cannot be played (8-bit mono at 1 Hz, 1-byte frames)",
         })
        notices += "skycrier-cli vocabulary: " + notice + "; the built-in clip is used\n";
    notices += "skycrier-cli vocabulary: 229 of 230 clips have no recording in " + voice.string() +
               "; the built-in clips are used\n";
    const auto builtIn = test::runCommand(runVocabularyCommand, {"--list"});
    const auto listed = test::runCommand(runVocabularyCommand, {"--vocabulary", voice.string(), "--list"});
    EXPECT_EQ(listed.code, 0);
    EXPECT_EQ(listed.err, notices);
    // Only the minute-long recording replaces its word.
    std::string expectedList = builtIn.out;
    const std::size_t son1 = expectedList.find("\nSON1 ") + 1;
    expectedList.replace(son1, expectedList.find('\n', son1) - son1, "SON1 8000 16 480000");
    EXPECT_EQ(listed.out, expectedList);

    const auto r = bulletin({"--ini", ini("DATE=N\r\n"), "--vocabulary", voice.string(), "--list"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, std::string(kTimeWords) + "done\n");
}

TEST_F(BadInputTest, AHeaderFileAtOneHertzFailsAtOpenAndRendersNothingOfIt) {
    test::WaveLayout oneHertz;
    oneHertz.rate = 1;
    oneHertz.bits = 8;
    oneHertz.data = test::sampleBytes(20'000);
    dir.write("program/slow.wav", test::waveBytes(oneHertz));
    const std::string wav = (dir.path() / "out.wav").string();
    const auto r =
        bulletin({"--ini", ini("DATE=N\r\nENTETE=Y\r\nFICHIER_ENTETE=slow.wav\r\n"), "--wav", wav});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "play-file slow.wav\nabort Err: Opening sound card\n");
    EXPECT_LT(std::filesystem::file_size(wav), 1'000'000u);
}

// 8 000 Hz 8-bit mono for a day and a quarter of an hour: the listing runs
// in virtual time to the bulletin's own end.
TEST_F(BadInputTest, AHeaderFileLongerThanADayStillEndsTheTrace) {
    constexpr std::uint32_t kDataBytes = (86'400 + 900) * 8000;
    test::WaveLayout day;
    day.rate = 8000;
    day.bits = 8;
    day.declaredDataSize = kDataBytes;
    const std::string header = test::waveBytes(day);
    sparse("program/day.wav", header, header.size() + kDataBytes);
    const auto r = bulletin({"--ini", ini("DATE=N\r\nENTETE=Y\r\nFICHIER_ENTETE=day.wav\r\n"), "--list"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("play-file day.wav\n", 0), 0u) << r.out;
    EXPECT_EQ(r.out.substr(r.out.size() - 5), "done\n") << r.out;
}

}  // namespace
}  // namespace skycrier::cli
