#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QLineEdit;
class QToolButton;

namespace mousecfg {

// The skinned box that asks for a name: a caption, a question, a one-line entry of at most 40
// characters and confirm/cancel buttons. The caller reads enteredText() after exec().
class TarnPopBox : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 40;

    TarnPopBox(int kind, const QString& title, const QString& caption, const QString& text,
               QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    int kind() const { return kind_; }
    QString enteredText() const { return entered_; }

    QLabel* captionLabel() const { return caption_; }
    QLabel* textLabel() const { return text_; }
    QLineEdit* lineEdit() const { return edit_; }
    QToolButton* confirmButton() const { return yes_; }
    QToolButton* cancelButton() const { return no_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private Q_SLOTS:
    void NameChanged(const QString& text);

private:
    void retranslate();

    int kind_;
    QPixmap background_;
    QLabel* caption_;
    QLabel* text_;
    QLineEdit* edit_;
    QToolButton* yes_;
    QToolButton* no_;
    QString entered_;
};

}  // namespace mousecfg
