#include "app/window/profile_bar.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "app/session/window_session.h"
#include "app/tabs/tab.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

ProfileBar::ProfileBar(WindowSession& session, QWidget* window)
    : QObject(window),
      session_(session),
      window_(window),
      widgetDialogs_(window),
      profiles_(session, widgetDialogs_) {
    exportProfile_ =
        makeButton({QStringLiteral("profile_import1.png"), QStringLiteral("profile_import2.png")},
                   "exportProfileButton");
    importProfile_ = makeButton({QStringLiteral("profile_export1.png")}, "importProfileButton");
    reset_ = makeButton({QStringLiteral("profile_reset1.png"), QStringLiteral("profile_reset2.png")},
                        "resetButton");
    add_ = makeButton({QStringLiteral("profile_add1.png"), QStringLiteral("profile_add2.png")}, "addButton");
    delete_ =
        makeButton({QStringLiteral("profile_del1.png"), QStringLiteral("profile_del2.png")}, "deleteButton");
    copy_ =
        makeButton({QStringLiteral("profile_copy1.png"), QStringLiteral("profile_copy2.png")}, "copyButton");
    resetAll_ = makeButton(captionButtonImages(), "resetAllButton");
    load_ = makeButton(captionButtonImages(), "loadButton");
    save_ = makeButton(captionButtonImages(), "saveButton");

    slotSelector_ = makeButton({QStringLiteral("profilesel.png")}, "profileSelector");
    slotMenu_ = new TarnMenu(window);
    for (int i = 0; i < kProfileCount; ++i) {
        QAction* a = slotMenu_->addAction(QString());
        connect(a, &QAction::triggered, this, [this, i] { session_.chooseSlot(i, true); });
    }
    slotSelector_->setMenu(slotMenu_);

    nameLabel_ = new QLabel(window);
    nameLabel_->setObjectName(QStringLiteral("nameLabel"));
    nameLabel_->setStyleSheet(QStringLiteral("color:white;background:transparent"));
    nameEdit_ = new QLineEdit(window);
    nameEdit_->setObjectName(QStringLiteral("nameField"));
    nameEdit_->setStyleSheet(QStringLiteral(
        "border-width:2px;background-color:rgb(30,30,30);color:white;QToolTip{background-color:black}"));
    connect(nameEdit_, &QLineEdit::returnPressed, this, [this] { profiles_.rename(nameEdit_->text()); });
    storedProfile_ = makeButton({QStringLiteral("profile_apply1.png")}, "storedProfileButton");
    storedMenu_ = new TarnMenu(window);
    storedProfile_->setMenu(storedMenu_);

    connect(&session, &WindowSession::currentSlotChanged, this, &ProfileBar::showSlot);
    connect(&session, &WindowSession::nameShown, nameEdit_, &QLineEdit::setText);
    connect(&session, &WindowSession::libraryChanged, this, &ProfileBar::rebuildLibraryMenu);
    connect(&session, &WindowSession::setReloaded, this, [this] {
        showSlot(session_.currentSlot());
        rebuildLibraryMenu();
    });
}

TarnPushButton* ProfileBar::makeButton(const QStringList& images, const char* objectName) {
    auto* b = new TarnPushButton(images, window_);
    b->setObjectName(QLatin1String(objectName));
    connect(b, &QPushButton::clicked, this, &ProfileBar::onClicked);
    return b;
}

void ProfileBar::setDialogs(ProfileDialogs* dialogs) {
    profiles_.setDialogs(dialogs ? *dialogs : widgetDialogs_);
}

void ProfileBar::onClicked() {
    QObject* s = sender();
    if (s == resetAll_) {
        profiles_.resetAll();
    } else if (s == reset_) {
        profiles_.reset();
    } else if (s == add_) {
        profiles_.add();
    } else if (s == delete_) {
        profiles_.remove(nameEdit_->text());
    } else if (s == copy_) {
        profiles_.copy();
    } else if (s == exportProfile_) {
        profiles_.exportProfile();
    } else if (s == importProfile_) {
        profiles_.importProfile();
    } else if (s == save_) {
        Q_EMIT takeBackRequested();
        profiles_.saveConfiguration();
    } else if (s == load_) {
        profiles_.loadConfiguration();
    }
}

void ProfileBar::layout() {
    const UiContext& ui = UiContext::current();
    resetAll_->setGeometry(ui.scaledRect(308, 588, 128, 30));
    load_->setGeometry(ui.scaledRect(439, 588, 76, 30));
    save_->setGeometry(ui.scaledRect(518, 588, 76, 30));
    // The rest of the bar has places but no size in this layout.
    const std::array<TarnPushButton*, 6> row{add_, delete_, importProfile_, exportProfile_, copy_, reset_};
    for (size_t i = 0; i < row.size(); ++i)
        row[i]->setGeometry(ui.scaledRect(69 + 24 * static_cast<int>(i), 504, 0, 0));
    nameLabel_->setGeometry(ui.scaledRect(69, 458, 0, 0));
    nameEdit_->setGeometry(ui.scaledRect(68, 479, 0, 0));
    storedProfile_->setGeometry(ui.scaledRect(202, 479, 0, 0));
    slotSelector_->setGeometry(ui.scaledRect(0, 0, 0, 0));
    nameLabel_->setFont(ui.font());
    nameEdit_->setFont(ui.font());
}

void ProfileBar::retranslate() {
    slotSelector_->setText(tr("Profile") + QStringLiteral(" %1").arg(session_.currentSlot() + 1));
    const QList<QAction*> slotActions = slotMenu_->actions();
    for (int i = 0; i < slotActions.size(); ++i)
        slotActions[i]->setText(tr("Profile") + QStringLiteral(" %1").arg(i + 1));
    nameEdit_->setToolTip(tr("Press Enter To Apply"));
    nameLabel_->setText(tr("NAME"));
    reset_->setText(tr("RESET"));
    add_->setText(tr("ADD"));
    delete_->setText(tr("DELETE"));
    copy_->setText(tr("COPY"));
    resetAll_->setText(tr("Reset All"));
    load_->setText(tr("LOAD1"));
    save_->setText(tr("SAVE"));
    slotMenu_->applyFont();
    storedMenu_->applyFont();
}

void ProfileBar::setControlsEnabled(bool enabled) {
    for (TarnPushButton* b : {slotSelector_, exportProfile_, importProfile_, reset_, add_, delete_, copy_,
                              resetAll_, storedProfile_, load_, save_})
        b->setButtonEnabled(enabled);
    nameEdit_->setEnabled(enabled);
}

void ProfileBar::showSlot(int slot) {
    slotSelector_->setText(tr("Profile") + QStringLiteral(" %1").arg(slot + 1));
    nameEdit_->setText(session_.currentSlotName());
}

void ProfileBar::rebuildLibraryMenu() {
    storedMenu_->clear();
    // The product's library list, as far as the menu shows it.
    for (const QString& name : profiles_.libraryMenu()) {
        QAction* a = storedMenu_->addAction(name);
        connect(a, &QAction::triggered, this, [this, name] { profiles_.chooseLibraryProfile(name); });
    }
    storedMenu_->setFixedWidth(UiContext::current().scaled(152));
}

}  // namespace mousecfg
