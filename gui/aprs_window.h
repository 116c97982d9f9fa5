#pragma once
// The APRS window (AprsSource): a station's weather from a UI-View file
// chosen with "Navigar" or typed in inputLine, or from a tracking site's page;
// the units of the input's figures, the site's login reminder and the login
// browser, which takes its place below the window's controls while shown.
//
// Threading: the GUI thread, which is also the engine's loop.

#include <utility>
#include <vector>

#include "gui/desktop.h"
#include "gui/internet_source_window.h"
#include "net/aprs_source.h"

class QRadioButton;

namespace skycrier::gui {

class AprsWindow : public InternetSourceWindow {
    Q_OBJECT

public:
    AprsWindow(AprsSource& model, const Desktop& desktop, QWidget* parent = nullptr);

public Q_SLOTS:
    // The login browser (WebBrowser1): shown while the model says so, the
    // window then growing by the browser's height as given, plus 20.
    void setLoginBrowser(QWidget* browser);

Q_SIGNALS:
    // The browser was shown (it goes to the login page) or hidden (it stops).
    void loginBrowserShown(bool shown);

protected:
    void addressKey(int key) override { model_.pressKeyInInput(key); }
    void historyChosen(int index) override { model_.chooseHistoryEntry(index); }
    void refreshSource() override;

private:
    void refreshBrowser();

    AprsSource& model_;
    const Desktop& desktop_;
    // Each unit button and whether the model has its unit.
    std::vector<std::pair<QRadioButton*, bool (*)(const AprsInputUnits&)>> units_;
    QLineEdit* loginName_;
    QLineEdit* password_;
    QWidget* browser_ = nullptr;
    int browserHeight_ = 0;
    // The window's height without the browser.
    int normalHeight_ = 0;
};

}  // namespace skycrier::gui
