#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QMovie;

namespace mousecfg {

// The small modal panel with the busy animation shown while a write runs. It accepts itself
// when the worker reports (slotProcessDlg).
class TarnProcessDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDesignSize = 128;

    explicit TarnProcessDialog(QWidget* parent = nullptr);

public Q_SLOTS:
    void slotProcessDlg();
    void updateProgress();
    // The dialog stays until the write is over: Escape and closing do nothing.
    void reject() override {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPixmap background_;
    QLabel* label_;
    QMovie* movie_;
};

}  // namespace mousecfg
