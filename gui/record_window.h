#pragma once
// The recorder window (TFormRecord): the path of the recorder program that
// records each bulletin while "Guardar anuncio" is checked.

#include <QWidget>

#include "gui/desktop.h"

class QLineEdit;

namespace skycrier {
class TForm1;
class TFormRecord;
}  // namespace skycrier

namespace skycrier::gui {

class RecordWindow : public QWidget {
    Q_OBJECT
public:
    RecordWindow(TFormRecord& model, TForm1& mainWindow, Desktop& desktop);

    void refresh();

private:
    TForm1& mainWindow_;
    QLineEdit* EditSonivue_;
};

}  // namespace skycrier::gui
