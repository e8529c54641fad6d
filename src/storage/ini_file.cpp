#include "storage/ini_file.h"

#include <QTextCodec>
#include <algorithm>

#include "storage/paths.h"
#include "storage/storage_log.h"

namespace mousecfg {

bool readsAsUtf8(const QByteArray& bytes) {
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return false;
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

IniSettings::IniSettings(const QString& file, const QByteArray& content)
    : QSettings(file, QSettings::IniFormat) {
    if (readsAsUtf8(content)) setIniCodec("UTF-8");
}

IniReader::IniReader(const Paths& paths, const QString& file) {
    open(paths.dataDir(), file);
}

IniReader::IniReader(const QString& file) {
    open(QString(), file);
}

IniReader::~IniReader() = default;

void IniReader::open(const QString& root, const QString& file) {
    QByteArray bytes;
    issue_ = readCheckedFile(root, file, bytes);
    if (issue_ == FileIssue::None) {
        records_ = IniRecords::read(file, bytes);
        if (records_.source() == IniRecords::Source::None) issue_ = FileIssue::Unreadable;
    } else if (issue_ != FileIssue::Missing) {
        qCWarning(lcStorage).noquote() << "not reading" << file << "- it" << describeFileIssue(issue_);
    }
}

QVariant IniReader::value(const QString& key, const QVariant& def) const {
    return records_.value(key, def);
}

}  // namespace mousecfg
