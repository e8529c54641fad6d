#pragma once

#include <QLineEdit>

namespace mousecfg {

// A line edit in the language font that reports every loss of focus.
class TarnLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TarnLineEdit(QWidget* parent = nullptr);

Q_SIGNALS:
    void tarnLostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace mousecfg
