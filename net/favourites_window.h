#pragma once
// A favourites window (METAR or APRS): ten inputs kept by hand,
// each loaded into its source window by the button in front of it.

#include <array>
#include <functional>
#include <string>

namespace skycrier {

class Favourites {
public:
    static constexpr int kSlots = 10;
    static constexpr const char* kInstruction = "Haga clic en el botón delante de la URL para abrirla.";

    // caption: "Favoritos METAR" or "Favoritos APRS"; load puts an entry into
    // the source window when that window is shown.
    Favourites(const char* caption, std::function<void(const std::string&)> load)
        : Caption(caption), load_(std::move(load)) {}

    // Button n (1..10, "F1".."F10"): loads slot n when it holds an entry and the source window is shown.
    void loadEntry(int n);
    // "F1".."F10".
    static std::string buttonCaption(int n) { return "F" + std::to_string(n); }

    const char* const Caption;
    // The ten slots, entry n for button n.
    const std::array<std::string, kSlots>& entries() const { return entries_; }
    // Slot n (1..10) holds the text; numbers outside are ignored.
    void setEntry(int n, std::string text);

    void open() { visible_ = true; }
    // Closed by its user, or by a refresh of its source window.
    void close() { visible_ = false; }
    bool visible() const { return visible_; }

private:
    std::array<std::string, kSlots> entries_;
    bool visible_ = false;
    std::function<void(const std::string&)> load_;
};

}  // namespace skycrier
