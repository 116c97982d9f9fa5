#pragma once
// The info window (TFormInfo): the program's name and version, its mark,
// a link to its web site and the new-version check's button.

#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>

#include "gui/repaint_on_change.h"

namespace skycrier {
class MainWindowModel;
class VersionCheck;
}  // namespace skycrier

namespace skycrier::gui {

// A label that opens its address when clicked (TLabelUrl): blue, underlined,
// with the hand cursor.
class UrlLabel : public QLabel {
    Q_OBJECT
public:
    explicit UrlLabel(std::function<bool(const std::string&)> open);
    void setUrl(const std::string& url);
    const std::string& url() const { return url_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<bool(const std::string&)> open_;
    std::string url_;
};

class InfoWindow : public QWidget {
    Q_OBJECT
public:
    // siteAddress is read at each refresh: the configuration may name another host.
    InfoWindow(MainWindowModel& mainWindow, VersionCheck& versionCheck, std::function<std::string()> siteAddress,
               std::function<bool(const std::string&)> open);

    void refresh();

private:
    const MainWindowModel& mainWindow_;
    std::function<std::string()> siteAddress_;
    QLabel* prompt_;
    UrlLabel* projectLink_;
    RepaintOnChange repaint_{[this] { refresh(); }};
};

}  // namespace skycrier::gui
