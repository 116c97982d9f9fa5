#pragma once
// The Weather Monitor II window (MonitorSource): the port button and its list,
// the status line that counts a poll down, the library's version and the
// hourly-log box, over the boxes every source window has.
//
// Threading: the GUI thread, which is also the engine's loop.

#include "gui/source_window_frame.h"
#include "sources/monitor_source.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace skycrier::gui {

class MonitorWindow : public SourceWindowFrame {
    Q_OBJECT

public:
    explicit MonitorWindow(MonitorSource& model, QWidget* parent = nullptr);

protected:
    void refreshOwn() override;
    void periodChanged(int minutes) override;

private:
    MonitorSource& model_;
    QPushButton* port_;
    QListWidget* ports_;
    QLabel* status_;
    QLabel* version_;
    QCheckBox* log_;
};

}  // namespace skycrier::gui
