#pragma once
// The main window (TForm1) as a model: the settings it holds that the
// configuration stores, the period selector, the hour-window menus and their
// captions. The desktop window shows this state and calls these handlers.
//
// Threading: the loop's thread only.

#include <string>

#include "announce/schedule_settings.h"
#include "platform/wave_out.h"

namespace skycrier {

class TForm1 {
public:
    explicit TForm1(ScheduleSettings& schedule) : schedule_(schedule) {}

    // Shows in Edit1 the minutes of the period selector's position (positions
    // outside 0..6 leave it as it is).
    void UpDownPeriodeMouseDown();
    // A click on an hour item "D00".."D24" (window start) or "F00".."F24"
    // (window end): checks it, stores the hour and sets the submenu's caption.
    // An unknown name or the item already checked changes nothing.
    void hourItemClick(const std::string& name);
    // The checked item of each hour menu, e.g. "D00" and "F24".
    std::string checkedStartItem() const;
    std::string checkedEndItem() const;

    std::string Caption = "SkyCrier";
    // The transmitter port's name, or "COM" when there is none.
    std::string LabelCOM = "COM";
    std::string MenuDebutPlageHoraire = "Hora de inicio (00h)";
    std::string MenuFinPlageHoraire = "Hora de fin (24h)";

    // "Guardar anuncio": record every bulletin with the external recorder.
    bool MenuRecord = false;
    // The recorder program (TFormRecord's EditSonivue).
    std::string EditSonivue;
    // Autostart, start minimised, version check at start-up.
    bool CheckBoxDemarrage = false;
    bool CheckBoxReduire = false;
    bool CheckBoxInfoVersion = false;
    // Set by loading "REDUCE=Y": the next minimise clears it instead of saving.
    bool noSaveOnMinimise = false;
    // Volume slider position (0 loudest .. 10 silent), balance -100..100, level mark 0..100.
    int TrackBarVolume = 5;
    int Balance = 0;
    int Gauge1 = 70;
    // The main window's place.
    int Top = 101;
    int Left = 4;
    // The source window stays visible after start-up.
    bool showSourceWindow = true;
    // Sound output: the system's default (RadioButtonCarteWin) or a chosen device.
    bool RadioButtonCarteMoi = false;
    int outputDevice = kDefaultOutputDevice;

private:
    ScheduleSettings& schedule_;
    int startItem_ = 0;
    int endItem_ = 24;
};

}  // namespace skycrier
