#include "platform/hamlib_switch.h"

#include <hamlib/rig.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/hamlib_rigs.h"
#include "platform/serial_line.h"

namespace skycrier {
namespace {

using namespace std::chrono_literals;

constexpr auto kPatience = 2s;
constexpr auto kDcdPeriod = 500ms;

// The answer to a caller who waits for it a bounded time.
class Reply {
public:
    // False when the caller no longer waits.
    bool give(std::string error) {
        std::lock_guard lock(mutex_);
        if (gaveUp_) return false;
        error_ = std::move(error);
        done_.notify_all();
        return true;
    }
    bool gaveUp() {
        std::lock_guard lock(mutex_);
        return gaveUp_;
    }
    // The error text, empty when the call worked; nothing when no answer came in time.
    std::optional<std::string> await(std::chrono::milliseconds patience) {
        std::unique_lock lock(mutex_);
        if (!done_.wait_for(lock, patience, [this] { return error_.has_value(); })) gaveUp_ = true;
        return error_;
    }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    std::optional<std::string> error_;
    bool gaveUp_ = false;
};

std::string hamlibError(int status) {
    // rigerror() puts Hamlib's recent trace around the text; rigerror2() gives the text alone.
    const char* text = rigerror2(status);
    std::string said = text ? text : "error " + std::to_string(status);
    while (!said.empty() && (said.back() == '\n' || said.back() == '\r')) said.pop_back();
    return said;
}

// After these the rig is not there to talk to; the other errors are the rig refusing a command.
bool wentAway(int status) {
    switch (-status) {
    case RIG_EIO:
    case RIG_ETIMEOUT:
    case RIG_EPROTO:
    case RIG_BUSERROR:
    case RIG_EPOWER:
        return true;
    default:
        return false;
    }
}

}  // namespace

// The rig and all that its thread touches.
class HamlibSwitch::Rig {
public:
    explicit Rig(const HamlibSettings& settings) : settings_(settings) {}

    // From the switch.
    void enqueue(std::function<void()> call) {
        {
            std::lock_guard lock(mutex_);
            calls_.push_back(std::move(call));
        }
        wake_.notify_one();
    }
    // False when the rig is held or being opened already.
    bool startOpening() {
        std::lock_guard lock(mutex_);
        if (held_ || opening_) return false;
        opening_ = true;
        return true;
    }
    bool held() const {
        std::lock_guard lock(mutex_);
        return held_;
    }
    std::string trouble() const {
        std::lock_guard lock(mutex_);
        return trouble_;
    }
    std::optional<bool> busy() const {
        std::lock_guard lock(mutex_);
        return busy_;
    }
    void watch(std::function<void()> changed) {
        std::lock_guard lock(mutex_);
        watcher_ = std::move(changed);
    }
    // True once the thread has ended; false when it is still reaching the rig after the patience.
    bool stop(std::chrono::milliseconds patience) {
        std::unique_lock lock(mutex_);
        stopping_ = true;
        watcher_ = nullptr;
        wake_.notify_one();
        // Nothing can be keyed before the rig is reached: only then is the end not waited for.
        const auto deadline = std::chrono::steady_clock::now() + patience;
        while (!ended_ && !(reaching_ && std::chrono::steady_clock::now() >= deadline)) {
            if (reaching_)
                settled_.wait_until(lock, deadline);
            else
                settled_.wait(lock);
        }
        return ended_;
    }

    // On the thread.
    void run();
    void open(Reply& reply);
    void key(bool keyed, Reply& reply);

private:
    std::string prepare();
    std::string create();
    std::string reach();
    std::string setPtt(bool keyed);
    std::string answered(int status);
    void pollDcd();
    void setBusy(std::optional<bool> busy);
    void setReaching(bool reaching);
    void closeRig();
    void letGo();

    const HamlibSettings settings_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable settled_;
    std::deque<std::function<void()>> calls_;
    bool stopping_ = false;
    bool reaching_ = false;
    bool ended_ = false;
    bool held_ = false;
    bool opening_ = false;
    std::string trouble_;
    std::optional<bool> busy_;
    std::function<void()> watcher_;

