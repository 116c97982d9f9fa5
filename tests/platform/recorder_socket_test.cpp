// The recorder socket against the reference recorder, for real: started the
// way the announcer starts it, found under the user's runtime folder, told to
// record, stop and close, and leaving a WAVE file as long as the time between
// record and stop. ALSA's null device stands in for the capture device.

#include "platform/recorder_socket.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "base/little_endian.h"
#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace skycrier {
namespace {

// Sets a variable for the test and gives the previous value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

unsigned modeOf(const std::filesystem::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode & 0777;
}

TEST(RecorderSocket, TheReferenceRecorderRecordsStopsAndCloses) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "run");
    std::filesystem::create_directory(dir.path() / "bulletins");
    const ScopedEnv runtime("XDG_RUNTIME_DIR", (dir.path() / "run").string());
    const ScopedEnv alsa("ALSA_CONFIG_PATH", dir.write("asound.conf", "pcm.!default { type null }\n"));
    // The user's recorder path may name a script that gives the recorder its options.
    const std::string program = dir.write("tapewell", "#!/bin/sh\nexec '" SKYCRIER_RECORDER_PROGRAM "' --folder '" +
                                                          (dir.path() / "bulletins").string() + "'\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);

    const auto socket = dir.path() / "run" / "skycrier" / "TFormSonivue-TAPEWELL.sock";
    EXPECT_EQ(recorderSocketPath(), socket.string());
    SocketRecorderLink link;
    EXPECT_FALSE(link.recorderPresent());
    EXPECT_EQ(link.send("Sonivue record"), std::nullopt) << "no recorder";
    EXPECT_FALSE(link.programExists((dir.path() / "missing").string()));
    ASSERT_TRUE(link.programExists(program));

    ASSERT_TRUE(link.launch(program));
    // A failed check leaves no recorder behind.
    struct CloseAtEnd {
        SocketRecorderLink& link;
        ~CloseAtEnd() {
            if (link.recorderPresent()) link.send("Sonivue close");
        }
    } closeAtEnd{link};
    ASSERT_TRUE(test::waitUntil([&] { return link.recorderPresent(); }));
    EXPECT_EQ(modeOf(socket.parent_path()), 0700u);
    EXPECT_EQ(modeOf(socket), 0600u);

    EXPECT_EQ(link.send("Sonivue record"), 1);
    const auto recording = std::chrono::steady_clock::now();
    EXPECT_EQ(link.send("Sonivue record"), 1) << "a second record keeps the same file";
    EXPECT_EQ(link.send("Sonivue what"), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_EQ(link.send("Sonivue stop"), 2);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - recording).count();
    EXPECT_EQ(link.send("Sonivue close"), 3);
    ASSERT_TRUE(test::waitUntil([&] { return !link.recorderPresent(); }));
    EXPECT_EQ(link.send("Sonivue stop"), std::nullopt) << "closed";

    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "bulletins")) files.push_back(entry.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(files[0].filename().string().starts_with("bulletin-"));
    const std::string wave = test::fileText(files[0]);
    ASSERT_GE(wave.size(), 44u);
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
    const std::uint32_t rate = le::u32(wave, 24);
    const std::uint32_t dataBytes = le::u32(wave, 40);
    EXPECT_EQ(dataBytes, wave.size() - 44);
    EXPECT_NEAR(static_cast<double>(dataBytes) / 2 / rate, seconds, 0.15);
    EXPECT_EQ(wave.find_first_not_of('\0', 44), std::string::npos) << "the null device gives silence";
}

}  // namespace
}  // namespace skycrier
