#include "storage/profile_files.h"

#include <QFileInfo>
#include <QSettings>
#include <vector>

#include "storage/ini_file.h"
#include "storage/paths.h"
#include "storage/product_descriptor.h"
#include "storage/save_batch.h"
#include "storage/storage_log.h"
#include "storage/value_conv.h"

namespace mousecfg {

namespace {

// Key names of one profile, relative to its group, built once: a profile has 8453 keys and the
// five current profiles are read at every load.
struct ButtonKeys {
    QString ID, Fun, LoopNumber, KeyNumber, Res1, Res2, Res3, Res4, macroname;
    QString map[kKeyInfoEntries], low[kKeyInfoEntries], high[kKeyInfoEntries];
};
struct StageKeys {
    QString used, link, xy, x, y;
};
struct LedKeys {
    QString RGB, h, s, v, bright, breath;
};
struct ProfileKeys {
    QString pollrate = QStringLiteral("pollrate");
    QString dpi = QStringLiteral("dpi");
    QString mousespeed = QStringLiteral("mousespeed");
    QString dbclickspeed = QStringLiteral("dbclickspeed");
    QString scrollispage = QStringLiteral("scrollispage");
    QString scrollspeed = QStringLiteral("scrollspeed");
    QString accelenable = QStringLiteral("accelenable");
    QString acee = QStringLiteral("acee");
    QString ProfileName = QStringLiteral("ProfileName");
    QString ProfilePath = QStringLiteral("ProfilePath");
    QString LedMode = QStringLiteral("LedMode");
    QString LedMoveOFF = QStringLiteral("LedMoveOFF");
    QString LedSleepTime = QStringLiteral("LedSleepTime");
    StageKeys stages[kDpiStageSlots];
    std::vector<ButtonKeys> buttons = std::vector<ButtonKeys>(kButtonSlots);
    LedKeys leds[kLedModes];

