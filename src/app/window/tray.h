#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include "storage/paths.h"

class QAction;
class QMenu;

namespace mousecfg {

// The tray icon: its menu shows the window again ("&Load Config") or ends the program
// ("&Quit"); a click or double click on the icon asks the window to toggle.
class Tray : public QObject {
    Q_OBJECT
public:
    Tray(const Paths& paths, QWidget* window);

    void retranslate();

public Q_SLOTS:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

Q_SIGNALS:
    void showRequested();
    void toggleRequested();

private:
    QAction* show_;
    QAction* quit_;
    QMenu* menu_;
    QSystemTrayIcon* icon_;
};

}  // namespace mousecfg
