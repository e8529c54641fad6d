#include "widgets/tarn_pop_box.h"

#include <QBitmap>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "widgets/ui_context.h"

namespace mousecfg {

namespace {
constexpr int kWidth = 478;
constexpr int kHeight = 309;

QFont boxFont() {
    const UiContext& ui = UiContext::current();
    QFont f = ui.font();
    f.setPixelSize(qMax(14, ui.fontPixelSize));
    f.setBold(true);
    return f;
}
}  // namespace

TarnPopBox::TarnPopBox(int kind, const QString& title, const QString& caption, const QString& text,
                       QWidget* parent, Qt::WindowFlags flags)
    : SkinnedDialog(kind, title, caption, text, parent, flags, boxFont()) {
    const UiContext& ui = UiContext::current();
    // This box is laid out in design pixels: it does not follow the interface scale.
    setFixedSize(kWidth, kHeight);
    const QPixmap image(ui.skinPath(QStringLiteral("dlg.png")));
    if (!image.isNull()) {
        background_ = image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QBitmap mask = background_.mask();
        if (!mask.isNull()) setMask(mask);
    }

    caption_->setAlignment(Qt::AlignCenter);
    caption_->setGeometry(20, 22, kWidth - 40, 24);
    text_->setGeometry(60, 80, kWidth - 120, 50);

    edit_ = new QLineEdit(this);
    edit_->setMaxLength(kMaxLength);
    edit_->setGeometry(60, 140, kWidth - 120, 32);
    edit_->setStyleSheet(QStringLiteral("QLineEdit{background-color:rgb(30,30,30);color:white;"
                                        "border:2px solid rgb(80,80,80);border-radius:3px;padding:0 6px;}"
                                        "QLineEdit:focus{border-color:rgb(%1,%2,%3);}")
                             .arg(ui.theme.red())
                             .arg(ui.theme.green())
                             .arg(ui.theme.blue()));
    connect(edit_, &QLineEdit::textChanged, this, &TarnPopBox::NameChanged);

    // The pop box keeps its design size, so its buttons do too.
    yes_->setFixedSize(100, 30);
    no_->setFixedSize(100, 30);
    yes_->setIconSize(QSize(30, 30));
    no_->setIconSize(QSize(30, 30));
    yes_->move(kWidth / 2 - 100 - 30, kHeight - 30 - 50);
    no_->move(kWidth / 2 + 30, kHeight - 30 - 50);

    edit_->setFocus();
}

void TarnPopBox::NameChanged(const QString& text) {
    entered_ = text;
}

}  // namespace mousecfg
