#pragma once
// The APRS window's browser, in which the user logs in to the tracking site.
// Every cookie a site gives it goes to the program's fetcher as well, so the
// program's own fetches of the site's pages after a login are let in too.
//
// The web engine starts on the first page, not before: where it cannot run
// (no helper program, no sandbox allowed, a crashed page) the widget says why
// in place of the page, and the rest of the program goes on.

#include <QString>
#include <QWidget>
#include <string>

class QLabel;
class QNetworkCookie;
class QWebEngineProfile;
class QWebEngineView;

namespace skycrier {
class HttpFetcher;
}

namespace skycrier::gui {

class LoginBrowser : public QWidget {
    Q_OBJECT
public:
    // fetcher (may be null: the browser keeps its cookies) outlives the
    // browser. Constructing it starts no engine, so it cannot fail.
    explicit LoginBrowser(HttpFetcher* fetcher, QWidget* parent = nullptr);
    ~LoginBrowser() override;

    void navigate(const std::string& url);
    // Stops loading; what is already shown stays.
    void stop();
    // Why no page can be shown; empty while the browser works.
    QString failure() const;

Q_SIGNALS:
    // A page finished loading, or failed to.
    void pageLoaded(bool ok);

private:
    // Creates the view at the first page; false when the engine cannot run here.
    bool startEngine();
    void showFailure(const QString& reason);
    // Gives the fetcher the cookie, or takes it back when the browser removed it.
    void handOver(const QNetworkCookie& cookie, bool removed);

    HttpFetcher* fetcher_;
    QLabel* notice_;
    QWebEngineProfile* profile_ = nullptr;
    QWebEngineView* view_ = nullptr;
};

// Chromium refuses to run as root inside its sandbox; this turns the sandbox
// off for root in QTWEBENGINE_CHROMIUM_FLAGS. Call it before the QApplication.
void prepareWebEngine();

}  // namespace skycrier::gui
