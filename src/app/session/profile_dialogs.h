#pragma once

#include <QString>

namespace mousecfg {

// The questions and file choices of the profile bar. The window answers with the skinned message
// boxes and the toolkit's file dialogs (WidgetProfileDialogs); tests answer in place of the user.
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

}  // namespace mousecfg
