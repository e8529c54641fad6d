// mousecfg-cli set, then frames, against the same edit made with the page's widgets: the mouse
// is sent the same frames either way.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "../pages/lighting_rig.h"
#include "../pages/page_fixture.h"
#include "device/lighting_rules.h"
#include "pages/performance/tarn_dpi_window.h"
#include "pages/performance/tarn_single_dpi.h"
#include "pages/performance/tarn_two_bar_slider.h"
#include "settings_rig.h"
#include "storage/app_settings.h"
#include "storage/product_descriptor.h"
#include "widgets/tarn_slider.h"

namespace mousecfg {
namespace {

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// What `frames --mask M` prints for a profile set: the frames a simulated mouse receives.
QStringList framesOf(const Paths& paths, const ConfigState& state, ChangeMask mask) {
    SimulatedMouse sim;
    InstantPacer pacer;
    DeviceLink link(sim, pacer);
    link.InitDeviceList(paths);
    link.EnumerateDevices();
    link.OpenDevice(link.currentProductName());
    ProfileWriter writer(link, paths);
    sim.clearFrameLog();
    EXPECT_EQ(writer.WriteProfileSet(state, mask), TxOk);
    QStringList lines;
    for (const QByteArray& f : sim.frameLog()) {
        QStringList bytes;
        for (char c : f) bytes << QStringLiteral("%1").arg(static_cast<uint8_t>(c), 2, 16, QLatin1Char('0'));
        lines << bytes.join(QLatin1Char(' '));
    }
    return lines;
}

class CliAndPages : public ::testing::Test {
protected:
    void SetUp() override {
        test::installTestUi();
        loadConfigState(page.paths(), working);
    }
    // The edits made with set, then what frames prints; it must differ from the unedited set's.
    QStringList cliFrames(std::initializer_list<const char*> sets, ChangeMask mask) {
        for (const char* set : sets) EXPECT_EQ(cli.run(words(set)), kCliOk) << cli.err.toStdString();
        EXPECT_EQ(cli.run({QStringLiteral("frames"), QStringLiteral("--mask"), QString::number(mask)}),
                  kCliOk);
        const QStringList lines = cli.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_NE(lines, framesOf(page.paths(), working, mask));
        return lines;
    }

    test::SettingsRig cli;
    test::TempData page{true};  // the same sample data for the page
    ConfigState working;
};

TEST_F(CliAndPages, DpiStageAndActiveStage) {
    const QStringList fromCli = cliFrames({"set dpi 3 1800", "set stage 4"}, change::kBasic | change::kDpi);

    // The DPI page as the window shows it, then Apply's take-back into the current record.
    const Paths& paths = page.paths();
    TarnDPIWindow dpi;
    dpi.resize(480, 460);
    dpi.setProduct(appsettings::loadCurrentProductName(paths), loadExtendedDpiRange(paths) == 1,
                   dpiStageCount(paths));
    dpi.setProfile(currentProfile(working), appsettings::loadSensorId(paths));
    dpi.show();
    TarnSlider* slider = dpi.row(2)->sliders()->linkedSlider();
    QTest::keyClick(slider, Qt::Key_Right);  // 1600 -> 1700 dpi
    QTest::keyClick(slider, Qt::Key_Right);  // 1800
    QTest::mouseClick(dpi.radio(3), Qt::LeftButton);
    MouseProfile& record = currentProfile(working);
    record.dpi = dpi.profileData().dpi;
    record.dpiStages = dpi.profileData().dpiStages;
    EXPECT_EQ(framesOf(paths, working, change::kBasic | change::kDpi), fromCli);
}

TEST_F(CliAndPages, LightingEffectSpeedAndColour) {
    const QStringList fromCli =
        cliFrames({"set light breathing --speed 2 --color 12ab34"}, change::kBasic | change::kLighting);

    const Paths& paths = page.paths();
    TarnColorWindow lighting;
    lighting.resize(351, 440);
    lighting.setProduct(lighting::loadLightingProduct(paths));
    const int shown = lighting::lightingProfileIndex(working, appsettings::loadCurrentProductName(paths));
    lighting.setProfile(&working.profiles[static_cast<size_t>(shown)], shown);
    lighting.show();
    test::chooseEffect(lighting, 2);
    test::editColour(
        lighting,
        [](TarnColorArea& editor) {
            auto* hex = test::part<QLineEdit>(editor, "hexEdit");
            hex->clear();
            QTest::keyClicks(hex, QStringLiteral("12ab34"));
        },
        true);
    auto* speed = test::part<QWidget>(lighting, "speedSlider");
    QTest::keyClick(speed, Qt::Key_Home);
    QTest::keyClick(speed, Qt::Key_Right);  // 2
    EXPECT_EQ(framesOf(paths, working, change::kBasic | change::kLighting), fromCli);
}

}  // namespace
}  // namespace mousecfg
