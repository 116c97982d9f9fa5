// skycrier-recorder: the recorder SkyCrier drives when "Guardar anuncio" is
// checked. It listens on the recorder socket and records the capture device
// into one time-stamped WAVE file per bulletin:
//   "Sonivue record" -> 1 (recording; a second record keeps the same file)
//   "Sonivue stop"   -> 2 (the file is complete)
//   "Sonivue close"  -> 3 (stops, then the program ends)
// Anything else answers 0. A capture device that cannot be opened ends the
// program at its start.

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

#include "bulletin_recording.h"
#include "platform/recorder_socket.h"

namespace {

using skycrier::BulletinRecording;

volatile std::sig_atomic_t quitRequested = 0;

void requestQuit(int) { quitRequested = 1; }

struct Options {
    std::string device = "default";
    std::filesystem::path folder = ".";
};

constexpr const char* kUsage =
    "usage: skycrier-recorder [--device ALSA-DEVICE] [--folder DIR]\n"
    "Records every SkyCrier bulletin from the capture device (default \"default\")\n"
    "into DIR (default: the current folder) as bulletin-YYYYMMDD-HHMMSS.wav.\n";

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--device" || arg == "--folder") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--device") options.device = value;
            else options.folder = value;
            continue;
        }
        return false;
    }
    return true;
}

class Recorder {
public:
    explicit Recorder(Options options) : options_(std::move(options)) {}

    // The command's result; quit is set by close. A record is answered at
    // once and started by startIfAsked() after the answer, since opening a
    // sound device can take longer than the announcer waits for an answer.
    std::int32_t handle(const std::string& command, bool& quit) {
        if (command == "Sonivue record") {
            startAsked_ = !recording_;
            return 1;
        }
        if (command == "Sonivue stop") {
            stop();
            return 2;
        }
        if (command == "Sonivue close") {
            stop();
            quit = true;
            return 3;
        }
        return 0;
    }

    void startIfAsked() {
        if (!std::exchange(startAsked_, false)) return;
        std::string error;
        recording_ = BulletinRecording::start(options_.device, options_.folder, error);
        if (recording_) std::cerr << "skycrier-recorder: recording " << recording_->file().string() << '\n';
        else std::cerr << "skycrier-recorder: " << error << '\n';
    }

    void stop() {
        if (!recording_) return;
        std::string error;
        if (!recording_->stop(error)) std::cerr << "skycrier-recorder: " << error << '\n';
        recording_.reset();
    }

private:
    Options options_;
    std::unique_ptr<BulletinRecording> recording_;
    bool startAsked_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    std::string error;
    std::error_code failed;
    if (!std::filesystem::is_directory(options.folder, failed)) {
        std::cerr << "skycrier-recorder: " << options.folder.string() << ": not a folder\n";
        return 1;
    }
    // A device that cannot be used is told at once, not at the first bulletin.
    if (!skycrier::AlsaCapture::open(options.device, BulletinRecording::kSampleRate, error)) {
        std::cerr << "skycrier-recorder: " << error << '\n';
        return 1;
    }
    struct sigaction action {};
    action.sa_handler = requestQuit;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);

    const std::string path = skycrier::recorderSocketPath();
    const int listener = skycrier::listenAsRecorder(path, error);
    if (listener < 0) {
        std::cerr << "skycrier-recorder: " << error << '\n';
        return 1;
    }
    Recorder recorder(options);
    bool quit = false;
    while (!quit && quitRequested == 0) {
        pollfd entry{listener, POLLIN, 0};
        if (::poll(&entry, 1, 200) <= 0) continue;
        const int connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) continue;
        const auto command = skycrier::receiveCommand(connection, std::chrono::milliseconds(1000));
        skycrier::sendResult(connection, command ? recorder.handle(*command, quit) : 0);
        ::close(connection);
        recorder.startIfAsked();
    }
    recorder.stop();
    ::close(listener);
    ::unlink(path.c_str());
    return 0;
}
