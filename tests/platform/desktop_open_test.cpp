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

TEST(DesktopOpen, TheTargetArrivesAsOneArgumentAndTheOpenerIsReaped) {
    test::TempDir dir;
    // Writes the number of its arguments and each argument on a line.
    const std::string opener = dir.write("xdg-open",
                                         "#!/bin/sh\n"
                                         "printf '%s\\n' \"$#\" \"$@\" > \"${0%/*}/args.part\"\n"
                                         "mv \"${0%/*}/args.part\" \"${0%/*}/args\"\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", (dir.path().string() + ":" + path).c_str(), 1);
    const auto args = dir.path() / "args";
    const std::pair<std::string, std::string> cases[] = {
        {"https://example.org/a b?c=1&d=$HOME;x", "1\nhttps://example.org/a b?c=1&d=$HOME;x\n"},
        {"-help.html", "1\n./-help.html\n"},
    };
    for (const auto& [target, received] : cases) {
        ASSERT_TRUE(openWithDefaultApplication(target)) << target;
        ASSERT_TRUE(test::waitUntil([&] { return std::filesystem::exists(args); }));
        EXPECT_EQ(test::fileText(args), received);
        std::filesystem::remove(args);
    }
    EXPECT_TRUE(test::waitUntil([] {
        siginfo_t info{};
        return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == -1 && errno == ECHILD;
    })) << "a finished opener is left a zombie";

    ::setenv("PATH", (dir.path() / "empty").c_str(), 1);
    EXPECT_FALSE(openWithDefaultApplication("https://example.org/"));
    ::setenv("PATH", path.c_str(), 1);
}

}  // namespace
}  // namespace skycrier
