// The login browser's tests run the real web engine, which must be told
// before the QApplication exists how it may run here, as the program does.

#include <gtest/gtest.h>

#include <QApplication>

#include "gui/login_browser.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Off screen there is no GPU to ask for: the pages are drawn in software.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --disable-gpu");
    skycrier::gui::prepareWebEngine();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
