#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace mousecfg {

class TarnMenu;
class TarnPushButton;
class WindowSession;

// The drop-down button beside the language button that lists the connected mice; it shows from
// two mice on and switches the session to the mouse picked.
class MouseSelector : public QObject {
    Q_OBJECT
public:
    MouseSelector(WindowSession& session, TarnPushButton* button);

    void showNames(const QStringList& names, const QString& current);
    void applyFont();

private:
    WindowSession& session_;
    TarnPushButton* button_;
    TarnMenu* menu_ = nullptr;
};

}  // namespace mousecfg
