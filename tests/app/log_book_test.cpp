#include "app/log_book.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class LogBookTest : public ::testing::Test {
protected:
    VirtualLoop loop{encodeDateTime(2026, 12, 7, 14, 0, 0)};
    test::TempDir dir;
    std::filesystem::path file = dir.path() / kLogFileName;
    LogBook log{loop, file};
};

TEST_F(LogBookTest, ANewLogStartsWithItsTitleAndIsSavedWholeWithCrLf) {
    log.read();  // no file yet: the title and an empty line stay
    log.appendLine("Meteo MonII Tini=21");
    loop.advance(3'600'000);
    log.appendLine("second");
    EXPECT_EQ(fileText(file),
              "Log BRELL\r\n\r\n2026-12-07 14:00:00 Meteo MonII Tini=21\r\n2026-12-07 15:00:00 second\r\n");
}

TEST_F(LogBookTest, AnExistingLogIsReadWhateverItsLineEnds) {
    dir.write(kLogFileName, "Log BRELL\r\nold one\nold two\rold three");
    log.read();
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Log BRELL", "old one", "old two", "old three"}));
    log.appendLine("new");
    EXPECT_EQ(fileText(file), "Log BRELL\r\nold one\r\nold two\r\nold three\r\n2026-12-07 14:00:00 new\r\n");
}

TEST_F(LogBookTest, AFullLogDropsItsOldestEntryAndKeepsItsTitle) {
    std::string full = "Log BRELL\r\n";
    for (std::size_t i = 1; i < kMaxLogLines; ++i) full += "entry " + std::to_string(i) + "\r\n";
    dir.write(kLogFileName, full);
    log.read();
    ASSERT_EQ(log.lines().size(), kMaxLogLines);
    log.appendLine("newest");
    ASSERT_EQ(log.lines().size(), kMaxLogLines);
    EXPECT_EQ(log.lines()[0], "Log BRELL");
    EXPECT_EQ(log.lines()[1], "entry 2");
    EXPECT_EQ(log.lines().back(), "2026-12-07 14:00:00 newest");

    LogBook reread(loop, file);
    reread.read();
    EXPECT_EQ(reread.lines(), log.lines());
}

TEST_F(LogBookTest, FailuresAreIgnoredAndTheEntryStaysInMemory) {
    // The log's name is taken by a folder: it can be neither read nor replaced.
    std::filesystem::create_directory(file);
    log.read();
    log.appendLine("kept");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Log BRELL", "", "2026-12-07 14:00:00 kept"}));
    EXPECT_TRUE(std::filesystem::is_directory(file));

    // A program folder that is gone.
    LogBook nowhere(loop, dir.path() / "gone" / kLogFileName);
    nowhere.read();
    nowhere.appendLine("kept");
    EXPECT_EQ(nowhere.lines().size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "gone"));

    // A file far larger than any log is not read.
    std::ofstream(file.parent_path() / "big.log") << std::string(kMaxLogBytes + 1, 'x');
    LogBook big(loop, file.parent_path() / "big.log");
    big.read();
    EXPECT_EQ(big.lines(), (std::vector<std::string>{"Log BRELL", ""}));
}

}  // namespace
}  // namespace skycrier
