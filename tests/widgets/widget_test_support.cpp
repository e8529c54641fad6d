#include "widget_test_support.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QSettings>

namespace mousecfg::test {

QStringList writeStateImages(const QString& dir, const QList<QColor>& colours, QSize size) {
    QDir().mkpath(dir);
    QStringList names;
    for (int i = 0; i < colours.size(); ++i) {
        QImage img(size, QImage::Format_ARGB32);
        img.fill(colours[i]);
        const QString name = QStringLiteral("state%1.png").arg(i);
        img.save(dir + QLatin1Char('/') + name);
        names << name;
    }
    return names;
}

QColor pixelAt(QWidget& widget, QPoint at) {
    return widget.grab().toImage().pixelColor(at);
}

void writeLanguageTable(const TempData& data, int count) {
    const char* names[] = {"English", "Chinese", "Deutsch"};
    const char* files[] = {"mousecfg_en", "mousecfg_zh_CN", "mousecfg_de"};
    const char* fonts[] = {"DejaVu Sans", "Noto Sans CJK SC", "DejaVu Sans"};
    QDir().mkpath(data.paths().configDir());
    {
        QSettings s(data.paths().configFile(), QSettings::IniFormat);
        s.setValue(QStringLiteral("FONT_LIST/LANGNUM"), count);
        for (int i = 0; i < 3; ++i) {
            s.setValue(QStringLiteral("FONT_LIST/LangName_%1").arg(i), QLatin1String(names[i]));
            s.setValue(QStringLiteral("FONT_LIST/LangFile_%1").arg(i), QLatin1String(files[i]));
            s.setValue(QStringLiteral("FONT_LIST/FONT_%1").arg(i), QLatin1String(fonts[i]));
            s.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(i), 12 + i);
        }
    }
    QDir().mkpath(data.paths().langDir());
    for (const char* f : files) {
        const QString name = QLatin1String(f) + QStringLiteral(".qm");
        QFile::copy(builtLangDir() + QLatin1Char('/') + name,
                    data.paths().langDir() + QLatin1Char('/') + name);
    }
}

}  // namespace mousecfg::test
