#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <functional>

#include "storage/gun_file.h"
#include "storage/macro_library.h"

class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace mousecfg {

class TarnAction;
class TarnMenu;
class TarnPushButton;

// The gun dialog: a file name, a shot count and, per shot, a delay and a vertical and horizontal
// pointer correction. Yes checks the name and accepts; the caller picks the final name and has
// the dialog write the macro file.
class TarnGunsetDialog : public QDialog {
    Q_OBJECT

public:
    TarnGunsetDialog(QWidget* parent, double scale, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    QString fileName() const;
    // The values of the visible columns.
    GunPattern pattern() const;
    int shotCount() const { return shots_; }
    // Shows columns 0..n-1 (n clamped to 1..5).
    void setShotCount(int n);

    // Writes the generated macro under `name` and lists it.
    MacroLibraryResult write(MacroLibrary& library, const QString& name) const;

    // Where the "Please input file name." warning goes (a skinned message box by default).
    void setWarner(std::function<void(const QString&)> warn) { warn_ = std::move(warn); }

    QLineEdit* nameField() const { return name_; }
    TarnPushButton* bulletsButton() const { return bullets_; }
    TarnMenu* bulletsMenu() const { return menu_; }
    QSpinBox* spinBox(int row, int shot) const {
        return spins_[static_cast<size_t>(row)][static_cast<size_t>(shot)];
    }
    QToolButton* yesButton() const { return yes_; }
    QToolButton* noButton() const { return no_; }

public Q_SLOTS:
    void OnYesClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslate();
    int scaled(int length) const { return static_cast<int>(length * scale_); }

    double scale_;
    int shots_ = GunPattern::kMaxShots;
    QPixmap background_;
    QPixmap bullet_;
    QLabel* title_;
    QLabel* nameLabel_;
    QLineEdit* name_;
    QLabel* bulletsLabel_;
    TarnPushButton* bullets_;
    TarnMenu* menu_;
    std::array<TarnAction*, GunPattern::kMaxShots> counts_{};
    std::array<QLabel*, 3> rowLabels_{};
    // Rows: delay, vertical, horizontal.
    std::array<std::array<QSpinBox*, GunPattern::kMaxShots>, 3> spins_{};
    QToolButton* yes_;
    QToolButton* no_;
    std::function<void(const QString&)> warn_;
};

}  // namespace mousecfg
