#pragma once

#include <QDialog>
#include <QPixmap>
#include <memory>

#include "platform/key_capture.h"

class QCheckBox;
class QToolButton;

namespace mousecfg {

class TarnLabel;

// The frame of the button page's small dialogs: frameless, the skin's dialog picture with a
// 2-pixel frame in the theme colour, a title, and the Yes and No buttons at the bottom (released
// Yes accepts, released No rejects). 478 x 309 design pixels times the scale.
//
// A dialog that reads keys starts a capture with startCapture(); keys then arrive in onKey()
// until stopCapture() or the dialog goes. While it captures, Esc and Enter are keys to assign,
// not shortcuts that close the dialog. When the capture only sees keys typed into this window,
// a line at the bottom says so.
class ButtonDialog : public QDialog {
    Q_OBJECT

public:
    explicit ButtonDialog(KeyCaptureService* keys, QWidget* parent = nullptr);
    ~ButtonDialog() override;

    TarnLabel* titleLabel() const { return title_; }
    QToolButton* yesButton() const { return yes_; }
    QToolButton* noButton() const { return no_; }
    bool capturing() const { return capture_ != nullptr; }

    // The check-box look of the skin for a QCheckBox (images checkbox2-1/2-2, white text).
    static QString checkBoxStyleSheet();

protected:
    void startCapture();
    void stopCapture();
    virtual void onKey(const RawKeyEvent& event);
    // A label at `y` (design pixels) across the dialog; used by the dialogs' own rows.
    TarnLabel* addLabel(int y, int height = 24);

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyCaptureService* keys_;
    std::unique_ptr<KeyCapture> capture_;
    QPixmap background_;
    TarnLabel* title_;
    TarnLabel* focusHint_;
    QToolButton* yes_;
    QToolButton* no_;
};

}  // namespace mousecfg
