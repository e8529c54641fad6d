#pragma once

#include "widgets/skinned_dialog.h"

class QLabel;

namespace mousecfg {

class DeviceReadyFlag;
class PollTicker;

// The program's skinned question and warning box. Kind 1 asks Yes/No, every other kind shows
// one "Ok" button; kinds 1 to 3 show the warning icon, kind 4 the receiver icon. A polling box
// closes itself (accepted) as soon as its parent window reports the mouse ready again.
class TarnMessageBox : public SkinnedDialog {
    Q_OBJECT

public:
    enum Kind { Question = 1, Refusal = 2, Notice = 3, DongleMissing = 4 };

    TarnMessageBox(int kind, const QString& title, const QString& caption, const QString& text,
                   QWidget* parent = nullptr, bool poll = false,
                   Qt::WindowFlags flags = Qt::FramelessWindowHint);

    // True once the box closed itself because the device came back.
    bool polled() const { return polled_; }
    bool isPolling() const { return ticker_ != nullptr; }

    // Replaces where a polling box looks for the ready flag (by default its parent, when the
    // parent implements DeviceReadyFlag) and what drives the poll (by default a 100 ms timer).
    // The box takes ownership of `ticker`.
    void setPollSource(const DeviceReadyFlag* flag, PollTicker* ticker);

private Q_SLOTS:
    void GetPlugInSignal();

private:
    QLabel* icon_;
    const DeviceReadyFlag* readyFlag_ = nullptr;
    PollTicker* ticker_ = nullptr;
    bool polled_ = false;
};

}  // namespace mousecfg
