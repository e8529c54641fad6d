#include "widgets/tarn_message_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/device_ready.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {
QFont boxFont() {
    const UiContext& ui = UiContext::current();
    QFont f;
    f.setFamilies({QStringLiteral("Consolas"), ui.fontFamily});
    f.setWeight(QFont::Bold);
    f.setPixelSize(ui.scaled(14));
    return f;
}
}  // namespace

TarnMessageBox::TarnMessageBox(int kind, const QString& title, const QString& caption, const QString& text,
                               QWidget* parent, bool poll, Qt::WindowFlags flags)
    : SkinnedDialog(kind, title, caption, text, parent, flags, boxFont()) {
    const UiContext& ui = UiContext::current();
    const auto s = [&ui](int v) { return ui.scaled(v); };

    setFixedSize(s(478), s(309));
    background_ = QPixmap(ui.skinPath(QStringLiteral("dlg.png")));
    setAttribute(Qt::WA_TranslucentBackground);

    icon_ = new QLabel(this);
    icon_->setFixedSize(s(45), s(45));
    QString iconFile;
    if (kind >= Question && kind <= Notice) iconFile = QStringLiteral("warn.png");
    if (kind == DongleMissing) iconFile = QStringLiteral("dongle2.png");
    if (!iconFile.isEmpty()) {
        const QPixmap pm(ui.skinPath(iconFile));
        if (!pm.isNull())
            icon_->setPixmap(pm.scaled(icon_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    caption_->setWordWrap(true);
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption_->setGeometry(s(20), s(20), s(300), s(20));

    text_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto* top = new QHBoxLayout;
    top->addSpacing(s(30));
    top->addWidget(icon_);
    top->addSpacing(s(30));
    top->addWidget(text_, 1);
    top->addSpacing(s(30));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes_);
    if (kind == Question) {
        buttons->addStretch();
        buttons->addWidget(no_);
    } else {
        no_->setFixedSize(0, 0);
        no_->hide();
    }
    buttons->addStretch();

    auto* column = new QVBoxLayout(this);
    // Leave the caption row (placed by hand above) free.
    column->setContentsMargins(0, s(45), 0, 0);
    column->addLayout(top, 1);
    column->addLayout(buttons);
    column->addSpacing(s(30));

    if (poll) {
        readyFlag_ = dynamic_cast<const DeviceReadyFlag*>(parent);
        setPollSource(readyFlag_, new PollTimer(this));
    }
}

void TarnMessageBox::setPollSource(const DeviceReadyFlag* flag, PollTicker* ticker) {
    readyFlag_ = flag;
    if (ticker_ && ticker_ != ticker) {
        ticker_->stop();
        ticker_->deleteLater();
    }
    ticker_ = ticker;
    if (!ticker_) return;
    ticker_->setParent(this);
    connect(ticker_, &PollTicker::tick, this, &TarnMessageBox::GetPlugInSignal, Qt::UniqueConnection);
    ticker_->start();
}

void TarnMessageBox::GetPlugInSignal() {
    if (polled_ || !readyFlag_ || !readyFlag_->isDeviceReady()) return;
    polled_ = true;
    ticker_->stop();
    accept();
}

}  // namespace mousecfg
