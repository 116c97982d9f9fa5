#pragma once
// The METAR source (TFormMeteoMETAR): an airport's report, fetched from the
// web address the user typed (a page or a text service) or read from a local
// file another program writes, decoded into the METAR record, the window's
// captions and two files for other programs: metar_uiview.txt (a UI-View
// weather file) and metar_cw.txt (a CW beacon's line), in the program folder
// and in the shared data folder when there is one.
//
// Threading: the loop's thread only.

#include <string>

#include "net/internet_source.h"

namespace skycrier {

class TFormMeteoMETAR final : public InternetSource {
public:
    static constexpr const char* kWebFile = "metar_web.txt";
    static constexpr const char* kUiViewFile = "metar_uiview.txt";
    static constexpr const char* kCwFile = "metar_cw.txt";
    static constexpr const char* kNoComment = "====================";

    explicit TFormMeteoMETAR(SourceContext& context);

    // Enter in EditDat: a web address is fetched and decoded (the poll);
    // anything else shows the last status.
    void EditDatKeyPress(int key);
    // The text of EditDat changed: LabelNomICAO shows its comment.
    void EditDatChange() override;
    // A history entry was chosen: it becomes the input and is fetched.
    void ComboBoxPathChange(int index);

    // "Actualizar": the history, the poll period, then a poll (not while the configuration is loading).
    void ButtonRafraichirClick() override;
    // The poll: a web input is fetched first; then the report file is decoded.
    void TimerMeteoTimer() override;
    void startAsChosen(bool keepHidden) override;
    void FormShow() override;

    // The comment of the address (normally the airport's name), or a line of "=".
    std::string LabelNomICAO = kNoComment;
    // "Código aeropuerto= " and the station of the last report.
    std::string LabelICAO;
    // The UI-View time-stamp line of the last report that had a time group.
    std::string uiviewTimeLine;
    std::string uiviewWeatherLine;
    std::string cwLine;

private:
    // Fetch statuses shown, and the decode of the input.
    void fetchThenDecode();
    // Decodes the input file; false when it held no report.
    bool decode();
    void writeOutputs();
    void resetCaptions();
};

}  // namespace skycrier
