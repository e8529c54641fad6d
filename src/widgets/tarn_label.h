#pragma once

#include <QColor>
#include <QLabel>

namespace mousecfg {

// A label that paints its own text with the language font, optionally on a filled background.
class TarnLabel : public QLabel {
    Q_OBJECT

public:
    explicit TarnLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    // Shows a number ("%d").
    void setNumber(int number);
    QString text() const { return text_; }
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return alignment_; }
    // An invalid colour (the default) means no fill.
    void setFillColour(const QColor& colour);
    QColor fillColour() const { return fill_; }
    void setTextColour(const QColor& colour);

Q_SIGNALS:
    void EnterSignal(mousecfg::TarnLabel* label);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
    QColor fill_;
    QColor textColour_{Qt::white};
};

}  // namespace mousecfg
