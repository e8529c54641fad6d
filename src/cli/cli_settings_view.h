#pragma once

#include <QJsonObject>
#include <QTextStream>
#include <vector>

#include "cli/cli_buttons.h"
#include "device/dpi_ranges.h"
#include "device/lighting_rules.h"
#include "storage/config_state.h"
#include "storage/paths.h"

namespace mousecfg {

// The product facts that decide what the pages show and accept, read once per command.
struct ProductView {
    QString name;  // "Config/CurrentProductName"
    DpiProduct dpi;
    lighting::LightingProduct lighting;
    ButtonProduct buttons;

    static ProductView load(const Paths& paths);
    // The profile whose lighting the lighting page edits when profile `profile` is chosen:
    // profile 0 for a product that keeps one lighting for all profiles.
    int lightingProfile(int profile) const;
};

// What `show` prints, as one JSON object; the text output is rendered from it, so that both
// always carry the same values. `profiles` are indices 0..4, in the order to show them.
//
// {"product": text, "sensor": number, "active_profile": 1..5, "lift_off_mm": 1|2,
//  "pending": ["settings"|"dpi"|"buttons"|"lighting", ...] (what the next apply writes),
//  "profiles": [{"profile": 1..5, "name": text, "active": bool,
//                "active_stage": 1..8,
//                "stages": [{"stage": 1..8, "enabled": bool, "linked": bool,
//                            "x_dpi": number, "y_dpi": number, "x_code": number, "y_code": number}],
//                "rate_hz": number|null, "pointer_speed": number, "scroll_speed": number,
//                "buttons": [see buttonView in cli_buttons.h],
//                "lighting": {"effect": text|null, "effect_code": number,
//                             "brightness": number|null, "speed": number|null, "color": "#rrggbb"|null},
//                "sleep_minutes": number|null, "move_light_off": bool|null,
//                "pending": ["dpi"|"buttons"|"lighting", ...] (this profile's tables the next
//                           apply writes)}]}
QJsonObject settingsView(const Paths& paths, const ProductView& product, const ConfigState& state,
                         const std::vector<int>& profiles);
// One profile's part; `pendingTables` is what the next apply writes of its own tables.
QJsonObject profileView(const ProductView& product, const ConfigState& state, int profile,
                        ChangeMask pendingTables);

// The same in lines of "label: value", one block per profile.
void printSettingsText(QTextStream& out, const QJsonObject& view);

// The names of the groups of a change mask, as "pending" lists them.
QStringList changeGroupNames(ChangeMask mask);

}  // namespace mousecfg
