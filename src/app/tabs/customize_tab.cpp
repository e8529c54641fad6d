#include "app/tabs/customize_tab.h"

#include <QEvent>
#include <QScrollArea>
#include <QVariant>
#include <algorithm>

#include "app/session/window_session.h"
#include "app/tabs/product_pictures.h"
#include "device/button_functions.h"
#include "pages/buttons/tarn_btn_window.h"
#include "storage/app_settings.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

// The page's place: left of the product picture, tall enough for the rows of every product
// without scrolling (a longer list scrolls).
constexpr int kPageX = 285;
constexpr int kPageY = 90;
constexpr int kPageWidth = 345;
constexpr int kPageHeight = 490;

// Products whose button page uses the round up/down arrows.
bool usesRoundArrows(const QString& product) {
    static const QStringList kProducts{
        QStringLiteral("ARDEN2"),     QStringLiteral("BOREAL"),     QStringLiteral("CASPIAN"),
        QStringLiteral("DUNMOR FPS"), QStringLiteral("DUNMOR"),     QStringLiteral("ELKHART"),
        QStringLiteral("ELKHART3"),   QStringLiteral("FARROW"),     QStringLiteral("7401"),
        QStringLiteral("K330-RGB"),   QStringLiteral("7401-P5151"), QStringLiteral("GLENMORE"),
        QStringLiteral("K215"),       QStringLiteral("K216"),       QStringLiteral("K220-RGB"),
        QStringLiteral("HALDANE"),    QStringLiteral("K221-PRO"),   QStringLiteral("K221-RGB"),
        QStringLiteral("K221-RGB2"),  QStringLiteral("ISOLDE2"),    QStringLiteral("JURA2"),
        QStringLiteral("KILMORY")};
    return kProducts.contains(product);
}

}  // namespace

CustomizeTab::CustomizeTab(const TabContext& context)
    : Tab(context), scroll_(new QScrollArea(context.window)) {
    front_ = makeButton(captionButtonImages(), "frontButton");
    side_ = makeButton(captionButtonImages(), "sideButton");
    for (int i = 0; i < kMarkers; ++i) {
        frontMarkers_[static_cast<size_t>(i)] = makeButton({}, "frontMarker");
        sideMarkers_[static_cast<size_t>(i)] = makeButton({}, "sideMarker");
        frontMarkers_[static_cast<size_t>(i)]->setCurIndex(i);
        sideMarkers_[static_cast<size_t>(i)]->setCurIndex(i);
    }
    frontMarkers_[0]->installEventFilter(this);

    scroll_->setObjectName(QStringLiteral("buttonScrollArea"));
    scroll_->setStyleSheet(QStringLiteral("QScrollArea{background-color:transparent;margin:0px;border:0px}"));
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The page fills the area's width and takes the height it needs, at least the area's.
    scroll_->setWidgetResizable(true);
    scroll_->viewport()->setAutoFillBackground(false);
    scroll_->viewport()->setStyleSheet(QStringLiteral("background:transparent"));
    scroll_->hide();
    applyModelImages();
    // The arrows follow the current product, which the mouse list names.
    connect(&context.session, &WindowSession::mouseNamesChanged, this, &CustomizeTab::applyModelImages);
}

TarnBtnWindow& CustomizeTab::ensurePage() {
    if (!page_) {
        page_ = new TarnBtnWindow(ctx_.paths, ctx_.keys);
        scroll_->setWidget(page_);
        connect(page_, &TarnBtnWindow::SelBtnControl, this, &CustomizeTab::slotMouseOver);
        connect(page_, &TarnBtnWindow::PopOneClickBox, this, &CustomizeTab::slotPopOneClickBox);
        connect(page_, &TarnBtnWindow::GotoMacroTab, this,
                [this](uchar tab) { Q_EMIT switchTabRequested(static_cast<int>(tab)); });
        page_->setProfile(&ctx_.session.currentRecord());
        tellPage();
    }
    return *page_;
}

TarnPushButton* CustomizeTab::makeButton(const QStringList& images, const char* objectName) {
    auto* b = new TarnPushButton(images, ctx_.window);
    b->setObjectName(QLatin1String(objectName));
    connect(b, &QPushButton::clicked, this, &CustomizeTab::onClicked);
    return b;
}

void CustomizeTab::layout() {
    const UiContext& ui = UiContext::current();
    scroll_->setGeometry(ui.scaledRect(kPageX, kPageY, kPageWidth, kPageHeight));
    if (page_) page_->relayout();
    // Markers and buttons have places on the picture but no size in this layout.
    for (int i = 0; i < kMarkers; ++i) {
        const QRect r = ui.scaledRect(637 + 15 * (i % 5), 99 + 20 * (i / 5), 0, 0);
        frontMarkers_[static_cast<size_t>(i)]->setGeometry(r);
        sideMarkers_[static_cast<size_t>(i)]->setGeometry(r);
    }
    up_->setGeometry(ui.scaledRect(637, 99, 0, 0));
    down_->setGeometry(ui.scaledRect(637, 119, 0, 0));
    front_->setGeometry(ui.scaledRect(637, 99, 0, 0));
    side_->setGeometry(ui.scaledRect(637, 119, 0, 0));
}

