// The bash completion offers what the program takes: its commands, the keys of set and get, the
// button functions and effects, and the library's profile names.
#include <gtest/gtest.h>

#include <QProcess>
#include <set>

#include "cli/cli_buttons.h"
#include "cli/cli_command.h"
#include "cli/cli_setting_keys.h"
#include "cli/cli_values.h"
#include "device/lighting_rules.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

// COMPREPLY for a command line whose last word is being completed.
std::set<QString> complete(const QStringList& line) {
    QStringList quoted;
    for (const QString& w : line) quoted << QLatin1Char('\'') + w + QLatin1Char('\'');
    const QString script = QStringLiteral("source '" MOUSECFG_SOURCE_DIR
                                          "/data/completion/mousecfg-cli.bash'\n"
                                          "COMP_WORDS=('" MOUSECFG_BIN_DIR
                                          "/mousecfg-cli' %1)\n"
                                          "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                                          "_mousecfg_cli\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n")
                               .arg(quoted.join(QLatin1Char(' ')));
    QProcess bash;
    bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), script});
    EXPECT_TRUE(bash.waitForFinished(60000));
    EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().toStdString();
    std::set<QString> words;
    for (const QString& w :
         QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        words.insert(w);
    return words;
}

void expectOffers(const std::set<QString>& offered, const QStringList& expected, const char* what) {
    for (const QString& w : expected) EXPECT_TRUE(offered.count(w)) << what << ": " << w.toStdString();
}

TEST(CliCompletion, OffersWhatTheProgramTakes) {
    QStringList commands, setKeys, getKeys, effects;
    for (const CliCommand& c : cliCommands()) commands << QLatin1String(c.name);
    for (const SettingKey& k : settingKeys()) {
        getKeys << QLatin1String(k.name);
        if (k.set) setKeys << QLatin1String(k.name);
    }
    for (int m : lighting::kMenuOrder)
        effects << clivalue::token(QString::fromLatin1(lighting::effectName(m)));
    expectOffers(complete({QString()}), commands, "commands");
    expectOffers(complete({QStringLiteral("set"), QString()}), setKeys, "set keys");
    expectOffers(complete({QStringLiteral("get"), QString()}), getKeys, "get keys");
    expectOffers(complete({QStringLiteral("set"), QStringLiteral("button"), QStringLiteral("1"), QString()}),
                 buttonFunctionWords(), "button functions");
    expectOffers(complete({QStringLiteral("set"), QStringLiteral("light"), QString()}), effects, "effects");
    EXPECT_EQ(complete({QStringLiteral("--profile"), QStringLiteral("2"), QStringLiteral("set"),
                        QStringLiteral("light"), QStringLiteral("bre")}),
              std::set<QString>{QStringLiteral("breathing")});

    test::TempData data(true);
    EXPECT_EQ(complete({QStringLiteral("--data-dir"), data.root(), QStringLiteral("use"),
                        QStringLiteral("Profile")}),
              (std::set<QString>{QStringLiteral("Profile\\ 1"), QStringLiteral("Profile\\ 2"),
                                 QStringLiteral("Profile\\ 3"), QStringLiteral("Profile\\ 4"),
                                 QStringLiteral("Profile\\ 5")}));
}

}  // namespace
}  // namespace mousecfg
