#include "gui/login_browser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QNetworkCookie>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineCookieStore>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <unistd.h>

#include "gui/widgets.h"
#include "platform/http_fetch.h"

namespace skycrier::gui {
namespace {

constexpr const char* kNoSandbox = "--no-sandbox";

bool sandboxOff() {
    return qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QLatin1String(kNoSandbox)) ||
           qEnvironmentVariableIntValue("QTWEBENGINE_DISABLE_SANDBOX") != 0;
}

// The web engine ends the whole program when its helper program is missing,
// so the browser looks where the engine does before starting it.
bool helperProgramFound() {
    const QString name = QStringLiteral("/QtWebEngineProcess");
    const QString fromEnvironment = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (!fromEnvironment.isEmpty()) return QFileInfo(fromEnvironment).isExecutable();
    return QFileInfo(QCoreApplication::applicationDirPath() + name).isExecutable() ||
           QFileInfo(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + name).isExecutable();
}

// Why the engine cannot start in this process; empty when it can.
QString engineBlocker() {
    if (!helperProgramFound()) return QStringLiteral("falta su programa auxiliar QtWebEngineProcess.");
    // Chromium ends the program when root asks for its sandbox.
    if (::geteuid() == 0 && !sandboxOff()) {
        return QStringLiteral("el programa corre como root y QTWEBENGINE_CHROMIUM_FLAGS no lleva --no-sandbox.");
    }
    return {};
}

QString endingOf(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode) {
    const char* how = status == QWebEnginePage::CrashedTerminationStatus  ? "se ha caído"
                      : status == QWebEnginePage::KilledTerminationStatus ? "ha sido detenido"
                                                                          : "ha terminado con un error";
    return QStringLiteral("El proceso de la página %1: código %2\n"
                          "Vuelva a abrir el navegador para intentarlo de nuevo.")
        .arg(QString::fromUtf8(how))
        .arg(exitCode);
}

// A page that opens no dialogs and writes nothing: the site's scripts and
// their errors stay inside the browser.
class SilentPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override { return false; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) override {}
};

}  // namespace

LoginBrowser::LoginBrowser(HttpFetcher* fetcher, QWidget* parent)
    : QWidget(parent), fetcher_(fetcher), notice_(new QLabel(this)) {
    named(this, "WebBrowser1");
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignCenter);
    notice_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(notice_);
}

LoginBrowser::~LoginBrowser() {
    // The page goes before its profile, which it uses to the end.
    delete view_;
}

void LoginBrowser::navigate(const std::string& url) {
    if (!view_ && !startEngine()) return;
    notice_->hide();
    view_->show();
    view_->setUrl(QUrl(qs(url)));
}

void LoginBrowser::stop() {
    if (view_) view_->stop();
}

QString LoginBrowser::failure() const { return notice_->isHidden() ? QString() : notice_->text(); }

bool LoginBrowser::startEngine() {
    const QString blocker = engineBlocker();
    if (!blocker.isEmpty()) {
        showFailure(QStringLiteral("El navegador no puede arrancar aquí: ") + blocker);
        return false;
    }
    // Off the record: the login lives as long as the program, and nothing of it is written to disk.
    profile_ = new QWebEngineProfile(this);
    connect(profile_->cookieStore(), &QWebEngineCookieStore::cookieAdded, this,
            [this](const QNetworkCookie& cookie) { handOver(cookie, false); });
    // A logout takes the site's cookies back from the fetches too.
    connect(profile_->cookieStore(), &QWebEngineCookieStore::cookieRemoved, this,
            [this](const QNetworkCookie& cookie) { handOver(cookie, true); });
    view_ = new QWebEngineView(this);
    auto* page = new SilentPage(profile_, view_);
    view_->setPage(page);
    connect(page, &QWebEnginePage::loadFinished, this, &LoginBrowser::pageLoaded);
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int exitCode) {
                if (status != QWebEnginePage::NormalTerminationStatus) showFailure(endingOf(status, exitCode));
            });
    layout()->addWidget(view_);
    return true;
}

void LoginBrowser::showFailure(const QString& reason) {
    if (view_) view_->hide();
    showOwnText(notice_, reason.toStdString());
    notice_->show();
}

void LoginBrowser::handOver(const QNetworkCookie& cookie, bool removed) {
    if (!fetcher_) return;
    HttpCookie c;
    c.domain = cookie.domain().toStdString();
    c.path = cookie.path().toStdString();
    c.name = cookie.name().toStdString();
    c.value = cookie.value().toStdString();
    c.secure = cookie.isSecure();
    c.httpOnly = cookie.isHttpOnly();
    // A second after 1970: long expired, whatever the clock says.
    c.expiry = removed ? 1 : cookie.isSessionCookie() ? 0 : cookie.expirationDate().toSecsSinceEpoch();
    fetcher_->setCookie(c);
}

void prepareWebEngine() {
    if (::geteuid() != 0 || sandboxOff()) return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.isEmpty()) flags += ' ';
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + kNoSandbox);
}

}  // namespace skycrier::gui
