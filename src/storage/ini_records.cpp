#include "storage/ini_records.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QTemporaryFile>
#include <algorithm>
#include <cstring>

#include "storage/ini_file.h"
#include "storage/ini_guard.h"
#include "storage/storage_log.h"

namespace mousecfg {

namespace {

// The characters QSettings writes into names unescaped.
bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

// A key as QSettings writes it: plain characters, "\" for a group separator between two names,
// and "%XX" / "%UXXXX" for other characters (not "/", which would make an empty or extra group).
// QSettings' line reader skips the character after a backslash, so a backslash must be followed
// by a plain character for both readers to see the same line.
bool appendKey(const char* p, int n, QString& key) {
    if (n <= 0) return false;
    for (int i = 0; i < n;) {
        const char c = p[i];
        if (isNameChar(c)) {
            key += QLatin1Char(c);
            ++i;
        } else if (c == '\\') {
            if (i == 0 || i + 1 >= n || !isNameChar(p[i + 1])) return false;
            key += QLatin1Char('/');
            ++i;
        } else if (c == '%') {
            int first = i + 1;
            int digits = 2;
            if (first < n && p[first] == 'U') {
                ++first;
                digits = 4;
            }
            if (first + digits > n) return false;
            int v = 0;
            for (int k = 0; k < digits; ++k) {
                const int h = hexValue(p[first + k]);
                if (h < 0) return false;
                v = v * 16 + h;
            }
            if (v == '/') return false;
            key += QChar(static_cast<ushort>(v));
            i = first + digits;
        } else {
            return false;
        }
    }
    return true;
}

// A value without quotes, commas, comments or blanks at either end, whose backslash escapes are
// the ones QSettings writes: \a \b \f \n \r \t \v \" \? \' \\, \x with one to four hex digits and
// octal escapes of up to five digits. Text between escapes is Latin-1, or UTF-8 in a UTF-8 file.
bool readValueText(const char* p, int n, bool utf8, QString& text) {
    text = QLatin1String("");  // never a null string, as QSettings gives
    if (n == 0) return true;
    if (p[0] == ' ' || p[0] == '\t' || p[n - 1] == ' ' || p[n - 1] == '\t') return false;
    int run = 0;
    auto flush = [&](int end) {
        if (end <= run) return;
        const QString part =
            utf8 ? QString::fromUtf8(p + run, end - run) : QString::fromLatin1(p + run, end - run);
        if (text.isEmpty())
            text = part;
        else
            text += part;
    };
    for (int i = 0; i < n;) {
        const unsigned char c = static_cast<unsigned char>(p[i]);
        if (c != '\\') {
            if (c < 0x20 || c == '"' || c == ';' || c == ',') return false;
            // A byte-order mark inside a value may be dropped by the UTF-8 decoder QSettings uses.
            if (utf8 && c == 0xEF && i + 2 < n && static_cast<unsigned char>(p[i + 1]) == 0xBB &&
                static_cast<unsigned char>(p[i + 2]) == 0xBF)
                return false;
            ++i;
            continue;
        }
        flush(i);
        if (++i >= n) return false;
        const char e = p[i++];
        static const char kNamed[] = "a\ab\bf\fn\nr\rt\tv\v\"\"''\\\\??";
        const char* named = nullptr;
        for (const char* k = kNamed; *k; k += 2)
            if (*k == e) named = k;
        if (named) {
            text += QLatin1Char(named[1]);
        } else if (e == 'x') {
            int v = 0;
            int digits = 0;
            for (; i < n && hexValue(p[i]) >= 0; ++i) {
                if (++digits > 4) return false;
                v = v * 16 + hexValue(p[i]);
            }
            if (digits == 0) return false;
            text += QChar(static_cast<ushort>(v));
        } else if (isOctal(e)) {
            int v = e - '0';
            int digits = 1;
            for (; i < n && isOctal(p[i]); ++i) {
                if (++digits > 5) return false;
                v = v * 8 + (p[i] - '0');
            }
            text += QChar(static_cast<ushort>(v));
        } else {
            return false;
        }
        run = i;
    }
    flush(n);
    return true;
}

// The variant QSettings makes of a value's text: "@Invalid()", "@@" for a text starting with "@",
// and "@Variant(...)" (a QDataStream of format Qt 4.0, as QSettings reads it). Other "@" forms
// are left to QSettings.
bool toVariant(const QString& text, QVariant& out) {
    if (!text.startsWith(QLatin1Char('@'))) {
        out = QVariant(text);
        return true;
    }
    if (text == QLatin1String("@Invalid()")) {
        out = QVariant();
        return true;
    }
    if (text.startsWith(QLatin1String("@@"))) {
        out = QVariant(text.mid(1));
        return true;
    }
    if (text.startsWith(QLatin1String("@Variant(")) && text.endsWith(QLatin1Char(')'))) {
        QByteArray raw = text.midRef(9).toLatin1();
        // Colours are the only variants these files hold. Any other type is left alone: loading
        // a damaged one (a polygon or image with a garbage count) asks for gigabytes.
        const bool colour = raw.size() >= 4 && quint8(raw[0]) == 0 && quint8(raw[1]) == 0 &&
                            quint8(raw[2]) == 0 && quint8(raw[3]) == QMetaType::QColor;
        if (!colour) return false;
        QDataStream stream(&raw, QIODevice::ReadOnly);
        stream.setVersion(QDataStream::Qt_4_0);
        QVariant v;
        stream >> v;
        out = v;
        return true;
    }
    return false;
}

// Which kind of value a line holds: text as it stands, text with escapes or "@" (decoded by
// readValueText and toVariant), or something left to QSettings.
enum class ValueKind { Plain, Escaped, Foreign };

ValueKind scanValue(const char* p, int n, bool utf8) {
    if (n == 0) return ValueKind::Plain;
    if (p[0] == ' ' || p[0] == '\t' || p[n - 1] == ' ' || p[n - 1] == '\t') return ValueKind::Foreign;
    bool escaped = p[0] == '@';
    for (int i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(p[i]);
        if (c == '\\') {
            escaped = true;
            ++i;  // the escaped character is readValueText's to judge
        } else if (c < 0x20 || c == '"' || c == ';' || c == ',') {
            return ValueKind::Foreign;
        } else if (utf8 && c == 0xEF && i + 2 < n && static_cast<unsigned char>(p[i + 1]) == 0xBB &&
                   static_cast<unsigned char>(p[i + 2]) == 0xBF) {
            return ValueKind::Foreign;
        }
    }
    return escaped ? ValueKind::Escaped : ValueKind::Plain;
}

enum class KeyKind { Plain, Escaped, Foreign };

KeyKind scanKey(const char* p, int n) {
    if (n <= 0) return KeyKind::Foreign;
    bool percent = false;
    for (int i = 0; i < n; ++i) {
        const char c = p[i];
        if (isNameChar(c)) continue;
        if (c == '\\') {
            if (i == 0 || i + 1 >= n || !isNameChar(p[i + 1])) return KeyKind::Foreign;
        } else if (c == '%') {
            percent = true;
        } else {
            return KeyKind::Foreign;
        }
    }
    return percent ? KeyKind::Escaped : KeyKind::Plain;
}

// FNV-1a over UTF-16 units, so a key hashes the same from the file's bytes and from a QString.
constexpr uint kHashSeed = 2166136261u;
inline uint hashStep(uint h, ushort unit) {
    return (h ^ unit) * 16777619u;
}
uint hashUnits(const QChar* p, int n, uint h = kHashSeed) {
    for (int i = 0; i < n; ++i) h = hashStep(h, p[i].unicode());
    return h;
}

// QSettings looks keys up with leading, trailing and repeated slashes removed.
bool needsNormalizing(const QString& key) {
    const QChar* p = key.constData();
    const int n = key.size();
    if (n == 0) return false;
    if (p[0] == QLatin1Char('/') || p[n - 1] == QLatin1Char('/')) return true;
    for (int i = 1; i < n; ++i)
        if (p[i] == QLatin1Char('/') && p[i - 1] == QLatin1Char('/')) return true;
    return false;
}

QString normalizedKey(const QString& key) {
    if (!needsNormalizing(key)) return key;
    QString out;
    out.reserve(key.size());
    for (const QChar c : key) {
        if (c == QLatin1Char('/') && (out.isEmpty() || out.endsWith(QLatin1Char('/')))) continue;
        out += c;
    }
    if (out.endsWith(QLatin1Char('/'))) out.chop(1);
    return out;
}

// A file of the temporary folder holding `bytes` until the object goes. QSettings keeps what it
// parsed by file name, size and time of change, so every copy gets a name not used before in this
// process.
class PrivateCopy {
public:
    explicit PrivateCopy(const QByteArray& bytes) {
        static QAtomicInt counter;
        QTemporaryFile file(QDir::tempPath() + QStringLiteral("/mousecfg-%1-%2-XXXXXX.ini")
                                                   .arg(QCoreApplication::applicationPid())
                                                   .arg(counter.fetchAndAddRelaxed(1)));
        file.setAutoRemove(false);
        if (!file.open()) return;
        path_ = file.fileName();
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            file.close();
            QFile::remove(path_);
            path_.clear();
        }
    }
    ~PrivateCopy() {
        if (!path_.isEmpty()) QFile::remove(path_);
    }
    PrivateCopy(const PrivateCopy&) = delete;
    PrivateCopy& operator=(const PrivateCopy&) = delete;
    bool ok() const { return !path_.isEmpty(); }
    const QString& path() const { return path_; }

private:
    QString path_;
};

}  // namespace

