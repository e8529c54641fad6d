// The built mousecfg-cli against a simulated mouse that develops a fault (--simulate-fault), and
// the wire log of a write.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

#include "cli/cli_writes.h"
#include "device/command_frame.h"
#include "device/device_link.h"
#include "device/wire_log.h"
#include "temp_data.h"

namespace mousecfg {
namespace {

struct ProgramRun {
    int code = -1;
    QString out;
    QString err;
};

ProgramRun runCliProgram(const QStringList& arguments, const QString& loggingRules = QString()) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
    env.remove(QStringLiteral("QT_LOGGING_RULES"));
    if (!loggingRules.isEmpty()) env.insert(QStringLiteral("QT_LOGGING_RULES"), loggingRules);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-cli"), arguments);
    ProgramRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    if (p.exitStatus() == QProcess::NormalExit) r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

const QString kWrittenEverything = QStringLiteral("written: settings dpi buttons+macros lighting\n");

TEST(CliFaults, EveryFaultFailsTheApplyAndTheNextApplyWritesEverything) {
    // On the sample data `apply --all` sends the status request (frame 1), then 31 frames:
    // enter configuration mode (2), settings (3, 4), buttons (5-11), DPI (12-21), lighting
    // (22-26), five reloads (27-31) and leave (32).
    struct Case {
        const char* fault;
        int code;
    };
    const Case cases[] = {
        {"silent", TxNoEcho},  // the status request goes unanswered too; the enter frame is never confirmed
        {"no-echo@27", TxNoEcho}, {"bad-echo@5", TxNoEcho},        {"bad-header@32", TxNoEcho},
        {"read-error", TxNoEcho}, {"write-error@5", TxWriteError}, {"unplug@30", TxWriteError},
        {"asleep@2", TxNoEcho},  // asleep after answering the status request: nothing is confirmed
        {"asleep", kCliMouseOff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        test::TempData data;
        const QStringList common = {QStringLiteral("--data-dir"), data.root(), QStringLiteral("--simulate")};
        const ProgramRun failed =
            runCliProgram(common + QStringList{QStringLiteral("--simulate-fault"), QLatin1String(c.fault),
                                               QStringLiteral("apply"), QStringLiteral("--all")});
        EXPECT_EQ(failed.code, c.code) << failed.err.toStdString();
        EXPECT_EQ(failed.err.count(QLatin1Char('\n')), 1) << failed.err.toStdString();
        const ProgramRun again = runCliProgram(common + QStringList{QStringLiteral("apply")});
        EXPECT_EQ(again.code, 0) << again.err.toStdString();
        EXPECT_EQ(again.out.toStdString(), kWrittenEverything.toStdString());
    }
}

TEST(CliFaults, WireLogCarriesEveryFrameAndEveryAnswer) {
    test::TempData data;
    const ProgramRun frames = runCliProgram({QStringLiteral("--data-dir"), data.root(),
                                             QStringLiteral("frames"), QStringLiteral("--all-profiles")});
    ASSERT_EQ(frames.code, 0) << frames.err.toStdString();
    const ProgramRun logged =
        runCliProgram({QStringLiteral("--data-dir"), data.root(), QStringLiteral("--simulate"),
                       QStringLiteral("apply"), QStringLiteral("--all")},
                      QStringLiteral("mousecfg.wire.debug=true"));
    ASSERT_EQ(logged.code, 0) << logged.err.toStdString();
    const QRegularExpression entry(
        QStringLiteral("^mousecfg\\.wire: (write|read) ((?:[0-9a-f]{2} ){32}[0-9a-f]{2})$"));
    QStringList writes, sequence;
    for (const QString& line : logged.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = entry.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        if (m.captured(1) == QLatin1String("write")) writes << m.captured(2);
        sequence << m.captured(1) + QLatin1Char(' ') + m.captured(2);
    }
    // The status request, then exactly what the dry run of all five profiles prints.
    const CommandFrame request = statusRequestFrame();
    ASSERT_FALSE(writes.isEmpty());
    EXPECT_EQ(writes.first(), frameHex(request.data() + 1, kFrameLength));
    EXPECT_EQ(writes.mid(1), frames.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    // Every answer follows its frame: two to the status request, a whole echo to a section
    // write, the header (bytes 1 to 8) to a control frame.
    for (int i = 0; i < sequence.size(); ++i) {
        if (!sequence[i].startsWith(QLatin1String("write "))) continue;
        const QString frame = sequence[i].mid(6);
        const uint8_t command = static_cast<uint8_t>(frame.mid(9, 2).toUInt(nullptr, 16));
        const EchoClass echo = echoClassOf(command);
        SCOPED_TRACE(frame.toStdString());
        if (command == command::kStatusRequest) {
            ASSERT_LT(i + 2, sequence.size());
            EXPECT_EQ(sequence[i + 1].left(16),
                      QStringLiteral("read 05 %1 fa 48").arg(sequence[i + 1].mid(8, 2)));
            EXPECT_EQ(sequence[i + 2].left(16),
                      QStringLiteral("read 05 %1 fa 49").arg(sequence[i + 2].mid(8, 2)));
            continue;
        }
        if (echo == EchoClass::None) continue;
        ASSERT_LT(i + 1, sequence.size());
        const QString answer = sequence[i + 1];
        if (echo == EchoClass::Data)
            EXPECT_EQ(answer, QStringLiteral("read ") + frame);
        else
            EXPECT_EQ(answer.mid(5, 23), frame.left(23));
    }
}

}  // namespace
}  // namespace mousecfg
