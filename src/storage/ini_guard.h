#pragma once

#include <QByteArray>
#include <QStringList>

namespace mousecfg {

// QSettings turns a value "@Variant(...)" into an object with QDataStream, trusting the counts
// it finds there: a polygon, list or image with a garbage count in a hand-made file asks for
// gigabytes (an abort, or minutes of paging). The only stored objects this program writes are
// colours, which have a fixed size.
//
// Removes from an INI file's bytes every line whose value (or one of its list items) QSettings
// would read as "@Variant(...)" of any type but a colour, and returns the keys of the removed
// lines as they stand in the file. Lines are found the way QSettings finds them (quoted text
// across lines, backslash continuations, comments), and values unescaped as it does, so that
// neither an escaped "@" nor quotes nor a list hide such a value. Everything else is left
// byte-identical.
QStringList dropUnsafeVariants(QByteArray& bytes);

}  // namespace mousecfg
