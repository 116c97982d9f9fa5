#pragma once
// A notification with any number of listeners. A listener is connected for as
// long as the Subscription it got lives, so an object that keeps its
// subscriptions as members stops listening when it goes. Listeners may
// disconnect themselves or others, and connect new ones, while a notification
// is being delivered; a listener connected meanwhile hears the next one.
//
// Threading: the loop's thread only.

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace skycrier {

class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> end) : end_(std::move(end)) {}
    ~Subscription() { reset(); }
    Subscription(Subscription&& other) noexcept : end_(std::exchange(other.end_, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            end_ = std::exchange(other.end_, {});
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

    // Stops listening now.
    void reset() {
        if (end_) std::exchange(end_, {})();
    }

private:
    std::function<void()> end_;
};

template <typename... Args>
class Signal {
public:
    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    [[nodiscard]] Subscription connect(std::function<void(Args...)> listener) {
        auto entry = std::make_shared<Entry>(Entry{std::move(listener), true});
        listeners_->push_back(entry);
        return Subscription([list = std::weak_ptr<List>(listeners_), weak = std::weak_ptr<Entry>(entry)] {
            const auto e = weak.lock();
            if (!e) return;
            e->connected = false;
            if (const auto l = list.lock()) std::erase(*l, e);
        });
    }

    // Calls every listener connected now, in the order they connected.
    void emit(Args... args) const {
        // Copies keep the listeners alive even if one of them destroys the signal's owner.
        const List snapshot = *listeners_;
        for (const auto& entry : snapshot)
            if (entry->connected) entry->listener(args...);
    }

    bool hasListeners() const { return !listeners_->empty(); }

private:
    struct Entry {
        std::function<void(Args...)> listener;
        bool connected;
    };
    using List = std::vector<std::shared_ptr<Entry>>;
    std::shared_ptr<List> listeners_ = std::make_shared<List>();
};

}  // namespace skycrier
