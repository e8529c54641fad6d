#include "widgets/dialog_frame.h"

#include <QPainter>
#include <QToolButton>

#include "widgets/ui_context.h"

// Q_INIT_RESOURCE must be used outside of any namespace.
static void initSkinResources() {
    Q_INIT_RESOURCE(mousecfg_skin);
}

namespace mousecfg::dialogframe {

void ensureResources() {
    static const bool done = (initSkinResources(), true);
    Q_UNUSED(done);
}

void paint(QPainter& painter, const QSize& size, const QPixmap& background, const QColor& theme) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!background.isNull()) painter.drawPixmap(QRect(QPoint(0, 0), size), background);
    QPen pen(theme, 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A 2-pixel pen centred on x + 0.5 covers pixels 1 and 2 from the edge.
    painter.drawRect(QRectF(2.0, 2.0, size.width() - 4.0, size.height() - 4.0));
}

QString buttonStyleSheet(const QColor& theme) {
    return QString::asprintf(
        "QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);                       "
        "border-radius: 3px;  border: 1px rgb(%d, %d, %d);                       border-style: outset;}",
        theme.red(), theme.green(), theme.blue());
}

namespace {
QToolButton* makeButton(QWidget* parent, const char* objectName, const char* icon,
                        Qt::ToolButtonStyle style) {
    ensureResources();
    const UiContext& ui = UiContext::current();
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(objectName));
    b->setIcon(QIcon(QLatin1String(icon)));
    b->setIconSize(QSize(ui.scaled(30), ui.scaled(30)));
    b->setToolButtonStyle(style);
    b->setFixedSize(ui.scaled(100), ui.scaled(30));
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet(buttonStyleSheet(ui.theme));
    return b;
}
}  // namespace

QToolButton* makeConfirmButton(QWidget* parent) {
    return makeButton(parent, "msgBoxYesBtn", ":/yes_Btn", Qt::ToolButtonTextOnly);
}

QToolButton* makeCancelButton(QWidget* parent) {
    return makeButton(parent, "msgBoxNoBtn", ":/no_Btn", Qt::ToolButtonTextBesideIcon);
}

}  // namespace mousecfg::dialogframe
