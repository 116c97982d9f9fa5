#pragma once
// The window pattern of the three stations read from files their own PC
// software writes (WS-23xx, WS-28xx, Vantage Pro2): the data file, the error
// line, the time of the data shown, the pressure correction and the
// tendency threshold, and the poll cycle around the station's own reading.

#include <cstdint>
#include <functional>
#include <string>

#include "sources/source_window.h"

namespace skycrier {

inline constexpr const char* kErrorFile = "Error archivo";
inline constexpr const char* kErrorMissingFile = "Error de archivo";

class HistorySource : public SourceWindow {
public:
    HistorySource(SourceKind kind, SourceContext& context, int maximumThreshold);

    // Stops the timer, sets the unit labels, takes the pressure correction,
    // reads the station when its file exists, and enables the timer again.
    void poll() final;
    // Polls once, then shows the window unless the program runs reduced.
    void startAsChosen(bool keepHidden) override;
    void prepareToShow() override;

    // "Navigar": the file the user chose in the dialog (the dialog is the GUI's).
    void takeChosenFile(const std::string& path);
    // A data-file line of the configuration: taken as it is, so that a file
    // not there yet (a share mounted later) is read by the first poll after
    // it comes; false, with "Error de archivo" shown, while it is not there.
    bool loadDataFile(const std::string& path);
    // TendencyThreshold follows this window's tendencyThreshold.
    void applyTendencyThreshold();

    // The data file path: the source's Input, as configured even while the file is absent.
    const std::string& path() const { return meteo.Input; }

    std::string inputLine;
    // inputLine's text is selected, as after a file choice.
    bool inputSelected = false;
    Caption observationTime;
    BoundedNumber pressureCorrection{0};
    BoundedNumber tendencyThreshold;
    Caption pressureUnit{"hPa"};
    Caption tendencyUnit{"0.1*mB/h"};
    Caption insideHumidityCaption{"Humidad-int (%) ="};
    Caption dewPointCaption{"Punto de rocio (°C) ="};

protected:
    // Reads the station's file and fills the record and the captions; throws
    // on any failure (values already written stay).
    virtual void readStation(double correction) = 0;
    // The neutral captions a new file choice starts from.
    virtual void resetCaptions() = 0;
    // Neutral captions in the current units (WS-28xx and Vantage Pro2); the
    // two stations end their rain caption differently.
    void resetCaptionsInUnits(const char* rainEnd);

    // The data file to open: the path as configured, taken from the program folder when relative.
    std::string filePath() const { return context_.resolvePath(path()); }
    // Sets the path and the data-file field together.
    void setPath(const std::string& path);
    void failPoll();

    // Date and time as shown beside the data: "YYYY-MM-DD HH:MM:SS", or the
    // date alone at exactly midnight, as the system's date-time text prints it.
    static std::string shownDateTime(double dateTime);

    // The values every history station shows the same way; each sets the
    // field, its caption and its red mark, and returns whether it is plausible.
    bool showTemperature(MeteoField field, double value);
    bool showPressure(double patm);
    void showTendency(double change);
    // The tendency of a file of evenly spaced records: the newest pressure
    // against that of the record about an hour older (record 1 at the oldest).
    void showSpacedTendency(std::int64_t b, double spacing, const std::function<double(std::int64_t)>& pressureOf);
    // The record about spanDays before record b of evenly spaced records; 0
    // when the file does not reach that far back (record 0 never counts).
    static std::int64_t recordBefore(std::int64_t b, double spanDays, double spacing);
    bool showWind(double vent);
    void showDirection(int degrees);
    void showHumidity(Caption& control, const char* label, double value);
    void showRain(double pluie);
    // The felt temperature from Text and Vent when computable; the WS-23xx
    // writes its computed caption without a blank before the parenthesis.
    void showFeltTemperature(bool computable, const char* computedLabel);
    void showDewPoint();
};


}  // namespace skycrier
