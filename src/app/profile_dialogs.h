#pragma once

#include <QString>

class QWidget;

namespace mousecfg {

// The questions and file choices of the profile bar. The window uses the skinned message boxes
// and the toolkit's file dialogs; tests answer in place of the user.
class ProfileDialogs {
public:
    virtual ~ProfileDialogs() = default;
    // One-button warning (kind 2), caption "Warning".
    virtual void warn(const QString& text) = 0;
    // Two-button question (kind 1); true only for the confirming button.
    virtual bool confirm(const QString& text) = 0;
    // Empty when the user chose nothing.
    virtual QString saveFileName(const QString& title, const QString& filter) = 0;
    virtual QString openFileName(const QString& title, const QString& filter) = 0;
};

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
