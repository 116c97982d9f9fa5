// The desktop program ended by the system (logout, shutdown, Ctrl-C) during a
// bulletin, as a service manager or a session ends it: the transmitter is
// unkeyed, the program exits as its Quit does (a source window open at the end
// stays open at the next start); a second program on its folder is refused.

#include <gtest/gtest.h>

#include <csignal>

#include "cli/run_command.h"
#include "support/cli_process.h"
#include "support/command_run.h"
#include "support/temp_dir.h"

namespace skycrier::test {
namespace {

TEST(DesktopProgramStop, ASignalDuringABulletinUnkeysKeepsTheSourceWindowOpenAndASecondProgramIsRefused) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        CliProcess desktop;
        desktop.program = SKYCRIER_GUI_PROGRAM;
        // Fifteen seconds of silence after keying: the stop comes while the transmitter is keyed.
        // The WS-23xx window opens at the start (its file need not be there).
        desktop.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\nCOM=" + desktop.port() +
                                              "\r\nDATE=N\r\nPAUSE=15\r\nMETEO=W23\r\nW23_DAT=history.dat\r\n");
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
        EXPECT_EQ(fileText(desktop.dir.path() / "skycrier.ini").find("FORMMETEO=N"), std::string::npos);
    }
}

}  // namespace
}  // namespace skycrier::test
