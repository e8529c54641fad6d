#include "pages/macros/macro_command_tree.h"

#include <QHeaderView>
#include <QIntValidator>

#include "pages/macros/macro_texts.h"
#include "pages/macros/macros_log.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/ui_context.h"

namespace mousecfg {

MacroCommandTree::MacroCommandTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("macroCommandTree"));
    setColumnCount(2);
    setRootIsDecorated(true);
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::Fixed);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new QTreeWidgetItem(this);
        for (int c = 0; c < 2; ++c) new QTreeWidgetItem(buttons_[i]);
    }
    for (size_t i = 0; i < moves_.size(); ++i) {
        moves_[i] = new QTreeWidgetItem(this);
        distances_[i] = new TarnLineEdit(this);
        distances_[i]->setObjectName(QStringLiteral("macroMoveDistance%1").arg(i));
        distances_[i]->setMaxLength(3);
        distances_[i]->setValidator(new QIntValidator(1, macro::kMaxMoveDistance, distances_[i]));
        distances_[i]->setAlignment(Qt::AlignCenter);
        distances_[i]->setText(QStringLiteral("10"));
        setItemWidget(moves_[i], 1, distances_[i]);
    }
    setIndentation(UiContext::current().scaled(12));
    connect(this, &QTreeWidget::itemPressed, this, &MacroCommandTree::TreeitemClick);
    retranslate();
}

void MacroCommandTree::applyStyle() {
    const UiContext& ui = UiContext::current();
    const QFont f = ui.font();
    const QString font =
        QStringLiteral("font-family:'%1';font-size:%2px;").arg(f.family()).arg(f.pixelSize());
    setStyleSheet(
        QStringLiteral(
            "QTreeWidget{background-color:rgb(30,30,30);color:white;border:1px solid rgb(70,70,70);%2}"
            "QTreeWidget::item{height:%1px;}"
            "QTreeWidget::item:selected{background:rgb(80,80,80);}"
            "QHeaderView::section{background-color:rgb(45,45,45);color:white;border:none;"
            "padding-left:2px;%2}"
            "QLineEdit{background-color:rgb(50,50,50);color:white;border:1px solid rgb(90,90,90);%2}")
            .arg(ui.scaled(22))
            .arg(font));
}

void MacroCommandTree::retranslate() {
    applyStyle();
    setHeaderLabels({tr("MOUSE COMMAND"), QString()});
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setText(0, MacroTexts::buttonName(MacroTexts::kTreeButtons[i]));
        buttons_[i]->child(0)->setText(0, tr("PRESS DOWN"));
        buttons_[i]->child(1)->setText(0, tr("BOUNCE UP"));
    }
    for (size_t i = 0; i < moves_.size(); ++i)
        moves_[i]->setText(0, MacroTexts::directionName(MacroTexts::kTreeDirections[i]));
    header()->resizeSection(1, UiContext::current().scaled(34));
}

void MacroCommandTree::TreeitemClick(QTreeWidgetItem* item, int column) {
    qCDebug(lcMacroPage, "TreeitemClick = %d", column);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const std::uint8_t bit = MacroTexts::kTreeButtons[i];
        if (item == buttons_[i]) {
            if (item->isExpanded()) {
                Q_EMIT clickRequested(bit);
            } else {
                collapseAll();
                item->setExpanded(true);
            }
            return;
        }
        if (item->parent() == buttons_[i]) {
            Q_EMIT buttonRequested(bit, item == buttons_[i]->child(0));
            return;
        }
    }
    for (size_t i = 0; i < moves_.size(); ++i) {
        if (item != moves_[i]) continue;
        // The field's validator keeps it within 1..120; an empty field asks for nothing.
        const int distance = distances_[i]->text().toInt();
        if (distance >= 1) Q_EMIT moveRequested(MacroTexts::kTreeDirections[i], distance);
        return;
    }
}

}  // namespace mousecfg
