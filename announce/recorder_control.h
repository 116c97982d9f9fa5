#pragma once
// Records every bulletin with the external recorder program when "Guardar
// anuncio" is checked: the recorder is started if it is not running, told to
// record after the transmitter is keyed, to stop after the bulletin's end,
// and to close again when this program was the one that started it. Its
// waits are timer continuations, so the window stays alive while the recorder
// is looked for; the bulletin goes on when the start step has finished,
// whatever the recorder did. Nothing of it ever stops a bulletin.
//
// Threading: the loop's thread only.

#include <functional>
#include <string>

#include "platform/event_loop.h"
#include "platform/recorder_link.h"
#include "platform/signal.h"
#include "platform/task_scope.h"

namespace skycrier {

inline constexpr const char* kRecorderMissingText = "Tapewell no encontrado!";
inline constexpr const char* kRecorderSilentText = "Tapewell no responde";
inline constexpr const char* kRecorderRecordingText = "Tapewell grabando";
inline constexpr const char* kRecorderStoppingText = "Tapewell se detiene";
inline constexpr const char* kRecorderClosedText = "Tapewell cerrado";
inline constexpr const char* kRecorderPathErrorText = "Error de ruta de Tapewell";

class RecorderControl {
public:
    // What the user chose, read at the moment of use.
    struct Settings {
        const bool& recordBulletins;
        const std::string& recorderProgram;
        // The file a configured program name stands for (a relative one is taken from the program folder).
        std::function<std::string(const std::string&)> resolve = [](const std::string& name) { return name; };
    };
    enum Command : int { None = 0, Record = 1, Stop = 2, Close = 3 };

    static constexpr int kSearchTries = 30;
    static constexpr Millis kSearchIntervalMs = 100;
    static constexpr Millis kSettleMs = 200;
    static constexpr Millis kCloseDelayMs = 1000;

    RecorderControl(EventLoop& loop, RecorderLink& link, Settings settings, std::function<void()> beep);

    // The bulletin's start step, after keying; done runs when the bulletin may go on.
    void bulletinStart(std::function<void()> done);
    // The bulletin's last step after a normal end; done runs when it is over.
    void bulletinEnd(std::function<void()> done);
    // The bulletin was aborted: its pending recorder steps are dropped.
    void bulletinAborted();

    // The main window's recorder status.
    const std::string& recorderStatus() const { return recorderStatus_; }
    Signal<> statusChanged;

private:
    void search(int triesLeft, std::function<void()> done);
    void recordAfterSettling(std::function<void()> done);
    void sendCommand();
    void show(const std::string& text);

    RecorderLink& link_;
    Settings settings_;
    std::function<void()> beep_;
    int command_ = None;
    // The recorder was already running when the bulletin found it: it is left running.
    bool wasRunning_ = false;
    std::string recorderStatus_;
    TaskScope tasks_;
};

}  // namespace skycrier
