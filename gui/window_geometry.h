#pragma once
// A window's place and size as the engine keeps them: the frame's position
// (what the window manager moves) and the client area's size.

#include <QWidget>
#include <cmath>

#include "sources/source_window.h"

namespace skycrier::gui {

inline WindowGeometry geometryOf(const QWidget& window) {
    return {window.y(), window.x(), window.width(), window.height()};
}

// Moves and resizes the window only where it differs, so an unchanged
// geometry sends no events. The geometry is a copy: the window's own move
// may update the model it came from before the resize.
inline void placeWindow(QWidget& window, WindowGeometry geometry) {
    if (window.x() != geometry.left || window.y() != geometry.top) window.move(geometry.left, geometry.top);
    if (window.width() != geometry.width || window.height() != geometry.height)
        window.resize(geometry.width, geometry.height);
}

// A window of the given size centred on another (halves round to even).
inline WindowGeometry centredOn(const WindowGeometry& outer, int width, int height) {
    const auto half = [](int size) { return static_cast<int>(std::nearbyint(size / 2.0)); };
    return {.top = outer.top + half(outer.height) - half(height),
            .left = outer.left + half(outer.width) - half(width),
            .width = width,
            .height = height};
}

// A window that would cover another (the main window) moves beside it, to its
// right or else below it, where the screen has room; otherwise it stays.
inline WindowGeometry besideIfCovering(WindowGeometry window, const WindowGeometry& other, const QRect& screen) {
    constexpr int kGap = 8;
    const auto rect = [](const WindowGeometry& g) { return QRect(g.left, g.top, g.width, g.height); };
    if (!rect(window).intersects(rect(other))) return window;
    WindowGeometry right = window;
    right.left = other.left + other.width + kGap;
    right.top = other.top;
    if (screen.contains(rect(right))) return right;
    WindowGeometry below = window;
    below.left = other.left;
    below.top = other.top + other.height + kGap;
    if (screen.contains(rect(below))) return below;
    return window;
}

}  // namespace skycrier::gui
