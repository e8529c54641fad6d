#pragma once

#include <array>

#include "app/tabs/tab.h"

class QScrollArea;

namespace mousecfg {

class TarnPushButton;

// The CUSTOMIZE tab: the button page (in a scroll area) and, on the product picture, the 20 front
// and 20 side markers, the up/down arrows and the Front/Side buttons. Until the button page
// arrives its place is held by an empty widget named after it.
class CustomizeTab : public Tab {
    Q_OBJECT
public:
    static constexpr int kMarkers = 20;

    explicit CustomizeTab(const TabContext& context);

    const char* buttonName() const override { return "tabCustomize"; }
    QString caption() const override { return tr("CUSTOMIZE"); }
    void layout() override;
    void setShown(bool shown) override;
    void retranslate() override;
    // Front view, no selection but marker 0.
    void productChanged() override;

public Q_SLOTS:
    // The button page's hover over one of its first 20 buttons: its marker and its picture.
    void slotMouseOver(mousecfg::TarnPushButton* btn, bool bType);
    // The button page refused to take away the last click function.
    void slotPopOneClickBox();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TarnPushButton* makeButton(const QStringList& images, const char* objectName);
    void onClicked();
    void selectMarker(TarnPushButton* marker);
    void setFrontView(bool front);
    void applyModelImages();

    QScrollArea* scroll_;
    QWidget* page_;
    TarnPushButton* front_;
    TarnPushButton* side_;
    TarnPushButton* up_ = nullptr;
    TarnPushButton* down_ = nullptr;
    std::array<TarnPushButton*, kMarkers> frontMarkers_{};
    std::array<TarnPushButton*, kMarkers> sideMarkers_{};
    bool shown_ = false;
    bool frontView_ = true;
    // Selection: front marker, (unused), up/down, last view, side marker.
    std::array<int, 5> selection_{};
};

}  // namespace mousecfg
