#include "platform/peer_mailbox.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/futex.h"
#include "platform/own_shared_memory.h"

namespace skycrier {

namespace {

// A listener looks at its stop request at least this often.
constexpr auto kListenSlice = std::chrono::milliseconds(250);

std::size_t sizeOf(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? static_cast<std::size_t>(st.st_size) : 0;
}

// Maps the object at its full size. One just made by another program may not
// have its size yet; one that never gets it is ours to grow.
void* mapAtSize(int fd, std::size_t size, bool made, MailboxDeadline until, const std::string& path,
                std::string& error) {
    for (const auto limit = setUpDeadline(until); !made && sizeOf(fd) < size;) {
        if (std::chrono::steady_clock::now() > limit) break;
        ::usleep(1000);
    }
    if (sizeOf(fd) < size && ::ftruncate(fd, static_cast<off_t>(size)) != 0) {
        error = "cannot size " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (p != MAP_FAILED) return p;
    error = "cannot map " + path + ": " + std::strerror(errno);
    return nullptr;
}

}  // namespace

std::unique_ptr<PeerMailbox> PeerMailbox::open(const MailboxNames& names, MailboxDeadline until, Notice notice,
                                               std::string& error) {
    std::unique_ptr<PeerMailbox> box(new PeerMailbox);
    box->controlPath_ = sharedMemoryPath(names.control);
    box->notice_ = std::move(notice);
    // Both are judged before either is used.
    bool controlMade = false;
    bool regionMade = false;
    const int controlFd = openOwnSharedMemory(names.control, controlMade, error);
    if (controlFd < 0) return nullptr;
    const int regionFd = openOwnSharedMemory(names.region, regionMade, error);
    if (regionFd >= 0) {
        void* control = mapAtSize(controlFd, sizeof(MailboxControl), controlMade, until, box->controlPath_, error);
        box->control_ = static_cast<MailboxControl*>(control);
        void* region = control ? mapAtSize(regionFd, kMailboxBytes, regionMade, until,
                                           sharedMemoryPath(names.region), error)
                               : nullptr;
        box->region_ = static_cast<unsigned char*>(region);
        ::close(regionFd);
    }
    ::close(controlFd);
    if (!box->region_) return nullptr;
    std::string setUp;
    prepareControl(*box->control_, controlMade, until, box->controlPath_, setUp);
    box->tell(setUp);
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

void PeerMailbox::tell(const std::string& notice) const {
    if (!notice.empty() && notice_) notice_(notice);
}

bool PeerMailbox::lock(MailboxDeadline until) {
    std::string notice;
    // A holder that did not let go last time is not waited for again: only a free lock is taken.
    const bool locked = lockControl(*control_, stuck_ ? std::chrono::steady_clock::now() : until, controlPath_, notice);
    tell(notice);
    if (!locked && !stuck_)
        tell(controlPath_ + ": a program holds the mailbox's lock and does not let go (stopped or hung); messages "
                            "are written without it");
    stuck_ = !locked;
    return locked;
}

bool PeerMailbox::send(const std::string& bytes, MailboxDeadline until, std::string& error) {
    if (bytes.size() > kMailboxBytes - 4) {
        error = "the message is longer than the mailbox";
        return false;
    }
    // Damaged since it was opened: set up again before it is relied on.
    std::string setUp;
    prepareControl(*control_, false, until, controlPath_, setUp);
    tell(setUp);
    // A writer that never lets go must not silence this program.
    const bool locked = lock(std::min(until, std::chrono::steady_clock::now() + kSendLockWait));
    const auto length = static_cast<std::uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) region_[i] = static_cast<unsigned char>(length >> (8 * i));
    std::memcpy(region_ + 4, bytes.data(), bytes.size());
    control_->pulses.fetch_add(1, std::memory_order_release);
    futexWakeAll(control_->pulses);
    if (locked) unlockControl(*control_);
    return true;
}

void PeerMailbox::listen(std::function<void(std::string)> onMessage) {
    stopListening();
    halt_ = false;
    // Counted from now: a message sent while the thread starts is not missed.
    const std::uint32_t seen = control_->pulses.load(std::memory_order_acquire);
    listener_ = std::thread([this, seen, onMessage = std::move(onMessage)] {
        std::uint32_t last = seen;
        while (!halt_) {
            const std::uint32_t now = control_->pulses.load(std::memory_order_acquire);
            if (now == last) {
                futexWait(control_->pulses, last, kListenSlice);
                continue;
            }
            last = now;
            // What the counter of a damaged control object says is no message.
            if (control_->state.load(std::memory_order_acquire) != kControlReady) continue;
            std::uint32_t length = 0;
            for (int i = 0; i < 4; ++i) length |= static_cast<std::uint32_t>(region_[i]) << (8 * i);
            // A length a broken peer left behind is taken as no text.
            if (length > kMailboxBytes - 4) length = 0;
            std::string text(reinterpret_cast<const char*>(region_ + 4), length);
            // Overwritten while it was copied: the newer message follows.
            if (control_->pulses.load(std::memory_order_acquire) != now) continue;
            onMessage(std::move(text));
        }
    });
}

void PeerMailbox::stopListening() {
    if (!listener_.joinable()) return;
    halt_ = true;
    // Other programs' listeners wake too, find nothing new and sleep again.
    futexWakeAll(control_->pulses);
    listener_.join();
}

}  // namespace skycrier
