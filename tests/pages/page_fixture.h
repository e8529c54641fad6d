#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "device/device_link.h"
#include "device/pacer.h"
#include "device/profile_writer.h"
#include "sim/memory_decoder.h"
#include "sim/simulated_mouse.h"
#include "storage/config_state.h"
#include "storage/settings_file.h"
#include "temp_data.h"
#include "widgets/ui_context.h"

namespace mousecfg::test {

// The skin and theme of the built program at scale 1, installed for the pages under test.
inline void installTestUi() {
    UiContext ui;
    ui.skinDir = QStringLiteral(MOUSECFG_BIN_DIR "/skin");
    ui.theme = QColor(0, 170, 255);
    ui.fontPixelSize = 12;
    UiContext::install(ui);
}

// The shipped FARROW data in a temporary folder and a simulated mouse on its receiver, opened
// the way the program opens it: what Apply hands the writer ends up in the mouse's memory.
struct SimulatedFarrow {
    SimulatedFarrow() : data(true), link(sim, pacer), writer(link, data.paths()) {
        link.InitDeviceList(data.paths());
        opened = link.EnumerateDevices() == 0;
        link.OpenDevice(link.currentProductName());
        opened = opened && link.hasCommandHandle();
        loadConfigState(data.paths(), state);
    }
    // Writes the state with every section, as the first Apply after start-up does.
    TxResult apply() { return writer.WriteProfileSet(state, change::kAll); }

    TempData data;
    SimulatedMouse sim;
    RecordingPacer pacer;
    DeviceLink link;
    ProfileWriter writer;
    ConfigState state;
    bool opened = false;
};

}  // namespace mousecfg::test
