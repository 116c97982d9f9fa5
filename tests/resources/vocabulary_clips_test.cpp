// The clips compiled into the program: the full bulletin vocabulary, in the
// WAVE layouts the player reads, and levelled so that words joined into a
// sentence neither jump in volume nor leave gaps.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "resources/embedded_resources.h"

namespace {

using skycrier::resources::defaultGreeting;
using skycrier::resources::EmbeddedFile;
using skycrier::resources::findVocabularyClip;
using skycrier::resources::vocabularyClips;

// Five clips no bulletin plays use the 16 kHz layout with an 18-byte format
// chunk and a fact chunk; all others are canonical 44-byte-header files.
const std::set<std::string> legacyLayoutClips = {"SON_FIRST", "SON_SECOND", "SON_THIRD", "SON_Y",
                                                 "SON_TENTH_INCH"};

// Same values as tools/vocabulary/generate_vocabulary.py.
constexpr int silenceThreshold = 104;  // about -50 dBFS
constexpr double frameSeconds = 0.020;
constexpr double gateDb = -40.0;
constexpr double maxDcOffset = 5.0;  // LSB

std::set<std::string> bulletinWords() {
    std::set<std::string> names;
    auto add = [&](int from, int to, const std::string& suffix) {
        for (int n = from; n <= to; ++n) names.insert("SON" + std::to_string(n) + suffix);
    };
    add(0, 100, "");
    add(2023, 2050, "");
    add(1, 12, "_ET");
    for (const char* name :
         {"SON900", "SON1000", "SON2000", "SON100_AND", "SON900_AND", "SON1000_AND", "SON_IT_S", "SON_IT_S1",
          "SON_AM", "SON_AM1", "SON_PM", "SON_PM1", "SON_SUN", "SON_MON", "SON_TUE", "SON_WED", "SON_THU",
          "SON_FRI", "SON_SAT", "SON_JAN", "SON_FEB", "SON_MAR", "SON_APR", "SON_MAY", "SON_JUN", "SON_JUL",
          "SON_AUG", "SON_SEP", "SON_OCT", "SON_NOV", "SON_DEC", "SON_INT_TEMP", "SON_EXT_TEMP",
          "SON_WIND_CHILL", "SON_DEW_POINT", "SON_MINUS", "SON_DEGREES", "SON_DEGREES1", "SON_PRESSURE",
          "SON_MILLIBARS", "SON_INHG", "SON_POINT", "SON_STEADY", "SON_RISING", "SON_FALLING", "SON_WIND",
          "SON_GUST", "SON_NULL", "SON_KMH", "SON_KMH1", "SON_MPH", "SON_DIR", "SON_VARIABLE", "SON_NORTH",
          "SON_NORTH_NORTH_EAST", "SON_NORTH_EAST", "SON_EAST_NORTH_EAST", "SON_EAST", "SON_EAST_SOUTH_EAST",
          "SON_SOUTH_EAST", "SON_SOUTH_SOUTH_EAST", "SON_SOUTH", "SON_SOUTH_SOUTH_WEST", "SON_SOUTH_WEST",
          "SON_WEST_SOUTH_WEST", "SON_WEST", "SON_WEST_NORTH_WEST", "SON_NORTH_WEST", "SON_NORTH_NORTH_WEST",
          "SON_RAIN24", "SON_MILLIMETERS", "SON_MILLIMETERS1", "SON_INCH", "SON_TENTH_INCH", "SON_RAINING",
          "SON_SNOWING", "SON_HAILING", "SON_MIST", "SON_FOG", "SON_LIGHTLY", "SON_MODERATLY", "SON_HEAVILY",
          "SON_HUMIDITY", "SON_PERCENT", "SON_FIRST", "SON_SECOND", "SON_THIRD", "SON_Y", "SON_KUCKOO"})
        names.insert(name);
    return names;
}

std::uint32_t le32(std::span<const unsigned char> b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t le16(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// What a WAVE file holds, as a reader walking its chunks sees it.
struct Wave {
    std::vector<std::string> chunks;  // ids in file order
    std::uint32_t formatSize = 0;
    std::uint16_t formatTag = 0, channels = 0, bitsPerSample = 0, blockAlign = 0, extraSize = 0xffff;
    std::uint32_t rate = 0, byteRate = 0;
    std::optional<std::uint32_t> factFrames;
    std::size_t dataOffset = 0;
    std::vector<std::int16_t> samples;
};

std::optional<Wave> readWave(std::span<const unsigned char> b) {
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE" || le32(b, 4) != b.size() - 8)
        return std::nullopt;
    Wave w;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const std::uint32_t size = le32(b, at + 4);
        if (at + 8 + size > b.size()) return std::nullopt;
        w.chunks.push_back(id);
        if (id == "fmt ") {
            w.formatSize = size;
            w.formatTag = le16(b, at + 8);
            w.channels = le16(b, at + 10);
            w.rate = le32(b, at + 12);
            w.byteRate = le32(b, at + 16);
            w.blockAlign = le16(b, at + 20);
            w.bitsPerSample = le16(b, at + 22);
            if (size >= 18) w.extraSize = le16(b, at + 24);
        } else if (id == "fact") {
            w.factFrames = le32(b, at + 8);
        } else if (id == "data") {
            w.dataOffset = at + 8;
            for (std::size_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(static_cast<std::int16_t>(le16(b, at + 8 + i)));
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

void expectPlainPcm(const Wave& w, std::uint32_t rate) {
    EXPECT_EQ(w.formatTag, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_EQ(w.rate, rate);
    EXPECT_EQ(w.byteRate, rate * 2);
    EXPECT_EQ(w.blockAlign, 2);
    EXPECT_FALSE(w.samples.empty());
}

double peakDbfs(const std::vector<std::int16_t>& s) {
    int peak = 0;
    for (std::int16_t x : s) peak = std::max(peak, std::abs(int(x)));
    return 20 * std::log10(peak / 32768.0);
}

// Speech-active RMS: the mean energy of the 20 ms frames above -40 dBFS, so
// pauses do not make a clip measure quieter than it sounds.
double loudnessDb(const std::vector<std::int16_t>& s, std::uint32_t rate) {
    const std::size_t n = static_cast<std::size_t>(rate * frameSeconds);
    const double gate = std::pow(10, gateDb / 10);
    double sum = 0;
    int count = 0;
    for (std::size_t at = 0; at + n <= s.size(); at += n) {
        double energy = 0;
        for (std::size_t i = at; i < at + n; ++i) energy += (s[i] / 32768.0) * (s[i] / 32768.0);
        energy /= double(n);
        if (energy > gate) sum += energy, ++count;
    }
    return count ? 10 * std::log10(sum / count) : -INFINITY;
}

double meanSample(const std::vector<std::int16_t>& s) {
    double sum = 0;
    for (std::int16_t x : s) sum += x;
    return sum / double(s.size());
}

// Milliseconds before the first and after the last sample that is not silence.
std::pair<double, double> silentEdgesMs(const std::vector<std::int16_t>& s, std::uint32_t rate) {
    auto loud = [](std::int16_t x) { return std::abs(int(x)) >= silenceThreshold; };
    const auto first = std::find_if(s.begin(), s.end(), loud);
    const auto last = std::find_if(s.rbegin(), s.rend(), loud);
    return {1000.0 * double(first - s.begin()) / rate, 1000.0 * double(last - s.rbegin()) / rate};
}

Wave clipWave(const EmbeddedFile& clip) {
    std::optional<Wave> w = readWave(clip.bytes);
    if (!w) ADD_FAILURE() << clip.name << " is not a readable WAVE file";
    return w.value_or(Wave{});
}

TEST(VocabularyClips, AreExactlyTheBulletinWordsInNameOrder) {
    const auto clips = vocabularyClips();
    ASSERT_EQ(clips.size(), 230u);
    std::set<std::string> names;
    for (const EmbeddedFile& clip : clips) names.emplace(clip.name);
    EXPECT_EQ(names, bulletinWords());
    EXPECT_TRUE(std::is_sorted(clips.begin(), clips.end(),
                               [](const EmbeddedFile& a, const EmbeddedFile& b) { return a.name < b.name; }));
}

TEST(VocabularyClips, LookupIgnoresCaseAndRejectsUnknownNames) {
    for (const char* query : {"SON_NORTH", "son_north", "Son_North"}) {
        const EmbeddedFile* clip = findVocabularyClip(query);
        ASSERT_NE(clip, nullptr) << query;
        EXPECT_EQ(clip->name, "SON_NORTH");
    }
    EXPECT_EQ(findVocabularyClip("son2_et")->name, "SON2_ET");
    EXPECT_EQ(findVocabularyClip("SON2050")->name, "SON2050");
    for (const char* query : {"", "SON", "SON_NORTHWEST", "SON101", "SON2051", "SON_NORTH ", "kuckoo"})
        EXPECT_EQ(findVocabularyClip(query), nullptr) << '"' << query << '"';
    // Every clip is found under its own name.
    for (const EmbeddedFile& clip : vocabularyClips()) EXPECT_EQ(findVocabularyClip(clip.name), &clip);
}

TEST(VocabularyClips, UseTheCanonicalLayoutExceptFive16kHzOnes) {
    int legacy = 0;
    for (const EmbeddedFile& clip : vocabularyClips()) {
        SCOPED_TRACE(std::string(clip.name));
        const Wave w = clipWave(clip);
        if (legacyLayoutClips.count(std::string(clip.name))) {
            ++legacy;
            expectPlainPcm(w, 16000);
            EXPECT_EQ(w.formatSize, 18u);
            EXPECT_EQ(w.extraSize, 0);
            EXPECT_EQ(w.chunks, (std::vector<std::string>{"fmt ", "fact", "data"}));
            EXPECT_EQ(w.factFrames, w.samples.size());
        } else {
            expectPlainPcm(w, 24000);
            EXPECT_EQ(w.formatSize, 16u);
            EXPECT_EQ(w.chunks, (std::vector<std::string>{"fmt ", "data"}));
            EXPECT_EQ(w.dataOffset, 44u);
            EXPECT_EQ(clip.bytes.size(), 44 + 2 * w.samples.size());
        }
    }
    EXPECT_EQ(legacy, 5);
}

TEST(VocabularyClips, AreShortUnclippedAndTightlyTrimmed) {
    for (const EmbeddedFile& clip : vocabularyClips()) {
        SCOPED_TRACE(std::string(clip.name));
        const Wave w = clipWave(clip);
        if (w.samples.empty()) continue;
        EXPECT_LE(peakDbfs(w.samples), -1.0);
        const auto [lead, tail] = silentEdgesMs(w.samples, w.rate);
        EXPECT_LE(lead, 30.0);
        EXPECT_LE(tail, 30.0);
        EXPECT_LE(w.samples.size() * 2, 67000u);
    }
}

TEST(VocabularyClips, AreEquallyLoudWithinOneDecibel) {
    std::vector<std::pair<double, std::string>> levels;
    for (const EmbeddedFile& clip : vocabularyClips()) {
        const Wave w = clipWave(clip);
        if (!w.samples.empty()) levels.emplace_back(loudnessDb(w.samples, w.rate), clip.name);
    }
    ASSERT_EQ(levels.size(), 230u);
    const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
    EXPECT_LE(loudest->first - quietest->first, 1.0)
        << quietest->second << " " << quietest->first << " dBFS, " << loudest->second << " " << loudest->first
        << " dBFS";
}

// A clip off centre steps the output at every seam between words: a click.
TEST(VocabularyClips, AreCentredOnZero) {
    for (const EmbeddedFile& clip : vocabularyClips()) {
        const Wave w = clipWave(clip);
        if (!w.samples.empty()) {
            EXPECT_LT(std::abs(meanSample(w.samples)), maxDcOffset) << clip.name;
        }
    }
}

TEST(DefaultGreeting, IsAnUnclipped24kHzMonoPcmChime) {
    const std::optional<Wave> w = readWave(defaultGreeting());
    ASSERT_TRUE(w.has_value());
    expectPlainPcm(*w, 24000);
    EXPECT_EQ(w->dataOffset, 44u);
    EXPECT_LE(peakDbfs(w->samples), -1.0);
    // Long enough to be heard as a call, short enough not to delay the bulletin.
    const double seconds = double(w->samples.size()) / w->rate;
    EXPECT_GT(seconds, 0.5);
    EXPECT_LT(seconds, 4.0);
}

}  // namespace
