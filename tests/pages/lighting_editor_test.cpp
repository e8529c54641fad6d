#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>

#include "lighting_rig.h"
#include "page_fixture.h"
#include "pages/lighting/color_areas.h"

namespace mousecfg {
namespace {

using test::part;

class ColourEditor : public ::testing::Test {
protected:
    void SetUp() override {
        test::installTestUi();
        editor = std::make_unique<TarnColorArea>();
        editor->show();
        hex = part<QLineEdit>(*editor, "hexEdit");
    }

    QSpinBox* spin(const char* name) const { return part<QSpinBox>(*editor, name); }
    QColor spinRgb() const {
        return QColor(spin("rSpin")->value(), spin("gSpin")->value(), spin("bSpin")->value());
    }
    // Types a number into a spin box, as a user replacing its text does.
    static void typeInto(QSpinBox* box, int value) {
        box->selectAll();
        QTest::keyClicks(box, QString::number(value));
    }
    int squareX() const { return part<SVColorArea>(*editor, "svSquare")->marker().x(); }

    std::unique_ptr<TarnColorArea> editor;
    QLineEdit* hex = nullptr;
};

TEST_F(ColourEditor, HexFieldWhileTypingAndWhenEditingFinishes) {
    const struct {
        const char* typed;
        QColor colour;
        const char* finished;
    } cases[] = {
        {"f80", {255, 136, 0}, "ff8800"},
        {"1a", {0, 0, 26}, "00001a"},
        {"abcd", {0, 0xab, 0xcd}, "00abcd"},
        {"12345", {1, 0x23, 0x45}, "012345"},
        {"C0FFEE", {0xc0, 0xff, 0xee}, "c0ffee"},
        {"abcdef1", {0, 0, 0}, "000000"},
        {"fg0", {255, 0, 0}, "ff0000"},
        {"1g", {0, 0, 0}, "000000"},
        {"-f", {0, 0, 0}, "000000"},
        {"0\b", {0, 0, 0}, "000000"},
    };
    QSignalSpy changes(editor.get(), &TarnColorArea::TarnChangeColor);
    for (const auto& c : cases) {
        editor->setColor(QColor(9, 9, 9));
        hex->clear();
        QTest::keyClicks(hex, QLatin1String(c.typed));
        // (A backspace leaves an empty field.)
        const QString kept =
            QString::fromLatin1(c.typed).contains(QLatin1Char('\b')) ? QString() : QLatin1String(c.typed);
        EXPECT_EQ(hex->text(), kept) << c.typed;  // left as typed, seven characters included
        EXPECT_EQ(editor->color(), c.colour) << c.typed;
        EXPECT_EQ(spinRgb(), c.colour) << c.typed;
        EXPECT_EQ(changes.last().at(0).value<QColor>(), c.colour) << c.typed;
        QTest::keyClick(hex, Qt::Key_Return);
        EXPECT_EQ(hex->text(), QLatin1String(c.finished)) << c.typed;
        EXPECT_EQ(editor->color(), c.colour) << c.typed;
    }
}

TEST_F(ColourEditor, EveryPathKeepsTheViewsInStep) {
    // Full saturation from the S box and pure red from the R box put the square's marker at the
    // same place, the right edge.
    editor->setColor(Qt::black);
    typeInto(spin("vSpin"), 255);
    typeInto(spin("sSpin"), 255);
    EXPECT_EQ(squareX(), 127);
    EXPECT_EQ(editor->color(), QColor(255, 0, 0));
    EXPECT_EQ(hex->text(), QStringLiteral("ff0000"));

    editor->setColor(Qt::black);
    typeInto(spin("rSpin"), 255);
    EXPECT_EQ(squareX(), 127);
    EXPECT_EQ(spin("sSpin")->value(), 255);
    EXPECT_EQ(spin("vSpin")->value(), 255);
    EXPECT_EQ(spin("hSpin")->value(), 0);
    EXPECT_EQ(hex->text(), QStringLiteral("ff0000"));

    // H 360 is red again; the box keeps 360.
    typeInto(spin("hSpin"), 120);
    EXPECT_EQ(editor->color(), QColor(0, 255, 0));
    EXPECT_EQ(spinRgb(), QColor(0, 255, 0));
    typeInto(spin("hSpin"), 360);
    EXPECT_EQ(editor->color(), QColor(255, 0, 0));
    EXPECT_EQ(spin("hSpin")->value(), 360);

    // Greys have no hue: reached by the RGB boxes, a preset or the hex field, H shows 0.
    typeInto(spin("hSpin"), 200);
    typeInto(spin("gSpin"), 255);
    typeInto(spin("bSpin"), 255);
    typeInto(spin("rSpin"), 255);
    EXPECT_EQ(editor->color(), QColor(255, 255, 255));
    EXPECT_EQ(spin("hSpin")->value(), 0);
    typeInto(spin("hSpin"), 200);
    QTest::mouseClick(part<DefaultColorArea>(*editor, "preset6"), Qt::LeftButton);  // white
    EXPECT_EQ(spin("hSpin")->value(), 0);
    typeInto(spin("hSpin"), 200);
    hex->clear();
    QTest::keyClicks(hex, QStringLiteral("808080"));
    EXPECT_EQ(spin("hSpin")->value(), 0);
    EXPECT_EQ(editor->color(), QColor(128, 128, 128));

    // Every preset, in its order.
    const struct {
        QColor colour;
        const char* hex;
    } presets[] = {{{255, 0, 0}, "ff0000"},    {{0, 255, 0}, "00ff00"},   {{0, 0, 255}, "0000ff"},
                   {{0, 255, 255}, "00ffff"},  {{255, 255, 0}, "ffff00"}, {{255, 0, 255}, "ff00ff"},
                   {{255, 255, 255}, "ffffff"}};
    for (int i = 0; i < TarnColorArea::kPresets; ++i) {
        QTest::mouseClick(part<DefaultColorArea>(*editor, qPrintable(QStringLiteral("preset%1").arg(i))),
                          Qt::LeftButton);
        EXPECT_EQ(editor->color(), presets[i].colour) << i;
        EXPECT_EQ(spinRgb(), presets[i].colour) << i;
        EXPECT_EQ(hex->text(), QLatin1String(presets[i].hex)) << i;
    }
}

TEST_F(ColourEditor, StripAndSquarePickHueSaturationAndValue) {
    auto* strip = part<HColorArea>(*editor, "hueStrip");
    auto* square = part<SVColorArea>(*editor, "svSquare");
    ASSERT_EQ(strip->height(), 128);
    ASSERT_EQ(square->square().width(), 128);
    QSignalSpy released(editor.get(), &TarnColorArea::ApplyColor);
    editor->setColor(QColor(255, 0, 0));

    // Below the strip is hue 0, above it 360, both red; saturation and value stay as they were.
    const struct {
        int y;
        int hue;
        const char* hex;
    } clicks[] = {{200, 0, "ff0000"}, {-20, 360, "ff0000"}, {64, 180, "00ffff"}, {96, 90, "80ff00"}};
    for (const auto& c : clicks) {
        QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(5, c.y));
        EXPECT_EQ(spin("hSpin")->value(), c.hue) << c.y;
        EXPECT_EQ(strip->hue(), c.hue) << c.y;
        EXPECT_EQ(hex->text(), QLatin1String(c.hex)) << c.y;
        EXPECT_EQ(spin("sSpin")->value(), 255) << c.y;
        EXPECT_EQ(spin("vSpin")->value(), 255) << c.y;
    }
    EXPECT_EQ(released.count(), 4);

