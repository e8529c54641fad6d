#pragma once

#include "platform/key_capture.h"

namespace mousecfg {

// Windows: the low-level keyboard hook (WH_KEYBOARD_LL), installed by the capture and removed
// when it ends. The hook procedure only reads: every event goes on to CallNextHookEx, so the key
// still reaches its window. Compiled on Windows only.
class WinHookKeyCaptureService : public KeyCaptureService {
public:
    bool systemWide() const override { return true; }
    QString name() const override { return QStringLiteral("windows-hook"); }
    std::unique_ptr<KeyCapture> begin(QWidget* focusWidget) override;
};

}  // namespace mousecfg
