#include "device/profile_writer.h"

#include "device/device_log.h"
#include "device/pacer.h"
#include "device/status_reporter.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"

namespace mousecfg {

WriteProduct loadWriteProduct(const Paths& paths) {
    WriteProduct p;
    p.sensorCode = appsettings::loadSensorId(paths);
    p.dpiStageCount = dpiStageCount(paths);
    p.buttons.buttonCount = buttonCount(paths);
    p.buttons.scrollRev = loadScrollRev(paths) == 1;
    p.buttons.sensorCode = p.sensorCode;
    loadButtonMatrix(paths, p.buttons.matrix);
    return p;
}

ProfileWriter::ProfileWriter(DeviceLink& link, Paths paths, StatusReporter* status)
    : link_(link), paths_(std::move(paths)), status_(status), product_(loadWriteProduct(paths_)) {}

TxResult ProfileWriter::sendAll(const FrameList& frames) {
    for (const CommandFrame& f : frames) {
        const TxResult r = link_.WriteAndVerify(f);
        if (r != TxOk) return r;
    }
    return TxOk;
}

TxResult ProfileWriter::SetConfigMode(bool enter) {
    return link_.WriteAndVerify(configModeFrame(enter));
}

TxResult ProfileWriter::ReloadAllSections() {
    for (uint8_t mask : kReloadMasks) {
        const TxResult r = link_.WriteAndVerify(reloadFrame(mask));
        if (r != TxOk) return r;
    }
    return TxOk;
}

int ProfileWriter::SelectProfile(int index) {
    const uint8_t profile = (index >= 0 && index < kProfileCount) ? static_cast<uint8_t>(index) : 0;
    link_.WriteAndVerify(selectProfileFrame(profile));
    link_.WriteAndVerify(reloadFrame(0x01));
    return 1;
}

TxResult ProfileWriter::WriteGlobalSettings() {
    return sendAll(globalSettingsFrames(image_));
}

TxResult ProfileWriter::WriteDpiTable(int profile) {
    const size_t p = (profile >= 0 && profile < kProfileCount) ? static_cast<size_t>(profile) : 0;
    return sendAll(
        dpiTableFrames(image_.profiles[p], product_.dpiStageCount, product_.sensorCode, link_.linkMode()));
}

TxResult ProfileWriter::WriteButtonTable() {
    const ButtonBuffer buffer = buildButtonBuffer(image_.profiles[0], product_.buttons, macros_);
    return sendAll(buttonTableFrames(buffer));
}

TxResult ProfileWriter::WriteLedTable() {
    return sendAll(ledTableFrames(image_.profiles[0]));
}

TxResult ProfileWriter::UploadMacros() {
    Pacer& pacer = link_.pacer();
    const MacroCollectResult collected = collectMacros(
        image_, macros_, memory_,
        [this](const QString& name) { return readMacroEvents(paths_, name, kMacroEventsPerSlot); },
        [&pacer] { pacer.pause(kMacroEncodePause); });
    if (collected.skipped > 0)
        qCDebug(lcDevice) << "macros without a slot in the mouse:" << collected.skipped;
    return sendAll(macroMemoryFrames(memory_));
}

TxResult ProfileWriter::WriteProfileSet(const ConfigState& state, ChangeMask flags) {
    if (status_) status_->stop();
    image_ = state;
    TxResult r = SetConfigMode(true);
    if (r != TxOk) return r;
    if ((flags & change::kBasic) && (r = WriteGlobalSettings()) != TxOk) return r;
    if ((flags & change::kButtons) && (r = WriteButtonTable()) != TxOk) return r;
    if ((flags & change::kDpi) && (r = WriteDpiTable(0)) != TxOk) return r;
    if ((flags & change::kLighting) && (r = WriteLedTable()) != TxOk) return r;
    if ((flags & change::kAll) && (r = ReloadAllSections()) != TxOk) return r;
    if ((r = UploadMacros()) != TxOk) return r;
    if ((r = SetConfigMode(false)) != TxOk) return r;
    if (status_) status_->start();
    return TxOk;
}

}  // namespace mousecfg
