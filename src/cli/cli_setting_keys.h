#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "cli/cli_settings_view.h"
#include "storage/config_state.h"

class QCommandLineParser;

namespace mousecfg {

// What a key of `set` and `get` works on: the product's rules, the saved settings and the
// profile chosen with --profile (or the active one).
struct KeyContext {
    const Paths& paths;
    const ProductView& product;
    ConfigState& state;
    int profile;                       // 0..4
    const QCommandLineParser* parser;  // set's options; null for get
    QStringList report;                // what set did, one line each
};

// How a key ended. Refused: the value breaks a rule of the pages (exit 65); Usage: the arguments
// do not fit the key (exit 64). `message` says why in one line.
struct KeyResult {
    enum Kind { Done, Refused, Usage };
    Kind kind = Done;
    QString message;
    QString value;  // get: the value, written the way set takes it
    static KeyResult done() { return {}; }
    static KeyResult refused(const QString& why) { return {Refused, why, QString()}; }
    static KeyResult usage(const QString& why) { return {Usage, why, QString()}; }
    static KeyResult got(const QString& value) { return {Done, QString(), value}; }
};

// One key of `set` and `get`. `set` edits context.state with the pages' rules; `get` reads the
// one value (written the way set takes it, so `set KEY $(get KEY)` changes nothing).
struct SettingKey {
    const char* name;
    const char* setArgs;  // what set takes after the key, e.g. "STAGE DPI [Y_DPI]"; null: read only
    const char* getArgs;  // what get takes after the key
    const char* summary;
    QStringList options;  // set's options this key accepts (besides --profile)
    KeyResult (*set)(KeyContext& c, const QStringList& args);
    KeyResult (*get)(const KeyContext& c, const QStringList& args);
};

const std::vector<SettingKey>& settingKeys();
const SettingKey* findSettingKey(const QString& name);
// "  dpi STAGE DPI [Y_DPI]  the DPI of a stage ..." lines for --help.
QString settingKeysHelp(bool forSet);

}  // namespace mousecfg
