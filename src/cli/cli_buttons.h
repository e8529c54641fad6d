#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "storage/config_state.h"
#include "storage/paths.h"

namespace mousecfg {

// The buttons the button page lists and what their menus offer, for one product.
struct ButtonProduct {
    std::vector<int> frontSlots;  // the listed front buttons, top to bottom: "1", "2", ...
    bool macros = true;           // "Macro Manager" is offered
    bool ledSwitch = true;        // "Led Switch" is offered
    int sensor = 0;               // for the DPI of a sniper level

    static ButtonProduct load(const Paths& paths);
    // The listed buttons as the command line names them: "1" .. "n" for the front rows (as the
    // page numbers them), then "wheel-up" and "wheel-down"; with their profile slots.
    std::vector<std::pair<QString, int>> listed() const;
    // The slot of a button name; nothing for a name not listed.
    std::optional<int> slotOf(const QString& name) const;
    QString names() const;  // "1..6, wheel-up, wheel-down"
};

// The words set takes for the functions a button menu offers (any button, any product).
QStringList buttonFunctionWords();

// One button for show: {"button": name, "slot": 0..41, "code": Fun, "label": the page's words,
// "function": set's word|null, and the parameters of the function: "key" (single key), "keys"
// (combo), "target", "times", "delay" (fire), "level", "dpi" (sniper), "macro", "mode"
// ("loop"|"while-held"|"toggle"), "loop" (macro)}.
QJsonObject buttonView(const ButtonProduct& product, const QString& name, int slot,
                       const ButtonAssignment& a);
// The text line after "button N: " for the same view.
QString buttonText(const QJsonObject& view);
// The assignment written the way `set button N` takes it ("key F5", "macro m1 --loop 3");
// empty for a code no menu offers.
QString buttonSetForm(const ButtonProduct& product, const ButtonAssignment& a);

}  // namespace mousecfg
