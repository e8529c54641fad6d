// mousecfg-cli show, get and set: the saved settings read and edited with the pages' rules.
#include <QJsonDocument>

#include "cli/cli_command.h"
#include "cli/cli_saved_settings.h"
#include "cli/cli_setting_keys.h"
#include "cli/cli_settings_view.h"
#include "cli/cli_values.h"

namespace mousecfg {

namespace {

const QString kProfileOption = QStringLiteral("profile");
// set's options that only some keys take (see SettingKey::options).
const QStringList kKeyOptions = {QStringLiteral("brightness"), QStringLiteral("speed"),
                                 QStringLiteral("color")};

QCommandLineOption profileOption() {
    return QCommandLineOption(kProfileOption, QStringLiteral("The profile (1..5; default: the active one)."),
                              QStringLiteral("N"));
}

int keyOutcome(CliContext& context, const KeyResult& r) {
    if (r.kind == KeyResult::Done) return kCliOk;
    context.error(r.message);
    return r.kind == KeyResult::Refused ? kCliRefused : kCliUsageError;
}

}  // namespace

void addShowOptions(QCommandLineParser& parser) {
    parser.addOption(profileOption());
    parser.addOption(QCommandLineOption(QStringLiteral("all"), QStringLiteral("Show all five profiles.")));
    parser.addOption(QCommandLineOption(QStringLiteral("json"), QStringLiteral("Print JSON (see README).")));
}

// mousecfg-cli show: the saved settings of the active profile, one profile or all five.
int runShowCommand(CliContext& context, const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty()) {
        context.error(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
        return kCliUsageError;
    }
    if (parser.isSet(kProfileOption) && parser.isSet(QStringLiteral("all"))) {
        context.error(QStringLiteral("--profile and --all exclude each other"));
        return kCliUsageError;
    }
    const SavedSettings saved(context.paths);
    int code = kCliOk;
    const std::optional<int> profile =
        chosenProfile(context, parser, currentProfileIndex(saved.loaded()), &code);
    if (!profile) return code;
    std::vector<int> profiles{*profile};
    if (parser.isSet(QStringLiteral("all"))) profiles = {0, 1, 2, 3, 4};
    const QJsonObject view =
        settingsView(context.paths, ProductView::load(context.paths), saved.loaded(), profiles);
    if (parser.isSet(QStringLiteral("json")))
        *context.out << QJsonDocument(view).toJson(QJsonDocument::Indented);
    else
        printSettingsText(*context.out, view);
    return kCliOk;
}

void addGetOptions(QCommandLineParser& parser) {
    parser.addOption(profileOption());
    parser.addPositionalArgument(QStringLiteral("KEY"), QStringLiteral("What to print (see below)."),
                                 QStringLiteral("KEY [STAGE|BUTTON]"));
}

QString getHelp() {
    return settingKeysHelp(false);
}

// mousecfg-cli get: one value of the saved settings, written the way set takes it.
int runGetCommand(CliContext& context, const QCommandLineParser& parser) {
    QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        context.error(QStringLiteral("get needs a KEY (see get --help)"));
        return kCliUsageError;
    }
    const SettingKey* key = findSettingKey(args.takeFirst());
    if (!key) {
        context.error(
            QStringLiteral("unknown key '%1' (see get --help)").arg(parser.positionalArguments().first()));
        return kCliUsageError;
    }
    SavedSettings saved(context.paths);
    int code = kCliOk;
    const std::optional<int> profile =
        chosenProfile(context, parser, currentProfileIndex(saved.loaded()), &code);
    if (!profile) return code;
    const ProductView product = ProductView::load(context.paths);
    const KeyContext c{context.paths, product, saved.edited(), *profile, nullptr, {}};
    const KeyResult r = key->get(c, args);
    if (r.kind == KeyResult::Done) *context.out << r.value << '\n';
    return keyOutcome(context, r);
}

void addSetOptions(QCommandLineParser& parser) {
    parser.addOption(profileOption());
    parser.addOption(QCommandLineOption(QStringLiteral("brightness"),
                                        QStringLiteral("light: brightness 1..3."), QStringLiteral("B")));
    parser.addOption(QCommandLineOption(QStringLiteral("speed"), QStringLiteral("light: speed 1..5."),
                                        QStringLiteral("S")));
    parser.addOption(QCommandLineOption(QStringLiteral("color"), QStringLiteral("light: colour, hex RRGGBB."),
                                        QStringLiteral("RRGGBB")));
    parser.addOption(QCommandLineOption(QStringLiteral("times"), QStringLiteral("button fire: shots 1..255."),
                                        QStringLiteral("T")));
    parser.addOption(QCommandLineOption(QStringLiteral("delay"),
                                        QStringLiteral("button fire: ms between shots 1..255."),
                                        QStringLiteral("D")));
    parser.addOption(QCommandLineOption(QStringLiteral("loop"),
                                        QStringLiteral("button macro: play it N times (1..255)."),
                                        QStringLiteral("N")));
    parser.addOption(
        QCommandLineOption(QStringLiteral("while-held"), QStringLiteral("button macro: repeat while held.")));
    parser.addOption(QCommandLineOption(QStringLiteral("toggle"),
                                        QStringLiteral("button macro: repeat until pressed again.")));
    parser.addPositionalArgument(QStringLiteral("KEY"), QStringLiteral("What to change (see below)."),
                                 QStringLiteral("KEY VALUE..."));
}

QString setHelp() {
    return settingKeysHelp(true) +
           QStringLiteral(
               "\nA refused value (out of range, against a rule) exits with 65 and changes no file.\n"
               "Changes are saved and sent to the mouse by the next apply.\n");
}

// mousecfg-cli set: one edit of the saved settings, with the pages' rules. A refusal changes no
// file; a saved edit is recorded as pending, so that the next apply writes what it changed.
int runSetCommand(CliContext& context, const QCommandLineParser& parser) {
    QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        context.error(QStringLiteral("set needs a KEY and its value (see set --help)"));
        return kCliUsageError;
    }
    const QString name = args.takeFirst();
    const SettingKey* key = findSettingKey(name);
    if (!key || !key->set) {
        context.error(QStringLiteral("unknown key '%1' (see set --help)").arg(name));
        return kCliUsageError;
    }
    for (const QString& o : kKeyOptions) {
        if (parser.isSet(o) && !key->options.contains(o)) {
            context.error(QStringLiteral("--%1 does not go with %2").arg(o, name));
            return kCliUsageError;
        }
    }
    SavedSettings saved(context.paths, context.lockWaitMs);
    if (!saved.lockStatus().ok()) {
        context.error(saved.lockStatus().message());
        return kCliRefused;
    }
    int code = kCliOk;
    const std::optional<int> profile =
        chosenProfile(context, parser, currentProfileIndex(saved.loaded()), &code);
    if (!profile) return code;
    const ProductView product = ProductView::load(context.paths);
    KeyContext c{context.paths, product, saved.edited(), *profile, &parser, {}};
    code = keyOutcome(context, key->set(c, args));
    if (code != kCliOk) return code;
    const bool unchanged = saved.edited() == saved.loaded();
    if (const std::optional<QString> why = saved.save()) {
        context.error(*why + QStringLiteral("; nothing was saved"));
        return kCliRefused;
    }
    for (const QString& line : c.report) *context.out << line << '\n';
    if (unchanged) *context.out << "unchanged\n";
    return kCliOk;
}

}  // namespace mousecfg
