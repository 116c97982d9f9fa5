#pragma once
// Waiting on a 32-bit word in memory shared between processes, as the
// kernel's futex offers it: a waiter sleeps while the word holds the value it
// last saw, and a writer wakes every waiter of every process. Nothing is left
// behind by a waiter that dies, and every wait is bounded.

#include <atomic>
#include <chrono>
#include <cstdint>

namespace skycrier {

static_assert(sizeof(std::atomic<std::uint32_t>) == 4 && std::atomic<std::uint32_t>::is_always_lock_free);

// Sleeps while word holds seen, at most limit; wakes early (for no reason too): check the word again.
void futexWait(const std::atomic<std::uint32_t>& word, std::uint32_t seen, std::chrono::milliseconds limit);
// Wakes every waiter on word, in every process that maps it.
void futexWakeAll(std::atomic<std::uint32_t>& word);

}  // namespace skycrier
