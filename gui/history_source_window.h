#pragma once
// The windows of the three stations read from history files (Ws23Source,
// Ws28Source, Pro2Source): the data file and its "Navigar" chooser
// above the boxes; the time of the data, the pressure correction, the
// tendency threshold, the shown-only humidity and dew point below them. The
// WS-28xx adds its "Presión" choice, the Vantage Pro2 its "follow the current
// month" box.
//
// Threading: the GUI thread, which is also the engine's loop.

#include "gui/source_window_frame.h"
#include "sources/pro2_source.h"
#include "sources/ws23_source.h"
#include "sources/ws28_source.h"

class QLineEdit;
class QRadioButton;

namespace skycrier::gui {

struct Desktop;

// What a window's file row offers: its label and the dialog's filter and default extension.
struct DataFileKind {
    const char* label;
    const char* filter;
    const char* defaultSuffix;
};

class HistorySourceWindow : public SourceWindowFrame {
    Q_OBJECT

public:
    HistorySourceWindow(Ws23Source& model, Desktop& desktop, QWidget* parent = nullptr);
    HistorySourceWindow(Ws28Source& model, Desktop& desktop, QWidget* parent = nullptr);
    HistorySourceWindow(Pro2Source& model, Desktop& desktop, QWidget* parent = nullptr);

protected:
    void refreshOwn() override;

private:
    HistorySourceWindow(HistorySource& model, const DataFileKind& file, Desktop& desktop, QWidget* parent);
    void addFileRow(const DataFileKind& file);
    void addDetails();
    void addPressureChoice(Ws28Source& model);
    void addFollowMonth(Pro2Source& model);

    HistorySource& model_;
    Desktop& desktop_;
    QLineEdit* path_;
    QLineEdit* dateTime_;
    QSpinBox* correction_;
    QSpinBox* threshold_;
    QLabel* correctionUnit_;
    QLabel* thresholdUnit_;
    QLabel* insideHumidity_;
    QLabel* dewPoint_;
    // Only in the WS-28xx window.
    Ws28Source* ws28_ = nullptr;
    QRadioButton* absolute_ = nullptr;
    QRadioButton* relative_ = nullptr;
    // Only in the Vantage Pro2 window.
    Pro2Source* pro2_ = nullptr;
    QCheckBox* followMonth_ = nullptr;
};

}  // namespace skycrier::gui
