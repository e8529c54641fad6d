#pragma once

#include <array>

#include "app/tabs/tab.h"

class QScrollArea;

namespace mousecfg {

class TarnBtnWindow;
class TarnPushButton;

// The CUSTOMIZE tab: the button page (in a scroll area, beside the product picture) and, on the
// picture, the 20 front and 20 side markers, the up/down arrows and the Front/Side buttons. The
// page edits the current record of the working set in place; it is made the first time the tab
// is shown.
class CustomizeTab : public Tab {
    Q_OBJECT
public:
    static constexpr int kMarkers = 20;

    explicit CustomizeTab(const TabContext& context);

    const char* buttonName() const override { return "tabCustomize"; }
    QString caption() const override { return tr("CUSTOMIZE"); }
    void layout() override;
    void setShown(bool shown) override;
    void refresh() override;
    void retranslate() override;
    // Front view, no selection but marker 0, the product's rows.
    void productChanged() override;

    // The page, once the tab has been shown (null before).
    TarnBtnWindow* page() const { return page_; }

public Q_SLOTS:
    // The button page's hover over one of its first 20 buttons: its marker and its picture.
    void slotMouseOver(mousecfg::TarnPushButton* btn, bool bType);
    // The button page refused to take away the last click function.
    void slotPopOneClickBox();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TarnBtnWindow& ensurePage();
    TarnPushButton* makeButton(const QStringList& images, const char* objectName);
    void onClicked();
    void selectMarker(TarnPushButton* marker);
    void setFrontView(bool front);
    void tellPage();
    void applyModelImages();

    QScrollArea* scroll_;
    TarnBtnWindow* page_ = nullptr;
    TarnPushButton* front_;
    TarnPushButton* side_;
    TarnPushButton* up_ = nullptr;
    TarnPushButton* down_ = nullptr;
    std::array<TarnPushButton*, kMarkers> frontMarkers_{};
    std::array<TarnPushButton*, kMarkers> sideMarkers_{};
    bool shown_ = false;
    bool frontView_ = true;
    // Selection: front marker, (unused), up/down, last view (0 front, 2 up/down, 4 side), side
    // marker.
    std::array<int, 5> selection_{};
};

}  // namespace mousecfg
