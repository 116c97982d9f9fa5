#include "platform/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"

namespace skycrier {
namespace {

class RegularFileTest : public ::testing::Test {
protected:
    std::string fifo() {
        const std::string path = (dir.path() / "pipe").string();
        ::mkfifo(path.c_str(), 0600);
        return path;
    }

    test::TempDir dir;
};

TEST_F(RegularFileTest, OnlyRegularFilesWithinTheLimitAreRead) {
    constexpr std::size_t kLimit = 1 << 20;
    struct Case {
        std::string path;
        std::optional<std::string> content;
        std::string reason;
    };
    const Case cases[] = {
        {dir.write("text", "a\nb\n"), "a\nb\n", ""},
        {dir.write("empty", ""), "", ""},
        {dir.write("full", std::string(kLimit, 'x')), std::string(kLimit, 'x'), ""},
        {dir.write("over", std::string(kLimit + 1, 'x')), std::nullopt, "larger than 1 MB"},
        {(dir.path() / "missing").string(), std::nullopt, "No such file or directory"},
        {dir.path().string(), std::nullopt, "not a regular file"},
        // A named pipe without a writer: refused, not waited on.
        {fifo(), std::nullopt, "not a regular file"},
        {"/dev/null", std::nullopt, "not a regular file"},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_EQ(readRegularFile(c.path, kLimit, reason), c.content) << c.path;
        EXPECT_EQ(reason, c.reason) << c.path;
    }
    std::string reason;
    EXPECT_FALSE(readRegularFile(dir.write("odd", "12345"), 4, reason));
    EXPECT_EQ(reason, "larger than 4 bytes");
}

TEST_F(RegularFileTest, RecordsAreReadWhereTheyAreAndNeverPastTheEnd) {
    std::string reason;
    const auto file = RegularFile::open(dir.write("records", "0123456789"), reason);
    ASSERT_TRUE(file) << reason;
    EXPECT_EQ(file->size(), 10u);
    char bytes[4] = {};
    ASSERT_TRUE(file->readAt(6, bytes, 4));
    EXPECT_EQ(std::string(bytes, 4), "6789");
    EXPECT_TRUE(file->readAt(0, bytes, 0));
    EXPECT_FALSE(file->readAt(7, bytes, 4));
    EXPECT_FALSE(file->readAt(1'000'000, bytes, 1));

    EXPECT_FALSE(RegularFile::open(fifo(), reason));
    EXPECT_EQ(reason, "not a regular file");
}

}  // namespace
}  // namespace skycrier
