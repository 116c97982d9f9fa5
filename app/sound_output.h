#pragma once
// The sound output as the main window shows it: the sound-card panel
// (PanelCarteSon) that chooses the device bulletins play on, the volume
// slider with its balance, written to that device and read back from it so
// that the slider follows changes made by other programs, and the level mark
// beside the slider. The values live in the main window (TForm1), where the
// configuration loads and saves them; this model holds the rules, and the
// desktop window only shows it and calls its handlers.
//
// Threading: the loop's thread only.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "announce/playback_engine.h"
#include "announce/sequencer.h"
#include "announce/status_board.h"
#include "app/main_window.h"
#include "platform/signal.h"
#include "platform/task_scope.h"
#include "platform/wave_out.h"

namespace skycrier {

class SoundOutput {
public:
    struct Parts {
        EventLoop& loop;
        TForm1& window;
        PlaybackEngine& engine;
        Sequencer& sequencer;
        // Holds whether the panel's OK button can be pressed; a bulletin's end enables it.
        StatusBoard& status;
        // The installed outputs and their volume; without one the list is
        // empty and the volume is neither written nor read.
        WaveOutCatalogue* catalogue;
        std::function<void()> beep;
    };

    // The list's text when a device's name cannot be read.
    static constexpr const char* kUnreadableDevice = "Error: salida de reproducción";

    explicit SoundOutput(const Parts& parts);
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // PanelCarteSon, "DIE SOUND-KARTE ÄNDERN": shown by the menu, hidden by its OK button.
    bool PanelCarteSon = false;
    struct ComboBox {
        std::vector<std::string> Items;
        // -1 while nothing is picked (the text was typed, or never chosen).
        int ItemIndex = -1;
        std::string Text;
    };
    // "salida de reproducción": the devices' names in device-number order.
    ComboBox ComboBoxChoixOut;

    // "Placa de sonido": opens the panel, lists the devices and selects the
    // chosen one. OK is disabled while a bulletin is on the air.
    void MenuCarteSonClick();
    // "Windows elije la placa de sonido" / "Seleccionar la placa de sonido".
    void RadioButtonCarteWinClick() { window_.RadioButtonCarteMoi = false; }
    void RadioButtonCarteMoiClick() { window_.RadioButtonCarteMoi = true; }
    // The user picked an item of the list, or typed into it.
    void ComboBoxChoixOutSelect(int index);
    void ComboBoxChoixOutChange(const std::string& text);
    // OK: with "Seleccionar" and no text it beeps and the panel stays open;
    // otherwise the choice becomes the output device, used from the next
    // bulletin on (one on the air keeps its device), and the panel closes.
    void BitBtnOKCarteSonClick();

    // The slider moved (0 full volume .. 10 silent): the change handler runs
    // when the position differs from the one shown.
    void setTrackBarVolume(int position);
    // Writes the slider's level, with the balance, as the output device's volume.
    void TrackBarVolumeChange();
    // Reads the device's volume into the balance and the slider. A failed
    // read goes on with the last word read; before any, the slider's level
    // is written to the device instead.
    void ReadBackVolume();
    // From a volume write until the loop has run what was waiting: the
    // tick's read-back holds off meanwhile.
    bool volumeChangeInProgress() const { return changesInFlight_ > 0; }

    enum class MouseButton { Left, Right, Middle };
    // A press on Panel1; onMark: right of the level bar's right edge and below
    // its top (the window knows the geometry). The left button raises the mark
    // by 10, the right one lowers it, within 0..100.
    void Panel1MouseDown(MouseButton button, bool onMark);

private:
    void useFromNextBulletin();

    TForm1& window_;
    PlaybackEngine& engine_;
    Sequencer& sequencer_;
    StatusBoard& status_;
    WaveOutCatalogue* catalogue_;
    std::function<void()> beep_;
    std::optional<std::uint32_t> lastRead_;
    int changesInFlight_ = 0;
    Subscription bulletinEnd_;
    TaskScope tasks_;
};

}  // namespace skycrier
