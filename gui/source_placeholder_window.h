#pragma once
// A stand-in for a source's window until its own window is drawn: the
// window's name and caption, the source's error line and the captions that
// carry its last values, read only. It follows the model's visibility and
// place, and hands closing and keys to it, as every source window does.
//
// Threading: the GUI thread, which is also the engine's loop.

#include <QWidget>
#include <utility>
#include <vector>

#include "sources/source_window.h"

class QLabel;

namespace skycrier::gui {

// The name and caption of each source's window.
struct SourceWindowTitle {
    SourceKind kind;
    const char* name;
    const char* caption;
};

inline constexpr SourceWindowTitle kSourceWindowTitles[] = {
    {SourceKind::MON, "TFormMeteo", "Davis Monitor II"},
    {SourceKind::W23, "TFormMeteoW23", "Lacrosse WS-2310 / 2315 / 2355+"},
    {SourceKind::W28, "TFormMeteoW28", "Lacrosse WS-2800 / 3610+"},
    {SourceKind::APRS, "TFormMeteoAPRS", "WX APRS (formato UI-VIEW)"},
    {SourceKind::Pro2, "TFormMeteoPro2", "Vantage Pro2"},
    {SourceKind::METAR, "TFormMeteoMETAR", "WX METAR (Aeropuertos)"},
};

class SourcePlaceholderWindow : public QWidget {
    Q_OBJECT

public:
    SourcePlaceholderWindow(SourceWindow& model, const char* objectName, const char* caption,
                            QWidget* parent = nullptr);

    // Re-reads the model; only what differs changes on screen.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // While shown, the model holds the window's current place (a save reads it there).
    void keepGeometry();

    SourceWindow& model_;
    QLabel* error_;
    // The source's check boxes and the labels that show their captions.
    std::vector<std::pair<const CheckBox*, QLabel*>> values_;
};

}  // namespace skycrier::gui