    // The square's top left corner is white whatever the hue; the hue stays in the H box.
    QTest::mouseClick(square, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
    EXPECT_EQ(editor->color(), QColor(255, 255, 255));
    EXPECT_EQ(spin("sSpin")->value(), 0);
    EXPECT_EQ(spin("vSpin")->value(), 255);
    EXPECT_EQ(spin("hSpin")->value(), 90);
    // Half way up the right edge: full saturation, value 2 x 64.
    QTest::mouseClick(square, Qt::LeftButton, Qt::NoModifier, square->square().topLeft() + QPoint(200, 64));
    EXPECT_EQ(spin("sSpin")->value(), 255);
    EXPECT_EQ(spin("vSpin")->value(), 128);
    EXPECT_EQ(editor->color(), QColor(64, 128, 0));
    EXPECT_EQ(released.count(), 6);
}

TEST(ColourEditorScale, GeometryAndMarkerFollowTheScale) {
    for (const double scale : {1.25, 2.0}) {
        test::installTestUi();
        UiContext ui = UiContext::current();
        ui.scale = scale;
        UiContext::install(ui);
        TarnColorArea editor;
        auto* square = test::part<SVColorArea>(editor, "svSquare");
        EXPECT_EQ(square->square().width(), static_cast<int>(128 * scale)) << scale;
        EXPECT_EQ(test::part<HColorArea>(editor, "hueStrip")->height(), static_cast<int>(128 * scale))
            << scale;
        EXPECT_EQ(editor.width(), static_cast<int>(420 * scale)) << scale;
        editor.setColor(QColor(255, 0, 0));
        EXPECT_EQ(square->marker().x(), static_cast<int>(scale * 255 / 2)) << scale;
        // The right edge of the square is full saturation at any scale.
        QTest::mouseClick(square, Qt::LeftButton, Qt::NoModifier, square->square().topRight());
        EXPECT_EQ(editor.saturation(), 255) << scale;
    }
    test::installTestUi();
}

}  // namespace
}  // namespace mousecfg
