// mousecfg-performance-shots: draws the main window's DPI tab for every kind of sensor range and
// the message boxes of the profile bar, against the simulated mouse, and saves PNGs of them.
#include <QApplication>
#include <QSettings>
#include <algorithm>
#include <functional>

#include "app/session/profile_manager.h"
#include "app/tabs/tab_list.h"
#include "app/window/mousecfg_widget.h"
#include "app/window/profile_bar.h"
#include "device/dpi_ranges.h"
#include "pages/performance/tarn_dpi_window.h"
#include "shots/shot_support.h"

using namespace mousecfg;

namespace {

void setIni(const QString& file, const QString& key, const QVariant& value) {
    QSettings s(file, QSettings::IniFormat);
    s.setValue(key, value);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    const shots::Options options = shots::parseOptions();
    const Paths& paths = options.paths;
    const QString& out = options.outDir;
    const int language = options.language;
    const QString prefix = QStringLiteral("dpi_lang%1").arg(language);

    // One sensor of every kind of range: where the codes start, whether the rows offer
    // "Link XY", the 3327 product rule and the extended 3325 range.
    struct Shot {
        int sensor;
        const char* product;  // for the 3327 rule; empty: the installed product
        bool extended;
        const char* tag;
    };
    const Shot kShots[] = {
        {3327, "", false, "3327_farrow"}, {3327, "K215", false, "3327_other"}, {3104, "", false, "3104_link"},
        {3212, "", false, "3212"},        {3311, "", false, "3311"},           {3325, "", true, "3325_ext"},
        {3333, "", false, "3333"},        {3360, "", false, "3360_link"},      {3370, "", false, "3370"},
        {3389, "", false, "3389_link"},   {3395, "", false, "3395"},           {33952, "", false, "33952"},
    };
    int failures = 0;
    for (const Shot& s : kShots) {
        setIni(paths.configFile(), QStringLiteral("MouseSenSor/1"), s.sensor);
        setIni(paths.descriptorFile(), QStringLiteral("PROFILE/33254"), s.extended ? 1 : 0);
        shots::Rig rig(paths, true, 96.0);
        MousecfgWidget window(rig.services);
        window.show();
        shots::settle();
        rig.status.stop();
        window.switchPage(TabDpi);
        auto* dpi = window.findChild<TarnDPIWindow*>();
        MouseProfile p = dpi->profileData();
        if (*s.product) dpi->setProduct(QLatin1String(s.product), s.extended, 8);
        // The shipped stages are FARROW codes (1..92): spread them over this sensor's range, and
        // show a linked and an unlinked stage side by side where the sensor has the box.
        const std::optional<DpiRange> range =
            dpiRangeForSensor(s.sensor, QLatin1String(s.product), s.extended);
        for (DpiStage& st : p.dpiStages) {
            const auto spread = [&](uint32_t v) {
                const int code = static_cast<int>(std::min<uint32_t>(v, 92));
                return static_cast<uint32_t>(range->minCode +
                                             (code - 1) * (range->maxCode - range->minCode) / 91);
            };
            st.x = spread(st.x);
            st.y = spread(st.y);
        }
        p.dpiStages[1].link = 0;
        p.dpiStages[1].y = std::min<uint32_t>(p.dpiStages[1].x * 3, static_cast<uint32_t>(range->maxCode));
        dpi->setProfile(p, s.sensor);
        dpi->setActiveStage(2);
        shots::settle();
        failures +=
            shots::save(window.grab(), out, prefix + QStringLiteral("_%1.png").arg(QLatin1String(s.tag))) ? 0
                                                                                                          : 1;
    }
    setIni(paths.configFile(), QStringLiteral("MouseSenSor/1"), 3327);
    setIni(paths.descriptorFile(), QStringLiteral("PROFILE/33254"), 0);

    // The profile bar's messages: a refusal and a question.
    {
        shots::Rig rig(paths, true, 96.0);
        MousecfgWidget window(rig.services);
        window.show();
        shots::settle();
        rig.status.stop();
        ProfileManager& profiles = window.findChild<ProfileBar*>()->profiles();
        failures += shots::shootModalBox(
                        window, [&] { profiles.remove(QStringLiteral("Profile 1")); }, out,
                        QStringLiteral("profile_lang%1_default_refused.png").arg(language))
                        ? 0
                        : 1;
        failures += shots::shootModalBox(
                        window, [&] { profiles.resetAll(); }, out,
                        QStringLiteral("profile_lang%1_reset_all.png").arg(language))
                        ? 0
                        : 1;
    }
    return failures == 0 ? 0 : 1;
}
