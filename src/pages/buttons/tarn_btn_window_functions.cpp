// What a menu choice does to the edited button's assignment.
#include <QToolButton>

#include "device/button_functions.h"
#include "pages/buttons/buttons_log.h"
#include "pages/buttons/tarn_btn_window.h"
#include "pages/buttons/tarn_combo_key_window.h"
#include "pages/buttons/tarn_fire_key_window.h"
#include "pages/buttons/tarn_macro_select.h"
#include "pages/buttons/tarn_single_key_window.h"
#include "pages/buttons/tarn_sniper_window.h"
#include "storage/app_settings.h"
#include "storage/macro_files.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"

namespace mousecfg {

namespace {
constexpr uchar kMacroTab = 3;
}

void TarnBtnWindow::onActionTriggered() {
    auto* chosen = qobject_cast<QAction*>(sender());
    TarnPushButton* btn = editedButton();
    const std::optional<int> slot = buttonfn::slotOf(group_, index_);
    if (!chosen || !btn || !slot || !profile_) return;
    Q_EMIT SelBtnControl(btn, true);
    const int code = chosen->data().toInt();
    if (!buttonfn::keepsOneLeftClick(*profile_, *slot, code)) {
        Q_EMIT PopOneClickBox();
    } else {
        applyFunction(*slot, code, btn);
    }
    Q_EMIT SelBtnControl(btn, false);
    group_ = 255;
    index_ = 255;
}

void TarnBtnWindow::applyFunction(int slot, int code, TarnPushButton* btn) {
    ButtonAssignment& a = profile_->buttons[static_cast<size_t>(slot)];
    // The dialogs work on a copy: a cancelled dialog leaves the assignment as it was.
    ButtonAssignment edited = a;
    bool accepted = true;
    switch (code) {
        case fun::kMacro:
            if (countMacros(paths_) == 0) {
                Q_EMIT GotoMacroTab(kMacroTab);
                return;
            }
            accepted = runMacroSelect(edited, code);
            break;
        case fun::kGunFile:
            if (slot == 0) {
                TarnMessageBox box(TarnMessageBox::Refusal, QString(), tr("Warning"),
                                   tr("Left Button Can not be Gun Function."), this);
                box.exec();
                return;
            }
            if (countMacros(paths_) == 0) {
                Q_EMIT GotoMacroTab(kMacroTab);
                return;
            }
            accepted = runMacroSelect(edited, code);
            break;
        case fun::kSingleKey:
            accepted = runSingleKey(edited);
            break;
        case fun::kKeyCombo:
            accepted = runComboKey(edited);
            break;
        case fun::kFireKey:
            accepted = runFireKey(edited);
            break;
        case fun::kSniper:
            accepted = runSniper(edited);
            break;
        default:
            edited.Fun = code;
            break;
    }
    if (!accepted) return;
    a = edited;
    sensor_ = appsettings::loadSensorId(paths_);
    btn->setText(labelOf(a));
}

bool TarnBtnWindow::runMacroSelect(ButtonAssignment& a, int code) {
    const bool same = a.Fun == code;
    const QString caption = code == fun::kGunFile ? tr("GUNFILE SELECT") : tr("MACRO SELECT");
    TarnMacroSelect dialog(QString(), caption, same ? a.macroname : QString(), same ? a.LoopNumber : 1,
                           same ? a.Res1 : 0, paths_, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    a.Fun = code;
    a.LoopNumber = dialog.loopCount();
    a.Res1 = static_cast<uint8_t>(dialog.mode());
    a.macroname = dialog.macroName();
    if (buttonfn::copyMacroEvents(paths_, a.macroname, a) != buttonfn::MacroCopy::Copied)
        qCWarning(lcButtonPage) << "macro file cannot be read:" << a.macroname;
    return true;
}

bool TarnBtnWindow::runSingleKey(ButtonAssignment& a) {
    TarnSingleKeyWindow dialog(&keys_, this);
    if (a.Fun == fun::kSingleKey) dialog.preset(a.Res1);
    if (dialog.exec() != QDialog::Accepted || dialog.keyCode() == 0) return false;
    a.Res1 = dialog.keyCode();
    a.Fun = fun::kSingleKey;
    qCDebug(lcButtonPage, "%d", a.Res1);
    return true;
}

bool TarnBtnWindow::runComboKey(ButtonAssignment& a) {
    TarnComboKeyWindow dialog(&keys_, this);
    if (a.Fun == fun::kKeyCombo) dialog.preset(a.KeyInfo);
    if (dialog.exec() != QDialog::Accepted) return false;
    const std::vector<uint8_t> codes = dialog.combo().chosenCodes();
    if (codes.empty()) return false;
    a.KeyInfo = buttonfn::comboKeyInfo(codes);
    a.Fun = fun::kKeyCombo;
    return true;
}

bool TarnBtnWindow::runFireKey(ButtonAssignment& a) {
    TarnFireKeyWindow dialog(&keys_, this);
    dialog.preset(buttonfn::fireKeyOf(a));
    if (dialog.exec() != QDialog::Accepted) return false;
    return buttonfn::storeFireKey(a, dialog.fireKey());
}

bool TarnBtnWindow::runSniper(ButtonAssignment& a) {
    TarnSniperWindow dialog(appsettings::loadSensorId(paths_), this);
    if (a.Fun == fun::kSniper) dialog.preset(a.Res1);
    if (dialog.exec() != QDialog::Accepted) return false;
    a.Res1 = static_cast<uint8_t>(dialog.level());
    a.Fun = fun::kSniper;
    return true;
}

}  // namespace mousecfg
