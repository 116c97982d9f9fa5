// The desktop program ended by the system (logout, shutdown, Ctrl-C) during a
// bulletin, as a service manager or a session ends it: the transmitter is
// unkeyed and the program exits; a second program on its folder is refused.

#include <gtest/gtest.h>

#include <csignal>

#include "cli/run_command.h"
#include "support/cli_process.h"
#include "support/command_run.h"

namespace skycrier::test {
namespace {

TEST(DesktopProgramStop, ASignalDuringABulletinUnkeysAndASecondProgramOnItsFolderIsRefused) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        CliProcess desktop;
        desktop.program = SKYCRIER_GUI_PROGRAM;
        // Fifteen seconds of silence after keying: the stop comes while the transmitter is keyed.
        desktop.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\nCOM=" + desktop.port() +
                                              "\r\nDATE=N\r\nPAUSE=15\r\nREDUCE=Y\r\n");
        desktop.dir.write("inputs", "");
        const pid_t pid = desktop.start({"--folder", desktop.dir.path().string()},
                                        {"QT_QPA_PLATFORM=offscreen",
                                         "SKYCRIER_MODEM_INPUTS=" + (desktop.dir.path() / "inputs").string()});
        ASSERT_GT(pid, 0);
        desktop.dir.write("inputs", "CTS");
        const bool keyed = waitUntil([&] { return desktop.lines().dtr; });

        const auto second = runCommand(cli::runRunCommand, {"--folder", desktop.dir.path().string()});
        EXPECT_EQ(second.code, 1);
        EXPECT_NE(second.err.find("already running (pid " + std::to_string(pid) + ")"), std::string::npos)
            << second.err;

        ::kill(pid, signal);
        const CliOutcome r = desktop.finish(pid);
        EXPECT_TRUE(keyed) << r.err;
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_TRUE(r.lines.dtrWasRaised);
        EXPECT_FALSE(r.lines.dtr);
        EXPECT_FALSE(r.lines.rts);
    }
}

}  // namespace
}  // namespace skycrier::test
