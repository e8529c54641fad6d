#pragma once

#include "widgets/skinned_dialog.h"

class QLineEdit;

namespace mousecfg {

// The skinned box that asks for a name: a caption, a question, a one-line entry of at most 40
// characters and confirm/cancel buttons. The caller reads enteredText() after exec().
class TarnPopBox : public SkinnedDialog {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 40;

    TarnPopBox(int kind, const QString& title, const QString& caption, const QString& text,
               QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    QString enteredText() const { return entered_; }
    QLineEdit* lineEdit() const { return edit_; }

private Q_SLOTS:
    void NameChanged(const QString& text);

private:
    QLineEdit* edit_;
    QString entered_;
};

}  // namespace mousecfg
