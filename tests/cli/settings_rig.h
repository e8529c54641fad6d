#pragma once

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

#include "cli/cli_command.h"
#include "device/pacer.h"
#include "folder_snapshot.h"
#include "sim/simulated_mouse.h"
#include "storage/macro_files.h"
#include "temp_data.h"

namespace mousecfg::test {

// The shipped sample data in a temporary folder and the simulated mouse, for runs of mousecfg-cli
// commands in the process.
struct SettingsRig {
    SettingsRig() : data(true) {
        env.installDir = sourceDataDir();
        env.backend = &sim;
        env.pacer = &pacer;
    }

    int run(QStringList args) {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        args = QStringList{QStringLiteral("mousecfg-cli"), QStringLiteral("--data-dir"), data.root()} + args;
        return runCli(args, o, e, env);
    }
    // The command's --json output; an empty object (and a failed test) when it does not parse.
    QJsonObject json(const QStringList& args) {
        EXPECT_EQ(run(args + QStringList{QStringLiteral("--json")}), kCliOk) << err.toStdString();
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
        return doc.object();
    }
    // `get ARGS`, trimmed; "<exit N>" when it fails.
    QString get(const QStringList& args) {
        const int code = run(QStringList{QStringLiteral("get")} + args);
        return code == kCliOk ? out.trimmed() : QStringLiteral("<exit %1>").arg(code);
    }
    void setConfig(const QString& key, const QVariant& value) const {
        QSettings(data.paths().configFile(), QSettings::IniFormat).setValue(key, value);
    }
    void setDescriptor(const QString& key, const QVariant& value) const {
        QSettings(data.paths().descriptorFile(), QSettings::IniFormat).setValue(key, value);
    }
    // A macro of three events in the library.
    void addMacro(const QString& name) const {
        MacroFileData m;
        m.events = {{macroevent::kKey | macroevent::kPress, 0, 4},
                    {macroevent::kDelay, 0, 5},
                    {macroevent::kKey, 0, 4}};
        ASSERT_TRUE(writeMacroFile(data.paths(), name, m));
        ASSERT_TRUE(addMacroName(data.paths(), name));
    }
    FolderSnapshot folder() const { return dataSnapshot(data); }

    TempData data;
    SimulatedMouse sim;
    InstantPacer pacer;
    CliEnvironment env;
    QString out, err;
};

}  // namespace mousecfg::test
