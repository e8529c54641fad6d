#include <QCheckBox>
#include <QLineEdit>
#include <QTranslator>

#include "device/apply_worker.h"
#include "device/lighting_rules.h"
#include "lighting_rig.h"
#include "page_fixture.h"
#include "pages/lighting/color_areas.h"
#include "sim/table_decoder.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_slider.h"

namespace mousecfg {
namespace {

using test::part;

// A profile whose fourteen effects all differ, so a value read from or stored into the wrong
// effect shows.
MouseProfile sampleProfile(int ledMode) {
    MouseProfile p;
    p.LedMode = static_cast<uint8_t>(ledMode);
    p.LedSleepTime = 4;
    for (int i = 0; i < kLedModes; ++i) {
        LedModeSetting& e = p.ledModes[static_cast<size_t>(i)];
        e.RGB = QColor(10 * i, 100 + i, 200 - i);
        e.bright = static_cast<uint32_t>(1 + i % 3);
        e.breath = static_cast<uint32_t>(1 + i % 5);
    }
    return p;
}

class LightingPage : public ::testing::Test {
protected:
    void SetUp() override {
        test::installTestUi();
        page = std::make_unique<TarnColorWindow>();
        page->resize(351, 440);
        page->show();
    }
    template <class T = QWidget>
    T* w(const char* name) const {
        return part<T>(*page, name);
    }
    // Visible, and where the page's design puts it at scale 1.
    bool shownAt(const char* name, int y) const { return w(name)->isVisible() && w(name)->y() == y; }
    QString effectText() const { return w<TarnPushButton>("effectButton")->text(); }

