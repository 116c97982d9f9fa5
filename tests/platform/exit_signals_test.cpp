#include "platform/exit_signals.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <csignal>

namespace skycrier {
namespace {

volatile std::sig_atomic_t gPreviousSaw = 0;
void previousHandler(int signal) { gPreviousSaw = signal; }

bool readable(int fd) {
    pollfd watched{fd, POLLIN, 0};
    return ::poll(&watched, 1, 0) == 1;
}

// Every test starts from handlers of its own (and puts the process's back),
// so that what the object restores can be seen.
class ExitSignalsTest : public ::testing::Test {
protected:
    void SetUp() override {
        struct sigaction own = {};
        own.sa_handler = previousHandler;
        for (std::size_t i = 0; i < std::size(ExitSignals::kCaught); ++i)
            ::sigaction(ExitSignals::kCaught[i], &own, &saved_[i]);
        gPreviousSaw = 0;
    }
    void TearDown() override {
        for (std::size_t i = 0; i < std::size(ExitSignals::kCaught); ++i)
            ::sigaction(ExitSignals::kCaught[i], &saved_[i], nullptr);
    }

    static std::unique_ptr<ExitSignals> create() {
        std::string error;
        auto signals = ExitSignals::create(error);
        EXPECT_TRUE(signals) << error;
        return signals;
    }

private:
    struct sigaction saved_[std::size(ExitSignals::kCaught)] = {};
};

TEST_F(ExitSignalsTest, EachSignalWakesTheDescriptorAndIsTakenInOrder) {
    const auto signals = create();
    ASSERT_TRUE(signals);
    for (const int signal : ExitSignals::kCaught) {
        SCOPED_TRACE(ExitSignals::name(signal));
        EXPECT_FALSE(readable(signals->fd()));
        // Twice in a row: the handler stays for the second one.
        std::raise(signal);
        std::raise(SIGTERM);
        EXPECT_TRUE(readable(signals->fd()));
        EXPECT_EQ(signals->take(), signal);
        EXPECT_EQ(signals->take(), SIGTERM);
        EXPECT_EQ(signals->take(), 0);
    }
    EXPECT_EQ(gPreviousSaw, 0);
}

TEST_F(ExitSignalsTest, OneInstanceAtATimeAndThePreviousHandlersComeBack) {
    // Started with SIGHUP ignored, as under nohup: it stays ignored.
    std::signal(SIGHUP, SIG_IGN);
    {
        const auto signals = create();
        ASSERT_TRUE(signals);
        std::string error;
        EXPECT_FALSE(ExitSignals::create(error));
        EXPECT_FALSE(error.empty());
        std::raise(SIGHUP);
        EXPECT_EQ(signals->take(), 0);
    }
    for (const int signal : ExitSignals::kCaught) {
        if (signal == SIGHUP) continue;
        std::raise(signal);
        EXPECT_EQ(gPreviousSaw, signal) << ExitSignals::name(signal);
    }
    struct sigaction hangUp = {};
    ::sigaction(SIGHUP, nullptr, &hangUp);
    EXPECT_EQ(hangUp.sa_handler, SIG_IGN);
    EXPECT_TRUE(create());
}

}  // namespace
}  // namespace skycrier