IniRecords IniRecords::read(const QString& file, const QByteArray& bytes) {
    IniRecords records;
    if (readOnePass(bytes, readsAsUtf8(bytes), records)) return records;
    qCDebug(lcStorage).noquote() << "reading" << file << "through QSettings";
    return readWithQSettings(file, bytes);
}

bool IniRecords::readOnePass(const QByteArray& bytes, bool utf8, IniRecords& out) {
    out = IniRecords();
#ifdef Q_OS_WIN
    // QSettings compares INI keys without regard to case there.
    Q_UNUSED(bytes);
    Q_UNUSED(utf8);
    return false;
#else
    const char* d = bytes.constData();
    const int n = bytes.size();
    // A UTF-8 byte-order mark switches QSettings to UTF-8 whatever the rest holds.
    if (n >= 3 && static_cast<unsigned char>(d[0]) == 0xEF && static_cast<unsigned char>(d[1]) == 0xBB &&
        static_cast<unsigned char>(d[2]) == 0xBF)
        return false;
    IniRecords r;
    r.bytes_ = bytes;
    r.utf8_ = utf8;
    r.reserve(static_cast<int>(std::count(d, d + n, '=')));
    int section = -1;
    QString text;
    QVariant value;
    for (int pos = 0; pos < n;) {
        int end = pos;
        while (end < n && d[end] != '\n' && d[end] != '\r') ++end;
        const char* line = d + pos;
        const int length = end - pos;
        pos = end + 1;
        if (length == 0) continue;
        if (line[0] == '[') {
            if (length < 3 || line[length - 1] != ']') return false;
            const char* name = line + 1;
            const int nameLength = length - 2;
            // "General" (any case) holds the keys outside every group: QSettings' business.
            if (!std::all_of(name, name + nameLength, isNameChar) ||
                (nameLength == 7 && qstrnicmp(name, "general", 7) == 0))
                return false;
            r.sections_.emplace_back(name, nameLength);
            uint h = kHashSeed;
            for (int i = 0; i < nameLength; ++i) h = hashStep(h, static_cast<unsigned char>(name[i]));
            r.sectionHashes_.push_back(hashStep(h, '/'));
            section = static_cast<int>(r.sections_.size()) - 1;
            continue;
        }
        if (section < 0) return false;
        const char* eq = static_cast<const char*>(std::memchr(line, '=', static_cast<size_t>(length)));
        if (!eq) return false;
        const int keyLength = static_cast<int>(eq - line);
        Entry e;
        switch (scanKey(line, keyLength)) {
            case KeyKind::Foreign:
                return false;
            case KeyKind::Plain: {
                e.section = section;
                e.keyStart = static_cast<int>(line - d);
                e.keyLength = keyLength;
                uint h = r.sectionHashes_[static_cast<size_t>(section)];
                for (int i = 0; i < keyLength; ++i)
                    h = hashStep(h, line[i] == '\\' ? '/' : static_cast<unsigned char>(line[i]));
                e.hash = h;
                break;
            }
            case KeyKind::Escaped: {
                QString key = QString::fromLatin1(r.sections_.back()) + QLatin1Char('/');
                if (!appendKey(line, keyLength, key)) return false;
                e.keyStart = r.keyTexts_.size();
                e.keyLength = key.size();
                e.hash = hashUnits(key.constData(), key.size());
                r.keyTexts_.append(key);
                break;
            }
        }
        const char* v = eq + 1;
        const int valueLength = length - keyLength - 1;
        switch (scanValue(v, valueLength, utf8)) {
            case ValueKind::Foreign:
                return false;
            case ValueKind::Plain:
                e.valueStart = static_cast<int>(v - d);
                e.valueLength = valueLength;
                break;
            case ValueKind::Escaped:
                if (!readValueText(v, valueLength, utf8, text) || !toVariant(text, value)) return false;
                e.valueStart = r.variants_.size();
                e.valueLength = -1;
                r.variants_.append(value);
                break;
        }
        r.insert(e);
    }
    r.source_ = Source::OnePass;
    out = std::move(r);
    return true;
#endif
}

