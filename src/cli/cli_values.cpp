#include "cli/cli_values.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <set>

#include "cli/cli_command.h"
#include "storage/config_state.h"

namespace mousecfg {
namespace clivalue {

std::optional<int> integer(const QString& text) {
    static const QRegularExpression kDecimal(QStringLiteral("^[+-]?[0-9]{1,9}$"));
    if (!kDecimal.match(text).hasMatch()) return std::nullopt;
    return text.toInt();
}

std::optional<QColor> colour(const QString& text) {
    static const QRegularExpression kHex(QStringLiteral("^#?([0-9a-fA-F]{6}|[0-9a-fA-F]{3})$"));
    const QRegularExpressionMatch m = kHex.match(text);
    if (!m.hasMatch()) return std::nullopt;
    QString digits = m.captured(1);
    if (digits.size() == 3) digits = QString(2, digits[0]) + QString(2, digits[1]) + QString(2, digits[2]);
    const uint rgb = digits.toUInt(nullptr, 16);
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::optional<bool> onOff(const QString& text) {
    const QString t = text.toLower();
    if (t == QLatin1String("on") || t == QLatin1String("yes") || t == QLatin1String("1")) return true;
    if (t == QLatin1String("off") || t == QLatin1String("no") || t == QLatin1String("0")) return false;
    return std::nullopt;
}

std::optional<std::vector<int>> numberList(const QString& text) {
    std::vector<int> numbers;
    std::set<int> seen;
    for (const QString& p : text.split(QLatin1Char(','))) {
        const std::optional<int> n = integer(p.trimmed());
        if (!n || !seen.insert(*n).second) return std::nullopt;
        numbers.push_back(*n);
    }
    return numbers;
}

QString token(const QString& name) {
    return name.simplified().toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

bool sameToken(const QString& text, const QString& name) {
    return token(QString(text).replace(QLatin1Char('_'), QLatin1Char(' '))) == token(name);
}

}  // namespace clivalue

std::optional<int> chosenProfile(CliContext& context, const QCommandLineParser& parser, int activeProfile,
                                 int* code) {
    const QString option = QStringLiteral("profile");
    if (!parser.isSet(option)) return activeProfile;
    const std::optional<int> n = clivalue::integer(parser.value(option));
    if (!n || *n < 1 || *n > kProfileCount) {
        context.error(QStringLiteral("--profile %1 is out of range: 1..%2")
                          .arg(parser.value(option))
                          .arg(kProfileCount));
        *code = kCliRefused;
        return std::nullopt;
    }
    return *n - 1;
}

}  // namespace mousecfg
