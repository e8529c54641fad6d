#include "app/window/tray.h"

#include <QAction>
#include <QMenu>

#include "storage/app_settings.h"

namespace mousecfg {

Tray::Tray(const Paths& paths, QWidget* window)
    : QObject(window),
      show_(new QAction(this)),
      quit_(new QAction(this)),
      menu_(new QMenu(window)),
      icon_(new QSystemTrayIcon(this)) {
    show_->setObjectName(QStringLiteral("trayShowAction"));
    quit_->setObjectName(QStringLiteral("trayQuitAction"));
    connect(show_, &QAction::triggered, this, &Tray::showRequested);
    connect(quit_, &QAction::triggered, this, &Tray::quitRequested);
    menu_->addAction(show_);
    menu_->addAction(quit_);
    icon_->setContextMenu(menu_);
    // The window's icon, decoded once for both.
    icon_->setIcon(window->windowIcon());
    icon_->setToolTip(appsettings::loadCurrentProductName(paths));
    connect(icon_, &QSystemTrayIcon::activated, this, &Tray::iconActivated);
    icon_->setVisible(true);
}

void Tray::retranslate() {
    show_->setText(tr("&Load Config"));
    quit_->setText(tr("&Quit"));
}

void Tray::iconActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        Q_EMIT toggleRequested();
}

void Tray::showMessage(const QString& title, const QString& text, bool critical) {
    icon_->showMessage(title, text, critical ? QSystemTrayIcon::Critical : QSystemTrayIcon::Warning);
    Q_EMIT messageShown(title, text);
}

}  // namespace mousecfg