    std::unique_ptr<TarnColorWindow> page;
};

TEST_F(LightingPage, EveryEffectShowsItsNameAndRows) {
    const struct {
        int mode;
        const char* name;
        bool brightness, speed, colour;
    } effects[] = {
        {0, "OFF", false, false, false},
        {1, "FULL LIGHTED", true, false, true},
        {2, "BREATHING", false, true, true},
        {3, "7 COLOR BREATHING", false, true, false},
        {4, "RAINBOW", true, true, false},
        {5, "FLASH", true, true, false},
        {6, "Horizontal WAVE", true, true, false},
        {7, "Horizontal GO WITHOUT TRACE", true, true, false},
        {8, "Raindrop", true, true, false},
        {9, "WAVE", true, true, false},
        {10, "GO WITHOUT TRACE", true, true, false},
        {11, "REACTIVE", true, false, false},
        {12, "yo-yo", true, true, false},
        {13, "Marbles", true, true, false},
        {14, "", false, false, false},  // no effect: nothing to edit until one is chosen
        {255, "", false, false, false},
    };
    MouseProfile p;
    for (const auto& e : effects) {
        p = sampleProfile(e.mode);
        page->setProfile(&p, 0);
        EXPECT_EQ(effectText(), QLatin1String(e.name)) << e.mode;
        EXPECT_EQ(w("brightSlider")->isVisible(), e.brightness) << e.mode;
        EXPECT_EQ(w("brightCaption")->isVisible(), e.brightness) << e.mode;
        EXPECT_EQ(w("speedSlider")->isVisible(), e.speed) << e.mode;
        EXPECT_EQ(w("colourSwatch")->isVisible(), e.colour) << e.mode;
        // A lone slider row sits in the brightness row's place; the colour row follows the sliders.
        EXPECT_TRUE(!e.speed || shownAt("speedSlider", e.brightness ? 156 : 97)) << e.mode;
        EXPECT_TRUE(!e.brightness || shownAt("brightSlider", 97)) << e.mode;
        EXPECT_TRUE(!e.colour || shownAt("colourSwatch", 156)) << e.mode;
        if (e.mode < kLedModes) {
            const LedModeSetting& shown = p.ledModes[e.mode];
            EXPECT_EQ(w<TarnSlider>("brightSlider")->value(), int(shown.bright)) << e.mode;
            EXPECT_EQ(w<TarnSlider>("speedSlider")->value(), int(shown.breath)) << e.mode;
            EXPECT_EQ(w<DefaultColorArea>("colourSwatch")->color(), shown.RGB) << e.mode;
        }
        EXPECT_EQ(p, sampleProfile(e.mode)) << e.mode;  // showing in-range values changes nothing
    }

    // The menu: effects 5 to 8 are never offered.
    QStringList menu;
    for (QAction* a : w<QMenu>("effectMenu")->actions()) menu << a->text();
    EXPECT_EQ(menu, QStringList({"FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE",
                                 "REACTIVE", "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF"}));
}

TEST_F(LightingPage, EditsLandInTheProfileShown) {
    ConfigState state;
    for (MouseProfile& p : state.profiles) p = sampleProfile(1);
    state.ProfileID = 3;
    const int shown = lighting::lightingProfileIndex(state, QStringLiteral("FARROW"));
    ASSERT_EQ(shown, 3);
    MouseProfile& p = state.profiles[3];
    page->setProfile(&p, shown);

    test::chooseEffect(*page, 3);  // 7 COLOR BREATHING: only the speed row, in the first place
    EXPECT_EQ(p.LedMode, 3);
    EXPECT_EQ(effectText(), QStringLiteral("7 COLOR BREATHING"));
    EXPECT_TRUE(shownAt("speedSlider", 97));
    EXPECT_FALSE(w("brightSlider")->isVisible());
    EXPECT_EQ(w<TarnSlider>("speedSlider")->value(), 4);  // effect 3's own speed
    QTest::keyClick(w("speedSlider"), Qt::Key_End);
    EXPECT_EQ(p.ledModes[3].breath, 5u);

    test::chooseEffect(*page, 11);  // REACTIVE: only brightness
    EXPECT_EQ(p.LedMode, 11);
    EXPECT_TRUE(shownAt("brightSlider", 97));
    EXPECT_FALSE(w("speedSlider")->isVisible());
    QTest::keyClick(w("brightSlider"), Qt::Key_Home);
    EXPECT_EQ(p.ledModes[11].bright, 1u);

    test::chooseEffect(*page, 2);  // BREATHING: the swatch shows its colour at once
    EXPECT_EQ(w<DefaultColorArea>("colourSwatch")->color(), p.ledModes[2].RGB);
    test::editColour(
        *page,
        [](TarnColorArea& editor) {
            auto* hex = part<QLineEdit>(editor, "hexEdit");
            hex->clear();
            QTest::keyClicks(hex, QStringLiteral("f80"));
        },
        true);
    EXPECT_EQ(p.ledModes[2].RGB, QColor(255, 136, 0));
    EXPECT_EQ(w<DefaultColorArea>("colourSwatch")->color(), QColor(255, 136, 0));
    test::editColour(
        *page,
        [](TarnColorArea& editor) { QTest::mouseClick(part<QWidget>(editor, "preset1"), Qt::LeftButton); },
        false);
    EXPECT_EQ(p.ledModes[2].RGB, QColor(255, 136, 0));  // Cancel keeps the colour

    QTest::keyClick(w("sleepSlider"), Qt::Key_End);
    EXPECT_EQ(p.LedSleepTime, 9);
    EXPECT_EQ(w<TarnLabel>("sleepMinutes")->text(), QStringLiteral("9 MINUTE"));
    auto* move = w<QCheckBox>("moveOption");
    ASSERT_TRUE(move->isChecked());
    QTest::mouseClick(move, Qt::LeftButton, Qt::NoModifier, QPoint(8, move->height() / 2));
    EXPECT_EQ(p.LedMoveOFF, 255);
    QTest::mouseClick(move, Qt::LeftButton, Qt::NoModifier, QPoint(8, move->height() / 2));
    EXPECT_EQ(p.LedMoveOFF, 0);

    // Every other profile, profile 0 included, is as it was.
    for (int i : {0, 1, 2, 4}) EXPECT_EQ(state.profiles[i], sampleProfile(1)) << i;
}

TEST_F(LightingPage, SleepRangeComesFromTheProductAndStoredValuesShowAtTheNearestEnd) {
    const struct {
        int min, max;  // descriptor keys
        int rangeMin, rangeMax;
        int stored, shown;  // the profile's value and what the page shows (and stores)
    } cases[] = {
        {2, 30, 2, 30, 12, 12}, {2, 30, 2, 30, 0, 2}, {2, 30, 2, 30, 255, 30},
        {1, 9, 1, 9, 0, 1},     {30, 2, 2, 30, 1, 2}, {-5, 900, 0, 255, 255, 255},
    };
    MouseProfile p;  // outlives the page's use of it
    for (const auto& c : cases) {
        lighting::LightingProduct product;
        product.sleep = lighting::makeSleepRange(c.min, c.max);
        page->setProduct(product);
        p = sampleProfile(1);
        p.LedSleepTime = static_cast<uint8_t>(c.stored);
        page->setProfile(&p, 0);
        auto* slider = w<TarnSlider>("sleepSlider");
        EXPECT_EQ(slider->minimum(), c.rangeMin) << c.min << ".." << c.max;
        EXPECT_EQ(slider->maximum(), c.rangeMax) << c.min << ".." << c.max;
        EXPECT_EQ(w<TarnLabel>("sleepMinutes")->text(), QStringLiteral("%1 MINUTE").arg(c.shown)) << c.stored;
        EXPECT_EQ(p.LedSleepTime, c.shown) << c.stored;
        QTest::keyClick(slider, Qt::Key_Home);
        EXPECT_EQ(p.LedSleepTime, c.rangeMin) << c.stored;
        QTest::keyClick(slider, Qt::Key_End);
        EXPECT_EQ(p.LedSleepTime, c.rangeMax) << c.stored;
    }

    // Hidden sleep controls store nothing.
    lighting::LightingProduct hidden;
    hidden.showSleep = false;
    page->setProduct(hidden);
    p = sampleProfile(1);
    p.LedSleepTime = 0;
    page->setProfile(&p, 0);
    for (const char* name : {"sleepSlider", "sleepCaption", "sleepMinutes", "moveOption"})
        EXPECT_FALSE(w(name)->isVisible()) << name;
    EXPECT_EQ(p.LedSleepTime, 0);
}

TEST_F(LightingPage, DamagedProfilesShowSaneValues) {
    MouseProfile p = sampleProfile(1);
    p.ledModes[1].RGB = QColor();  // missing or unreadable colour
    p.ledModes[1].bright = 0;
    p.ledModes[1].breath = 4000000000u;  // not a row of effect 1: stays as it is
    page->setProfile(&p, 0);
    EXPECT_EQ(w<DefaultColorArea>("colourSwatch")->color(), QColor(0, 0, 0));
    EXPECT_EQ(w<TarnSlider>("brightSlider")->value(), 1);
    EXPECT_EQ(p.ledModes[1].bright, 1u);
    EXPECT_EQ(p.ledModes[1].breath, 4000000000u);
    test::editColour(
        *page,
        [](TarnColorArea& editor) {
            EXPECT_EQ(editor.color(), QColor(0, 0, 0));
            EXPECT_EQ(part<QLineEdit>(editor, "hexEdit")->text(), QStringLiteral("000000"));
        },
        true);
    EXPECT_EQ(p.ledModes[1].RGB, QColor(0, 0, 0));

    // An effect number beyond the table: the sliders edit nothing until an effect is chosen.
    MouseProfile odd = sampleProfile(200);
    page->setProfile(&odd, 0);
    for (const char* name : {"brightSlider", "speedSlider", "sleepSlider"})
        QTest::keyClick(w(name), Qt::Key_End);
    MouseProfile expected = sampleProfile(200);
    expected.LedSleepTime = 9;
    EXPECT_EQ(odd, expected);
    test::chooseEffect(*page, 4);
    EXPECT_EQ(odd.LedMode, 4);
    EXPECT_EQ(effectText(), QStringLiteral("RAINBOW"));

    // No profile at all: the page shows nothing to edit.
    page->setProfile(nullptr, 0);
    EXPECT_FALSE(page->isEnabled());
}

TEST_F(LightingPage, TextsFollowTheLanguage) {
    MouseProfile p = sampleProfile(2);
    page->setProfile(&p, 0);
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(MOUSECFG_BIN_DIR "/lang/mousecfg_de.qm")));
    QCoreApplication::installTranslator(&german);
    page->retranslate();
    const QString effect = effectText();
    const QString caption = w<TarnLabel>("effectCaption")->text();
    const QString firstMenuEntry = w<QMenu>("effectMenu")->actions().at(0)->text();
    const QString minutes = w<TarnLabel>("sleepMinutes")->text();
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(effect, QStringLiteral("ATMEN"));
    EXPECT_EQ(caption, QStringLiteral("EFFEKT"));
    EXPECT_EQ(firstMenuEntry, QStringLiteral("DAUERLICHT"));
    EXPECT_EQ(minutes, QStringLiteral("4 MIN."));
    page->retranslate();
    EXPECT_EQ(effectText(), QStringLiteral("BREATHING"));
}

