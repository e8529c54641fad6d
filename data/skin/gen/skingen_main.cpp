// mousecfg-skingen: paints every skin image of the program.
//
//   mousecfg-skingen [--icons <folder>] <skin folder> <embedded folder> <installation data folder>
//                    [product...]
//
// Writes the images below <skin folder> (the program's skin/), the compiled-in images and the
// frames of the busy animation below <embedded folder>, and icon.ico. With --icons, the
// application icon also goes below <folder> as the desktop's icon theme wants it:
// hicolor/<n>x<n>/apps/mousecfg.png. The accent is the theme colour the installation data selects
// by default.
#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "skin_images.h"
#include "skin_kit.h"
#include "storage/app_settings.h"
#include "storage/paths.h"

namespace {

constexpr int kLoadingFrames = 24;
// The sizes desktops look up in the hicolor theme (menus, launchers, software centres).
const QList<int> kThemeIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

void put16(QByteArray& b, int v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
}
void put32(QByteArray& b, qint64 v) {
    put16(b, static_cast<int>(v & 0xFFFF));
    put16(b, static_cast<int>((v >> 16) & 0xFFFF));
}

// An .ico holding PNG-compressed images (the format Windows Vista and later, and Qt, read).
bool writeIco(const QString& path, const QList<int>& sizes) {
    QList<QByteArray> pngs;
    for (int s : sizes) {
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        if (!skingen::appIcon(s).save(&buf, "PNG")) return false;
        pngs.append(png);
    }
    QByteArray ico;
    put16(ico, 0);  // reserved
    put16(ico, 1);  // icon
    put16(ico, sizes.size());
    qint64 offset = 6 + 16 * sizes.size();
    for (int i = 0; i < sizes.size(); ++i) {
        const int s = sizes[i] >= 256 ? 0 : sizes[i];  // 0 means 256
        ico.append(static_cast<char>(s));
        ico.append(static_cast<char>(s));
        ico.append('\0');  // no palette
        ico.append('\0');
        put16(ico, 1);   // planes
        put16(ico, 32);  // bits per pixel
        put32(ico, pngs[i].size());
        put32(ico, offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) ico.append(png);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(ico) == ico.size();
}

}  // namespace

int main(int argc, char** argv) {
    // Text-free painting into images needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    QString iconDir;
    if (args.size() > 2 && args.at(1) == QLatin1String("--icons")) {
        iconDir = args.at(2);
        args.erase(args.begin() + 1, args.begin() + 3);
    }
    if (args.size() < 4) {
        std::fprintf(
            stderr,
            "usage: mousecfg-skingen [--icons <folder>] <skin folder> <embedded folder> <data folder> "
            "[product...]\n");
        return 64;
    }
    const QString skinDir = args.at(1);
    const QString embeddedDir = args.at(2);
    const mousecfg::Paths shipped = mousecfg::Paths::singleFolder(args.at(3));
    QStringList products = args.mid(4);
    if (products.isEmpty()) products << QStringLiteral("FARROW");

    // The images carry the shipped default theme colour; the widgets draw the user's own one
    // (frames, grooves, gauges) on top.
    skingen::setAccent(mousecfg::appsettings::loadThemeColour(shipped));

    skingen::ImageList skin;
    skingen::addFrameImages(skin);
    skingen::addIconImages(skin);
    for (const QString& product : products) skingen::addProductImages(skin, product);
    skingen::ImageList embedded;
    skingen::addEmbeddedImages(embedded);
    for (int i = 0; i < kLoadingFrames; ++i)
        embedded.append({QStringLiteral("loading/frame_%1.png").arg(i, 2, 10, QLatin1Char('0')),
                         skingen::loadingFrame(i, kLoadingFrames)});

    int failures = 0;
    for (const auto& item : skin) failures += skingen::save(item.image, skinDir, item.path) ? 0 : 1;
    for (const auto& item : embedded) failures += skingen::save(item.image, embeddedDir, item.path) ? 0 : 1;
    if (!writeIco(skinDir + QStringLiteral("/icon.ico"), {16, 24, 32, 48, 64, 128, 256})) ++failures;
    if (!iconDir.isEmpty()) {
        for (int s : kThemeIconSizes)
            failures += skingen::save(skingen::appIcon(s), iconDir,
                                      QStringLiteral("hicolor/%1x%1/apps/mousecfg.png").arg(s))
                            ? 0
                            : 1;
    }
    if (failures) {
        std::fprintf(stderr, "mousecfg-skingen: %d image(s) could not be written\n", failures);
        return 1;
    }
    return 0;
}
