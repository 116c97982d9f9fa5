#pragma once
// The window pattern of the three stations read from files their own PC
// software writes (WS-23xx, WS-28xx, Vantage Pro2): the data file, the error
// line, the time of the data shown, the pressure correction and the
// tendency threshold, and the poll cycle around the station's own reading.

#include <string>

#include "sources/source_window.h"

namespace skycrier {

inline constexpr const char* kErrorFile = "Error archivo";
inline constexpr const char* kErrorMissingFile = "Error de archivo";

class HistorySource : public SourceWindow {
public:
    HistorySource(SourceKind kind, SourceContext& context, int maximumThreshold);

    // Sets the unit labels, takes the pressure correction and reads the
    // station when its file exists, within one cycle of the poller.
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
    const std::string& path() const { return meteo_.Input; }

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
    // Reads the station's file and has its reading shown; throws on any
    // failure (values already shown stay).
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
};

}  // namespace skycrier
