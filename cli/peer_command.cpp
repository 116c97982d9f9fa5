#include "cli/peer_command.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "base/decimal_integer.h"
#include "base/windows_1252.h"
#include "cli/source_options.h"
#include "cli/usage.h"
#include "platform/exit_signals.h"
#include "platform/peer_mailbox.h"
#include "platform/poll_loop.h"
#include "platform/task_scope.h"

namespace skycrier::cli {
namespace {

constexpr const char* kPrefix = "skycrier-cli peer: ";

struct PeerOptions {
    std::string action;
    std::string text;
    std::optional<int> timeoutSeconds;
    MailboxNames names;
};

std::optional<PeerOptions> parseOptions(const std::vector<std::string>& args, std::string& error) {
    PeerOptions o;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a != "--timeout" && a != "--mailbox") {
            words.push_back(a);
            continue;
        }
        std::string value;
        if (!optionValue(args, i, value, error)) return std::nullopt;
        if (a == "--mailbox") {
            const auto names = MailboxNames::fromOption(value, error);
            if (!names) return std::nullopt;
            o.names = *names;
            continue;
        }
        o.timeoutSeconds = parseDecimalInteger(value);
        if (!o.timeoutSeconds || *o.timeoutSeconds < 0) {
            error = "bad time-out \"" + value + "\"";
            return std::nullopt;
        }
    }
    if (words.empty()) {
        error = "hello, play, send or listen is needed";
        return std::nullopt;
    }
    o.action = words[0];
    const std::size_t wanted = o.action == "send" ? 2 : 1;
    if (o.action != "hello" && o.action != "play" && o.action != "send" && o.action != "listen") {
        error = "unknown action \"" + o.action + "\"";
        return std::nullopt;
    }
    if (words.size() != wanted) {
        error = o.action == "send" ? "send needs one TEXT" : "unexpected \"" + words.back() + "\"";
        return std::nullopt;
    }
    if (wanted == 2) o.text = words[1];
    return o;
}

// The answer an action waits for; listen waits for none.
std::vector<std::string> answersFor(const std::string& action) {
    if (action == "hello") return {"BRELL_READY", "BRELL_OCCUPIED"};
    if (action == "play") return {"BRELL_DONE"};
    return {};
}

}  // namespace

int runPeerCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        printCommandHelp(out, kPeerHelp);
        return 0;
    }
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) return usageError(err, "peer", error, kPeerUsage);

    // The time-out counts from here: opening and sending wait within it too.
    const int defaultSeconds = options->action == "hello" ? 5 : options->action == "play" ? 300 : -1;
    const int seconds = options->timeoutSeconds.value_or(defaultSeconds);
    const auto now = std::chrono::steady_clock::now();
    const MailboxDeadline deadline =
        seconds >= 0 ? now + std::chrono::seconds(seconds) : now + PeerMailbox::kSendLockWait;
    const auto notice = [&err](const std::string& text) { err << kPrefix << text << std::endl; };
    const auto mailbox = PeerMailbox::open(options->names, deadline, notice, error);
    if (!mailbox) {
        err << kPrefix << error << '\n';
        return 1;
    }
    if (options->action == "send") {
        if (mailbox->send(utf8ToWindows1252(options->text), deadline, error)) return 0;
        err << kPrefix << error << '\n';
        return 1;
    }

    const auto signals = ExitSignals::create(error);
    const auto loop = signals ? PollLoop::create(error) : nullptr;
    if (!loop) {
        err << kPrefix << error << '\n';
        return 1;
    }
    const bool listening = options->action == "listen";
    const std::vector<std::string> answers = answersFor(options->action);
    int code = listening ? 0 : 1;
    TaskScope tasks(*loop);
    mailbox->listen([&tasks, &out, &answers, &code, &loop, listening](std::string bytes) {
        tasks.post([&, bytes = std::move(bytes)] {
            if (listening) {
                out << windows1252ToUtf8(bytes) << std::endl;
                return;
            }
            for (const std::string& answer : answers) {
                if (bytes.find(answer) == std::string::npos) continue;
                out << answer << std::endl;
                code = 0;
                loop->quit();
                return;
            }
        });
    });
    loop->watchReadable(signals->fd(), [&] {
        if (signals->take()) loop->quit();
    });
    if (listening || mailbox->send(options->action == "hello" ? "BRELL_HELLO" : "BRELL_PLAY", deadline, error)) {
        // What is left of the time-out, after opening and sending.
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (seconds >= 0) tasks.callAfter(std::max<Millis>(0, left.count()), [&] { loop->quit(); });
        loop->run();
    } else {
        err << kPrefix << error << '\n';
    }
    // The listener posts to the scope: it ends first.
    mailbox->stopListening();
    if (code != 0 && error.empty()) err << kPrefix << "no answer\n";
    return code;
}

}  // namespace skycrier::cli
