#pragma once

#include <QWidget>
#include <cstdint>

namespace mousecfg {

class TarnLabel;
class TarnLineEdit;

// One editable row of a list: a label with the row's text and, for delay rows, an integer field
// shown while the delay is edited. A delay is kept as a two-byte count of 10 ms steps.
class TarnListItem : public QWidget {
    Q_OBJECT

public:
    static constexpr uint8_t kDelayKind = 6;
    static constexpr int kStepMs = 10;
    static constexpr int kMaxSteps = 6553;  // 65530 ms: high 25, low 153

    explicit TarnListItem(QWidget* parent = nullptr);

    // Kind and two-byte value; a delay row shows (high * 256 + low) * 10 + " ms".
    void setKindAndValue(uint8_t kind, uint8_t high, uint8_t low);
    uint8_t kind() const { return kind_; }
    uint8_t high() const { return high_; }
    uint8_t low() const { return low_; }
    int delayMs() const { return (high_ * 256 + low_) * kStepMs; }
    // Text of rows that are not delays.
    void setText(const QString& text);

    // Opens the field on the stored value (delay rows only).
    void enterEditMode();
    bool isEditing() const;

    TarnLabel* label() const { return label_; }
    TarnLineEdit* lineEdit() const { return edit_; }

public Q_SLOTS:
    // Enter in the field: stores the typed delay (at least 10 ms, at most 65530 ms, rounded down
    // to 10 ms) and closes the field.
    void editPressSlot();
    // The field lost the focus: closes it without storing and hands the focus back to the list.
    void lostFocusSlot();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void showValue();
    void leaveEditMode();

    TarnLabel* label_;
    TarnLineEdit* edit_;
    uint8_t kind_ = 0;
    uint8_t high_ = 0;
    uint8_t low_ = 0;
};

}  // namespace mousecfg
