#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <vector>

namespace mousecfg {

// The keys and values of an INI file exactly as QSettings (IniFormat) gives them: full keys
// ("Section/name"), each with the variant QSettings::value() returns for it.
//
// Files of the shape this program writes (named sections, then `name=value` lines whose values are
// plain text, QSettings' backslash escapes or "@Variant(...)") are read in one pass over the bytes
// into a flat table that points into them; a plain value becomes a string only when it is asked
// for. That costs a fraction of what QSettings takes for the 8,453 keys of a profile. A file with
// anything the one-pass reader does not fully understand (quoted values, lists, comments, line
// continuations, leading blanks, [General] or keys before the first section, other "@" types,
// unusual characters in names) is handed to QSettings whole.
class IniRecords {
public:
    enum class Source {
        None,       // nothing read
        OnePass,    // the one-pass reader
        QSettings,  // handed to QSettings
    };

    // The records of `file`, whose bytes are `bytes` (already read and checked). The text is read
    // as UTF-8 when it is non-ASCII valid UTF-8, else as Latin-1, as IniSettings does.
    static IniRecords read(const QString& file, const QByteArray& bytes);
    // The one-pass reader alone: false, and `out` left empty, when it hands the file back.
    static bool readOnePass(const QByteArray& bytes, bool utf8, IniRecords& out);
    // QSettings alone, given a private copy of `bytes` without the lines dropUnsafeVariants
    // removes (`file` only names it in log lines). Empty, with source None, when no copy can be
    // made.
    static IniRecords readWithQSettings(const QString& file, const QByteArray& bytes);

    // As QSettings::value and QSettings::contains.
    QVariant value(const QString& key, const QVariant& def = QVariant()) const;
    bool contains(const QString& key) const;
    // True when the file has `key` as QSettings::setValue(key, written) would leave it: numbers,
    // truth values and text as the same text, other types as the same value.
    bool holds(const QString& key, const QVariant& written) const;

    QStringList keys() const;  // sorted, as QSettings::allKeys()
    int size() const { return static_cast<int>(entries_.size()); }
    Source source() const { return source_; }

    // The keys of one group: value("name") reads "group/name" without building a string per key.
    class Group {
    public:
        Group(const IniRecords& records, const QString& group);
        QVariant value(const QString& name) const;
        bool contains(const QString& name) const;
        bool holds(const QString& name, const QVariant& written) const;

    private:
        const QString& key(const QString& name) const;
        const IniRecords& records_;
        int prefixLength_;
        mutable QString key_;
    };

private:
    // A key is a section's name, "/" and the name on its line ("\" read as "/"), or one of
    // keyTexts_. A value is plain text of the file, or one of variants_.
    struct Entry {
        uint hash = 0;
        int section = -1;  // index into sections_; -1: keyStart indexes keyTexts_
        int keyStart = 0;
        int keyLength = 0;
        int valueStart = 0;
        int valueLength = -1;  // -1: valueStart indexes variants_
    };
    int keyLength(const Entry& e) const;
    QChar keyAt(const Entry& e, int i) const;
    QString keyOf(const Entry& e) const;
    QVariant valueOf(const Entry& e) const;
    bool matches(const Entry& e, const QChar* key, int length) const;
    bool sameKey(const Entry& a, const Entry& b) const;
    const Entry* find(const QString& key) const;
    void reserve(int entries);
    void insert(const Entry& e);

    QByteArray bytes_;
    bool utf8_ = false;
    std::vector<QByteArray> sections_;
    std::vector<uint> sectionHashes_;  // the hash state after "name/"
    QStringList keyTexts_;
    QVector<QVariant> variants_;
    std::vector<Entry> entries_;
    std::vector<int> slots_;  // entry index + 1, 0 when free; a power of two in size
    Source source_ = Source::None;
};

}  // namespace mousecfg
