#include "pages/macros/tarn_gunset_dialog.h"

#include <QBitmap>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

#include "widgets/dialog_frame.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

constexpr int kWidth = 619;
constexpr int kHeight = 400;
constexpr int kStripX = 163;
constexpr int kStripY = 141;
constexpr int kColumnStep = 66;

enum Row { DelayRow = 0, VerticalRow = 1, HorizontalRow = 2 };

}  // namespace

TarnGunsetDialog::TarnGunsetDialog(QWidget* parent, double scale, Qt::WindowFlags flags)
    : QDialog(parent, flags),
      scale_(scale),
      title_(new QLabel(this)),
      nameLabel_(new QLabel(this)),
      name_(new QLineEdit(this)),
      bulletsLabel_(new QLabel(this)),
      bullets_(new TarnPushButton({QStringLiteral("profilesel.png")}, this)),
      menu_(new TarnMenu(this)),
      yes_(dialogframe::makeConfirmButton(this)),
      no_(dialogframe::makeCancelButton(this)) {
    setObjectName(QStringLiteral("TarnGunsetDialog"));
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaled(kWidth), scaled(kHeight));
    const UiContext& ui = UiContext::current();
    const QPixmap image(ui.skinPath(QStringLiteral("dlg_gun.png")));
    if (!image.isNull()) {
        background_ = image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QBitmap mask = background_.mask();
        if (!mask.isNull()) setMask(mask);
    }
    bullet_ = QPixmap(ui.skinPath(QStringLiteral("gunset_bullet.png")));

    QFont font = ui.font();
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    QFont titleFont = font;
    titleFont.setBold(true);
    titleFont.setPixelSize(scaled(16));
    title_->setFont(titleFont);
    title_->setGeometry(scaled(24), scaled(14), scaled(300), scaled(26));

    name_->setObjectName(QStringLiteral("gunFileName"));
    name_->setMaxLength(100);
    name_->setStyleSheet(
        QStringLiteral("background-color:rgb(30,30,30);color:white;border:1px solid rgb(90,90,90);"));
    nameLabel_->setGeometry(scaled(24), scaled(66), scaled(125), scaled(26));
    name_->setGeometry(scaled(kStripX - 8), scaled(66), scaled(320), scaled(26));
    bulletsLabel_->setGeometry(scaled(24), scaled(100), scaled(125), scaled(26));
    bullets_->setObjectName(QStringLiteral("gunBullets"));
    bullets_->setGeometry(scaled(kStripX - 8), scaled(100), scaled(100), scaled(26));
    bullets_->setMenu(menu_);
    menu_->setFixedWidth(scaled(100));
    for (size_t i = 0; i < counts_.size(); ++i) {
        counts_[i] = new TarnAction(QString::number(i + 1), menu_);
        menu_->addAction(counts_[i]);
        connect(counts_[i], &QAction::triggered, this, [this, i] { setShotCount(static_cast<int>(i) + 1); });
    }

    const QString spinSheet = QStringLiteral("color: rgb(225,225,225);background:rgb(82,82,82)");
    for (size_t row = 0; row < spins_.size(); ++row) {
        rowLabels_[row] = new QLabel(this);
        rowLabels_[row]->setGeometry(scaled(24), scaled(190 + 36 * static_cast<int>(row)), scaled(114),
                                     scaled(26));
        for (size_t shot = 0; shot < spins_[row].size(); ++shot) {
            auto* s = new QSpinBox(this);
            s->setObjectName(QStringLiteral("gunSpin%1_%2").arg(row).arg(shot));
            s->setStyleSheet(spinSheet);
            if (row == DelayRow) {
                s->setRange(1, GunPattern::kMaxDelay);
                s->setValue(100);
            } else {
                s->setRange(-GunPattern::kMaxCorrection, GunPattern::kMaxCorrection);
                s->setValue(0);
            }
            // Centred under the cartridge of its shot.
            const int x = kStripX + 4 - 28 + kColumnStep * static_cast<int>(shot);
            s->setGeometry(scaled(x), scaled(190 + 36 * static_cast<int>(row)), scaled(58), scaled(26));
            spins_[row][shot] = s;
        }
    }
    yes_->move(scaled(kWidth / 2 - 130), scaled(kHeight - 62));
    no_->move(scaled(kWidth / 2 + 30), scaled(kHeight - 62));
    connect(yes_, &QToolButton::released, this, &TarnGunsetDialog::OnYesClick);
    connect(no_, &QToolButton::released, this, &QDialog::reject);
    warn_ = [this](const QString& text) {
        TarnMessageBox box(TarnMessageBox::Refusal, QString(), tr("Warning"), text, this);
        box.exec();
    };
    retranslate();
    setShotCount(GunPattern::kMaxShots);
}

void TarnGunsetDialog::retranslate() {
    setWindowTitle(tr("Gun Set"));
    title_->setText(tr("GUN SET"));
    nameLabel_->setText(tr("GUNFILE NAME"));
    bulletsLabel_->setText(tr("BULLETS"));
    rowLabels_[DelayRow]->setText(tr("DELAY(MS)"));
    rowLabels_[VerticalRow]->setText(tr("DOWN(+)/UP(-)"));
    rowLabels_[HorizontalRow]->setText(tr("RIGHT(+)/LEFT(-)"));
    yes_->setText(tr("Yes"));
    no_->setText(tr("No"));
}

QString TarnGunsetDialog::fileName() const {
    return name_->text();
}

void TarnGunsetDialog::setShotCount(int n) {
    shots_ = std::clamp(n, 1, GunPattern::kMaxShots);
    for (const auto& row : spins_)
        for (size_t shot = 0; shot < row.size(); ++shot)
            row[shot]->setVisible(static_cast<int>(shot) < shots_);
    bullets_->setText(QString::number(shots_));
    update();
}

GunPattern TarnGunsetDialog::pattern() const {
    GunPattern p;
    p.shots = shots_;
    for (size_t shot = 0; shot < p.shot.size(); ++shot) {
        p.shot[shot].delay = spins_[DelayRow][shot]->value();
        p.shot[shot].vertical = spins_[VerticalRow][shot]->value();
        p.shot[shot].horizontal = spins_[HorizontalRow][shot]->value();
    }
    return p;
}

void TarnGunsetDialog::OnYesClick() {
    if (name_->text().isEmpty()) {
        warn_(tr("Please input file name."));
        return;
    }
    accept();
}

MacroLibraryResult TarnGunsetDialog::write(MacroLibrary& library, const QString& name) const {
    return library.create(name, gunFileData(pattern()), MacroWriteSign::Leave);
}

void TarnGunsetDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    dialogframe::paint(p, size(), background_, UiContext::current().theme);
    for (int i = 0; i < shots_; ++i)
        p.drawPixmap(QRect(scaled(kStripX + kColumnStep * i), scaled(kStripY), scaled(9), scaled(39)),
                     bullet_);
}

}  // namespace mousecfg
