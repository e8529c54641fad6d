#include "app/tabs/product_pictures.h"

#include <QLabel>

#include "storage/app_settings.h"
#include "widgets/ui_context.h"

namespace mousecfg {

ProductPictures::ProductPictures(Paths paths, QWidget* window)
    : QObject(window),
      paths_(std::move(paths)),
      front_(new QLabel(window)),
      side_(new QLabel(window)),
      name_(new QLabel(window)) {
    front_->setObjectName(QStringLiteral("frontPicture"));
    front_->setAlignment(Qt::AlignCenter);
    side_->setObjectName(QStringLiteral("sidePicture"));
    side_->setAlignment(Qt::AlignCenter);
    side_->hide();
    name_->setObjectName(QStringLiteral("productLabel"));
    name_->setAlignment(Qt::AlignCenter);
    name_->setStyleSheet(QStringLiteral("color:white;background:transparent"));
}

void ProductPictures::layout() {
    const UiContext& ui = UiContext::current();
    front_->setGeometry(ui.scaledRect(637, 99, 300, 400));
    side_->setGeometry(ui.scaledRect(637, 99, 316, 443));
    name_->setGeometry(ui.scaledRect(637, 515, 300, 20));
    name_->setFont(ui.font());
}

QString ProductPictures::frontFile(const Paths& paths) {
    return paths.skinFile(
        QStringLiteral("mouse/%1/Mouse.png").arg(appsettings::loadCurrentProductName(paths)));
}

void ProductPictures::reload() {
    product_ = appsettings::loadCurrentProductName(paths_);
    setFront(QStringLiteral("mouse/%1/Mouse.png").arg(product_));
    sideLoaded_ = false;
    if (side_->isVisible()) loadSide();
    name_->setText(product_);
}

void ProductPictures::loadSide() {
    sideLoaded_ = true;
    const UiContext& ui = UiContext::current();
    const QPixmap side(paths_.skinFile(QStringLiteral("mouse/%1_Side.png").arg(product_)));
    if (!side.isNull())
        side_->setPixmap(
            side.scaled(ui.scaled(300), ui.scaled(300), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void ProductPictures::show(View view) {
    if (view == View::Side && !sideLoaded_) loadSide();
    front_->setVisible(view == View::Front);
    side_->setVisible(view == View::Side);
    name_->setVisible(view != View::None);
}

void ProductPictures::showHover(int index) {
    setFront(index < 0 ? QStringLiteral("mouse/%1/Mouse.png").arg(product_)
                       : QStringLiteral("mouse/%1/mouse_%2.png").arg(product_).arg(index + 1));
}

void ProductPictures::setFront(const QString& file) {
    const UiContext& ui = UiContext::current();
    const QString path = paths_.skinFile(file);
    const QPixmap picture = source_ ? QPixmap::fromImage(source_(path)) : QPixmap(path);
    if (!picture.isNull())
        front_->setPixmap(
            picture.scaled(ui.scaled(300), ui.scaled(400), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace mousecfg
