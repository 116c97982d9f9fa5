#include "announce/vocabulary.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/test_vocabulary.h"

namespace skycrier {
namespace {

class VocabularyTest : public ::testing::Test {
protected:
    VocabularyTest() {
        clips.add("SON0", test::clipOfBytes(10, 1));
        clips.add("SON_NORTH", test::clipOfBytes(20, 2));
        clips.add("SON_SOUTH", test::clipOfBytes(30, 3));
    }

    static std::string text(std::optional<std::span<const unsigned char>> clip) {
        return clip ? std::string(clip->begin(), clip->end()) : "(none)";
    }

    test::TestClips clips;
    test::TempDir dir;
};

TEST_F(VocabularyTest, NamesAreLookedUpInAnyCase) {
    const Vocabulary v(clips.list());
    EXPECT_EQ(text(v.find("son_north")), test::clipOfBytes(20, 2));
    EXPECT_EQ(text(v.find("Son_North")), test::clipOfBytes(20, 2));
    EXPECT_EQ(text(v.find("son_west")), "(none)");
    EXPECT_EQ(text(v.find("")), "(none)");
    ASSERT_EQ(v.clips().size(), 3u);
    EXPECT_EQ(v.clips()[1].name, "SON_NORTH");
}

TEST_F(VocabularyTest, RecordingsReplaceTheirClipsAndEverythingElseIsSaidOnce) {
    const std::string north = test::clipOfBytes(40, 4);
    dir.write("SON_North.WAV", north);
    dir.write("son_south.wav", "not a wave file");
    dir.write("son_nort.wav", test::clipOfBytes(8));
    dir.write("notes.txt", "ignored");
    Vocabulary v(clips.list());
    EXPECT_EQ(v.useRecordings(dir.path()),
              (std::vector<std::string>{"son_nort.wav: no clip of that name; ignored",
                                        "son_south.wav: Err: wave file; the built-in clip is used",
                                        "2 of 3 clips have no recording in " + dir.path().string() +
                                            "; the built-in clips are used"}));
    EXPECT_EQ(text(v.find("son_north")), north);
    EXPECT_EQ(text(v.find("son_south")), test::clipOfBytes(30, 3));
    EXPECT_EQ(text(v.find("son0")), test::clipOfBytes(10, 1));
}

TEST_F(VocabularyTest, OnlyRecordingsTheOutputPlaysAndNoLongerThanAMinuteAreTaken) {
    test::WaveLayout twelveBits;
    twelveBits.bits = 12;
    dir.write("son0.wav", test::waveBytes(twelveBits));
    test::WaveLayout minute;
    minute.rate = 8000;
    minute.bits = 8;
    minute.data = std::string(60 * 8000, '\x80');
    dir.write("son_north.wav", test::waveBytes(minute));
    minute.data += '\x80';
    dir.write("son_south.wav", test::waveBytes(minute));
    Vocabulary v(clips.list());
    EXPECT_EQ(v.useRecordings(dir.path()),
              (std::vector<std::string>{
                  "son0.wav: cannot be played (12-bit mono at 24000 Hz, 1-byte frames); the built-in clip is used",
                  "son_south.wav: longer than 60 s; the built-in clip is used",
                  "2 of 3 clips have no recording in " + dir.path().string() + "; the built-in clips are used"}));
    EXPECT_EQ(text(v.find("son0")), test::clipOfBytes(10, 1));
    EXPECT_EQ(v.find("son_north")->size(), 44u + 60 * 8000);
    EXPECT_EQ(text(v.find("son_south")), test::clipOfBytes(30, 3));
}

TEST_F(VocabularyTest, AFolderThatCannotBeReadKeepsTheBuiltInClips) {
    Vocabulary v(clips.list());
    const auto missing = dir.path() / "missing";
    EXPECT_EQ(v.useRecordings(missing),
              (std::vector<std::string>{missing.string() + ": cannot be read; the built-in clips are used"}));
    EXPECT_EQ(text(v.find("son0")), test::clipOfBytes(10, 1));
}

}  // namespace
}  // namespace skycrier
