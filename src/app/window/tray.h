#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include "storage/paths.h"

class QAction;
class QMenu;

namespace mousecfg {

// The tray icon: its menu shows the window again ("&Load Config") or ends the program
// ("&Quit"); a click or double click on the icon asks the window to toggle. Its tool tip is the
// product's name. It also carries the battery alerts as balloon messages.
class Tray : public QObject {
    Q_OBJECT
public:
    Tray(const Paths& paths, QWidget* window);

    void retranslate();
    // A balloon message at the icon; `critical` picks the critical icon.
    void showMessage(const QString& title, const QString& text, bool critical);

public Q_SLOTS:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

Q_SIGNALS:
    void showRequested();
    void toggleRequested();
    void quitRequested();
    // For the debug log and tests: a balloon message went out.
    void messageShown(const QString& title, const QString& text);

private:
    QAction* show_;
    QAction* quit_;
    QMenu* menu_;
    QSystemTrayIcon* icon_;
};

}  // namespace mousecfg
