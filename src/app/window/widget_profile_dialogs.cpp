#include "app/window/widget_profile_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "widgets/tarn_message_box.h"

namespace mousecfg {

namespace {
QString warningCaption() {
    return QCoreApplication::translate("mousecfg::ProfileManager", "Warning");
}
}  // namespace

void WidgetProfileDialogs::warn(const QString& text) {
    TarnMessageBox box(TarnMessageBox::Refusal, QString(), warningCaption(), text, parent_);
    box.exec();
}

bool WidgetProfileDialogs::confirm(const QString& text) {
    TarnMessageBox box(TarnMessageBox::Question, QString(), warningCaption(), text, parent_);
    return box.exec() == QDialog::Accepted;
}

QString WidgetProfileDialogs::saveFileName(const QString& title, const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, title, QString(), filter);
}

QString WidgetProfileDialogs::openFileName(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, title, QString(), filter);
}

}  // namespace mousecfg
