#include "cli/vocabulary_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "app/builtin_clips.h"
#include "cli/usage.h"
#include "support/command_run.h"
#include "support/temp_dir.h"
#include "support/wave_bytes.h"

namespace skycrier::cli {
namespace {

test::CommandResult run(const std::vector<std::string>& args) { return test::runCommand(runVocabularyCommand, args); }

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
}

TEST(VocabularyCommandTest, ListsTheTwoHundredAndThirtyClipsInTheirTwoFormats) {
    const auto r = run({"--list"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const auto all = lines(r.out);
    ASSERT_EQ(all.size(), 230u);
    std::map<std::string, int> formats;
    for (const std::string& line : all) {
        std::istringstream fields(line);
        std::string name, rate, formatSize;
        long dataBytes = 0;
        fields >> name >> rate >> formatSize >> dataBytes;
        EXPECT_EQ(name.rfind("SON", 0), 0u) << line;
        EXPECT_GT(dataBytes, 0) << line;
        ++formats[rate + " " + formatSize];
    }
    EXPECT_EQ(formats, (std::map<std::string, int>{{"24000 16", 225}, {"16000 18", 5}}));
    EXPECT_NE(r.out.find("\nSON_NORTH "), std::string::npos);
}

TEST(VocabularyCommandTest, ExportsEveryClipUnderItsLowerCaseName) {
    test::TempDir dir;
    const auto folder = dir.path() / "clips";
    const auto r = run({"--export", folder.string()});
    EXPECT_EQ(r.code, 0) << r.err;
    const auto clips = builtInClips();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 230);
    for (const ClipBytes& clip : clips) {
        std::string name(clip.name);
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::ifstream in(folder / (name + ".wav"), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(bytes, std::string(clip.bytes.begin(), clip.bytes.end())) << name;
    }
}

TEST(VocabularyCommandTest, RecordingsShowInTheList) {
    test::TempDir dir;
    dir.write("Son_North.wav", test::clipOfBytes(1234));
    const auto r = run({"--vocabulary", dir.path().string(), "--list"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("\nSON_NORTH 24000 16 1234\n"), std::string::npos);
    EXPECT_EQ(r.err, "skycrier-cli vocabulary: 229 of 230 clips have no recording in " + dir.path().string() +
                         "; the built-in clips are used\n");
}

TEST(VocabularyCommandTest, BadInputIsNamedAndOptionMistakesShowTheUsage) {
    test::TempDir dir;
    const std::string file = dir.write("file", "x");
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{}, true},
        {{"--bogus"}, true},
        {{"--export"}, true},
        {{"--list", "--export", dir.path().string()}, true},
        {{"--vocabulary", (dir.path() / "missing").string(), "--list"}, false},
        {{"--export", file}, false},
    };
    for (const auto& [args, optionMistake] : cases) test::expectRefused(run(args), kVocabularyUsage, optionMistake);
}

}  // namespace
}  // namespace skycrier::cli
