#pragma once

#include <QAction>

namespace mousecfg {

// A menu entry whose text is drawn with the language font.
class TarnAction : public QAction {
    Q_OBJECT

public:
    TarnAction(const QString& text, QObject* parent = nullptr);

    // Sets the text and re-applies the language font.
    void setText(const QString& text);
    QString text() const { return text_; }

private:
    QString text_;
};

}  // namespace mousecfg