IniRecords IniRecords::readWithQSettings(const QString& file, const QByteArray& bytes) {
    IniRecords r;
    QByteArray safe = bytes;
    const QStringList dropped = dropUnsafeVariants(safe);
    if (!dropped.isEmpty())
        qCWarning(lcStorage).noquote() << "ignoring" << dropped.join(QStringLiteral(", ")) << "in" << file
                                       << "- stored objects other than colours are not read";
    // QSettings reads only files by name: it gets a private copy of exactly the bytes that were
    // checked, so that a file replaced or grown meanwhile is never what it parses.
    const PrivateCopy copy(safe);
    if (!copy.ok()) {
        qCWarning(lcStorage).noquote() << "cannot read" << file << "- no room for a private copy";
        return r;
    }
    IniSettings settings(copy.path(), safe);
    const QStringList keys = settings.allKeys();
    r.reserve(keys.size());
    for (const QString& key : keys) {
        Entry e;
        e.keyStart = r.keyTexts_.size();
        e.keyLength = key.size();
        e.hash = hashUnits(key.constData(), key.size());
        e.valueStart = r.variants_.size();
        r.keyTexts_.append(key);
        r.variants_.append(settings.value(key));
        r.insert(e);
    }
    r.source_ = Source::QSettings;
    return r;
}

