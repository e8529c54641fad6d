#include "pages/buttons/tarn_macro_select.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QToolButton>

#include "device/button_functions.h"
#include "pages/buttons/range_validator.h"
#include "storage/macro_files.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

TarnMacroSelect::TarnMacroSelect(const QString& windowTitle, const QString& caption, const QString& name,
                                 int loopCount, int mode, const Paths& paths, QWidget* parent)
    : ButtonDialog(nullptr, parent),
      paths_(paths),
      info_(addLabel(44, 20)),
      macroButton_(new TarnPushButton({QStringLiteral("profilesel.png")}, this)),
      menu_(new TarnMenu(this)),
      loopField_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("TarnMacroSelect"));
    setWindowTitle(windowTitle);
    titleLabel()->setText(caption);
    titleLabel()->setWordWrap(true);
    info_->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    const UiContext& ui = UiContext::current();
    const auto s = [&ui](int v) { return ui.scaled(v); };

    macroButton_->setObjectName(QStringLiteral("macroButton"));
    macroButton_->setGeometry(s(134), s(70), s(210), s(28));
    macroButton_->setAutoDefault(false);
    menu_->setFixedWidth(macroButton_->width());
    for (const QString& macro : macroNames(paths_)) {
        auto* action = new TarnAction(macro, menu_);
        menu_->addAction(action);
        connect(action, &QAction::triggered, this, [this, macro] { chooseMacro(macro); });
    }
    macroButton_->setMenu(menu_);

    for (size_t i = 0; i < toggles_.size(); ++i) {
        toggles_[i] = new QCheckBox(this);
        toggles_[i]->setStyleSheet(checkBoxStyleSheet());
        toggles_[i]->setFont(ui.font());
        toggles_[i]->setGeometry(s(60), s(112 + 34 * static_cast<int>(i)), s(300), s(26));
        connect(toggles_[i], &QCheckBox::clicked, this, &TarnMacroSelect::onToggle);
    }
    const int start = (mode >= 0 && mode < static_cast<int>(toggles_.size())) ? mode : 0;
    toggles_[static_cast<size_t>(start)]->setChecked(true);

    loopField_->setObjectName(QStringLiteral("loopField"));
    loopField_->setGeometry(s(360), s(112), s(60), s(26));
    loopField_->setAlignment(Qt::AlignCenter);
    loopField_->setMaxLength(3);
    loopField_->setValidator(new RangeValidator(1, 255, loopField_));
    loopField_->setFont(ui.font());
    loopField_->setStyleSheet(
        QStringLiteral("QLineEdit{background:rgb(30,30,30);color:white;border:1px solid rgb(90,90,90);}"));
    loopField_->setText(QString::number(loopCount));
    connect(loopField_, &QLineEdit::textChanged, this, &TarnMacroSelect::updateYes);

    retranslate();
    chooseMacro(name);
}

int TarnMacroSelect::mode() const {
    for (size_t i = 0; i < toggles_.size(); ++i)
        if (toggles_[i]->isChecked()) return static_cast<int>(i);
    return LoopCount;
}

int TarnMacroSelect::loopCount() const {
    return loopField_->text().toInt();
}

void TarnMacroSelect::chooseMacro(const QString& name) {
    name_ = name;
    macroButton_->setText(name);
    updateYes();
}

void TarnMacroSelect::onToggle() {
    // Exactly one is on: the clicked one, even when it was on already.
    for (QCheckBox* t : toggles_) t->setChecked(t == sender());
}

void TarnMacroSelect::updateYes() {
    yesButton()->setEnabled(buttonfn::macroInLibrary(paths_, name_) && loopField_->hasAcceptableInput());
}

void TarnMacroSelect::retranslate() {
    yesButton()->setText(tr("Yes"));
    noButton()->setText(tr("No"));
    const char* texts[] = {QT_TR_NOOP("LOOPS TIME(1-255)"), QT_TR_NOOP("REPEAT RUN WHEN KEY DOWN"),
                           QT_TR_NOOP("REPEAT RUN UNTILL THE KEY DOWN")};
    for (size_t i = 0; i < toggles_.size(); ++i) toggles_[i]->setText(tr(texts[i]));
}

void TarnMacroSelect::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    ButtonDialog::changeEvent(event);
}

}  // namespace mousecfg
