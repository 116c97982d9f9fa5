#include "announce/wave_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "support/wave_bytes.h"

namespace skycrier {
namespace {

using test::WaveLayout;
using test::waveBytes;

struct Read {
    PlayError error;
    WaveInfo info;
    std::vector<std::uint8_t> samples;
};

Read fromMemory(const std::string& bytes) {
    Read r;
    const auto data = test::toBytes(bytes);
    MemorySource source(data);
    r.error = readWave(source, r.info, r.samples);
    return r;
}

Read fromFile(const std::string& bytes) {
    test::TempDir dir;
    std::string reason;
    const auto file = RegularFile::open(dir.write("sound.wav", bytes), reason);
    EXPECT_TRUE(file) << reason;
    FileSource source(*file);
    Read r;
    r.error = readWave(source, r.info, r.samples);
    return r;
}

// The status text a broken sound shows, as a clip and as a file.
std::pair<std::string, std::string> texts(const std::string& bytes) {
    return {playErrorText(fromMemory(bytes).error, SoundOrigin::Resource),
            playErrorText(fromFile(bytes).error, SoundOrigin::File)};
}

using Texts = std::pair<std::string, std::string>;

TEST(WaveReaderTest, EveryTruncationOfAFileNamesTheFieldItEndsIn) {
    WaveLayout layout;
    layout.chunksBefore = {{"LIST", "abcd"}};
    layout.data = test::sampleBytes(10);
    const std::string whole = waveBytes(layout);
    ASSERT_EQ(whole.size(), 66u);
    // Offsets: RIFF header and format chunk header 0..19, format 20..35, LIST tag
    // 36..39, its size 40..43, its payload 44..47, "data" 48..51, size 52..55, samples 56..65.
    const auto expected = [](std::size_t length) -> Texts {
        if (length < 20) return {"Err: Res Wave", "Err: wave file"};
        if (length < 36) return {"Err: Reading Res wave", "Err: Reading wave file"};
        if (length < 40) return {"Err: Res wave header", "Err: Header wave file"};
        if (length < 44) return {"Err: Chunk Res wave", "Err: chunk wave file"};
        if (length < 48) return {"Err: chunk2 Res wave", "Err: chunk2 wave file"};
        if (length < 52) return {"Err: Res wave header", "Err: Header wave file"};
        if (length < 56) return {"Err: Reading(2) Res wave", "Err: Reading(2) wave file"};
        return {"Err: Reading(3) Res wave", "Err: Reading(3) wave file"};
    };
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_EQ(texts(whole.substr(0, length)), expected(length)) << "cut at " << length;

    for (const Read& r : {fromMemory(whole), fromFile(whole)}) {
        EXPECT_EQ(r.error, PlayError::None);
        EXPECT_EQ(std::string(r.samples.begin(), r.samples.end()), layout.data);
    }
}

TEST(WaveReaderTest, SizesUpToFourGigabytesNeverReachPastTheEnd) {
    WaveLayout format;
    format.declaredFormatSize = 0xFFFFFFFF;
    EXPECT_EQ(texts(waveBytes(format)), Texts("Err: Reading Res wave", "Err: Reading wave file"));

    WaveLayout chunk;
    chunk.chunksBefore = {{"JUNK", "xy"}};
    std::string bytes = waveBytes(chunk);
    bytes.replace(40, 4, "\xFF\xFF\xFF\xFF");
    EXPECT_EQ(texts(bytes), Texts("Err: chunk2 Res wave", "Err: chunk2 wave file"));

    WaveLayout data;
    data.data = test::sampleBytes(100);
    data.declaredDataSize = 0xFFFFFFFF;
    EXPECT_EQ(texts(waveBytes(data)), Texts("Err: Reading(3) Res wave", "Err: Reading(3) wave file"));
    // A lying data size is found out before the block is resized for it.
    EXPECT_LT(fromMemory(waveBytes(data)).samples.capacity(), 1'000'000u);

    data.declaredDataSize = 101;
    EXPECT_EQ(texts(waveBytes(data)), Texts("Err: Reading(3) Res wave", "Err: Reading(3) wave file"));
}

TEST(WaveReaderTest, FormatChecks) {
    WaveLayout notPcm;
    notPcm.formatTag = 3;
    EXPECT_EQ(texts(waveBytes(notPcm)), Texts("Err: Res none PCM", "Err: none PCM file"));

    WaveLayout threeChannels;
    threeChannels.channels = 3;
    EXPECT_EQ(texts(waveBytes(threeChannels)), Texts("Err: Res none mono/stereo", "Err: none mono/stereo file"));

    WaveLayout badRate;
    badRate.averageBytes = 24000;
    EXPECT_EQ(texts(waveBytes(badRate)), Texts("Err: Res wave format", "Err: Wave file format"));

    // A record too short to hold the PCM fields cannot describe the samples.
    WaveLayout shortFormat;
    shortFormat.formatSize = 14;
    EXPECT_EQ(texts(waveBytes(shortFormat)), Texts("Err: Reading Res wave", "Err: Reading wave file"));
}

TEST(WaveReaderTest, LayoutsThatPlay) {
    WaveLayout eightBitStereo;  // bits are not checked
    eightBitStereo.channels = 2;
    eightBitStereo.bits = 8;
    eightBitStereo.rate = 11025;
    eightBitStereo.data = test::sampleBytes(40);
    Read r = fromFile(waveBytes(eightBitStereo));
    EXPECT_EQ(r.error, PlayError::None);
    EXPECT_EQ(r.info.format.channels, 2);
    EXPECT_EQ(r.info.format.bitsPerSample, 8);
    EXPECT_EQ(r.info.format.blockAlign, 2);
    EXPECT_EQ(r.info.format.averageBytesPerSecond, 22050u);

    WaveLayout withFact;  // as five clips of the vocabulary are
    withFact.rate = 16000;
    withFact.formatSize = 18;
    withFact.chunksBefore = {{"fact", std::string("\x10\0\0\0", 4)}};
    withFact.data = test::sampleBytes(32);
    r = fromMemory(waveBytes(withFact));
    EXPECT_EQ(r.error, PlayError::None);
    EXPECT_EQ(r.info.formatChunkSize, 18u);
    EXPECT_EQ(r.info.format.samplesPerSecond, 16000u);
    EXPECT_EQ(std::string(r.samples.begin(), r.samples.end()), withFact.data);

    WaveLayout longFormat;  // only the first 16 bytes count
    longFormat.formatSize = 40;
    longFormat.chunksBefore = {{"LIST", std::string(1000, 'x')}, {"JUNK", ""}};
    longFormat.data = test::sampleBytes(6);
    r = fromFile(waveBytes(longFormat));
    EXPECT_EQ(r.error, PlayError::None);
    EXPECT_EQ(r.info.formatChunkSize, 40u);
    EXPECT_EQ(r.info.format.samplesPerSecond, 24000u);
    EXPECT_EQ(std::string(r.samples.begin(), r.samples.end()), longFormat.data);

    WaveLayout empty;
    r = fromMemory(waveBytes(empty) + "trailing chunk");
    EXPECT_EQ(r.error, PlayError::None);
    EXPECT_TRUE(r.samples.empty());
}

// A source that fails when asked to move on past any byte.
class FailingSkipSource : public MemorySource {
public:
    using MemorySource::MemorySource;
    bool skip(std::uint64_t size) override { return size == 0 && MemorySource::skip(0); }
};

TEST(WaveReaderTest, AReadErrorWhileSkippingAChunk) {
    WaveLayout layout;
    layout.chunksBefore = {{"LIST", "abcd"}};
    const auto bytes = test::toBytes(waveBytes(layout));
    FailingSkipSource source(bytes);
    WaveInfo info;
    std::vector<std::uint8_t> samples;
    EXPECT_STREQ(playErrorText(readWave(source, info, samples), SoundOrigin::File), "Err: Wave file data");
    EXPECT_STREQ(playErrorText(PlayError::SkipRead, SoundOrigin::Resource), "Err: Res wave data");
}

TEST(WaveReaderTest, AFileCutShortWhileOpenEndsInAReadError) {
    test::TempDir dir;
    WaveLayout layout;
    layout.data = test::sampleBytes(1000);
    const std::string path = dir.write("sound.wav", waveBytes(layout));
    std::string reason;
    const auto file = RegularFile::open(path, reason);
    ASSERT_TRUE(file) << reason;
    std::filesystem::resize_file(path, 500);
    FileSource source(*file);
    WaveInfo info;
    std::vector<std::uint8_t> samples;
    EXPECT_STREQ(playErrorText(readWave(source, info, samples), SoundOrigin::File), "Err: Reading(3) wave file");
}

}  // namespace
}  // namespace skycrier
