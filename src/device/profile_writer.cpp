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

namespace {

uint8_t profileOrFirst(int index) {
    return (index >= 0 && index < kProfileCount) ? static_cast<uint8_t>(index) : 0;
}

}  // namespace

int ProfileWriter::SelectProfile(int index) {
    const uint8_t profile = profileOrFirst(index);
    link_.WriteAndVerify(selectProfileFrame(profile));
    link_.WriteAndVerify(reloadFrame(0x01));
    return 1;
}

TxResult ProfileWriter::SwitchProfile(int index) {
    TxResult r = link_.WriteAndVerify(selectProfileFrame(profileOrFirst(index)));
    if (r == TxOk) r = link_.WriteAndVerify(reloadFrame(0x01));
    if (r == TxOk) r = ReloadAllSections();
    return r;
}

TxResult ProfileWriter::WriteGlobalSettings() {
    return sendAll(globalSettingsFrames(image_));
}

TxResult ProfileWriter::WriteDpiTable(int profile) {
    return sendAll(dpiTableFrames(image_.profiles[profileOrFirst(profile)], product_.dpiStageCount,
                                  product_.sensorCode, link_.linkMode()));
}

TxResult ProfileWriter::WriteButtonTable(int profile) {
    buttons_ = buildButtonBuffers(image_, product_.buttons, macros_);
    return sendAll(buttonTableFrames(buttons_[profileOrFirst(profile)]));
}

TxResult ProfileWriter::WriteLedTable(int profile) {
    return sendAll(ledTableFrames(image_.profiles[profileOrFirst(profile)]));
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

// One profile's tables, in the order the mouse has always been written: buttons, DPI, lighting.
// The button buffers were built for the whole sequence.
TxResult ProfileWriter::writeTables(int profile, ChangeMask groups) {
    TxResult r = TxOk;
    if ((groups & change::kButtons) &&
        (r = sendAll(buttonTableFrames(buttons_[static_cast<size_t>(profile)]))) != TxOk)
        return r;
    if ((groups & change::kDpi) && (r = WriteDpiTable(profile)) != TxOk) return r;
    if ((groups & change::kLighting) && (r = WriteLedTable(profile)) != TxOk) return r;
    return TxOk;
}

TxResult ProfileWriter::WriteProfileSet(const ConfigState& state, ChangeMask flags) {
    return WriteProfileSet(state, ProfileChanges::forProfile(currentProfileIndex(state), flags));
}

TxResult ProfileWriter::WriteProfileSet(const ConfigState& state, const ProfileChanges& requested) {
    if (status_) status_->stop();
    image_ = state;
    ProfileChanges changes = requested;
    const bool buttons = (changes.combined() & change::kButtons) != 0;
    if (buttons) {
        for (ChangeMask& m : changes.perProfile) m |= change::kButtons;
        buttons_ = buildButtonBuffers(image_, product_.buttons, macros_);
    }
    const int active = currentProfileIndex(image_);
    std::vector<int> order;  // the profiles that are not active first, the active one last
    for (int p = 0; p < kProfileCount; ++p)
        if (p != active) order.push_back(p);
    order.push_back(active);

    TxResult r = SetConfigMode(true);
    if (r != TxOk) return r;
    int selected = -1;  // the profile this sequence has made the mouse select
    auto select = [&](int profile) {
        if (selected == profile) return TxOk;
        selected = profile;
        return link_.WriteAndVerify(selectProfileFrame(static_cast<uint8_t>(profile)));
    };
    if (changes.global & change::kBasic) {
        if ((r = WriteGlobalSettings()) != TxOk) return r;
        selected = active;  // the settings name the active profile
    }
    for (int p : order) {
        const ChangeMask groups = changes.perProfile[static_cast<size_t>(p)] & change::kTables;
        if (groups == change::kNone) continue;
        if ((r = select(p)) != TxOk) return r;
        if ((r = writeTables(p, groups)) != TxOk) return r;
    }
    if (!changes.empty()) {
        if ((r = select(active)) != TxOk) return r;
        if ((r = ReloadAllSections()) != TxOk) return r;
    }
    if ((r = UploadMacros()) != TxOk) return r;
    if ((r = SetConfigMode(false)) != TxOk) return r;
    if (status_) status_->start();
    return TxOk;
}

}  // namespace mousecfg
