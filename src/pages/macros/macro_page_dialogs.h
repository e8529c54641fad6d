#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace mousecfg {

class TarnGunsetDialog;

// The macro page's messages, file choices and the gun dialog. The page uses the skinned message
// box, the toolkit's file dialogs and a modal gun dialog; tests answer in place of the user.
class MacroPageDialogs {
public:
    virtual ~MacroPageDialogs() = default;
    // One-button message (kind 2).
    virtual void warn(const QString& caption, const QString& text) = 0;
    // Empty (or an empty list) when the user chose nothing.
    virtual QString openFile(const QString& title, const QString& filter) = 0;
    virtual QStringList openFiles(const QString& title, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& proposed, const QString& filter) = 0;
    virtual QString folder(const QString& title) = 0;
    // Runs the gun dialog; true when it was accepted.
    virtual bool runGunDialog(TarnGunsetDialog& dialog) = 0;
};

class WidgetMacroPageDialogs : public MacroPageDialogs {
public:
    explicit WidgetMacroPageDialogs(QWidget* parent) : parent_(parent) {}
    void warn(const QString& caption, const QString& text) override;
    QString openFile(const QString& title, const QString& filter) override;
    QStringList openFiles(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& proposed, const QString& filter) override;
    QString folder(const QString& title) override;
    bool runGunDialog(TarnGunsetDialog& dialog) override;

private:
    QWidget* parent_;
};

}  // namespace mousecfg
