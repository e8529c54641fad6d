#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "storage/paths.h"

class QWidget;

namespace mousecfg {

class KeyCaptureService;
class ProductPictures;
class WindowSession;

// What a tab is built from. Its widgets are children of `window`, placed in the window's design
// units times the current scale (UiContext). A page that edits the working set directly
// (lighting, buttons, macros) writes into session.working(); a page that keeps a copy (DPI, rate)
// hands it back in takeBack(). The session's signals (recordChanged, stageReported, ...) tell a
// tab what changed under it.
struct TabContext {
    Paths paths;
    WindowSession& session;
    QWidget* window;
    ProductPictures& pictures;  // the product pictures the lighting and button tabs show
    KeyCaptureService& keys;    // the program's one key capture (key dialogs, macro recording)
};

// One page of the main window behind one tab button. The window holds a list of them and knows
// nothing else about any of them; a new page is one Tab subclass and one line in makeTabs().
class Tab : public QObject {
    Q_OBJECT
public:
    // A child of the context's window.
    explicit Tab(const TabContext& context);

    // The tab button's object name and caption (translated).
    virtual const char* buttonName() const = 0;
    virtual QString caption() const = 0;
    // False when the product switches the feature off: the tab button gets no size.
    virtual bool available() const { return true; }

    // Places the tab's widgets for the current scale.
    virtual void layout() = 0;
    // Shows or hides the tab's widgets (and the product pictures it uses).
    virtual void setShown(bool shown) = 0;
    // Shows the current record of the working set.
    virtual void refresh() {}
    // Folds the page's own copies back into the current record, before a write or an export.
    virtual void takeBack() {}
    virtual void retranslate() {}
    // The working set was replaced by another mouse's or a loaded configuration: selections go,
    // per-model images come.
    virtual void productChanged() {}

Q_SIGNALS:
    // The page asks for another tab (the button page's way to the macro editor).
    void switchTabRequested(int index);
    // A one-button warning box with this text.
    void warningRequested(const QString& text);
    // The window's own controls are locked (false) or free again (true), e.g. while the macro
    // editor records.
    void windowControlsEnabled(bool enabled);

protected:
    TabContext ctx_;
};

// The three skin images of the window's captioned buttons (tabs, bottom buttons, Front/Side).
QStringList captionButtonImages();

}  // namespace mousecfg
