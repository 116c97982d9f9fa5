// The mailbox as another program on this machine finds it: its bytes, its
// event waking every listener, and its objects used only when they are the
// user's own and closed to others.

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
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

MailboxDeadline soon() { return std::chrono::steady_clock::now() + std::chrono::seconds(3); }

class PeerMailboxTest : public ::testing::Test {
protected:
    ~PeerMailboxTest() override { PeerMailbox::unlink(names); }

    std::unique_ptr<PeerMailbox> open(std::string& error) {
        return PeerMailbox::open(names, soon(), [this](const std::string& text) { notices.push_back(text); }, error);
    }
    std::unique_ptr<PeerMailbox> open() {
        std::string error;
        auto box = open(error);
        EXPECT_TRUE(box) << error;
        return box;
    }
    std::string regionBytes() const {
        std::ifstream in("/dev/shm" + names.region, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    MailboxNames names = MailboxNames::named("skycrier-test-mailbox-" + std::to_string(::getpid()));
    std::vector<std::string> notices;
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
        ASSERT_TRUE((i == 0 ? *second : *first).send(expected[i], soon(), error));
        EXPECT_TRUE(waitUntil([&] { return a.messages().size() == i + 1 && b.messages().size() == i + 1; }));
    }
    EXPECT_EQ(a.messages(), expected);
    EXPECT_EQ(b.messages(), expected);

    const std::string bytes = regionBytes();
    ASSERT_EQ(bytes.size(), kMailboxBytes);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\x08\0\0\0BRELL_OK", 12));
    // Only the latest message's bytes are written: the longer one's tail stays.
    EXPECT_EQ(bytes.substr(12, 6), "nnect\xE9");
    for (const std::string& name : {names.region, names.control}) {
        struct stat st {};
        ASSERT_EQ(::stat(("/dev/shm" + name).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << name;
    }

    EXPECT_FALSE(first->send(std::string(kMailboxBytes - 3, 'x'), soon(), error));
    EXPECT_EQ(error, "the message is longer than the mailbox");
    EXPECT_EQ(notices, std::vector<std::string>{});
}

TEST_F(PeerMailboxTest, ObjectsOfAnotherUserOrOpenToOthersAreRefusedAndLeftAsTheyAre) {
    const passwd* nobody = ::getpwnam("nobody");
    struct Case {
        const char* name;
        bool region;  // else the lock
        mode_t mode;
        bool otherOwner;
        std::string says;
    };
    const Case cases[] = {
        {.name = "region open to all", .region = true, .mode = 0666, .otherOwner = false,
         .says = "is open to other users (mode 0666)"},
        {.name = "lock readable by the group", .region = false, .mode = 0640, .otherOwner = false,
         .says = "is open to other users (mode 0640)"},
        {.name = "region of another user", .region = true, .mode = 0600, .otherOwner = true,
         .says = "belongs to nobody"},
        {.name = "lock of another user", .region = false, .mode = 0600, .otherOwner = true,
         .says = "belongs to nobody"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.otherOwner && (::geteuid() != 0 || !nobody)) {
            std::cout << "[  SKIPPED ] " << c.name << ": changing an owner needs root\n";
            continue;
        }
        PeerMailbox::unlink(names);
        {
            const auto made = open();
            std::string error;
            ASSERT_TRUE(made && made->send("BRELL_PLAY", soon(), error));
        }
        const std::string name = c.region ? names.region : names.control;
        const std::string path = "/dev/shm" + name;
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        if (c.otherOwner) {
            ASSERT_EQ(::chown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
        }
        const std::string before = regionBytes();

        std::string error;
        EXPECT_FALSE(open(error));
        EXPECT_EQ(error.rfind(path + " ", 0), 0u) << error;
        for (const std::string& part : {c.says, std::string("rm ") + path, std::string("--mailbox")})
            EXPECT_NE(error.find(part), std::string::npos) << error;
        EXPECT_EQ(regionBytes(), before);
    }
}

}  // namespace
}  // namespace skycrier::test
