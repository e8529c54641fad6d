#include "widgets/skinned_dialog.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include "widgets/dialog_frame.h"
#include "widgets/ui_context.h"

namespace mousecfg {

SkinnedDialog::SkinnedDialog(int kind, const QString& title, const QString& caption, const QString& text,
                             QWidget* parent, Qt::WindowFlags flags, const QFont& font)
    : QDialog(parent, flags), kind_(kind) {
    setWindowTitle(title);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::white);
    setPalette(pal);

    caption_ = new QLabel(caption, this);
    caption_->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    text_ = new QLabel(text, this);
    text_->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    yes_ = dialogframe::makeConfirmButton(this);
    no_ = dialogframe::makeCancelButton(this);
    connect(yes_, &QToolButton::released, this, &QDialog::accept);
    connect(no_, &QToolButton::released, this, &QDialog::reject);
    retranslate();
}

void SkinnedDialog::retranslate() {
    yes_->setText(kind_ == 1 ? tr("Yes") : tr("Ok"));
    no_->setText(tr("No"));
}

void SkinnedDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void SkinnedDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    dialogframe::paint(p, size(), background_, UiContext::current().theme);
}

}  // namespace mousecfg
