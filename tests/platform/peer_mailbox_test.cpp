// The mailbox as another program on this machine finds it: its bytes, its
// event waking every listener, and its lock surviving a peer that died holding it.

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <mutex>

#include "platform/peer_mailbox.h"
#include "support/wait_until.h"

namespace skycrier::test {
namespace {

// What one listener has heard.
class Heard {
public:
    std::function<void(std::string)> sink() {
        return [this](std::string m) {
            const std::lock_guard lock(mutex_);
            messages_.push_back(std::move(m));
        };
    }
    std::vector<std::string> messages() const {
        const std::lock_guard lock(mutex_);
        return messages_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> messages_;
};

class PeerMailboxTest : public ::testing::Test {
protected:
    ~PeerMailboxTest() override { PeerMailbox::unlink(names); }

    std::unique_ptr<PeerMailbox> open() {
        std::string error;
        auto box = PeerMailbox::open(names, error);
        EXPECT_TRUE(box) << error;
        return box;
    }
    std::string regionBytes() const {
        std::ifstream in("/dev/shm" + names.region, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    MailboxNames names = MailboxNames::named("skycrier-test-mailbox-" + std::to_string(::getpid()));
};

TEST_F(PeerMailboxTest, AMessageWakesEveryListenerAndSitsInTheRegionAsLengthAndText) {
    const auto first = open();
    const auto second = open();
    ASSERT_TRUE(first && second);
    Heard a, b;
    first->listen(a.sink());
    second->listen(b.sink());
    std::string error;
    // The region holds only the latest message: each one is awaited before the next.
    const std::vector<std::string> expected = {"BRELL connect\xE9", "BRELL_OK"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_TRUE((i == 0 ? *second : *first).send(expected[i], error));
        EXPECT_TRUE(waitUntil([&] { return a.messages().size() == i + 1 && b.messages().size() == i + 1; }));
    }
    EXPECT_EQ(a.messages(), expected);
    EXPECT_EQ(b.messages(), expected);

    const std::string bytes = regionBytes();
    ASSERT_EQ(bytes.size(), kMailboxBytes);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\x08\0\0\0BRELL_OK", 12));
    // Only the latest message's bytes are written: the longer one's tail stays.
    EXPECT_EQ(bytes.substr(12, 6), "nnect\xE9");
    struct stat st {};
    ASSERT_EQ(::stat(("/dev/shm" + names.region).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    EXPECT_FALSE(first->send(std::string(kMailboxBytes - 3, 'x'), error));
    EXPECT_EQ(error, "the message is longer than the mailbox");
}

TEST_F(PeerMailboxTest, APeerKilledWhileHoldingTheLockDoesNotSilenceTheOthers) {
    // Created before the fork, while this process has no thread of the mailbox's.
    const auto box = open();
    ASSERT_TRUE(box);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const int fd = ::shm_open(names.control.c_str(), O_RDWR, 0);
        auto* control = static_cast<MailboxControl*>(
            ::mmap(nullptr, sizeof(MailboxControl), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
        pthread_mutex_lock(&control->mutex);
        (void)!::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    ASSERT_GT(holder, 0);
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    Heard heard;
    box->listen(heard.sink());
    std::string error;
    ASSERT_TRUE(box->send("BRELL_HELLO", error));
    EXPECT_TRUE(waitUntil([&] { return heard.messages() == std::vector<std::string>{"BRELL_HELLO"}; }));
    box->stopListening();
}

}  // namespace
}  // namespace skycrier::test
