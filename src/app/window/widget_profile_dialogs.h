#pragma once

#include "app/session/profile_dialogs.h"

class QWidget;

namespace mousecfg {

// TarnMessageBox and QFileDialog, parented to the window, starting in an empty directory.
class WidgetProfileDialogs : public ProfileDialogs {
public:
    explicit WidgetProfileDialogs(QWidget* parent) : parent_(parent) {}
    void warn(const QString& text) override;
    bool confirm(const QString& text) override;
    QString saveFileName(const QString& title, const QString& filter) override;
    QString openFileName(const QString& title, const QString& filter) override;

private:
    QWidget* parent_;
};

}  // namespace mousecfg
