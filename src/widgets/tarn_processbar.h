#pragma once

#include <QProgressBar>

namespace mousecfg {

// A progress bar (the battery gauge) with a caption of its own. While the bar's own value text
// is hidden (setTextVisible(false)) the caption is painted in white in its place, in the
// language font; while the value text is shown the bar draws that as usual.
class TarnProcessbar : public QProgressBar {
    Q_OBJECT

public:
    explicit TarnProcessbar(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString caption() const { return text_; }
    void applyFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

}  // namespace mousecfg
