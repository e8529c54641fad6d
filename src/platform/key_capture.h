#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace mousecfg {

// One key event as a low-level keyboard hook reports it: the set-1 make code of the key and the
// hook flags. Extended keys (right-hand modifiers, the navigation block, keypad Enter and /) carry
// the extended flag; the Alt flag is set while an Alt key is held; the release flag on key-up.
struct RawKeyEvent {
    enum Flag : quint32 { Extended = 0x01, AltHeld = 0x20, Released = 0x80 };
    quint16 scanCode = 0;  // set-1 make code without the 0xE0 prefix (0x45 for Pause and Num Lock)
    quint32 flags = 0;     // Flag bits

    bool extended() const { return (flags & Extended) != 0; }
    bool altHeld() const { return (flags & AltHeld) != 0; }
    bool released() const { return (flags & Released) != 0; }
    bool operator==(const RawKeyEvent& o) const { return scanCode == o.scanCode && flags == o.flags; }
    bool operator!=(const RawKeyEvent& o) const { return !(*this == o); }
};

// A running capture. Key events arrive on the GUI thread through keyEvent() for as long as the
// object lives; destroying it ends the capture. Keys are only observed, never swallowed: they
// still reach the window they were typed into.
class KeyCapture : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~KeyCapture() override = default;

Q_SIGNALS:
    void keyEvent(mousecfg::RawKeyEvent event);
};

// Hands out key captures. One capture runs at a time: starting a new one ends the previous one
// (its owner simply stops receiving events), so no capture outlives the dialog that asked for it.
class KeyCaptureService {
public:
    virtual ~KeyCaptureService() = default;

    // True when keys typed into any window are seen (X11, the Windows hook); false when only keys
    // typed while `focusWidget`'s window has the focus are seen (Wayland, no display server), in
    // which case the dialog tells the user so.
    virtual bool systemWide() const = 0;
    virtual QString name() const = 0;

    // Starts capturing. `focusWidget` is the dialog or editor that asked: the fallback service
    // listens to its window's key events; system-wide services ignore it. Never null.
    virtual std::unique_ptr<KeyCapture> begin(QWidget* focusWidget) = 0;
};

// The service for this session, chosen at run time: the low-level hook on Windows; XInput2 raw
// events on an X11 session (platform "xcb") whose server has XInput 2.2; else the focused
// window's own key events. Needs the application object.
std::unique_ptr<KeyCaptureService> makeKeyCaptureService();

}  // namespace mousecfg

Q_DECLARE_METATYPE(mousecfg::RawKeyEvent)