void CustomizeTab::setShown(bool shown) {
    shown_ = shown;
    if (shown) {
        // The macro library may have changed on the MACRO tab: the labels say so.
        if (page_)
            page_->refreshLabels();
        else
            ensurePage();
    }
    scroll_->setVisible(shown);
    for (TarnPushButton* m : frontMarkers_) m->setVisible(shown && frontView_);
    for (TarnPushButton* m : sideMarkers_) m->setVisible(shown && !frontView_);
    for (TarnPushButton* b : {front_, side_, up_, down_}) b->setVisible(shown);
    if (shown) ctx_.pictures.show(frontView_ ? ProductPictures::View::Front : ProductPictures::View::Side);
}

void CustomizeTab::refresh() {
    if (page_) page_->setProfile(&ctx_.session.currentRecord());
}

// The page follows a language change itself (and again in layout(), for the language's font).
void CustomizeTab::retranslate() {
    front_->setText(tr("Front"));
    side_->setText(tr("Side"));
}

void CustomizeTab::productChanged() {
    setFrontView(true);
    selection_.fill(0);
    selectMarker(frontMarkers_[0]);
    // The product's rows.
    if (page_) page_->relayout();
}

void CustomizeTab::onClicked() {
    auto* b = qobject_cast<TarnPushButton*>(sender());
    if (b == front_ || b == side_)
        setFrontView(b == front_);
    else if (b)
        selectMarker(b);
}

void CustomizeTab::selectMarker(TarnPushButton* marker) {
    int view = 0;
    int index = marker->curIndex();
    if (marker == up_ || marker == down_) {
        view = 2;
        index = marker == up_ ? 0 : 1;
    } else if (std::find(sideMarkers_.begin(), sideMarkers_.end(), marker) != sideMarkers_.end()) {
        view = 4;
    }
    selection_[static_cast<size_t>(view)] = index;
    selection_[3] = view;
    for (TarnPushButton* m : frontMarkers_) m->setCheckedState(true);
    for (TarnPushButton* m : sideMarkers_) m->setCheckedState(true);
    up_->setCheckedState(true);
    down_->setCheckedState(true);
    marker->setCheckedState(false);
    tellPage();
}

void CustomizeTab::setFrontView(bool front) {
    if (front == frontView_) return;
    frontView_ = front;
    // The other view's saved selection comes back.
    std::swap(selection_[0], selection_[4]);
    selection_[3] = front ? 0 : 4;
    tellPage();
    if (shown_) setShown(true);
}

void CustomizeTab::tellPage() {
    if (!page_) return;
    const int view = selection_[3];
    const int group = view == 2   ? buttonfn::kWheelGroup
                      : view == 4 ? buttonfn::kSideGroup
                                  : buttonfn::kFrontGroup;
    page_->selectGroup(selection_[static_cast<size_t>(view)], group);
}

void CustomizeTab::applyModelImages() {
    const bool round = usesRoundArrows(appsettings::loadCurrentProductName(ctx_.paths));
    const QStringList upImages =
        round ? QStringList{QStringLiteral("btn_up4.png"), QStringLiteral("btn_up3.png")}
              : QStringList{QStringLiteral("btn_up2.png"), QStringLiteral("btn_up1.png")};
    const QStringList downImages =
        round ? QStringList{QStringLiteral("btn_down4.png"), QStringLiteral("btn_down3.png")}
              : QStringList{QStringLiteral("btn_down2.png"), QStringLiteral("btn_down1.png")};
    // The arrows are made again with the product's images, keeping their place and visibility.
    const QRect upGeometry = up_ ? up_->geometry() : QRect();
    const QRect downGeometry = down_ ? down_->geometry() : QRect();
    const bool visible = up_ && !up_->isHidden();
    delete up_;
    delete down_;
    up_ = makeButton(upImages, "upButton");
    down_ = makeButton(downImages, "downButton");
    up_->setGeometry(upGeometry);
    down_->setGeometry(downGeometry);
    up_->setVisible(visible);
    down_->setVisible(visible);
}

bool CustomizeTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frontMarkers_[0]) {
        if (event->type() == QEvent::Enter) frontMarkers_[0]->setCheckedState(false);
        if (event->type() == QEvent::Leave) frontMarkers_[0]->setCheckedState(true);
    }
    return Tab::eventFilter(watched, event);
}

void CustomizeTab::slotMouseOver(TarnPushButton* btn, bool bType) {
    // Only the front buttons have a marker and a picture of their own.
    if (!btn || btn->property("group").toInt() != buttonfn::kFrontGroup) return;
    const int i = btn->curIndex();
    if (i < 0 || i >= kMarkers) return;
    frontMarkers_[static_cast<size_t>(i)]->setCheckedState(!bType);
    ctx_.pictures.showHover(bType ? i : -1);
}

void CustomizeTab::slotPopOneClickBox() {
    Q_EMIT warningRequested(tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
}

}  // namespace mousecfg
