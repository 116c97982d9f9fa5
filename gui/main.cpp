#include <QApplication>

#include "gui/qt_event_loop.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    skycrier::gui::QtEventLoop loop;
    return 0;
}
