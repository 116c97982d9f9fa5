#pragma once
// Waiting in real time for another thread or process.

#include <chrono>
#include <functional>
#include <thread>

namespace skycrier::test {

// Waits for the condition, polling; false after the patience (only against a
// hang: a passing run takes a small part of it).
inline bool waitUntil(const std::function<bool()>& condition) {
    using namespace std::chrono_literals;
    for (const auto deadline = std::chrono::steady_clock::now() + 20s; !condition();) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

}  // namespace skycrier::test
