#include "storage/ini_guard.h"

#include <QString>
#include <vector>

namespace mousecfg {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The characters that end, continue or divide a line of an INI file.
bool isLineSpecial(char c) {
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

uint hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<uint>(c - 'a' + 10);
    return static_cast<uint>(c - 'A' + 10);
}

struct Line {
    int start = 0;
    int length = 0;
    int equals = -1;  // the first "=" outside quotes, or -1
};

// The next logical line from `pos`, split the way QSettings' INI reader splits: blanks before a
// line are skipped, quoted text runs across line ends, a backslash takes the next character (and
// a whole "\r\n" or "\n\r") with it, a ";" at the start makes the rest of the line up to the next
// "\n" a comment, and a ";" later outside quotes ends the line.
bool nextLine(const char* d, int n, int& pos, Line& line) {
    bool inQuotes = false;
    line.equals = -1;
    int start = pos;
    while (start < n && isBlank(d[start])) ++start;
    int i = start;
    bool ended = false;
    while (i < n && !ended) {
        while (i < n && !isLineSpecial(d[i])) ++i;
        if (i == n) break;
        const char c = d[i++];
        if (c == '=') {
            if (!inQuotes && line.equals < 0) line.equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1)
                ++start;
            else if (!inQuotes)
                ended = true;
        } else if (c == '\\') {
            if (i < n) {
                const char e = d[i++];
                if (i < n && ((e == '\n' && d[i] == '\r') || (e == '\r' && d[i] == '\n'))) ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (i == start + 1) {  // ";" opening a comment: only "\n" ends it
            while (i < n && d[i] != '\n') ++i;
            start = i;
        } else if (!inQuotes) {  // ";" after something
            ended = true;
        }
        if (ended) --i;
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

void chopTrailingBlanks(QString& s) {
    int n = s.size();
    while (n > 0 && (s.at(n - 1) == QLatin1Char(' ') || s.at(n - 1) == QLatin1Char('\t'))) --n;
    s.truncate(n);
}

// The text of one run of plain bytes. Bytes read as Latin-1 and UTF-8 byte-order marks left out:
// a UTF-8 decoder may drop a mark, and what decides below ("@", "Variant(", ")" and the four
// bytes of the type) is ASCII, which neither reading changes.
void appendRun(const char* p, int n, QString& out) {
    for (int i = 0; i < n; ++i) {
        if (i + 2 < n && static_cast<uchar>(p[i]) == 0xEF && static_cast<uchar>(p[i + 1]) == 0xBB &&
            static_cast<uchar>(p[i + 2]) == 0xBF) {
            i += 2;
            continue;
        }
        out += QLatin1Char(p[i]);
    }
}

// The items of a value (one unless it is a list), unescaped as QSettings does.
QStringList valueItems(const char* s, int from, int to) {
    static const char kNamed[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
    QStringList items;
    QString item;
    bool inQuotes = false;
    bool quoted = false;
    int i = from;
    auto skipBlanks = [&] {
        while (i < to && (s[i] == ' ' || s[i] == '\t')) ++i;
    };
    skipBlanks();
    while (i < to) {
        const char c = s[i];
        if (c == '\\') {
            if (++i >= to) break;
            const char e = s[i++];
            const char* named = nullptr;
            for (const char* k = kNamed; *k && !named; k += 2)
                if (*k == e) named = k;
            if (named) {
                item += QLatin1Char(named[1]);
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                const bool hex = e == 'x';
                if (hex && (i >= to || !isHexDigit(s[i]))) {
                    if (i >= to) break;
                    continue;  // "\x" without digits stands for nothing
                }
                uint value = hex ? 0 : static_cast<uint>(e - '0');
                while (i < to && (hex ? isHexDigit(s[i]) : (s[i] >= '0' && s[i] <= '7'))) {
                    value = hex ? (value << 4) + hexDigitValue(s[i])
                                : (value << 3) + static_cast<uint>(s[i] - '0');
                    ++i;
                }
                item += QChar(static_cast<ushort>(value & 0xFFFF));
            } else if (e == '\n' || e == '\r') {
                if (i < to && (s[i] == '\n' || s[i] == '\r') && s[i] != e) ++i;
            }
            // any other escaped character stands for nothing
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (!quoted) chopTrailingBlanks(item);
            items.append(item);
            item.clear();
            quoted = false;
            ++i;
            skipBlanks();
        } else {
            int j = i + 1;
            while (j < to && s[j] != '\\' && s[j] != '"' && s[j] != ',') ++j;
            appendRun(s + i, j - i, item);
            i = j;
        }
    }
    if (!quoted) chopTrailingBlanks(item);
    items.append(item);
    return items;
}

// "@Variant(" ... ")" holding anything but a colour: QDataStream of version 4.0, whose first four
// bytes are the type (0, 0, 0, 67 for a colour).
bool isUnsafeVariant(const QString& item) {
    if (!item.startsWith(QLatin1String("@Variant(")) || !item.endsWith(QLatin1Char(')'))) return false;
    return !(item.size() >= 13 && item.at(9).unicode() == 0 && item.at(10).unicode() == 0 &&
             item.at(11).unicode() == 0 && item.at(12).unicode() == 67);
}

bool mayHoldVariant(const char* s, int from, int to) {
    for (int i = from; i < to; ++i)
        if (s[i] == '@' || s[i] == '\\') return true;
    return false;
}

}  // namespace

QStringList dropUnsafeVariants(QByteArray& bytes) {
    const char* d = bytes.constData();
    const int n = bytes.size();
    QStringList keys;
    if (!bytes.contains('@') && !bytes.contains('\\')) return keys;
    std::vector<std::pair<int, int>> drop;
    int pos = 0;
    Line line;
    while (nextLine(d, n, pos, line)) {
        // Section lines are looked at as well: whether a first line after a byte-order mark is a
        // section or a key does not matter when any value on it is judged.
        if (line.equals < 0) continue;
        const int end = line.start + line.length;
        if (!mayHoldVariant(d, line.equals + 1, end)) continue;
        const QStringList items = valueItems(d, line.equals + 1, end);
        for (const QString& item : items) {
            if (!isUnsafeVariant(item)) continue;
            drop.emplace_back(line.start, line.length);
            keys << QString::fromLatin1(d + line.start, line.equals - line.start).trimmed();
            break;
        }
    }
    if (drop.empty()) return keys;
    QByteArray kept;
    kept.reserve(n);
    int from = 0;
    for (const auto& range : drop) {
        kept.append(d + from, range.first - from);
        from = range.first + range.second;
    }
    kept.append(d + from, n - from);
    bytes = kept;
    return keys;
}

}  // namespace mousecfg
