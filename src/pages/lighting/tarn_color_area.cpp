#include "pages/lighting/tarn_color_area.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

#include "device/lighting_rules.h"
#include "pages/lighting/color_areas.h"
#include "pages/lighting/colour_text.h"
#include "pages/lighting/lighting_log.h"
#include "widgets/dialog_frame.h"
#include "widgets/tarn_label.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

// The background's header line lies at 16 % of its height and its footer band starts at 73 %:
// the controls sit between them and the buttons in the footer.
constexpr int kWidth = 420;
constexpr int kHeight = 340;
constexpr int kMaxHue = 360;
constexpr int kMaxLevel = 255;

// Design places (unscaled): the square and the strip on the left, the column of preview, hex
// field, presets and spin boxes on the right; the presets sit at y = 74 of that column.
constexpr QPoint kSquare(24, 72);
constexpr QPoint kStrip(166, 72);
constexpr QPoint kColumn(210, 68);
constexpr int kPresetTop = 74;
constexpr int kPresetSide = 23;
constexpr int kPresetPitch = 24;

const char* const kSpinNames[] = {"hSpin", "sSpin", "vSpin", "rSpin", "gSpin", "bSpin"};
const char* const kSpinPrefixes[] = {"H ", "S ", "V ", "R ", "G ", "B "};

QString spinSheet(const UiContext& ui) {
    return QStringLiteral(
               "QSpinBox{color:white;background-color:rgb(30,30,30);border:1px solid "
               "rgb(90,90,90);padding-left:4px;}"
               "QSpinBox::up-button,QSpinBox::down-button{width:%1px;background:rgb(60,60,60);border:none;}"
               "QSpinBox::up-arrow{width:0;height:0;border-left:4px solid rgb(60,60,60);"
               "border-right:4px solid rgb(60,60,60);border-bottom:5px solid white;}"
               "QSpinBox::down-arrow{width:0;height:0;border-left:4px solid rgb(60,60,60);"
               "border-right:4px solid rgb(60,60,60);border-top:5px solid white;}")
        .arg(ui.scaled(16));
}

// Hue of a colour for the H box: greys have none (QColor says -1) and show 0.
int hueOf(const QColor& c) {
    const int h = c.hsvHue();
    return h < 0 ? 0 : h;
}

}  // namespace

const std::array<QColor, TarnColorArea::kPresets> TarnColorArea::kPresetColours{
    QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),     QColor(0, 255, 255),
    QColor(255, 255, 0), QColor(255, 0, 255), QColor(255, 255, 255),
};

