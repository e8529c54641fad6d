// The buttons in show, get and set, with the button page's vocabulary and guards: the functions
// its menus offer, the one "Left" click to keep, key names, combinations, fire keys, sniper
// levels and macros of the library.
#include <QCommandLineParser>
#include <QJsonArray>

#include "cli/cli_buttons.h"
#include "cli/cli_setting_keys.h"
#include "cli/cli_values.h"
#include "device/button_functions.h"
#include "device/dpi_ranges.h"
#include "device/dpi_scale.h"
#include "device/key_codes.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"

namespace mousecfg {

namespace {

using buttonfn::Function;

// The word set takes for a function: its menu text as a token ("DPI +" is dpi-up), or a short
// word for the functions with a parameter.
QString functionWord(const Function& f) {
    switch (f.code) {
        case fun::kSingleKey:
            return QStringLiteral("key");
        case fun::kKeyCombo:
            return QStringLiteral("combo");
        case fun::kFireKey:
            return QStringLiteral("fire");
        case fun::kSniper:
            return QStringLiteral("sniper");
        case fun::kMacro:
            return QStringLiteral("macro");
        default:
            break;
    }
    QString t = QString::fromLatin1(f.text).toLower();
    t.replace(QLatin1String(" +"), QLatin1String("-up")).replace(QLatin1String(" -"), QLatin1String("-down"));
    return clivalue::token(t.replace(QLatin1Char('/'), QLatin1Char(' ')));
}

const Function* functionNamed(const QString& word) {
    for (const Function& f : buttonfn::functions())
        if (word.toLower() == functionWord(f) || clivalue::sameToken(word, QString::fromLatin1(f.text)))
            return &f;
    return nullptr;
}

// A key name as one word: "Num Enter" is Num-Enter.
QString keyWord(int code) {
    return keycodes::keyName(code).replace(QLatin1Char(' '), QLatin1Char('-'));
}

// The key code of a key name ("F5", "num-enter", "LCtr"), or of a modifier's plain name ("Ctrl",
// "Shift", "Alt", "Win"), which is its left key; 0 when no key has the name.
uint8_t keyCodeNamed(const QString& name) {
    static const std::pair<const char*, uint8_t> kPlain[] = {
        {"ctrl", 29}, {"shift", 42}, {"alt", 56}, {"win", 91}, {"windows", 91}};
    for (const auto& [word, code] : kPlain)
        if (name.toLower() == QLatin1String(word)) return code;
    for (int code = 1; code < 256; ++code) {
        const QString n = keycodes::keyName(code);
        if (!n.isEmpty() && (n == name || clivalue::sameToken(name, n))) return static_cast<uint8_t>(code);
    }
    return 0;
}

KeyResult keyNamed(const QString& name, uint8_t* code) {
    *code = keyCodeNamed(name);
    if (*code == 0) return KeyResult::refused(QStringLiteral("unknown key name '%1'").arg(name));
    if (!buttonfn::isAssignableKey(*code))
        return KeyResult::refused(QStringLiteral("%1 cannot be sent as a key").arg(keycodes::keyName(*code)));
    return KeyResult::done();
}

const char* const kFireTargets[] = {"left", "right", "middle"};
const char* const kMacroModes[] = {"loop", "while-held", "toggle"};

DpiRange sniperDpiRange(int sensor) {
    const buttonfn::SniperRange r = buttonfn::sniperRange(sensor);
    return {r.min, r.max, dpiscale::dpiOfLevel(r.min, sensor), dpiscale::dpiOfLevel(r.max, sensor)};
}

}  // namespace

QStringList buttonFunctionWords() {
    QStringList words;
    for (const Function& f : buttonfn::functions())
        if (buttonfn::menuOffers(buttonfn::kFrontGroup, f.code, true, true) ||
            buttonfn::menuOffers(buttonfn::kWheelGroup, f.code, true, true))
            words << functionWord(f);
    return words;
}

ButtonProduct ButtonProduct::load(const Paths& paths) {
    ButtonProduct p;
    p.frontSlots = buttonfn::shownFrontSlots(paths);
    p.macros = loadDisableMacro(paths) == 0;
    p.ledSwitch = loadLedDisable(paths) == 0;
    p.sensor = appsettings::loadSensorId(paths);
    return p;
}

std::vector<std::pair<QString, int>> ButtonProduct::listed() const {
    std::vector<std::pair<QString, int>> buttons;
    for (size_t i = 0; i < frontSlots.size(); ++i)
        buttons.emplace_back(QString::number(i + 1), frontSlots[i]);
    buttons.emplace_back(QStringLiteral("wheel-up"), *buttonfn::slotOf(buttonfn::kWheelGroup, 0));
    buttons.emplace_back(QStringLiteral("wheel-down"), *buttonfn::slotOf(buttonfn::kWheelGroup, 1));
    return buttons;
}

std::optional<int> ButtonProduct::slotOf(const QString& name) const {
    for (const auto& [n, slot] : listed())
        if (n == name.toLower()) return slot;
    return std::nullopt;
}

QString ButtonProduct::names() const {
    const QString front = frontSlots.empty() ? QString() : QStringLiteral("1..%1, ").arg(frontSlots.size());
    return front + QStringLiteral("wheel-up, wheel-down");
}

QString buttonSetForm(const ButtonProduct& product, const ButtonAssignment& a) {
    const Function* f = buttonfn::functionOf(a.Fun);
    if (!f || f->code == fun::kGunFile) return QString();
    const QString word = functionWord(*f);
    switch (a.Fun) {
        case fun::kSingleKey:
            return word + QLatin1Char(' ') + keyWord(a.Res1);
        case fun::kKeyCombo: {
            QStringList keys;
            for (uint8_t code : buttonfn::comboFromKeyInfo(a.KeyInfo).chosenCodes()) keys << keyWord(code);
            return word + QLatin1Char(' ') + keys.join(QLatin1Char('+'));
        }
        case fun::kFireKey: {
            const buttonfn::FireKey k = buttonfn::fireKeyOf(a);
            const QString target =
                k.kind == buttonfn::FireKeyboard ? keyWord(k.keyCode) : QLatin1String(kFireTargets[k.kind]);
            return QStringLiteral("%1 %2 --times %3 --delay %4").arg(word, target).arg(k.times).arg(k.delay);
        }
        case fun::kSniper:
            return QStringLiteral("%1 %2").arg(word).arg(dpiscale::dpiOfLevel(a.Res1, product.sensor));
        case fun::kMacro:
            if (a.Res1 == buttonfn::MacroWhileHeld || a.Res1 == buttonfn::MacroUntilPressedAgain)
                return QStringLiteral("%1 %2 --%3")
                    .arg(word, a.macroname, QLatin1String(kMacroModes[a.Res1]));
            return QStringLiteral("%1 %2 --loop %3").arg(word, a.macroname).arg(a.LoopNumber);
        default:
            return word;
    }
}

QJsonObject buttonView(const ButtonProduct& product, const QString& name, int slot,
                       const ButtonAssignment& a) {
    const Function* f = buttonfn::functionOf(a.Fun);
    QJsonObject v{
        {QStringLiteral("button"), name},
        {QStringLiteral("slot"), slot},
        {QStringLiteral("code"), a.Fun},
        {QStringLiteral("label"),
         buttonfn::labelText(a, product.sensor,
                             [](const char* s, const char*) { return QString::fromLatin1(s); })},
        {QStringLiteral("function"), f ? QJsonValue(functionWord(*f)) : QJsonValue(QJsonValue::Null)},
    };
    switch (a.Fun) {
        case fun::kSingleKey:
            v[QStringLiteral("key")] = keycodes::keyName(a.Res1);
            break;
        case fun::kKeyCombo: {
            QJsonArray keys;
            for (uint8_t code : buttonfn::comboFromKeyInfo(a.KeyInfo).chosenCodes())
                keys.append(keycodes::keyName(code));
            v[QStringLiteral("keys")] = keys;
            break;
        }
        case fun::kFireKey: {
            const buttonfn::FireKey k = buttonfn::fireKeyOf(a);
            v[QStringLiteral("target")] = k.kind == buttonfn::FireKeyboard
                                              ? keycodes::keyName(k.keyCode)
                                              : QLatin1String(kFireTargets[k.kind]);
            v[QStringLiteral("times")] = k.times;
            v[QStringLiteral("delay")] = k.delay;
            break;
        }
        case fun::kSniper:
            v[QStringLiteral("level")] = a.Res1;
            v[QStringLiteral("dpi")] = dpiscale::dpiOfLevel(a.Res1, product.sensor);
            break;
        case fun::kMacro:
        case fun::kGunFile:
            v[QStringLiteral("macro")] = a.macroname;
            v[QStringLiteral("mode")] =
                a.Res1 < 3 ? QJsonValue(QLatin1String(kMacroModes[a.Res1])) : QJsonValue(a.Res1);
            v[QStringLiteral("loop")] = a.LoopNumber;
            break;
        default:
            break;
    }
    return v;
}

QString buttonText(const QJsonObject& v) {
    QString text = v[QStringLiteral("label")].toString();
    if (v[QStringLiteral("function")].isNull())
        text = QStringLiteral("function %1").arg(v[QStringLiteral("code")].toInt());
    if (v.contains(QStringLiteral("times")))
        text += QStringLiteral(" (%1 times, %2 ms)")
                    .arg(v[QStringLiteral("times")].toInt())
                    .arg(v[QStringLiteral("delay")].toInt());
    if (v.contains(QStringLiteral("macro"))) {
        const QString mode = v[QStringLiteral("mode")].toString();
        text += mode == QLatin1String("loop")
                    ? QStringLiteral(" (macro, %1 times)").arg(v[QStringLiteral("loop")].toInt())
                    : QStringLiteral(" (macro, %1)").arg(mode);
    }
    return text;
}

// ---- set and get -------------------------------------------------------------------------

namespace {

const QStringList kFireOptions = {QStringLiteral("times"), QStringLiteral("delay")};
const QStringList kMacroOptions = {QStringLiteral("loop"), QStringLiteral("while-held"),
                                   QStringLiteral("toggle")};

bool anySet(const QCommandLineParser* parser, const QStringList& options) {
    return parser && std::any_of(options.begin(), options.end(),
                                 [parser](const QString& o) { return parser->isSet(o); });
}

KeyResult fireKey(const KeyContext& c, const QString& target, ButtonAssignment& a) {
    buttonfn::FireKey k = buttonfn::fireKeyOf(a);
    k.kind = buttonfn::FireKeyboard;
    for (int kind = 0; kind < 3; ++kind)
        if (target.toLower() == QLatin1String(kFireTargets[kind])) k.kind = kind;
    if (k.kind == buttonfn::FireKeyboard) {
        const KeyResult r = keyNamed(target, &k.keyCode);
        if (r.kind != KeyResult::Done) return r;
    }
    for (const QString& o : kFireOptions) {
        if (!c.parser->isSet(o)) continue;
        const std::optional<int> n = clivalue::integer(c.parser->value(o));
        if (!n || *n < buttonfn::kFireMinValue || *n > buttonfn::kFireMaxValue)
            return KeyResult::refused(QStringLiteral("%1 %2 is out of range: %3..%4")
                                          .arg(o, c.parser->value(o))
                                          .arg(buttonfn::kFireMinValue)
                                          .arg(buttonfn::kFireMaxValue));
        (o == kFireOptions[0] ? k.times : k.delay) = *n;
    }
    return buttonfn::storeFireKey(a, k)
               ? KeyResult::done()
               : KeyResult::refused(QStringLiteral("fire %1 cannot be stored").arg(target));
}

KeyResult macro(const KeyContext& c, const QString& name, ButtonAssignment& a) {
    if (!buttonfn::macroInLibrary(c.paths, name))
        return KeyResult::refused(QStringLiteral("no macro '%1' in the macro library").arg(name));
    const QCommandLineParser& p = *c.parser;
    const int modes =
        int(p.isSet(kMacroOptions[0])) + int(p.isSet(kMacroOptions[1])) + int(p.isSet(kMacroOptions[2]));
    if (modes > 1)
        return KeyResult::usage(QStringLiteral("--loop, --while-held and --toggle exclude each other"));
    // Like the macro dialog: a button that holds this function keeps how it plays unless told.
    const bool same = a.Fun == fun::kMacro;
    int mode = same ? static_cast<int>(a.Res1) : static_cast<int>(buttonfn::MacroLoopCount);
    int loop = same ? a.LoopNumber : 1;
    if (p.isSet(kMacroOptions[0])) {
        const std::optional<int> n = clivalue::integer(p.value(kMacroOptions[0]));
        if (!n || *n < buttonfn::kLoopCountMin || *n > buttonfn::kLoopCountMax)
            return KeyResult::refused(QStringLiteral("loop %1 is out of range: %2..%3")
                                          .arg(p.value(kMacroOptions[0]))
                                          .arg(buttonfn::kLoopCountMin)
                                          .arg(buttonfn::kLoopCountMax));
        mode = buttonfn::MacroLoopCount;
        loop = *n;
    }
    if (p.isSet(kMacroOptions[1])) mode = buttonfn::MacroWhileHeld;
    if (p.isSet(kMacroOptions[2])) mode = buttonfn::MacroUntilPressedAgain;
    ButtonAssignment edited = a;
    edited.Fun = fun::kMacro;
    edited.macroname = name;
    edited.Res1 = static_cast<uint8_t>(mode);
    edited.LoopNumber = std::clamp(loop, buttonfn::kLoopCountMin, buttonfn::kLoopCountMax);
    if (buttonfn::copyMacroEvents(c.paths, name, edited) != buttonfn::MacroCopy::Copied)
        return KeyResult::refused(QStringLiteral("the file of macro '%1' cannot be read").arg(name));
    a = edited;
    return KeyResult::done();
}

KeyResult combo(const QString& text, ButtonAssignment& a) {
    buttonfn::ComboKeys keys;
    int mainKeys = 0;
    for (const QString& part : text.split(QLatin1Char('+'))) {
        uint8_t code = 0;
        const KeyResult r = keyNamed(part.trimmed(), &code);
        if (r.kind != KeyResult::Done) return r;
        buttonfn::ComboKeys probe;
        probe.press(code);
        if (probe.parts[buttonfn::ComboMain] != 0 && ++mainKeys > 1)
            return KeyResult::refused(
                QStringLiteral("combo %1 has more than one key besides Shift, Ctrl, Win, Alt").arg(text));
        keys.press(code);
    }
    a.KeyInfo = buttonfn::comboKeyInfo(keys.chosenCodes());
    a.Fun = fun::kKeyCombo;
    return KeyResult::done();
}

KeyResult sniper(const KeyContext& c, const QString& text, ButtonAssignment& a) {
    const int sensor = c.product.buttons.sensor;
    const DpiRange range = sniperDpiRange(sensor);
    const std::optional<int> dpi = clivalue::integer(text);
    const std::optional<DpiStep> step = dpi ? nearestDpiStep(range, sensor, *dpi) : std::nullopt;
    if (!step)
        return KeyResult::refused(QStringLiteral("sniper %1 is out of range: %2..%3 for sensor %4")
                                      .arg(text)
                                      .arg(range.lowestDpi)
                                      .arg(range.highestDpi)
                                      .arg(sensor));
    a.Res1 = static_cast<uint8_t>(step->code);
    a.Fun = fun::kSniper;
    return KeyResult::done();
}

}  // namespace

KeyResult setButton(KeyContext& c, const QStringList& args) {
    if (args.size() < 2 || args.size() > 3)
        return KeyResult::usage(QStringLiteral("button takes BUTTON FUNCTION [VALUE]"));
    const ButtonProduct& product = c.product.buttons;
    const std::optional<int> slot = product.slotOf(args[0]);
    if (!slot)
        return KeyResult::refused(
            QStringLiteral("button %1 is out of range: %2").arg(args[0], product.names()));
    const Function* f = functionNamed(args[1]);
    const int group = *slot >= 40 ? buttonfn::kWheelGroup : buttonfn::kFrontGroup;
    if (!f) return KeyResult::refused(QStringLiteral("unknown function '%1' (see set --help)").arg(args[1]));
    if (!buttonfn::menuOffers(group, f->code, product.macros, product.ledSwitch))
        return KeyResult::refused(
            QStringLiteral("the menu of button %1 does not offer %2").arg(args[0], functionWord(*f)));
    const bool takesValue = f->code == fun::kSingleKey || f->code == fun::kKeyCombo ||
                            f->code == fun::kFireKey || f->code == fun::kSniper || f->code == fun::kMacro;
    if (takesValue != (args.size() == 3))
        return KeyResult::usage(takesValue ? QStringLiteral("%1 takes a value").arg(functionWord(*f))
                                           : QStringLiteral("%1 takes no value").arg(functionWord(*f)));
    if (anySet(c.parser, kFireOptions) && f->code != fun::kFireKey)
        return KeyResult::usage(QStringLiteral("--times and --delay go with fire"));
    if (anySet(c.parser, kMacroOptions) && f->code != fun::kMacro)
        return KeyResult::usage(QStringLiteral("--loop, --while-held and --toggle go with macro"));
    MouseProfile& profile = c.state.profiles[static_cast<size_t>(c.profile)];
    if (!buttonfn::keepsOneLeftClick(profile, *slot, f->code))
        return KeyResult::refused(
            QStringLiteral("AT LEAST ONE CLICK FUNCTION TO BE RETAINED. (button %1 is the only Left)")
                .arg(args[0]));

    ButtonAssignment edited = profile.buttons[static_cast<size_t>(*slot)];
    KeyResult r;
    switch (f->code) {
        case fun::kSingleKey:
            r = keyNamed(args[2], &edited.Res1);
            edited.Fun = fun::kSingleKey;
            break;
        case fun::kKeyCombo:
            r = combo(args[2], edited);
            break;
        case fun::kFireKey:
            r = fireKey(c, args[2], edited);
            break;
        case fun::kSniper:
            r = sniper(c, args[2], edited);
            break;
        case fun::kMacro:
            r = macro(c, args[2], edited);
            break;
        default:
            edited.Fun = f->code;
            break;
    }
    if (r.kind != KeyResult::Done) return r;
    profile.buttons[static_cast<size_t>(*slot)] = edited;
    c.report << QStringLiteral("profile %1 button %2: %3")
                    .arg(c.profile + 1)
                    .arg(args[0], buttonText(buttonView(product, args[0], *slot, edited)));
    return KeyResult::done();
}

KeyResult getButton(const KeyContext& c, const QStringList& args) {
    if (args.size() != 1) return KeyResult::usage(QStringLiteral("get button takes BUTTON"));
    const std::optional<int> slot = c.product.buttons.slotOf(args[0]);
    if (!slot)
        return KeyResult::refused(
            QStringLiteral("button %1 is out of range: %2").arg(args[0], c.product.buttons.names()));
    const ButtonAssignment& a =
        c.state.profiles[static_cast<size_t>(c.profile)].buttons[static_cast<size_t>(*slot)];
    const QString form = buttonSetForm(c.product.buttons, a);
    if (form.isEmpty())
        return KeyResult::refused(
            QStringLiteral("button %1 holds function %2, which no menu offers").arg(args[0]).arg(a.Fun));
    return KeyResult::got(form);
}

}  // namespace mousecfg
