#pragma once

#include <QMenu>

namespace mousecfg {

// The drop-down menu of every page: dark items with white text, the fixed menu style sheet and
// the language font.
class TarnMenu : public QMenu {
    Q_OBJECT

public:
    explicit TarnMenu(QWidget* parent = nullptr);

    // The style sheet every drop-down menu uses.
    static QString styleSheetText();

    void setText(const QString& text);
    QString text() const { return text_; }
    // Re-applies the language font (after a language switch).
    void applyFont();

private:
    QString text_;
};

}  // namespace mousecfg