TarnColorArea::TarnColorArea(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint),
      title_(new TarnLabel(this)),
      caption_(new TarnLabel(this)),
      strip_(new HColorArea(this)),
      square_(new SVColorArea(this)),
      preview_(new PreviewColorArea(this)),
      hex_(new QLineEdit(this)),
      hash_(new TarnLabel(this)),
      apply_(dialogframe::makeConfirmButton(this)),
      cancel_(dialogframe::makeCancelButton(this)) {
    setObjectName(QStringLiteral("TarnColorArea"));
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    const UiContext& ui = UiContext::current();
    background_.load(ui.skinPath(QStringLiteral("dlg.png")));
    setFixedSize(ui.scaled(kWidth), ui.scaled(kHeight));

    strip_->setObjectName(QStringLiteral("hueStrip"));
    square_->setObjectName(QStringLiteral("svSquare"));
    preview_->setObjectName(QStringLiteral("preview"));
    hex_->setObjectName(QStringLiteral("hexEdit"));
    apply_->setObjectName(QStringLiteral("colorApplyBtn"));
    cancel_->setObjectName(QStringLiteral("colorCancelBtn"));
    hash_->setText(QStringLiteral("#"));
    hash_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    QFont hexFont(QStringLiteral("Consolas"));
    hexFont.setStyleHint(QFont::Monospace);
    hexFont.setBold(true);
    hexFont.setPixelSize(ui.scaled(14));
    hex_->setFont(hexFont);
    hex_->setStyleSheet(
        QStringLiteral("QLineEdit{color:white;background-color:rgb(30,30,30);border:1px solid rgb(90,90,90);"
                       "padding-left:3px;}"));

    for (int i = 0; i < kSpinCount; ++i) {
        auto* spin = new QSpinBox(this);
        spin->setObjectName(QLatin1String(kSpinNames[i]));
        spin->setRange(0, i == H ? kMaxHue : kMaxLevel);
        spin->setPrefix(QLatin1String(kSpinPrefixes[i]));
        spin->setStyleSheet(spinSheet(ui));
        spins_[static_cast<size_t>(i)] = spin;
    }
    for (int i = 0; i < kPresets; ++i) {
        auto* swatch = new DefaultColorArea(kPresetColours[static_cast<size_t>(i)], this);
        swatch->setObjectName(QStringLiteral("preset%1").arg(i));
        presets_[static_cast<size_t>(i)] = swatch;
        connect(swatch, &DefaultColorArea::ClickedSignal, this, &TarnColorArea::color_clicked);
    }

    connect(strip_, &HColorArea::hueChangedSignal, square_, &SVColorArea::hueChangedSlot);
    connect(strip_, &HColorArea::hueChangedSignal, this, [this](int hue) { updateEditData(hue, s_, v_); });
    connect(square_, &SVColorArea::svChangedSignal, preview_, &PreviewColorArea::svChangedSlot);
    connect(preview_, &PreviewColorArea::svChangedSignal, this, &TarnColorArea::updateEditData);
    connect(hex_, &QLineEdit::textEdited, this, &TarnColorArea::editChangedSlot);
    connect(hex_, &QLineEdit::editingFinished, this, &TarnColorArea::editFinishedSlot);
    const auto valueChanged = qOverload<int>(&QSpinBox::valueChanged);
    connect(spins_[H], valueChanged, this, &TarnColorArea::hValueChangedSlot);
    connect(spins_[S], valueChanged, this, &TarnColorArea::sValueChangedSlot);
    connect(spins_[V], valueChanged, this, &TarnColorArea::vValueChangedSlot);
    connect(spins_[R], valueChanged, this, &TarnColorArea::rValueChangedSlot);
    connect(spins_[G], valueChanged, this, &TarnColorArea::gValueChangedSlot);
    connect(spins_[B], valueChanged, this, &TarnColorArea::bValueChangedSlot);
    connect(square_, &SVColorArea::mouseReleaseSignal, this, &TarnColorArea::MouseReleaseSlot);
    connect(strip_, &HColorArea::mouseReleaseSignal, this, &TarnColorArea::MouseReleaseSlot);
    connect(apply_, &QToolButton::released, this, &QDialog::accept);
    connect(cancel_, &QToolButton::released, this, &QDialog::reject);

    layoutChildren();
    retranslate();
    setColor(Qt::black);
}

void TarnColorArea::setColor(const QColor& colour) {
    takeColour(lighting::opaqueColour(colour), true);
}

void TarnColorArea::takeColour(const QColor& colour, bool writeHex) {
    showColour(colour, hueOf(colour), colour.hsvSaturation(), colour.value(), writeHex);
}

void TarnColorArea::showColour(const QColor& colour, int h, int s, int v, bool writeHex) {
    // Kept as RGB: that is what the page stores and the settings file writes.
    colour_ = colour.toRgb();
    h_ = h;
    s_ = s;
    v_ = v;
    strip_->setHue(h);
    square_->setHsv(h, s, v);
    preview_->setColor(colour_);
    guard_ = true;
    const int values[kSpinCount] = {h, s, v, colour_.red(), colour_.green(), colour_.blue()};
    for (int i = 0; i < kSpinCount; ++i) spins_[static_cast<size_t>(i)]->setValue(values[i]);
    guard_ = false;
    if (writeHex) hex_->setText(colourtext::hexText(colour_));
    Q_EMIT TarnChangeColor(colour_);
}

void TarnColorArea::fromHsvSpins() {
    if (guard_) return;
    const int h = spins_[H]->value();
    const int s = spins_[S]->value();
    const int v = spins_[V]->value();
    showColour(QColor::fromHsv(h % kMaxHue, s, v), h, s, v, true);
}

