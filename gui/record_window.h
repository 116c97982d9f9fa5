#pragma once
// The recorder window (RecorderWindowModel): the path of the recorder program that
// records each bulletin while "Guardar anuncio" is checked.

#include <QWidget>

#include "gui/desktop.h"
#include "gui/repaint_on_change.h"

class QLineEdit;

namespace skycrier {
class MainWindowModel;
class RecorderWindowModel;
}  // namespace skycrier

namespace skycrier::gui {

class RecordWindow : public QWidget {
    Q_OBJECT
public:
    RecordWindow(RecorderWindowModel& model, MainWindowModel& mainWindow, Desktop& desktop);

    void refresh();

private:
    MainWindowModel& mainWindow_;
    QLineEdit* recorderProgramField_;
    RepaintOnChange repaint_{[this] { refresh(); }};
};

}  // namespace skycrier::gui