    // The thread's alone.
    RIG* rig_ = nullptr;
    std::string where_;
    bool rigOpen_ = false;
    bool mayBeKeyed_ = false;
    bool dcdReadable_ = false;
};

void HamlibSwitch::Rig::run() {
    const auto asked = [this] { return stopping_ || !calls_.empty(); };
    std::unique_lock lock(mutex_);
    for (;;) {
        // The squelch is read while nothing else is asked of the rig.
        if (rigOpen_ && dcdReadable_)
            wake_.wait_for(lock, kDcdPeriod, asked);
        else
            wake_.wait(lock, asked);
        if (stopping_) break;
        std::function<void()> call;
        if (!calls_.empty()) {
            call = std::move(calls_.front());
            calls_.pop_front();
        }
        lock.unlock();
        if (call)
            call();
        else
            pollDcd();
        lock.lock();
    }
    // A key still queued must not go out on the way out.
    calls_.clear();
    lock.unlock();
    letGo();
    lock.lock();
    ended_ = true;
    settled_.notify_all();
}

void HamlibSwitch::Rig::open(Reply& reply) {
    const std::string why = prepare();
    // The caller learns at once whether the settings can work; reaching the rig may take a while.
    if (why.empty()) {
        reply.give(why);
        reach();
    }
    {
        std::lock_guard lock(mutex_);
        opening_ = false;
    }
    if (!why.empty()) reply.give(why);
}

void HamlibSwitch::Rig::key(bool keyed, Reply& reply) {
    std::string why = reach();
    // A key that comes after its caller gave up would key the transmitter behind the program's back.
    if (keyed && reply.gaveUp()) return;
    if (why.empty()) why = setPtt(keyed);
    if (!reply.give(why) && keyed && why.empty()) setPtt(false);
}

std::string HamlibSwitch::Rig::prepare() {
    std::string why = rig_ ? std::string() : create();
    // Hamlib tries a missing serial device for two seconds and then says only "IO error". The device is
    // checked without opening it: opening a tty raises DTR and RTS, which may key the transmitter.
    if (why.empty() && rig_->caps->port_type == RIG_PORT_SERIAL && where_.starts_with('/') &&
        ::access(where_.c_str(), R_OK | W_OK) != 0) {
        const int error = errno;
        why = portOpenFailure(where_, error);
        if (error == ENOENT) why += ": plug the rig's cable in, or name its port in HAMLIB_PORT=";
    }
    if (!why.empty()) {
        std::lock_guard lock(mutex_);
        held_ = false;
        trouble_ = why;
    }
    return why;
}

std::string HamlibSwitch::Rig::create() {
    loadHamlib();
    const std::string model = "rig model " + std::to_string(settings_.model);
    rig_ = rig_init(static_cast<rig_model_t>(settings_.model));
    if (!rig_) return "Hamlib knows no " + model + ": the models are listed by skycrier-cli devices";
    struct Setting {
        const char* name;
        std::string value;
        const char* key;
    };
    // One try of a second at most, so that a call ends within what its caller waits.
    std::vector<Setting> wanted = {{"timeout", "1000", nullptr}, {"retry", "0", nullptr}};
    if (!settings_.port.empty()) wanted.push_back({"rig_pathname", settings_.port, "HAMLIB_PORT="});
    // A speed means nothing to a rig reached over the network.
    if (settings_.speed > 0 && rig_->caps->port_type == RIG_PORT_SERIAL)
        wanted.push_back({"serial_speed", std::to_string(settings_.speed), "HAMLIB_SPEED="});
    for (const Setting& s : wanted) {
        const int status = rig_set_conf(rig_, rig_token_lookup(rig_, s.name), s.value.c_str());
        if (status == RIG_OK) continue;
        rig_cleanup(rig_);
        rig_ = nullptr;
        std::string why = "Hamlib " + model + " takes no " + s.name + " " + s.value + ": " + hamlibError(status);
        return s.key ? why + ": correct " + s.key : why;
    }
    char path[HAMLIB_FILPATHLEN] = "";
    rig_get_conf2(rig_, rig_token_lookup(rig_, "rig_pathname"), path, sizeof path);
    where_ = path;
    return {};
}

std::string HamlibSwitch::Rig::reach() {
    if (rigOpen_) return {};
    if (std::string why = prepare(); !why.empty()) return why;
    setReaching(true);
    const int status = rig_open(rig_);
    setReaching(false);
    if (status != RIG_OK) return answered(status);
    rigOpen_ = true;
    dcdReadable_ = settings_.readBusy;
    // Whatever the rig was left at, it is held unkeyed from the start.
    mayBeKeyed_ = true;
    return setPtt(false);
}

std::string HamlibSwitch::Rig::setPtt(bool keyed) {
    if (keyed) mayBeKeyed_ = true;
    int status = rig_set_ptt(rig_, RIG_VFO_CURR, keyed ? RIG_PTT_ON : RIG_PTT_OFF);
    // An unkey that fails once is worth a second try: a transmitter left keyed is the worse outcome.
    if (status != RIG_OK && !keyed) status = rig_set_ptt(rig_, RIG_VFO_CURR, RIG_PTT_OFF);
    if (status == RIG_OK && !keyed) mayBeKeyed_ = false;
    return answered(status);
}

std::string HamlibSwitch::Rig::answered(int status) {
    std::string why;
    if (status != RIG_OK) {
        why = where_ + ": " + hamlibError(status);
        // Closed, the rig is reached anew by the next call.
        if (wentAway(status)) closeRig();
    }
    std::lock_guard lock(mutex_);
    held_ = rigOpen_ && why.empty();
    trouble_ = why;
    return why;
}

void HamlibSwitch::Rig::pollDcd() {
    dcd_t dcd = RIG_DCD_OFF;
    const int status = rig_get_dcd(rig_, RIG_VFO_CURR, &dcd);
    // A rig without a squelch to read is not asked again; that is no failure of the rig.
    if (status == -RIG_ENIMPL || status == -RIG_ENAVAIL)
        dcdReadable_ = false;
    else
        answered(status);
    setBusy(status == RIG_OK ? std::optional<bool>(dcd == RIG_DCD_ON) : std::nullopt);
}

void HamlibSwitch::Rig::setBusy(std::optional<bool> busy) {
    std::function<void()> watcher;
    {
        std::lock_guard lock(mutex_);
        if (busy_ == busy) return;
        busy_ = busy;
        watcher = watcher_;
    }
    if (watcher) watcher();
}

void HamlibSwitch::Rig::setReaching(bool reaching) {
    std::lock_guard lock(mutex_);
    reaching_ = reaching;
    settled_.notify_all();
}

void HamlibSwitch::Rig::closeRig() {
    if (!rigOpen_) return;
    rig_close(rig_);
    rigOpen_ = false;
    setBusy(std::nullopt);
}

void HamlibSwitch::Rig::letGo() {
    if (rigOpen_ && mayBeKeyed_) setPtt(false);
    closeRig();
    if (rig_) rig_cleanup(rig_);
    rig_ = nullptr;
}

HamlibSwitch::HamlibSwitch(HamlibSettings settings) : settings_(std::move(settings)) {}

HamlibSwitch::~HamlibSwitch() { close(); }

bool HamlibSwitch::open(std::string& error) {
    if (!rig_) {
        rig_ = std::make_shared<Rig>(settings_);
        rig_->watch(watcher_);
        thread_ = std::thread([rig = rig_] { rig->run(); });
    }
    if (!rig_->startOpening()) return true;
    auto reply = std::make_shared<Reply>();
    rig_->enqueue([rig = rig_.get(), reply] { rig->open(*reply); });
    const auto answer = reply->await(kPatience);
    if (!answer || answer->empty()) return true;
    error = *answer;
    return false;
}

void HamlibSwitch::close() {
    watcher_ = nullptr;
    if (!rig_) return;
    // A thread held by a rig that does not answer ends by itself; it owns its share of the rig.
    if (rig_->stop(kPatience))
        thread_.join();
    else
        thread_.detach();
    rig_.reset();
}

bool HamlibSwitch::isOpen() const { return rig_ && rig_->held(); }

std::string HamlibSwitch::trouble() const { return rig_ ? rig_->trouble() : std::string(); }

bool HamlibSwitch::setKeyed(bool keyed, std::string& error) {
    if (!rig_) {
        error = "the Hamlib rig is not open";
        return false;
    }
    auto reply = std::make_shared<Reply>();
    rig_->enqueue([rig = rig_.get(), keyed, reply] { rig->key(keyed, *reply); });
    const auto answer = reply->await(kPatience);
    if (!answer) {
        error = "no answer from the rig within 2 s";
        return false;
    }
    error = *answer;
    return error.empty();
}

std::optional<bool> HamlibSwitch::readInput(SwitchInput input) {
    if (input != SwitchInput::Busy || !rig_) return std::nullopt;
    return rig_->busy();
}

void HamlibSwitch::watchInputs(std::function<void()> changed) {
    watcher_ = std::move(changed);
    if (rig_) rig_->watch(watcher_);
}

}  // namespace skycrier