void IniRecords::reserve(int entries) {
    size_t size = 16;
    while (size < static_cast<size_t>(entries) * 2 + 1) size *= 2;
    slots_.assign(size, 0);
    entries_.reserve(static_cast<size_t>(entries));
}

// A later line of the same key replaces the earlier one, as in QSettings.
void IniRecords::insert(const Entry& e) {
    const size_t mask = slots_.size() - 1;
    for (size_t i = e.hash & mask;; i = (i + 1) & mask) {
        int& slot = slots_[i];
        if (slot == 0) {
            entries_.push_back(e);
            slot = static_cast<int>(entries_.size());
            return;
        }
        Entry& old = entries_[static_cast<size_t>(slot - 1)];
        if (old.hash == e.hash && sameKey(old, e)) {
            old = e;
            return;
        }
    }
}

int IniRecords::keyLength(const Entry& e) const {
    if (e.section < 0) return e.keyLength;
    return sections_[static_cast<size_t>(e.section)].size() + 1 + e.keyLength;
}

QChar IniRecords::keyAt(const Entry& e, int i) const {
    if (e.section < 0) return keyTexts_.at(e.keyStart).at(i);
    const QByteArray& s = sections_[static_cast<size_t>(e.section)];
    if (i < s.size()) return QLatin1Char(s.at(i));
    if (i == s.size()) return QLatin1Char('/');
    const char c = bytes_.at(e.keyStart + i - s.size() - 1);
    return QLatin1Char(c == '\\' ? '/' : c);
}

