// libFuzzer target: arbitrary bytes as an INI file. Whatever the one-pass reader takes must read
// exactly as QSettings reads it: the same keys, each with the same value. What it hands back is
// read through QSettings as the program reads it.
#include <QCoreApplication>
#include <QDataStream>
#include <QDateTime>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <cstdlib>

#include "storage/ini_file.h"
#include "storage/ini_records.h"

namespace {

using mousecfg::IniRecords;

void check(bool ok) {
    if (!ok) std::abort();
}

QByteArray serialised(const QVariant& v) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << v;
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_ini_records";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir root;
    static int run = 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    IniRecords onePass;
    if (!IniRecords::readOnePass(bytes, mousecfg::readsAsUtf8(bytes), onePass)) {
        // The rest goes to QSettings once the values it must not decode are left out: whatever the
        // input, that read ends without a crash or an allocation of gigabytes.
        IniRecords::read(QStringLiteral("input"), bytes);
        return 0;
    }
    // QSettings reads from disk and keeps parsed files by name, size and modification time: every
    // input gets its own modification time.
    const QString file = root.path() + QStringLiteral("/in.ini");
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly)) return 0;
        f.write(bytes);
        f.flush();
        f.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000LL + ++run), QFileDevice::FileModificationTime);
    }
    const IniRecords reference = IniRecords::readWithQSettings(file, bytes);
    const QStringList keys = reference.keys();
    check(onePass.keys() == keys);
    for (const QString& key : keys) check(serialised(onePass.value(key)) == serialised(reference.value(key)));
    return 0;
}
