#include "gui/info_window.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/version_check.h"
#include "gui/tray_icon.h"
#include "gui/widgets.h"

namespace skycrier::gui {

UrlLabel::UrlLabel(std::function<bool(const std::string&)> open) : open_(std::move(open)) {
    showsData(this);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet("color: blue; text-decoration: underline;");
    setText("Http://");
}

void UrlLabel::setUrl(const std::string& url) {
    url_ = url;
    setText(qs(url));
}

void UrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !url_.empty()) open_(url_);
    QLabel::mouseReleaseEvent(event);
}

InfoWindow::InfoWindow(MainWindowModel& mainWindow, VersionCheck& versionCheck, std::function<std::string()> siteAddress,
                       std::function<bool(const std::string&)> open)
    : mainWindow_(mainWindow), siteAddress_(std::move(siteAddress)) {
    repaint_.watch(mainWindow.changed);
    setObjectName("TFormInfo");
    setWindowTitle("Info");
    setWindowFlags(Qt::Dialog);
    auto* layout = new QVBoxLayout(this);
    prompt_ = named(new QLabel("SKYCRIER"), "Label1");
    QFont big = prompt_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    prompt_->setFont(big);
    layout->addWidget(prompt_, 0, Qt::AlignHCenter);

    auto* panel = named(new QWidget, "Panel1");
    auto* mark = new QHBoxLayout(panel);
    auto* image = named(new QLabel, "Image1");
    image->setPixmap(TrayIcon::programIcon().pixmap(48, 48));
    mark->addWidget(image);
    mark->addWidget(named(new QLabel("SkyCrier\nweather announcer for amateur radio"), "Label2"), 1);
    layout->addWidget(panel);

    projectLink_ = named(new UrlLabel(std::move(open)), "LabelUrl3");
    layout->addWidget(projectLink_, 0, Qt::AlignHCenter);

    auto* check = named(new QPushButton(QString::fromUtf8("¿Hay una nueva versión disponible?")), "BitBtnNewRelease");
    connect(check, &QPushButton::clicked, this, [&versionCheck] { versionCheck.checkOnRequest(); });
    layout->addWidget(check);
    auto* ok = named(new QPushButton("OK"), "BitBtn1");
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(ok, 0, Qt::AlignRight);
    refresh();
}

void InfoWindow::refresh() {
    // The start-up gives the main window's caption, "SKYCRIER V" and the version.
    showOwnText(prompt_, mainWindow_.caption() == "SkyCrier" ? std::string("SKYCRIER") : mainWindow_.caption());
    if (const std::string url = siteAddress_(); url != projectLink_->url()) projectLink_->setUrl(url);
}

}  // namespace skycrier::gui