bool IniRecords::sameKey(const Entry& a, const Entry& b) const {
    const int n = keyLength(a);
    if (n != keyLength(b)) return false;
    for (int i = 0; i < n; ++i)
        if (keyAt(a, i) != keyAt(b, i)) return false;
    return true;
}

bool IniRecords::matches(const Entry& e, const QChar* key, int length) const {
    if (e.section < 0) return QStringView(keyTexts_.at(e.keyStart)) == QStringView(key, length);
    const QByteArray& s = sections_[static_cast<size_t>(e.section)];
    const int sl = s.size();
    if (length != sl + 1 + e.keyLength) return false;
    for (int i = 0; i < sl; ++i)
        if (key[i].unicode() != static_cast<unsigned char>(s[i])) return false;
    if (key[sl] != QLatin1Char('/')) return false;
    const char* p = bytes_.constData() + e.keyStart;
    const QChar* k = key + sl + 1;
    for (int i = 0; i < e.keyLength; ++i) {
        const ushort unit = p[i] == '\\' ? '/' : static_cast<unsigned char>(p[i]);
        if (k[i].unicode() != unit) return false;
    }
    return true;
}

QString IniRecords::keyOf(const Entry& e) const {
    const int n = keyLength(e);
    QString k(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i) k[i] = keyAt(e, i);
    return k;
}

QVariant IniRecords::valueOf(const Entry& e) const {
    if (e.valueLength < 0) return variants_.at(e.valueStart);
    // An empty value is an empty string, never a null one, as QSettings gives.
    if (e.valueLength == 0) return QVariant(QString(QLatin1String("")));
    const char* p = bytes_.constData() + e.valueStart;
    return QVariant(utf8_ ? QString::fromUtf8(p, e.valueLength) : QString::fromLatin1(p, e.valueLength));
}

const IniRecords::Entry* IniRecords::find(const QString& key) const {
    if (slots_.empty()) return nullptr;
    if (needsNormalizing(key)) return find(normalizedKey(key));
    const uint hash = hashUnits(key.constData(), key.size());
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const int slot = slots_[i];
        if (slot == 0) return nullptr;
        const Entry& e = entries_[static_cast<size_t>(slot - 1)];
        if (e.hash == hash && matches(e, key.constData(), key.size())) return &e;
    }
}

QVariant IniRecords::value(const QString& key, const QVariant& def) const {
    const Entry* e = find(key);
    return e ? valueOf(*e) : def;
}

bool IniRecords::contains(const QString& key) const {
    return find(key) != nullptr;
}

bool IniRecords::holds(const QString& key, const QVariant& written) const {
    const Entry* e = find(key);
    if (!e) return false;
    const QVariant stored = valueOf(*e);
    switch (written.userType()) {
        case QMetaType::QString:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Bool:
        case QMetaType::Double:
            return stored.userType() == QMetaType::QString && stored.toString() == written.toString();
        default: {
            // Written as "@Invalid()" or "@Variant(...)" and read back through the same stream.
            QByteArray a;
            QByteArray b;
            QDataStream sa(&a, QIODevice::WriteOnly);
            QDataStream sb(&b, QIODevice::WriteOnly);
            sa << stored;
            sb << written;
            return a == b;
        }
    }
}

QStringList IniRecords::keys() const {
    QStringList k;
    k.reserve(size());
    for (const Entry& e : entries_) k.append(keyOf(e));
    std::sort(k.begin(), k.end());
    return k;
}

IniRecords::Group::Group(const IniRecords& records, const QString& group) : records_(records) {
    key_ = normalizedKey(group);
    if (!key_.isEmpty()) key_ += QLatin1Char('/');
    prefixLength_ = key_.size();
    key_.reserve(prefixLength_ + 64);
}

const QString& IniRecords::Group::key(const QString& name) const {
    key_.truncate(prefixLength_);
    key_ += name;
    return key_;
}

QVariant IniRecords::Group::value(const QString& name) const {
    return records_.value(key(name));
}

bool IniRecords::Group::contains(const QString& name) const {
    return records_.contains(key(name));
}

bool IniRecords::Group::holds(const QString& name, const QVariant& written) const {
    return records_.holds(key(name), written);
}

}  // namespace mousecfg
