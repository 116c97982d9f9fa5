#pragma once
// The tray icon and its menu PopUpDroit: "Announce now" starts a bulletin as
// the main window's announce button does, "Quitter" closes the program,
// "Restaurer" (the default item) brings the main window back, as a double
// click on the icon does; "Réduire" does nothing. Its tip names the program
// and when the next bulletin comes.

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

namespace skycrier::gui {

class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon();

    // Whether the desktop shows tray icons at all.
    static bool available();
    void show() { icon_.show(); }
    void remove() { icon_.hide(); }
    bool shown() const { return icon_.isVisible(); }
    QMenu& menu() { return PopUpDroit_; }
    // A balloon over the icon that goes by itself: for problems no one asked about.
    void notify(const QString& text);
    QSystemTrayIcon& icon() { return icon_; }
    // The tip's second line (the next bulletin), and whether a bulletin may start now.
    void showSchedule(const QString& nextBulletin, bool announceEnabled);

    // The program's icon, drawn so that it needs no image file.
    static QIcon programIcon();

Q_SIGNALS:
    void announceRequested();
    void quitRequested();
    void restoreRequested();

private:
    QMenu PopUpDroit_;
    QAction* announceNow_;
    QSystemTrayIcon icon_;
};

}  // namespace skycrier::gui