// The page, Apply and the simulated mouse: what the page shows is what the mouse holds.
TEST_F(LightingPage, ApplyPutsTheChosenLightingIntoTheMouse) {
    test::SimulatedFarrow mouse;
    ASSERT_TRUE(mouse.opened);
    const Paths& paths = mouse.data.paths();
    ConfigState& working = mouse.state;
    ConfigState stored = working;
    ASSERT_EQ(runApply(paths, mouse.writer, working, stored, false, false).result, TxOk);  // start in step

    page->setProduct(lighting::loadLightingProduct(paths));
    const int shown = lighting::lightingProfileIndex(working, QStringLiteral("FARROW"));
    page->setProfile(&working.profiles[static_cast<size_t>(shown)], shown);
    test::chooseEffect(*page, 2);  // BREATHING: colour and speed
    test::editColour(
        *page,
        [](TarnColorArea& editor) {
            auto* hex = part<QLineEdit>(editor, "hexEdit");
            hex->clear();
            QTest::keyClicks(hex, QStringLiteral("12ab34"));
        },
        true);
    QTest::keyClick(w("speedSlider"), Qt::Key_Home);
    QTest::keyClick(w("speedSlider"), Qt::Key_Right);  // 2
    QTest::keyClick(w("sleepSlider"), Qt::Key_Home);
    for (int i = 0; i < 4; ++i) QTest::keyClick(w("sleepSlider"), Qt::Key_Right);  // 5 minutes
    auto* move = w<QCheckBox>("moveOption");
    QTest::mouseClick(move, Qt::LeftButton, Qt::NoModifier, QPoint(8, move->height() / 2));

    const ApplyOutcome first = runApply(paths, mouse.writer, working, stored, false, false);
    ASSERT_EQ(first.result, TxOk);
    EXPECT_TRUE(first.mask & change::kLighting);
    const simdecode::LedEntry breathing = simdecode::decodeLedTable(mouse.sim.section(0x04)).entries[2];
    EXPECT_EQ(
        (std::array<int, 5>{breathing.r, breathing.g, breathing.b, breathing.speed, breathing.direction}),
        (std::array<int, 5>{0x12, 0xab, 0x34, 2, 0x04}));
    const simdecode::GlobalSettings g = simdecode::decodeGlobalSettings(mouse.sim.section(0x01));
    EXPECT_EQ(g.ledEffect, 3);  // the mouse's code for breathing
    EXPECT_EQ(g.ledSleepTime, 5);
    EXPECT_EQ(g.ledMoveOff, 255);

    mouse.sim.clearFrameLog();
    const ApplyOutcome again = runApply(paths, mouse.writer, working, stored, false, false);
    EXPECT_EQ(again.mask, change::kNone);
    EXPECT_TRUE(mouse.sim.frameLog().empty());
}

}  // namespace
}  // namespace mousecfg
