// Opening a file or an address with the desktop's application: xdg-open
// receives the target as one argument, untouched by any shell, and is reaped
// once it ends.

#include "platform/desktop_open.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace skycrier {
namespace {

class DesktopOpenTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* path = std::getenv("PATH")) oldPath_ = path;
        // Records the number of its arguments and each argument on a line.
        const std::string script = dir.write("xdg-open",
                                             "#!/bin/sh\n"
                                             "printf '%s\\n' \"$#\" \"$@\" > \"${0%/*}/args.part\"\n"
                                             "mv \"${0%/*}/args.part\" \"${0%/*}/args\"\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        ::setenv("PATH", (dir.path().string() + ":" + oldPath_).c_str(), 1);
    }
    void TearDown() override { ::setenv("PATH", oldPath_.c_str(), 1); }

    // What the fake xdg-open was given, once it has run.
    std::string arguments() {
        const auto args = dir.path() / "args";
        if (!test::waitUntil([&] { return std::filesystem::exists(args); })) return "xdg-open did not run";
        const std::string text = test::fileText(args);
        std::filesystem::remove(args);
        return text;
    }

    static bool noChildLeft() {
        siginfo_t info{};
        return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == -1 && errno == ECHILD;
    }

    test::TempDir dir;
    std::string oldPath_;
};

TEST_F(DesktopOpenTest, TheTargetArrivesAsOneArgumentAndTheOpenerIsReaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"https://example.org/a b?c=1&d=$HOME;x", "1\nhttps://example.org/a b?c=1&d=$HOME;x\n"},
        {"/tmp/aide en ligne.html", "1\n/tmp/aide en ligne.html\n"},
        {"-help.html", "1\n./-help.html\n"},
    };
    for (const auto& [target, received] : cases) {
        ASSERT_TRUE(openWithDefaultApplication(target)) << target;
        EXPECT_EQ(arguments(), received);
    }
    EXPECT_TRUE(test::waitUntil(noChildLeft));
}

TEST_F(DesktopOpenTest, WithoutXdgOpenNothingStarts) {
    ::setenv("PATH", (dir.path() / "empty").c_str(), 1);
    EXPECT_FALSE(openWithDefaultApplication("https://example.org/"));
}

}  // namespace
}  // namespace skycrier
