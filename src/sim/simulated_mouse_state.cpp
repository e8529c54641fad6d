// The simulated mouse's memory, live state, fault injection and frame log, as tests and the
// programs set and read them.
#include <algorithm>

#include "sim/simulated_mouse_impl.h"

namespace mousecfg {

using namespace simmouse;

QByteArray SimulatedMouse::section(uint8_t command, int profile) const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->memory.section(command, profile);
}

void SimulatedMouse::setSection(uint8_t command, const QByteArray& bytes, int profile) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->memory.setSection(command, bytes, profile);
}

bool SimulatedMouse::inConfigMode() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->memory.inConfigMode();
}

std::vector<uint8_t> SimulatedMouse::reloadMasks() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->memory.reloadMasks();
}

void SimulatedMouse::setBatteryMillivolts(int millivolts) {
    // The reading is millivolts * 240 / 990, rounded up so that it reads back at least as high.
    const int raw = std::clamp((std::max(millivolts, 0) * 240 + 989) / 990, 0, 0xFFFF);
    setBatteryRaw(static_cast<uint16_t>(raw));
}

void SimulatedMouse::setBatteryRaw(uint16_t raw) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->batteryRaw = raw;
}

uint16_t SimulatedMouse::batteryRaw() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->batteryRaw;
}

void SimulatedMouse::setCharging(bool charging) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->charging = charging;
}

void SimulatedMouse::setLinkMode(uint8_t mode) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->linkMode = mode;
}

void SimulatedMouse::setWriteStatus(uint8_t status) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->writeStatus = status;
}

void SimulatedMouse::setMouseOff(bool off) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->off = off;
}

void SimulatedMouse::setMode(uint8_t mode) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->mode = mode;
}

uint8_t SimulatedMouse::activeProfile() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->memory.activeProfile();
}

uint8_t SimulatedMouse::selectedProfile() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->memory.selectedProfile();
}

uint8_t SimulatedMouse::dpiStage() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->memory.dpiStage();
}

uint8_t SimulatedMouse::rate() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->memory.rate();
}

void SimulatedMouse::changeProfileOnMouse(uint8_t profile) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->memory.changeProfileOnMouse(profile);
    d_->reportStatusUnasked();
    d_->keep();
}

void SimulatedMouse::changeDpiStageOnMouse(uint8_t stage) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->memory.changeDpiStageOnMouse(stage);
    d_->reportStatusUnasked();
    d_->keep();
}

void SimulatedMouse::changeRateOnMouse(uint8_t rate) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->memory.changeRateOnMouse(rate);
    d_->reportStatusUnasked();
    d_->keep();
}

void SimulatedMouse::moveMouse(int reports) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    if (!d_->present[0] && !d_->present[1]) return;
    for (int i = 0; i < reports; ++i) {
        QByteArray r(8, '\0');
        r[0] = static_cast<char>(kMotionReportId);
        r[2] = static_cast<char>(1 + i % 5);  // dx
        r[4] = static_cast<char>(-(i % 3));   // dy
        d_->deliver(d_->activePath(), kMouseCollection, r);
    }
}

void SimulatedMouse::queueCommandReport(const QByteArray& report) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    if (d_->present[0] || d_->present[1]) d_->deliver(d_->activePath(), kCommandCollection, report);
}

void SimulatedMouse::injectEchoFault(EchoFault fault, int count) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->fault = count == 0 ? EchoFault::None : fault;
    d_->faultCount = count;
}

void SimulatedMouse::failReads(int count) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->readFaults = count;
}

void SimulatedMouse::failWrites(int count) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->writeFaults = count;
}

void SimulatedMouse::setSilent(bool silent) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->silent = silent;
}

void SimulatedMouse::setFrameHook(FrameHook hook) {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->frameHook = hook ? std::make_shared<const FrameHook>(std::move(hook)) : nullptr;
    d_->hookedFrames = 0;
}

std::vector<QByteArray> SimulatedMouse::frameLog() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->log;
}

std::vector<QByteArray> SimulatedMouse::framesWithCommand(uint8_t command) const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    std::vector<QByteArray> out;
    for (const QByteArray& f : d_->log)
        if (static_cast<uint8_t>(f.at(3)) == command) out.push_back(f);
    return out;
}

void SimulatedMouse::clearFrameLog() {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->log.clear();
}

int SimulatedMouse::writeCount() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->writes;
}

int SimulatedMouse::readCount() const {
    std::lock_guard<std::mutex> lock(d_->mutex);
    return d_->reads;
}

void SimulatedMouse::resetCounters() {
    std::lock_guard<std::mutex> lock(d_->mutex);
    d_->writes = 0;
    d_->reads = 0;
}

}  // namespace mousecfg
