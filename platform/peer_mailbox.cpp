#include "platform/peer_mailbox.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>

namespace skycrier {

namespace {

constexpr int kSendLockMs = 3000;
// How long an opener waits for the creator to finish setting the objects up.
constexpr auto kSetUpWait = std::chrono::seconds(2);

std::string failure(const std::string& what, const std::string& name) {
    return what + " " + name + ": " + std::strerror(errno);
}

void* mapShared(int fd, std::size_t size) {
    void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    return p == MAP_FAILED ? nullptr : p;
}

bool sizeAtLeast(int fd, std::size_t size) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && static_cast<std::size_t>(st.st_size) >= size;
}

template <typename Done>
bool waitBriefly(Done done) {
    const auto until = std::chrono::steady_clock::now() + kSetUpWait;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        ::usleep(1000);
    }
    return true;
}

void initialise(pthread_mutex_t& mutex, pthread_cond_t& event) {
    pthread_mutexattr_t ma;
    pthread_mutexattr_init(&ma);
    pthread_mutexattr_setpshared(&ma, PTHREAD_PROCESS_SHARED);
    pthread_mutexattr_setrobust(&ma, PTHREAD_MUTEX_ROBUST);
    pthread_mutex_init(&mutex, &ma);
    pthread_mutexattr_destroy(&ma);
    pthread_condattr_t ca;
    pthread_condattr_init(&ca);
    pthread_condattr_setpshared(&ca, PTHREAD_PROCESS_SHARED);
    pthread_cond_init(&event, &ca);
    pthread_condattr_destroy(&ca);
}

}  // namespace

std::unique_ptr<PeerMailbox> PeerMailbox::open(const MailboxNames& names, std::string& error) {
    std::unique_ptr<PeerMailbox> box(new PeerMailbox);

    int fd = ::shm_open(names.control.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
    const bool creator = fd >= 0;
    if (!creator && errno == EEXIST) fd = ::shm_open(names.control.c_str(), O_RDWR | O_CLOEXEC, 0);
    if (fd < 0) {
        error = failure("cannot open the mailbox's lock", names.control);
        return nullptr;
    }
    if (!creator && !waitBriefly([fd] { return sizeAtLeast(fd, sizeof(MailboxControl)); })) {
        error = "the mailbox's lock " + names.control + " was never set up (remove it from /dev/shm)";
        ::close(fd);
        return nullptr;
    }
    const bool sized = !creator || ::ftruncate(fd, sizeof(MailboxControl)) == 0;
    void* control = sized ? mapShared(fd, sizeof(MailboxControl)) : nullptr;
    if (!control) error = failure("cannot map the mailbox's lock", names.control);
    ::close(fd);
    if (!control) return nullptr;
    box->control_ = static_cast<MailboxControl*>(control);
    if (creator) {
        initialise(box->control_->mutex, box->control_->event);
        box->control_->ready.store(1, std::memory_order_release);
    } else if (!waitBriefly([&box] { return box->control_->ready.load(std::memory_order_acquire) == 1; })) {
        error = "the mailbox's lock " + names.control + " was never set up (remove it from /dev/shm)";
        return nullptr;
    }

    fd = ::shm_open(names.region.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = failure("cannot open the mailbox", names.region);
        return nullptr;
    }
    const bool grown = sizeAtLeast(fd, kMailboxBytes) || ::ftruncate(fd, kMailboxBytes) == 0;
    void* region = grown ? mapShared(fd, kMailboxBytes) : nullptr;
    if (!region) error = failure("cannot map the mailbox", names.region);
    ::close(fd);
    if (!region) return nullptr;
    box->region_ = static_cast<unsigned char*>(region);
    return box;
}

void PeerMailbox::unlink(const MailboxNames& names) {
    ::shm_unlink(names.region.c_str());
    ::shm_unlink(names.control.c_str());
}

PeerMailbox::~PeerMailbox() {
    stopListening();
    if (region_) ::munmap(region_, kMailboxBytes);
    if (control_) ::munmap(control_, sizeof(MailboxControl));
}

bool PeerMailbox::lock(int waitMs) {
    int rc = 0;
    if (waitMs < 0) {
        rc = pthread_mutex_lock(&control_->mutex);
    } else {
        timespec until{};
        clock_gettime(CLOCK_REALTIME, &until);
        until.tv_sec += waitMs / 1000;
        until.tv_nsec += (waitMs % 1000) * 1'000'000L;
        if (until.tv_nsec >= 1'000'000'000L) {
            until.tv_nsec -= 1'000'000'000L;
            ++until.tv_sec;
        }
        rc = pthread_mutex_timedlock(&control_->mutex, &until);
    }
    // Its owner died holding it: what it guarded is a message, always whole enough to overwrite.
    if (rc == EOWNERDEAD) rc = pthread_mutex_consistent(&control_->mutex);
    return rc == 0;
}

void PeerMailbox::unlock() { pthread_mutex_unlock(&control_->mutex); }

bool PeerMailbox::send(const std::string& bytes, std::string& error) {
    if (bytes.size() > kMailboxBytes - 4) {
        error = "the message is longer than the mailbox";
        return false;
    }
    // A writer that never lets go must not silence this program.
    const bool locked = lock(kSendLockMs);
    const auto length = static_cast<std::uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) region_[i] = static_cast<unsigned char>(length >> (8 * i));
    std::memcpy(region_ + 4, bytes.data(), bytes.size());
    control_->pulses.fetch_add(1);
    pthread_cond_broadcast(&control_->event);
    if (locked) unlock();
    return true;
}

void PeerMailbox::listen(std::function<void(std::string)> onMessage) {
    stopListening();
    stop_ = false;
    halt_ = false;
    seen_ = control_->pulses.load();
    listener_ = std::thread([this, onMessage = std::move(onMessage)] { listenLoop(onMessage); });
}

void PeerMailbox::stopListening() {
    if (!listener_.joinable()) return;
    lock(-1);
    halt_ = true;
    pthread_cond_broadcast(&control_->event);
    unlock();
    listener_.join();
}

void PeerMailbox::listenLoop(const std::function<void(std::string)>& onMessage) {
    lock(-1);
    while (!stop_ && !halt_) {
        while (control_->pulses.load() == seen_ && !halt_)
            if (pthread_cond_wait(&control_->event, &control_->mutex) == EOWNERDEAD)
                pthread_mutex_consistent(&control_->mutex);
        if (control_->pulses.load() == seen_) break;
        seen_ = control_->pulses.load();
        std::uint32_t length = 0;
        for (int i = 0; i < 4; ++i) length |= static_cast<std::uint32_t>(region_[i]) << (8 * i);
        // A length a broken peer left behind is cut to what the region holds.
        if (length > kMailboxBytes - 4) length = 0;
        std::string text(reinterpret_cast<const char*>(region_ + 4), length);
        unlock();
        onMessage(std::move(text));
        lock(-1);
    }
    unlock();
}

}  // namespace skycrier
