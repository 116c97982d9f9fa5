#pragma once
// The sound output as the main window shows it: the sound-card panel
// (outputPanelShown) that chooses the output bulletins play on, the volume
// slider with its balance, written to that output when the user moves it and
// read back from it so that the slider follows changes made by other
// programs, and the level mark beside the slider. The values live in the main
// window (MainWindowModel), where the configuration loads and saves them; this model
// holds the rules, and the desktop window only shows it and calls its handlers.
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
        MainWindowModel& window;
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
    // After the name of a chosen output that is not there now.
    static constexpr const char* kNotPresent = " (not present)";
    // The slider's hint on an output without a card mixer.
    static constexpr const char* kSamplesVolumeHint = "No card mixer on this output: the slider scales the sound itself";

    explicit SoundOutput(const Parts& parts);
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    struct ComboBox {
        std::vector<std::string> Items;
        // -1 while nothing is picked (the text was typed, or never chosen).
        int ItemIndex = -1;
        std::string Text;
    };
    // "DIE SOUND-KARTE ÄNDERN": shown by the menu, hidden by its OK button.
    bool outputPanelShown() const { return outputPanelShown_; }
    // "salida de reproducción": the outputs, each by name with its description.
    const ComboBox& outputList() const { return outputList_; }
    // The slider's hint: empty, or kSamplesVolumeHint.
    const std::string& volumeHint() const { return volumeHint_; }

    // Start-up: bulletins play on the configured output. One that is not
    // there now stays chosen and each bulletin tries it again; the text
    // returned says so.
    std::optional<std::string> useConfiguredOutput();

    // "Placa de sonido": opens the panel, lists the outputs and selects the
    // chosen one, adding it as not present when it is a name the list lacks.
    // OK is disabled while a bulletin is on the air.
    void openOutputPanel();
    // "Windows elije la placa de sonido" / "Seleccionar la placa de sonido".
    void chooseSystemOutput() { chooseOwnOutput(false); }
    void chooseOwnOutput() { chooseOwnOutput(true); }
    // The user picked an item of the list, or typed into it.
    void pickOutput(int index);
    void typeOutput(const std::string& text);
    // OK: with "Seleccionar" and no text it beeps and the panel stays open;
    // otherwise the choice becomes the output: the picked item's name and
    // number, or a typed ALSA name (nothing typed: the default output). It is
    // used from the next bulletin on (one on the air keeps its output), and
    // the panel closes.
    void confirmOutput();

    // The user moved the slider (0 full volume .. 10 silent): the change
    // handler runs when the position differs from the one shown.
    void moveVolumeSlider(int position);
    // Writes the slider's level, with the balance, as the chosen output's volume.
    void writeVolume();
    // Reads the chosen output's volume into the balance and the slider, and
    // writes nothing back: a level another program set stays as it is. A
    // failed read goes on with the last word read; before any (an output
    // whose volume is in the samples, never set yet), the slider's level is
    // written to the output instead.
    void readBackVolume();
    // From a volume write until the loop has run what was waiting: the
    // tick's read-back holds off meanwhile.
    bool volumeChangeInProgress() const { return changesInFlight_ > 0; }

    enum class MouseButton { Left, Right, Middle };
    // A press on the level panel; onMark: right of the level bar's right edge and below
    // its top (the window knows the geometry). The left button raises the mark
    // by 10, the right one lowers it, within 0..100.
    void pressLevelMark(MouseButton button, bool onMark);

    // What the panel, the slider or the level mark show changed: by a
    // handler above, or by the tick's read-back of the volume.
    Signal<> changed;

private:
    void chooseOwnOutput(bool own) {
        window_.settings().ownOutputChosen = own;
        changed.emit();
    }
    // The list's item of the chosen output, added when the list lacks it.
    void selectChosenOutput();
    void readVolume();
    void addItem(const std::string& text, const OutputDevice& device);
    void useFromNextBulletin();

    MainWindowModel& window_;
    PlaybackEngine& engine_;
    Sequencer& sequencer_;
    StatusBoard& status_;
    WaveOutCatalogue* catalogue_;
    std::function<void()> beep_;
    // What each item of the list chooses; what was typed into it.
    bool outputPanelShown_ = false;
    ComboBox outputList_;
    std::string volumeHint_;
    std::vector<OutputDevice> items_;
    std::string typed_;
    std::optional<std::uint32_t> lastRead_;
    int changesInFlight_ = 0;
    Subscription bulletinEnd_;
    TaskScope tasks_;
};

}  // namespace skycrier
