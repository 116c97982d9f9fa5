#pragma once
// What every source window draws the same way: its name and caption, the
// boxes under "Marque para locutar" that choose what is spoken (each showing
// its value, red while implausible), the refresh button and period, and the
// error line. It follows the model's visibility and place and hands closing
// and keys to it. A source's own window adds its controls above the boxes
// (sourceArea) and below them (detailArea) and reads them in refreshOwn.
//
// Threading: the GUI thread, which is also the engine's loop.

#include <QWidget>
#include <functional>
#include <map>

#include "gui/repaint_on_change.h"
#include "sources/source_window.h"

class QCheckBox;
class QLabel;
class QSpinBox;
class QVBoxLayout;

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

class SourceWindowFrame : public QWidget {
    Q_OBJECT

public:
    explicit SourceWindowFrame(SourceWindow& model, QWidget* parent = nullptr);

    // Re-reads the model; only what differs changes on screen.
    void refresh();
    // Room for every control without scrolling.
    QSize sizeHint() const override;
    // While shown, its place and size become where the next source window opens
    // (as closing it does); the program's end keeps them for the next run.
    void keepPlace();
    // The window opens beside the main window rather than over it.
    void openBeside(std::function<WindowGeometry()> mainWindow) { mainWindow_ = std::move(mainWindow); }

Q_SIGNALS:
    // The user acted on the model: the program's other windows may show something new.
    void changed();

protected:
    // Controls of the source itself, above the boxes.
    QVBoxLayout* sourceArea() const { return sourceArea_; }
    // Values shown only, below the boxes.
    QVBoxLayout* detailArea() const { return detailArea_; }
    // The box of a field the source supplies; nullptr for the others.
    QCheckBox* checkBoxOf(MeteoField field) const;
    // The error line; a source without one hides it.
    QLabel* errorLine() const { return error_; }
    // The source's own controls, read after the common ones.
    virtual void refreshOwn() {}
    // The poller's period in minutes changed; the file and internet sources
    // take it at the next "Actualizar".
    virtual void periodChanged(int minutes) { model_.poller().setMinutes(minutes); }
    // Runs a handler of the model and tells the program.
    template <typename Fn>
    void act(Fn fn) {
        fn();
        refresh();
        Q_EMIT changed();
    }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SourceWindow& model_;
    QWidget* content_;
    QVBoxLayout* sourceArea_;
    QVBoxLayout* detailArea_;
    std::map<MeteoField, QCheckBox*> boxes_;
    QSpinBox* period_;
    QLabel* error_;
    std::function<WindowGeometry()> mainWindow_;
    RepaintOnChange repaint_{[this] { refresh(); }};
};

}  // namespace skycrier::gui
