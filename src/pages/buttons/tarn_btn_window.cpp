#include "pages/buttons/tarn_btn_window.h"

#include <QEvent>
#include <algorithm>

#include "device/button_functions.h"
#include "pages/buttons/buttons_log.h"
#include "storage/app_settings.h"
#include "storage/macro_files.h"
#include "storage/product_descriptor.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

using buttonfn::Menu;

constexpr int kRowHeight = 30;
constexpr int kRowWidth = 220;
constexpr int kRowX = 56;
constexpr int kMenuWidth = 220;
constexpr int kNumberX = 16;
constexpr int kNumberWidth = 32;
// Up to this many front rows the list is spread evenly over the page, else it keeps a fixed
// margin and gap.
constexpr int kSpreadRows = 9;
constexpr int kFixedTop = 30;
constexpr int kFixedGap = 20;
constexpr int kMinSpreadGap = 10;

struct SubMenuTitle {
    Menu menu;
    const char* title;
};
// The sub-menus in the order the main menu lists them; "Profile Menu" is made but not listed.
const SubMenuTitle kSubMenus[] = {
    {Menu::Basic, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Basic")},
    {Menu::Windows, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Windows")},
    {Menu::Advance, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Advance")},
    {Menu::Media, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Media")},
    {Menu::Dpi, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "DPI")},
    {Menu::PollingRate, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Polling Rate")},
    {Menu::ProfileMenu, QT_TRANSLATE_NOOP("mousecfg::TarnBtnWindow", "Profile Menu")},
};

const QStringList kButtonImages = {QStringLiteral("tabbutton-1.png"), QStringLiteral("tabbutton-3.png"),
                                   QStringLiteral("tabbutton-2.png")};

}  // namespace

TarnBtnWindow::TarnBtnWindow(const Paths& paths, KeyCaptureService& keys, QWidget* parent)
    : QWidget(parent),
      paths_(paths),
      keys_(keys),
      mainMenu_(new TarnMenu(this)),
      wheelMenu_(new TarnMenu(this)) {
    setObjectName(QStringLiteral("TarnBtnWindow"));
    // The page lies on the window's skin, also inside a scroll area (which fills its widget).
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::transparent);
    setPalette(pal);
    mainMenu_->setObjectName(QStringLiteral("buttonMainMenu"));
    wheelMenu_->setObjectName(QStringLiteral("buttonWheelMenu"));
    buildMenus();

    const char* groupNames[] = {"front", "side"};
    for (size_t g = 0; g < sideAndFront_.size(); ++g) {
        for (size_t i = 0; i < sideAndFront_[g].size(); ++i) {
            auto* b = new TarnPushButton(kButtonImages, this);
            b->setObjectName(QStringLiteral("%1Button%2").arg(QLatin1String(groupNames[g])).arg(i));
            b->setCurIndex(static_cast<int>(i));
            b->setProperty("group", static_cast<int>(g));
            b->setMenu(mainMenu_);
            sideAndFront_[g][i] = b;
        }
    }
    for (size_t i = 0; i < wheel_.size(); ++i) {
        auto* b = new TarnPushButton(kButtonImages, this);
        b->setObjectName(QStringLiteral("wheelButton%1").arg(i));
        b->setCurIndex(static_cast<int>(i));
        b->setProperty("group", buttonfn::kWheelGroup);
        b->setMenu(wheelMenu_);
        wheel_[i] = b;
        wheelCaptions_[i] = new TarnLabel(this);
        wheelCaptions_[i]->setAlignment(Qt::AlignCenter);
        wheelCaptions_[i]->setText(i == 0 ? QStringLiteral("\u25B2") : QStringLiteral("\u25BC"));  // up, down
    }
    emptyNote_ = new TarnLabel(this);
    emptyNote_->setObjectName(QStringLiteral("emptyViewNote"));
    emptyNote_->setWordWrap(true);
    for (size_t i = 0; i < rowNumbers_.size(); ++i) {
        rowNumbers_[i] = new TarnLabel(this);
        rowNumbers_[i]->setAlignment(Qt::AlignCenter);
    }
    for (int g = 0; g < 3; ++g) {
        for (int i = 0; i < buttonfn::kGroupSizes[static_cast<size_t>(g)]; ++i) {
            TarnPushButton* b = button(g, i);
            connect(b, &TarnPushButton::OverSignal, this, &TarnBtnWindow::slotMouseOver);
            connect(b, &TarnPushButton::EnterSignal, this, &TarnBtnWindow::slotMouseEnter);
            if (g == buttonfn::kFrontGroup)
                connect(b, &TarnPushButton::EnterSignal, this, &TarnBtnWindow::OnMouseEnterSlot);
        }
    }
    connect(mainMenu_, &QMenu::aboutToHide, this, &TarnBtnWindow::onMenuHidden);
    connect(wheelMenu_, &QMenu::aboutToHide, this, &TarnBtnWindow::onMenuHidden);
    retranslate();
    layoutRows();
}

TarnBtnWindow::~TarnBtnWindow() = default;

void TarnBtnWindow::buildMenus() {
    for (const SubMenuTitle& s : kSubMenus) {
        auto* menu = new TarnMenu(this);
        menu->setObjectName(QStringLiteral("buttonMenu_%1")
                                .arg(QString::fromLatin1(s.title).toLower().remove(QLatin1Char(' '))));
        subMenus_[static_cast<int>(s.menu)] = menu;
    }
    for (const buttonfn::Function& f : buttonfn::functions()) {
        auto* a = new TarnAction(QString::fromLatin1(f.text), this);
        a->setObjectName(QStringLiteral("fun_%1").arg(f.code));
        a->setData(f.code);
        connect(a, &QAction::triggered, this, &TarnBtnWindow::onActionTriggered);
        actions_[f.code] = a;
        const auto sub = subMenus_.find(static_cast<int>(f.menu));
        if (sub != subMenus_.end()) sub->second->addAction(a);
    }
    for (int code : buttonfn::kWheelMenu) wheelMenu_->addAction(actions_.at(code));
}

void TarnBtnWindow::fillMainMenu() {
    mainMenu_->clear();
    for (int code : {fun::kLeft, fun::kRight, fun::kMiddle, fun::kForward, fun::kBack})
        mainMenu_->addAction(actions_.at(code));
    for (const SubMenuTitle& s : kSubMenus)
        if (s.menu != Menu::ProfileMenu) mainMenu_->addMenu(subMenus_.at(static_cast<int>(s.menu)));
    if (loadDisableMacro(paths_) == 0) mainMenu_->addAction(actions_.at(fun::kMacro));
    if (loadLedDisable(paths_) == 0) mainMenu_->addAction(actions_.at(fun::kLedSwitch));
    mainMenu_->addAction(actions_.at(fun::kButtonOff));
}

void TarnBtnWindow::retranslate() {
    for (const auto& [code, action] : actions_) {
        const buttonfn::Function* f = buttonfn::functionOf(code);
        action->setText(tr(f->text));
    }
    for (const SubMenuTitle& s : kSubMenus) {
        TarnMenu* menu = subMenus_.at(static_cast<int>(s.menu));
        menu->setText(tr(s.title));
        menu->applyFont();
    }
    mainMenu_->applyFont();
    wheelMenu_->applyFont();
    emptyNote_->setText(tr("This mouse has no buttons to set in this view."));
    wheelCaptions_[0]->setToolTip(tr("Wheel up"));
    wheelCaptions_[1]->setToolTip(tr("Wheel down"));
    fillMainMenu();
    refreshLabels();
}

void TarnBtnWindow::setProfile(MouseProfile* profile) {
    profile_ = profile;
    refreshLabels();
}

QString TarnBtnWindow::labelOf(const ButtonAssignment& a) const {
    // A macro deleted from the library (or renamed outside the window) still names the button's
    // macro; the mouse gets an empty one until another is chosen.
    if ((a.Fun == fun::kMacro || a.Fun == fun::kGunFile) && !library_.contains(a.macroname))
        return tr("%1 (missing)", "a macro no longer in the library").arg(a.macroname);
    return buttonfn::labelText(a, sensor_,
                               [](const char* source, const char* comment) { return tr(source, comment); });
}

void TarnBtnWindow::refreshLabels() {
    sensor_ = appsettings::loadSensorId(paths_);
    library_ = macroNames(paths_);
    for (int g = 0; g < 3; ++g) {
        for (int i = 0; i < buttonfn::kGroupSizes[static_cast<size_t>(g)]; ++i) {
            const auto slot = buttonfn::slotOf(g, i);
            button(g, i)->setText(profile_ ? labelOf(profile_->buttons[static_cast<size_t>(*slot)])
                                           : QString());
        }
    }
}

TarnPushButton* TarnBtnWindow::button(int group, int index) const {
    if (!buttonfn::slotOf(group, index)) return nullptr;
    if (group == buttonfn::kWheelGroup) return wheel_[static_cast<size_t>(index)];
    return sideAndFront_[static_cast<size_t>(group)][static_cast<size_t>(index)];
}

TarnAction* TarnBtnWindow::action(int code) const {
    const auto it = actions_.find(code);
    return it == actions_.end() ? nullptr : it->second;
}

TarnPushButton* TarnBtnWindow::editedButton() const {
    return button(group_, index_);
}

void TarnBtnWindow::selectGroup(int index, int group) {
    index_ = index;
    if (group == 255) return;
    group_ = group;
    sideView_ = group == buttonfn::kSideGroup;
    showView();
}

void TarnBtnWindow::showView() {
    for (TarnPushButton* b : sideAndFront_[0]) b->setVisible(!sideView_ && !b->geometry().isEmpty());
    bool anySide = false;
    for (TarnPushButton* b : sideAndFront_[1]) {
        b->setVisible(sideView_ && !b->geometry().isEmpty());
        anySide = anySide || !b->geometry().isEmpty();
    }
    emptyNote_->setVisible(sideView_ && !anySide);
    for (size_t i = 0; i < wheel_.size(); ++i) {
        wheel_[i]->setVisible(!sideView_);
        wheelCaptions_[i]->setVisible(!sideView_);
    }
    for (size_t i = 0; i < rowNumbers_.size(); ++i)
        rowNumbers_[i]->setVisible(!sideView_ && static_cast<int>(i) < shownFrontRows_);
}

void TarnBtnWindow::selectGroupAndRefresh(int index, int group) {
    selectGroup(index, group);
    refreshLabels();
}

void TarnBtnWindow::relayout() {
    retranslate();  // fonts and menu entries for the new scale
    layoutRows();
}

void TarnBtnWindow::layoutRows() {
    const UiContext& ui = UiContext::current();
    const double s = ui.scale;
    const std::vector<int> shown = buttonfn::shownFrontSlots(paths_);
    const int n = static_cast<int>(shown.size());
    shownFrontRows_ = n;

    // The list: the shown front rows, numbered like the product picture's buttons, then the
    // wheel's two rows. The page is at least tall enough for them.
    const int rows = n + static_cast<int>(wheel_.size());
    const bool spread = n <= kSpreadRows;
    const int needed = spread ? ui.scaled(kRowHeight * rows + kMinSpreadGap * (rows + 1))
                              : ui.scaled(2 * kFixedTop + kRowHeight * rows + kFixedGap * (rows - 1));
    if (minimumHeight() != needed) setMinimumHeight(needed);
    double top = kFixedTop * s;
    double gap = kFixedGap * s;
    if (spread) top = gap = std::max(0.0, (height() - kRowHeight * s * rows) / (rows + 1));
    const auto rowY = [&](int c) { return static_cast<int>(top + gap * c + kRowHeight * s * c); };

    for (TarnPushButton* b : sideAndFront_[0]) b->setGeometry(QRect());
    for (TarnPushButton* b : sideAndFront_[1]) b->setGeometry(QRect());
    const auto place = [&](TarnPushButton* b, TarnLabel* caption, int c) {
        b->setGeometry(ui.scaled(kRowX), rowY(c), ui.scaled(kRowWidth), ui.scaled(kRowHeight));
        caption->setGeometry(ui.scaled(kNumberX), rowY(c), ui.scaled(kNumberWidth), ui.scaled(kRowHeight));
    };
    for (int c = 0; c < n; ++c) {
        place(sideAndFront_[0][static_cast<size_t>(shown[static_cast<size_t>(c)])],
              rowNumbers_[static_cast<size_t>(c)], c);
        rowNumbers_[static_cast<size_t>(c)]->setNumber(c + 1);
    }
    for (size_t i = 0; i < wheel_.size(); ++i) place(wheel_[i], wheelCaptions_[i], n + static_cast<int>(i));
    emptyNote_->setGeometry(ui.scaled(kNumberX), ui.scaled(kFixedTop),
                            ui.scaled(kRowX + kRowWidth - kNumberX), ui.scaled(3 * kRowHeight));
    for (TarnMenu* m : {mainMenu_, wheelMenu_}) m->setFixedWidth(ui.scaled(kMenuWidth));
    for (const auto& [menu, sub] : subMenus_) sub->setFixedWidth(ui.scaled(kMenuWidth));
    showView();
}

void TarnBtnWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutRows();
}

void TarnBtnWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void TarnBtnWindow::OnMouseEnterSlot(TarnPushButton* btn) {
    qCDebug(lcButtonPage, "OnMouseEnterSlot %d", btn->curIndex());
    group_ = buttonfn::kFrontGroup;
    index_ = btn->curIndex();
}

void TarnBtnWindow::slotMouseOver(TarnPushButton* btn, bool bType) {
    Q_EMIT SelBtnControl(btn, bType);
}

void TarnBtnWindow::slotMouseEnter(TarnPushButton* btn) {
    group_ = btn->property("group").toInt();
    index_ = btn->curIndex();
}

void TarnBtnWindow::onMenuHidden() {
    if (TarnPushButton* b = editedButton()) Q_EMIT SelBtnControl(b, false);
}

}  // namespace mousecfg
