#pragma once
// The source-choice window ("Fuente del WX"): one radio button per weather
// source. It draws SourceChoice, hands clicks to it and shows or hides
// itself as the model says (a source window that opens hides it).
//
// Threading: the GUI thread, which is also the engine's loop.

#include <QWidget>
#include <functional>
#include <vector>

#include "gui/repaint_on_change.h"
#include "sources/source_choice.h"

class QRadioButton;

namespace skycrier::gui {

class SourceChoiceWindow : public QWidget {
    Q_OBJECT

public:
    // mainWindow gives the main window's place and size: the window opens centred on it.
    SourceChoiceWindow(SourceChoice& model, std::function<WindowGeometry()> mainWindow,
                       QWidget* parent = nullptr);

    // Re-reads the model; only what differs changes on screen.
    void refresh();

Q_SIGNALS:
    // The user chose a source: its window may have opened and this one closed.
    void changed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    SourceChoice& model_;
    std::function<WindowGeometry()> mainWindow_;
    // In the order of the sources' kinds, "Sin WX" first.
    std::vector<QRadioButton*> buttons_;
    RepaintOnChange repaint_{[this] { refresh(); }};
};

}  // namespace skycrier::gui