void TarnColorArea::fromRgbSpins() {
    if (guard_) return;
    takeColour(QColor(spins_[R]->value(), spins_[G]->value(), spins_[B]->value()), true);
}

void TarnColorArea::hValueChangedSlot(int) {
    fromHsvSpins();
}
void TarnColorArea::sValueChangedSlot(int) {
    fromHsvSpins();
}
void TarnColorArea::vValueChangedSlot(int) {
    fromHsvSpins();
}
void TarnColorArea::rValueChangedSlot(int) {
    fromRgbSpins();
}
void TarnColorArea::gValueChangedSlot(int) {
    fromRgbSpins();
}
void TarnColorArea::bValueChangedSlot(int) {
    fromRgbSpins();
}

void TarnColorArea::updateEditData(int hue, int saturation, int value) {
    // The top of the strip is hue 360, the same colour as 0; the boxes and the strip keep 360.
    showColour(QColor::fromHsv(hue >= kMaxHue ? 0 : hue, saturation, value), hue, saturation, value, true);
}

void TarnColorArea::color_clicked() {
    for (DefaultColorArea* p : presets_)
        if (sender() == p) takeColour(p->color(), true);
}

void TarnColorArea::editChangedSlot(const QString& text) {
    // The field stays as typed while the user is still at it.
    takeColour(colourtext::colourFromHexInput(text), false);
}

void TarnColorArea::editFinishedSlot() {
    // Whatever was typed, the field ends up naming the colour the editor holds.
    hex_->setText(colourtext::hexText(colour_));
}

void TarnColorArea::MouseReleaseSlot() {
    Q_EMIT ApplyColor();
}

void TarnColorArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    dialogframe::paint(p, size(), background_, UiContext::current().theme);
}

void TarnColorArea::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void TarnColorArea::retranslate() {
    setWindowTitle(tr("Color Edit"));
    title_->setText(tr("Color Edit"));
    caption_->setText(tr("COLOR"));
    apply_->setText(tr("APPLY"));
    cancel_->setText(tr("Cancel"));
    const QFont font = UiContext::current().font();
    for (QSpinBox* s : spins_) s->setFont(font);
    apply_->setFont(font);
    cancel_->setFont(font);
}

void TarnColorArea::layoutChildren() {
    const UiContext& ui = UiContext::current();
    const auto place = [&ui](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(ui.scaled(x), ui.scaled(y), ui.scaled(width), ui.scaled(height));
    };
    const auto at = [&ui](QWidget* w, QPoint p) { w->move(ui.scaled(p.x()), ui.scaled(p.y())); };
    place(title_, 20, 16, 300, 22);
    // The square's widget has a margin around the square itself.
    square_->move(ui.scaled(kSquare.x()) - square_->square().left(),
                  ui.scaled(kSquare.y()) - square_->square().top());
    at(strip_, kStrip);
    const int cx = kColumn.x();
    const int cy = kColumn.y();
    place(caption_, cx, cy, 180, 18);
    place(preview_, cx, cy + 22, 64, 42);
    place(hash_, cx + 68, cy + 30, 14, 26);
    place(hex_, cx + 84, cy + 30, 96, 26);
    for (int i = 0; i < kPresets; ++i)
        place(presets_[static_cast<size_t>(i)], cx + kPresetPitch * i, cy + kPresetTop, kPresetSide,
              kPresetSide);
    for (int i = 0; i < kSpinCount; ++i) {
        const int column = i / 3;
        const int row = i % 3;
        place(spins_[static_cast<size_t>(i)], cx + 92 * column, cy + 104 + 24 * row, 86, 22);
    }
    const int footer = kHeight * 73 / 100;
    const int buttonTop = footer + (kHeight - footer - 30) / 2;
    apply_->move(ui.scaled(kWidth / 2 - 112), ui.scaled(buttonTop));
    cancel_->move(ui.scaled(kWidth / 2 + 12), ui.scaled(buttonTop));
}

}  // namespace mousecfg
