#include "gui/tray_icon.h"

#include <QPainter>

#include "gui/widgets.h"

namespace skycrier::gui {
namespace {

constexpr int kNoticeMs = 10'000;

}  // namespace

TrayIcon::TrayIcon() {
    PopUpDroit_.setObjectName("PopUpDroit");
    announceNow_ = named(PopUpDroit_.addAction("Announce now"), "AnnounceNowItem");
    connect(announceNow_, &QAction::triggered, this, [this] { Q_EMIT announceRequested(); });
    connect(named(PopUpDroit_.addAction("Quitter"), "QuitterItem"), &QAction::triggered, this,
            [this] { Q_EMIT quitRequested(); });
    QAction* restore = named(PopUpDroit_.addAction("Restaurer"), "RestaurerItem");
    connect(restore, &QAction::triggered, this, [this] { Q_EMIT restoreRequested(); });
    PopUpDroit_.setDefaultAction(restore);
    named(PopUpDroit_.addAction(QString::fromUtf8("Réduire")), "ReduireItem");

    icon_.setObjectName("TrayIcon");
    icon_.setIcon(programIcon());
    icon_.setToolTip("SkyCrier");
    icon_.setContextMenu(&PopUpDroit_);
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick) Q_EMIT restoreRequested();
    });
}

void TrayIcon::notify(const QString& text) {
    if (icon_.isVisible()) icon_.showMessage("SKYCRIER", text, QSystemTrayIcon::Warning, kNoticeMs);
}

void TrayIcon::showSchedule(const QString& nextBulletin, bool announceEnabled) {
    const QString tip = "SkyCrier\n" + nextBulletin;
    if (icon_.toolTip() != tip) icon_.setToolTip(tip);
    announceNow_->setEnabled(announceEnabled);
}

bool TrayIcon::available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

QIcon TrayIcon::programIcon() {
    QIcon icon;
    for (const int size : {16, 22, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        // A sky-blue disc with a white bell-shaped mast: the station that speaks.
        p.setBrush(QColor(30, 110, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
        p.setBrush(Qt::white);
        const double s = size / 16.0;
        p.drawPolygon(QPolygonF({QPointF(8 * s, 3 * s), QPointF(11 * s, 12 * s), QPointF(5 * s, 12 * s)}));
        p.drawRect(QRectF(4 * s, 12 * s, 8 * s, 1.2 * s));
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace skycrier::gui
