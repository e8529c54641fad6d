#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QCommandLineParser;

namespace mousecfg {

struct CliContext;

// Parsing of the values the settings commands take. Every function is strict: a value that is
// not exactly what it names gives nothing.
namespace clivalue {

// A decimal integer (an optional sign, digits, nothing else).
std::optional<int> integer(const QString& text);
// "ff8800", "#ff8800" or the short form "f80" (each digit doubled).
std::optional<QColor> colour(const QString& text);
// on/off, yes/no, 1/0.
std::optional<bool> onOff(const QString& text);
// "1,2,3": decimal numbers separated by commas, each once.
std::optional<std::vector<int>> numberList(const QString& text);

// A name as the command line writes it: lowercase, spaces as hyphens ("7-color-breathing").
QString token(const QString& name);
// Whether `text` names `name`: equal once both are written as tokens.
bool sameToken(const QString& text, const QString& name);

}  // namespace clivalue

// The profile a command works on: --profile N (1..5) or, without it, the active one. Refuses
// (exit code in `code`) a number outside 1..5.
std::optional<int> chosenProfile(CliContext& context, const QCommandLineParser& parser, int activeProfile,
                                 int* code);

}  // namespace mousecfg
