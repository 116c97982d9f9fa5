#include "support/private_sound_server.h"

#include "support/wait_until.h"

namespace skycrier::test {
namespace {

constexpr const char* kSink = "air";

// An orphaned daemon goes away by itself even if its parent's death went unnoticed;
// a measurement always holds the recorder's connection, so it never waits this long idle.
constexpr const char* kExitIdleSeconds = "20";

std::string pcm(const std::string& name, const std::string& server, const std::string& description) {
    return "pcm." + name + " {\n type pulse\n server \"" + server + "\"\n hint {\n  show on\n  description \"" +
           description + "\"\n }\n}\nctl." + name + " {\n type pulse\n server \"" + server + "\"\n}\n";
}

}  // namespace

PrivateSoundServer::PrivateSoundServer() {
    const std::filesystem::path& dir = dir_.path();
    const std::string server = "unix:" + (dir / "native").string();
    const std::string clientConfig = dir_.write("client.conf", "autospawn = no\n");
    const std::string script = dir_.write(
        "server.pa", "load-module module-null-sink sink_name=" + std::string(kSink) + " rate=" +
                         std::to_string(kSampleRate) + " channels=1\nload-module module-native-protocol-unix " +
                         "auth-anonymous=1 socket=" + (dir / "native").string() + "\n");
    // Only what is written here: the machine's own ALSA setup may send "default" anywhere.
    const std::string alsa =
        dir_.write("asound.conf", pcm("!default", server, "The private sound server") +
                                      pcm("pulse", server, "PulseAudio Sound Server"));
    clientEnvironment_ = {"ALSA_CONFIG_PATH=" + alsa, "PULSE_SERVER=" + server, "PULSE_CLIENTCONFIG=" + clientConfig,
                          "PULSE_COOKIE=" + (dir / "cookie").string(),
                          "PULSE_RUNTIME_PATH=" + (dir / "runtime").string()};

    // Run as root, the daemon warns and goes on in the user mode asked for here.
    // A bus address that leads nowhere keeps it from launching a session bus of its own.
    std::vector<std::string> environment = clientEnvironment_;
    for (const std::string& own :
         {"HOME=" + dir.string(), "XDG_RUNTIME_DIR=" + dir.string(), "XDG_CONFIG_HOME=" + (dir / "config").string(),
          "PULSE_STATE_PATH=" + (dir / "state").string(),
          "DBUS_SESSION_BUS_ADDRESS=unix:path=" + (dir / "no-bus").string()})
        environment.push_back(own);
    daemon_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"pulseaudio", "-n", "-F", script, "--daemonize=no", "--system=no",
                                 "--use-pid-file=no", std::string("--exit-idle-time=") + kExitIdleSeconds,
                                 "--log-target=stderr"},
        environmentWith(environment), "/dev/null", (dir / "pulseaudio.log").string());
    std::string info;
    if (!daemon_->failure().empty())
        failure_ = daemon_->failure();
    else if (!waitUntil([&] { return answers({"info"}, info) || !daemon_->running(); }) || !daemon_->running())
        failure_ = "pulseaudio did not answer on " + server + ":\n" + log();
}

PrivateSoundServer::~PrivateSoundServer() = default;

std::string PrivateSoundServer::log() const { return fileText(dir_.path() / "pulseaudio.log"); }

bool PrivateSoundServer::answers(const std::vector<std::string>& pactlArgs, std::string& output) const {
    std::vector<std::string> argv = {"pactl"};
    argv.insert(argv.end(), pactlArgs.begin(), pactlArgs.end());
    const auto out = dir_.path() / "pactl.out";
    ChildProcess pactl(argv, environmentWith(clientEnvironment_), out.string(), "/dev/null");
    const bool answered = pactl.wait(std::chrono::seconds(5)) == 0;
    output = fileText(out);
    return answered;
}

std::unique_ptr<ChildProcess> PrivateSoundServer::record(const std::filesystem::path& file, std::string& error) const {
    auto recorder = std::make_unique<ChildProcess>(
        std::vector<std::string>{"parec", "--device=" + std::string(kSink) + ".monitor", "--format=s16le",
                                 "--rate=" + std::to_string(kSampleRate), "--channels=1", "--raw"},
        environmentWith(clientEnvironment_), file.string(), (dir_.path() / "parec.log").string());
    // Recording starts when the server lists the recorder's stream.
    std::string streams;
    if (!waitUntil([&] { return !recorder->running() || (answers({"list", "short", "source-outputs"}, streams) &&
                                                         !streams.empty()); }) ||
        !recorder->running()) {
        error = "parec did not start: " + recorder->failure() + fileText(dir_.path() / "parec.log");
        return nullptr;
    }
    return recorder;
}

}  // namespace skycrier::test
