#include "pages/macros/macro_page_dialogs.h"

#include <QFileDialog>

#include "pages/macros/tarn_gunset_dialog.h"
#include "widgets/tarn_message_box.h"

namespace mousecfg {

void WidgetMacroPageDialogs::warn(const QString& caption, const QString& text) {
    TarnMessageBox box(TarnMessageBox::Refusal, QString(), caption, text, parent_);
    box.exec();
}

QString WidgetMacroPageDialogs::openFile(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, title, QString(), filter);
}

QStringList WidgetMacroPageDialogs::openFiles(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileNames(parent_, title, QString(), filter);
}

QString WidgetMacroPageDialogs::saveFile(const QString& title, const QString& proposed,
                                         const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, title, proposed, filter);
}

QString WidgetMacroPageDialogs::folder(const QString& title) {
    return QFileDialog::getExistingDirectory(parent_, title, QStringLiteral("./"), QFileDialog::ShowDirsOnly);
}

bool WidgetMacroPageDialogs::runGunDialog(TarnGunsetDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace mousecfg