    ProfileKeys() {
        for (int i = 0; i < kDpiStageSlots; ++i) {
            const QString b = QStringLiteral("DPI_INFO_") + QString::number(i) + QLatin1Char('_');
            stages[i] = {b + QLatin1String("used"), b + QLatin1String("link"), b + QLatin1String("xy"),
                         b + QLatin1String("x"), b + QLatin1String("y")};
        }
        for (int i = 0; i < kButtonSlots; ++i) {
            const QString b = QStringLiteral("BUTTON_INFO_") + QString::number(i) + QLatin1Char('_');
            ButtonKeys& k = buttons[i];
            k.ID = b + QLatin1String("ID");
            k.Fun = b + QLatin1String("Fun");
            k.LoopNumber = b + QLatin1String("LoopNumber");
            k.KeyNumber = b + QLatin1String("KeyNumber");
            k.Res1 = b + QLatin1String("Res1");
            k.Res2 = b + QLatin1String("Res2");
            k.Res3 = b + QLatin1String("Res3");
            k.Res4 = b + QLatin1String("Res4");
            k.macroname = b + QLatin1String("macroname");
            for (int e = 0; e < kKeyInfoEntries; ++e) {
                const QString ke = b + QStringLiteral("KeyInfo_") + QString::number(e) + QLatin1Char('_');
                k.low[e] = ke;
                k.map[e] = ke + QLatin1String("map");
                k.high[e] = ke + QLatin1Char('H');
            }
        }
        for (int i = 0; i < kLedModes; ++i) {
            const QString b = QStringLiteral("LedMode/LED_MODE_") + QString::number(i) + QLatin1Char('_');
            leds[i] = {b + QLatin1String("RGB"), b + QLatin1String("h"),      b + QLatin1String("s"),
                       b + QLatin1String("v"),   b + QLatin1String("bright"), b + QLatin1String("breath")};
        }
    }
};

const ProfileKeys& keys() {
    static const ProfileKeys k;
    return k;
}

// Every key name of a key set, relative to the group, in the order they are written.
QStringList buildKeyNames(ProfileKeySet set) {
    const ProfileKeys& k = keys();
    QStringList n{k.pollrate, k.dpi};
    for (const StageKeys& st : k.stages) n << st.used << st.link << st.xy << st.x << st.y;
    n << k.mousespeed << k.dbclickspeed << k.scrollispage << k.scrollspeed << k.accelenable << k.acee;
    for (const ButtonKeys& b : k.buttons) {
        n << b.ID << b.Fun << b.LoopNumber << b.KeyNumber << b.Res1 << b.Res2 << b.Res3 << b.Res4
          << b.macroname;
        for (int e = 0; e < kKeyInfoEntries; ++e) n << b.map[e] << b.low[e] << b.high[e];
    }
    n << k.ProfileName << k.ProfilePath << k.LedMode;
    if (set == ProfileKeySet::Full) n << k.LedMoveOFF << k.LedSleepTime;
    for (const LedKeys& l : k.leds) n << l.RGB << l.h << l.s << l.v << l.bright << l.breath;
    return n;
}

const QStringList& keyNames(ProfileKeySet set) {
    static const QStringList full = buildKeyNames(ProfileKeySet::Full);
    static const QStringList exported = buildKeyNames(ProfileKeySet::SettingsExport);
    return set == ProfileKeySet::Full ? full : exported;
}

// Bytes are written as their unsigned value, 32-bit codes as unsigned numbers.
QVariant byteValue(uint8_t v) {
    return QVariant(static_cast<int>(v));
}
QVariant u32Value(uint32_t v) {
    return QVariant(static_cast<uint>(v));
}

// Reading: numbers as signed ints truncated to the field. Unsigned 32-bit codes are read as 64-bit
// numbers before the truncation, so that a code above 2^31 that this program wrote comes back.
using Group = IniRecords::Group;

uint8_t readU8(const Group& s, const QString& key) {
    return conv::toU8(s.value(key).toInt());
}
int32_t readI32(const Group& s, const QString& key) {
    return s.value(key).toInt();
}
uint32_t readU32(const Group& s, const QString& key) {
    return static_cast<uint32_t>(static_cast<quint64>(s.value(key).toLongLong()) & 0xFFFFFFFFu);
}

}  // namespace

namespace {

// Every key of the set with the value it is written as, in the order of the key set.
template <typename Put>
void visitProfile(const MouseProfile& p, ProfileKeySet set, Put&& put) {
    const ProfileKeys& k = keys();

    put(k.pollrate, byteValue(p.pollrate));
    put(k.dpi, byteValue(p.dpi));
    for (int i = 0; i < kDpiStageSlots; ++i) {
        const DpiStage& st = p.dpiStages[i];
        put(k.stages[i].used, byteValue(st.used));
        put(k.stages[i].link, byteValue(st.link));
        put(k.stages[i].xy, u32Value(st.xy));
        put(k.stages[i].x, u32Value(st.x));
        put(k.stages[i].y, u32Value(st.y));
    }
    put(k.mousespeed, byteValue(p.mousespeed));
    put(k.dbclickspeed, byteValue(p.dbclickspeed));
    put(k.scrollispage, byteValue(p.scrollispage));
    put(k.scrollspeed, byteValue(p.scrollspeed));
    put(k.accelenable, byteValue(p.accelenable));
    put(k.acee, byteValue(p.acee));
    for (int i = 0; i < kButtonSlots; ++i) {
        const ButtonAssignment& b = p.buttons[i];
        const ButtonKeys& bk = k.buttons[i];
        put(bk.ID, b.ID);
        put(bk.Fun, b.Fun);
        put(bk.LoopNumber, b.LoopNumber);
        put(bk.KeyNumber, b.KeyNumber);
        put(bk.Res1, byteValue(b.Res1));
        put(bk.Res2, byteValue(b.Res2));
        put(bk.Res3, byteValue(b.Res3));
        put(bk.Res4, byteValue(b.Res4));
        put(bk.macroname, b.macroname);
        for (int e = 0; e < kKeyInfoEntries; ++e) {
            put(bk.map[e], byteValue(b.KeyInfo[e].map));
            put(bk.low[e], byteValue(b.KeyInfo[e].low));
            put(bk.high[e], byteValue(b.KeyInfo[e].high));
        }
    }
    put(k.ProfileName, p.ProfileName);
    put(k.ProfilePath, p.ProfilePath);
    put(k.LedMode, byteValue(p.LedMode));
    if (set == ProfileKeySet::Full) {
        put(k.LedMoveOFF, byteValue(p.LedMoveOFF));
        put(k.LedSleepTime, byteValue(p.LedSleepTime));
    }
    for (int i = 0; i < kLedModes; ++i) {
        const LedModeSetting& led = p.ledModes[i];
        put(k.leds[i].RGB, QVariant::fromValue(led.RGB));
        put(k.leds[i].h, u32Value(led.h));
        put(k.leds[i].s, u32Value(led.s));
        put(k.leds[i].v, u32Value(led.v));
        put(k.leds[i].bright, u32Value(led.bright));
        put(k.leds[i].breath, u32Value(led.breath));
    }
}

}  // namespace

void writeProfileGroup(QSettings& s, const QString& group, const MouseProfile& p, ProfileKeySet set) {
    s.beginGroup(group);
    visitProfile(p, set, [&s](const QString& key, const QVariant& value) { s.setValue(key, value); });
    s.endGroup();
}

bool profileGroupHolds(const IniRecords& records, const QString& group, const MouseProfile& p,
                       ProfileKeySet set) {
    const IniRecords::Group g(records, group);
    bool held = true;
    visitProfile(p, set, [&](const QString& key, const QVariant& value) {
        if (held && !g.holds(key, value)) held = false;
    });
    return held;
}

void readProfileGroup(const IniRecords& records, const QString& group, MouseProfile& p, ProfileKeySet set) {
    const ProfileKeys& k = keys();
    const Group s(records, group);
    p.pollrate = readU8(s, k.pollrate);
    p.dpi = readU8(s, k.dpi);
    for (int i = 0; i < kDpiStageSlots; ++i) {
        DpiStage& st = p.dpiStages[i];
        st.used = readU8(s, k.stages[i].used);
        st.link = readU8(s, k.stages[i].link);
        st.xy = readU32(s, k.stages[i].xy);
        st.x = readU32(s, k.stages[i].x);
        st.y = readU32(s, k.stages[i].y);
    }
    p.mousespeed = readU8(s, k.mousespeed);
    p.dbclickspeed = readU8(s, k.dbclickspeed);
    p.scrollispage = readU8(s, k.scrollispage);
    p.scrollspeed = readU8(s, k.scrollspeed);
    p.accelenable = readU8(s, k.accelenable);
    p.acee = readU8(s, k.acee);
    for (int i = 0; i < kButtonSlots; ++i) {
        ButtonAssignment& b = p.buttons[i];
        const ButtonKeys& bk = k.buttons[i];
        b.ID = readI32(s, bk.ID);
        b.Fun = readI32(s, bk.Fun);
        b.LoopNumber = readI32(s, bk.LoopNumber);
        b.KeyNumber = readI32(s, bk.KeyNumber);
        b.Res1 = readU8(s, bk.Res1);
        b.Res2 = readU8(s, bk.Res2);
        b.Res3 = readU8(s, bk.Res3);
        b.Res4 = readU8(s, bk.Res4);
        b.macroname = s.value(bk.macroname).toString();
        for (int e = 0; e < kKeyInfoEntries; ++e) {
            b.KeyInfo[e].map = readU8(s, bk.map[e]);
            b.KeyInfo[e].low = readU8(s, bk.low[e]);
            b.KeyInfo[e].high = readU8(s, bk.high[e]);
        }
    }
    p.ProfileName = s.value(k.ProfileName).toString();
    p.ProfilePath = s.value(k.ProfilePath).toString();
    p.LedMode = readU8(s, k.LedMode);
    if (set == ProfileKeySet::Full) {
        p.LedMoveOFF = readU8(s, k.LedMoveOFF);
        p.LedSleepTime = readU8(s, k.LedSleepTime);
    }
    for (int i = 0; i < kLedModes; ++i) {
        LedModeSetting& led = p.ledModes[i];
        led.RGB = conv::toColour(s.value(k.leds[i].RGB));
        led.h = readU32(s, k.leds[i].h);
        led.s = readU32(s, k.leds[i].s);
        led.v = readU32(s, k.leds[i].v);
        led.bright = readU32(s, k.leds[i].bright);
        led.breath = readU32(s, k.leds[i].breath);
    }
}

namespace {
const QString kProfileGroup = QStringLiteral("PROFILE");
const QString kProfileSuffix = QStringLiteral(".prof");
}  // namespace

int countProfileKeys(const IniRecords& records, const QString& group, ProfileKeySet set, int enough) {
    int found = 0;
    const Group s(records, group);
    for (const QString& key : keyNames(set)) {
        if (s.contains(key) && ++found >= enough) break;
    }
    return found;
}

QString currentProfileFile(const Paths& paths, const QString& name) {
    if (!Paths::isSafeFileName(name)) return QString();
    return paths.profileDir() + QLatin1Char('/') + name + kProfileSuffix;
}

QString libraryProfileFile(const Paths& paths, const QString& product, const QString& name) {
    if (!Paths::isSafeFileName(name)) return QString();
    return paths.productProfileDir(product) + QLatin1Char('/') + name + kProfileSuffix;
}

QString defaultProfileFile(const Paths& paths) {
    return paths.profileDir() + QStringLiteral("/DefaultProfile.prof");
}

void addProfileFile(SaveBatch& batch, const QString& file, const MouseProfile& profile) {
    batch.editIni(
        file, [&profile](QSettings& s) { writeProfileGroup(s, kProfileGroup, profile); },
        [&profile](const IniRecords& r) { return profileGroupHolds(r, kProfileGroup, profile); });
}

bool saveProfileFile(const Paths& paths, const MouseProfile& profile, const QString& name) {
    const QString file = currentProfileFile(paths, name);
    if (file.isEmpty()) return false;
    SaveBatch batch(paths);
    addProfileFile(batch, file, profile);
    return batch.commit().ok();
}

ProfileLoad loadProfileFile(const Paths& paths, MouseProfile& profile, const QString& name) {
    return loadProfileFromPath(paths, profile, currentProfileFile(paths, name), name);
}

ProfileLoad loadProfileFromPath(const Paths& paths, MouseProfile& profile, const QString& file,
                                const QString& name) {
    if (!file.isEmpty()) {
        IniReader reader(paths, file);
        if (reader.isOpen() &&
            countProfileKeys(reader.records(), kProfileGroup, ProfileKeySet::Full, 1) > 0) {
            readProfileGroup(reader.records(), kProfileGroup, profile);
            return ProfileLoad::Loaded;
        }
        // A refused file was reported by the reader already.
        if (reader.issue() == FileIssue::None)
            qCWarning(lcStorage).noquote()
                << "profile file" << file << "holds no profile keys - product defaults";
        else
            qCDebug(lcStorage).noquote()
                << "profile file" << file << describeFileIssue(reader.issue()) << "- product defaults";
    }
    resetProfileToDefaults(profile, paths);
    profile.ProfileName = name;
    return ProfileLoad::Defaults;
}

void loadProfileFromPath(MouseProfile& profile, const QString& file) {
    IniReader reader(file);
    if (!reader.isOpen()) {
        profile = MouseProfile();
        return;
    }
    readProfileGroup(reader.records(), kProfileGroup, profile);
}

SaveStatus saveProfileToPath(const MouseProfile& profile, const QString& file) {
    return saveProfileToPath(Paths(), profile, file);
}

SaveStatus saveProfileToPath(const Paths& paths, const MouseProfile& profile, const QString& file) {
    if (file.isEmpty()) return SaveStatus::failure(SaveResult::Refused, file, QStringLiteral("no file name"));
    SaveBatch batch(paths);
    addProfileFile(batch, file, profile);
    return batch.commit();
}

bool saveDpiIndex(const Paths& paths, const QString& name, int value) {
    const QString file = currentProfileFile(paths, name);
    if (file.isEmpty()) return false;
    SaveBatch batch(paths);
    const QString key = QStringLiteral("PROFILE/dpi");
    const QVariant dpi(static_cast<int>(conv::toU8(value)));
    batch.editIni(
        file, [&](QSettings& s) { s.setValue(key, dpi); },
        [&](const IniRecords& r) { return r.holds(key, dpi); });
    return batch.commit().ok();
}

SaveStatus writeDefaultProfileFile(const Paths& paths) {
    MouseProfile p;
    resetProfileToDefaults(p, paths);
    return saveProfileToPath(paths, p, defaultProfileFile(paths));
}

SaveStatus stampProductName(const QString& file, const QString& product) {
    return stampProductName(Paths(), file, product);
}

SaveStatus stampProductName(const Paths& paths, const QString& file, const QString& product) {
    if (file.isEmpty()) return SaveStatus::failure(SaveResult::Refused, file, QStringLiteral("no file name"));
    SaveBatch batch(paths);
    batch.editIni(file, [&product](QSettings& s) { s.setValue(QStringLiteral("MouseName/Name"), product); });
    return batch.commit();
}

QString readProductName(const QString& file) {
    if (file.isEmpty()) return QString();
    return IniReader(file).value(QStringLiteral("MouseName/Name")).toString();
}

}  // namespace mousecfg
