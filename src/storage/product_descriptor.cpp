#include "storage/product_descriptor.h"

#include "storage/ini_file.h"
#include "storage/paths.h"
#include "storage/value_conv.h"

namespace mousecfg {

namespace {

QVariant readKey(const Paths& paths, const QString& key, const QVariant& def = QVariant()) {
    return IniReader(paths, paths.descriptorFile()).value(key, def);
}

int readInt(const Paths& paths, const char* key, int def = 0) {
    return readKey(paths, QLatin1String(key), def).toInt();
}

}  // namespace

DescriptorStatus loadProductDescriptor(const Paths& paths, ProductDescriptor& out) {
    IniReader file(paths, paths.descriptorFile());
    if (!file.isOpen()) return DescriptorStatus::Missing;
    const IniRecords::Group s(file.records(), QStringLiteral("PROFILE"));
    auto num = [&s](const QString& key) { return s.value(key).toInt(); };
    auto str = [&s](const QString& key) { return s.value(key).toString(); };

    out.dpi = conv::toU8(num(QStringLiteral("dpi")));
    for (int i = 0; i < 8; ++i) out.stageCodes[i] = num(QStringLiteral("DPI_INFO_%1_xy").arg(i));
    out.BackPic = str(QStringLiteral("BackPic"));
    out.CompanyName = str(QStringLiteral("CompanyName"));
    out.ProductName = str(QStringLiteral("ProductName"));
    out.FolderPath = str(QStringLiteral("FolderPath"));
    out.pollrate = num(QStringLiteral("pollrate"));
    out.LedMode = conv::toU8(num(QStringLiteral("LedMode")));
    for (int i = 0; i < 4; ++i) {
        out.Lang[i] = conv::toU8(num(QStringLiteral("Lang_%1").arg(i)));
        out.FontSize[i] = conv::toU8(num(QStringLiteral("FontSize_%1").arg(i)));
        out.FontName[i] = str(QStringLiteral("FontName_%1").arg(i));
    }
    out.Font_RGB = conv::toColour(s.value(QStringLiteral("Font_RGB")));
    out.Style = conv::toU8(num(QStringLiteral("Style")));
    out.ButtonCount = conv::toU8(num(QStringLiteral("ButtonCount")));
    for (int i = 0; i < kDescriptorButtons; ++i) {
        const QString b = QStringLiteral("BUTTON_INFO_%1_").arg(i);
        DescriptorButton& d = out.buttonDefaults[i];
        d.ID = num(b + QLatin1String("ID"));
        d.Fun = num(b + QLatin1String("Fun"));
        d.LoopNumber = num(b + QLatin1String("LoopNumber"));
        d.KeyNumber = num(b + QLatin1String("KeyNumber"));
        d.Res1 = conv::toU8(num(b + QLatin1String("Res1")));
        d.Res2 = conv::toU8(num(b + QLatin1String("Res2")));
        d.Res3 = conv::toU8(num(b + QLatin1String("Res3")));
        d.Res4 = conv::toU8(num(b + QLatin1String("Res4")));
    }
    for (int i = 0; i < 14; ++i) {
        const QString l = QStringLiteral("LedMode/LED_MODE_%1_").arg(i);
        DescriptorLed& d = out.ledDefaults[i];
        d.RGB = conv::toColour(s.value(l + QLatin1String("RGB")));
        d.bright = num(l + QLatin1String("bright"));
        d.breath = num(l + QLatin1String("breath"));
    }
    return DescriptorStatus::Loaded;
}

QString loadProductName(const Paths& paths) {
    return readKey(paths, QStringLiteral("PROFILE/ProductName")).toString();
}
QString loadVersion(const Paths& paths) {
    return readKey(paths, QStringLiteral("PROFILE/Version")).toString();
}
int loadButtonCountCode(const Paths& paths) {
    return readInt(paths, "PROFILE/ButtonCount");
}
int loadMouseDpi(const Paths& paths) {
    return readInt(paths, "PROFILE/MouseDpi");
}
int loadDpiCountCode(const Paths& paths) {
    return readInt(paths, "PROFILE/DPICount");
}
int loadDisableMacro(const Paths& paths) {
    return readInt(paths, "PROFILE/DisableMacro");
}
int loadLedDisable(const Paths& paths) {
    return readInt(paths, "PROFILE/ledDisable");
}
int loadShowSleep(const Paths& paths) {
    return readInt(paths, "PROFILE/ShowSleep", 1);
}
int loadSleepMin(const Paths& paths) {
    return readInt(paths, "PROFILE/SleepMin", 1);
}
int loadSleepMax(const Paths& paths) {
    return readInt(paths, "PROFILE/SleepMax", 9);
}
int loadScrollRev(const Paths& paths) {
    return readInt(paths, "PROFILE/ScrollRev");
}
int loadMinDelay(const Paths& paths) {
    return readInt(paths, "PROFILE/MinDelay", 10);
}
int loadExtendedDpiRange(const Paths& paths) {
    return readInt(paths, "PROFILE/33254");
}
int loadColorMode(const Paths& paths) {
    return readInt(paths, "PROFILE/ColorMode");
}

int decodeButtonCount(int buttonCountCode, int mouseDpi) {
    return buttonCountCode ^ mouseDpi;
}
int decodeDpiStageCount(int buttonCountCode, int mouseDpi, int dpiCountCode) {
    return buttonCountCode ^ mouseDpi ^ dpiCountCode;
}

int buttonCount(const Paths& paths) {
    IniReader s(paths, paths.descriptorFile());
    return decodeButtonCount(s.value(QStringLiteral("PROFILE/ButtonCount")).toInt(),
                             s.value(QStringLiteral("PROFILE/MouseDpi")).toInt());
}

int dpiStageCount(const Paths& paths) {
    IniReader s(paths, paths.descriptorFile());
    return decodeDpiStageCount(s.value(QStringLiteral("PROFILE/ButtonCount")).toInt(),
                               s.value(QStringLiteral("PROFILE/MouseDpi")).toInt(),
                               s.value(QStringLiteral("PROFILE/DPICount")).toInt());
}

DescriptorStatus loadButtonMatrix(const Paths& paths, ButtonMatrix& out) {
    IniReader s(paths, paths.descriptorFile());
    if (!s.isOpen()) return DescriptorStatus::Missing;
    for (int i = 0; i < kDescriptorButtons; ++i)
        out.deviceButton[i] =
            conv::toU8(s.value(QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix").arg(i)).toInt());
    return DescriptorStatus::Loaded;
}

int loadButtonMatrix2(const Paths& paths, std::array<uint8_t, kDescriptorButtons>& out) {
    IniReader s(paths, paths.descriptorFile());
    if (!s.isOpen()) return kMatrix2Missing;
    for (int i = 0; i < kDescriptorButtons; ++i)
        out[i] = conv::toU8(s.value(QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix2").arg(i)).toInt());
    return decodeButtonCount(s.value(QStringLiteral("PROFILE/ButtonCount")).toInt(),
                             s.value(QStringLiteral("PROFILE/MouseDpi")).toInt());
}

int shownButtonCount(const std::array<uint8_t, kDescriptorButtons>& matrix2, int count) {
    if (count <= 0) return 0;
    int shown = count;
    const int limit = count < kDescriptorButtons ? count : kDescriptorButtons;
    for (int i = 0; i < limit; ++i)
        if (matrix2[i] == kMatrixHidden) --shown;
    return shown;
}

}  // namespace mousecfg
