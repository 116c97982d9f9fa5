#pragma once
// Repaints a window when a model it shows says it changed. However many
// changes come in one turn of the loop, the window repaints once, after them,
// so a poll that rewrites ten captions costs one repaint.
//
// Threading: the GUI thread, which is also the engine's loop.

#include <QTimer>
#include <functional>
#include <vector>

#include "platform/signal.h"

namespace skycrier::gui {

class RepaintOnChange {
public:
    explicit RepaintOnChange(std::function<void()> repaint);
    RepaintOnChange(const RepaintOnChange&) = delete;
    RepaintOnChange& operator=(const RepaintOnChange&) = delete;

    // The window repaints after each of the model's changes, for as long as this lives.
    template <typename... Args>
    void watch(Signal<Args...>& changed) {
        subscriptions_.push_back(changed.connect([this](Args...) { request(); }));
    }
    // A repaint once the loop has run what waits; one already asked for stands.
    void request();

private:
    std::function<void()> repaint_;
    // A single shot with no delay: it fires once the loop has run what was
    // waiting, and a stopped or destroyed timer never fires.
    QTimer turnEnd_;
    std::vector<Subscription> subscriptions_;
};

}  // namespace skycrier::gui
