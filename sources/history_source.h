#pragma once
// The window pattern of the three stations read from files their own PC
// software writes (WS-23xx, WS-28xx, Vantage Pro2): the data file, the error
// line, the time of the data shown, the pressure correction and the
// tendency threshold, and the poll cycle around the station's own reading.

#include <string>
#include <utility>

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
    // The pressure correction, in CorrFactor steps, for the polls that follow.
    void setPressureCorrection(int steps) { pressureCorrection_.setValue(steps); }
    // The tendency threshold (0.1 hPa per hour), shared by the three history-file stations.
    void setTendencyThreshold(int tenths);

    // The data file path: the source's Input, as configured even while the file is absent.
    const std::string& path() const { return meteo_.Input; }

    // The data-file field.
    const std::string& inputLine() const { return inputLine_; }
    // The data-file field's text is to be selected, as after a file choice:
    // true once per request.
    bool takeInputSelection() { return std::exchange(inputSelected_, false); }
    const BoundedNumber& pressureCorrection() const { return pressureCorrection_; }
    const BoundedNumber& tendencyThreshold() const { return tendencyThreshold_; }
    const Caption& observationTime() const { return observationTime_; }
    const Caption& pressureUnit() const { return pressureUnit_; }
    const Caption& tendencyUnit() const { return tendencyUnit_; }
    const Caption& insideHumidityCaption() const { return insideHumidityCaption_; }
    const Caption& dewPointCaption() const { return dewPointCaption_; }

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

    std::string inputLine_;
    bool inputSelected_ = false;
    BoundedNumber pressureCorrection_{0};
    BoundedNumber tendencyThreshold_;
    Caption observationTime_;
    Caption pressureUnit_{"hPa"};
    Caption tendencyUnit_{"0.1*mB/h"};
    Caption insideHumidityCaption_{"Humidad-int (%) ="};
    Caption dewPointCaption_{"Punto de rocio (°C) ="};

private:
    friend class ReadingPresenter;
};

}  // namespace skycrier
