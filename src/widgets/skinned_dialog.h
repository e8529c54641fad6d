#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QToolButton;

namespace mousecfg {

// What the program's skinned boxes share (TarnMessageBox, TarnPopBox): a kind, the dlg.png
// background inside a 2-pixel frame in the theme colour, white caption and text labels
// ("msgBoxInfoLabel1", "msgBoxInfoLabel2") and the confirm and cancel buttons, which accept and
// reject the box. The confirm button says "Yes" for a question (kind 1) and "Ok" otherwise, the
// cancel button "No", in the current language. Placing the parts is the box's own business.
class SkinnedDialog : public QDialog {
    Q_OBJECT

public:
    int kind() const { return kind_; }

    QLabel* captionLabel() const { return caption_; }
    QLabel* textLabel() const { return text_; }
    QToolButton* confirmButton() const { return yes_; }
    QToolButton* cancelButton() const { return no_; }

protected:
    // `font` is the box's font, set before its parts are made (the styled buttons take it only
    // then).
    SkinnedDialog(int kind, const QString& title, const QString& caption, const QString& text,
                  QWidget* parent, Qt::WindowFlags flags, const QFont& font);

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

    QPixmap background_;  // stretched over the box when painted
    QLabel* caption_;
    QLabel* text_;
    QToolButton* yes_;
    QToolButton* no_;

private:
    void retranslate();

    int kind_;
};

}  // namespace mousecfg
