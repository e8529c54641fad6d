#include "app/window/tarn_process_dialog.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QTimer>

#include "widgets/dialog_frame.h"
#include "widgets/ui_context.h"

namespace mousecfg {

TarnProcessDialog::TarnProcessDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    dialogframe::ensureResources();
    const UiContext& ui = UiContext::current();
    const int side = ui.scaled(kDesignSize);
    setFixedSize(side, side);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    background_.load(ui.skinPath(QStringLiteral("process.png")));

    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("processAnimation"));
    label_->setGeometry(0, 0, side, side);
    label_->setAlignment(Qt::AlignCenter);
    movie_ = new QMovie(QStringLiteral(":/skin/loading.gif"), QByteArray(), this);
    movie_->setScaledSize(QSize(side, side));
    label_->setMovie(movie_);
}

void TarnProcessDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    movie_->start();
}

void TarnProcessDialog::hideEvent(QHideEvent* event) {
    movie_->stop();
    QDialog::hideEvent(event);
}

void TarnProcessDialog::slotProcessDlg() {
    QTimer::singleShot(0, this, &TarnProcessDialog::updateProgress);
}

void TarnProcessDialog::updateProgress() {
    accept();
}

void TarnProcessDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!background_.isNull()) p.drawPixmap(rect(), background_);
}

}  // namespace mousecfg
