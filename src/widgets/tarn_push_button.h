#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QVector>
#include <array>

namespace mousecfg {

// A push button drawn from skin images, one per state: 0 normal, 1 hover (or selected),
// 2 pressed, 3 disabled. With fewer images than states the missing states draw image 0.
// Image paths relative to the skin folder are resolved through the current UiContext.
class TarnPushButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(int curIndex READ curIndex WRITE setCurIndex)

public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit TarnPushButton(const QStringList& imagePaths, QWidget* parent = nullptr,
                            const QString& iconPath = QString());

    // Caption; also becomes the tool tip. (A caption set through the base class is drawn too,
    // without the tool tip.)
    void setText(const QString& text);
    // The caption as painted: elided on the right when the button is too narrow.
    QString displayText() const;

    // A selectable button keeps showing state 1 while it is checked.
    void setSelectable(bool selectable);
    bool isSelectable() const { return selectable_; }
    // Sets the checked flag and the state (1 when checked, else 0).
    void setCheckedState(bool checked);
    bool checkedState() const { return checked_; }
    // Enables or disables the button (state 0 or 3; a selectable checked button keeps state 1).
    void setButtonEnabled(bool enabled);
    bool isButtonEnabled() const { return enabled_; }

    // Drawing variants: a filled swatch in `colour` instead of the image (round or square), and
    // a caption rotated by 90 degrees.
    void setSwatch(bool on, const QColor& colour = QColor(), bool round = false);
    QColor swatchColour() const { return swatchColour_; }
    void setVerticalText(bool vertical);
    // Design pixels on the right that the caption keeps clear of, for images that carry a
    // drop-down arrow there: the caption is centred and elided in the rest.
    void setTextReserveRight(int designPixels);

    int state() const { return state_; }
    int stateImageCount() const { return images_.size(); }
    // Index of the state image drawn now.
    int imageIndex() const;
    QColor textColour() const { return textColours_[state_]; }

    int curIndex() const { return curIndex_; }
    void setCurIndex(int index) { curIndex_ = index; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // A left press on the button.
    void EnterSignal(mousecfg::TarnPushButton* button);
    // The pointer entered (true) or left (false) the button.
    void OverSignal(mousecfg::TarnPushButton* button, bool bType);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setState(int state);
    void applyEnabled(bool enabled);
    // Where a horizontal caption is drawn: the button less the reserve on the right.
    QRect textRect() const;

    QVector<QPixmap> images_;
    QPixmap icon_;
    std::array<QColor, 4> textColours_;
    int state_ = Normal;
    bool selectable_ = false;
    bool checked_ = false;
    bool enabled_ = true;
    bool hoverArmed_ = true;
    bool swatch_ = false;
    bool roundSwatch_ = false;
    bool verticalText_ = false;
    int textReserveRight_ = 0;
    QColor swatchColour_;
    int curIndex_ = 0;
};

}  // namespace mousecfg
