#include "editor_fixture.hpp"

#include "leveleditor/map_view.hpp"

#include <QCheckBox>
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>

namespace {

// The map view with the generated pictures of the built tree. Set BRIMZEL_SCREENSHOT_DIR to
// keep grabs of the whole window for a look.
class LevelEditorPictures : public EditorTest {
  protected:
    LevelEditorPictures() { withPictures = true; }

    void SetUp() override {
        EditorTest::SetUp();
        if (!std::filesystem::exists(tree->root() / "gfx" / "game" / "maps" / "map3.jpg")) {
            GTEST_SKIP() << "the content of the tree is not built";
        }
    }

    QImage view() const { return window->mapView()->grab().toImage(); }

    void keep(const QString& name) const {
        const QByteArray folder = qgetenv("BRIMZEL_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            window->grab().save(QString::fromLocal8Bit(folder) + "/" + name);
        }
    }

    static int brightness(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); }
};

TEST_F(LevelEditorPictures, ALevelWithEnemiesInBothLanguages) {
    startEnglish();
    const QImage logo = view();
    EXPECT_NE(logo.pixel(400, 300), logo.pixel(5, 5)) << "the logo turns in the middle";
    keep("leveleditor-empty.png");

    chooseMap(3);
    const int positions[4][3] = {{300, 250, 30}, {600, 500, 300}, {200, 600, 90}, {500, 200, 200}};
    for (int kind = 1; kind <= 4; ++kind) {
        addEnemy(kind);
        typeInto("Text1", QString::number(positions[kind - 1][0]));
        typeInto("Text2", QString::number(positions[kind - 1][1]));
        typeInto("Text3", QString::number(positions[kind - 1][2]));
    }
    holdArrow("Label9", 40);
    holdArrow("Label11", 40);
    frames(2);
    const QImage map = view();
    keep("leveleditor-en.png");
    // Map under the playable part, the panel in the strip on the right.
    EXPECT_LT(brightness(map.pixel(20, 20)), 3 * 250);
    EXPECT_NE(map.pixel(740, 300), map.pixel(600, 300));

    QTest::mouseClick(child<QRadioButton>("Option1"), Qt::LeftButton);
    frames(1);
    keep("leveleditor-cz.png");
    click("Command5");
    frames(1);
    keep("leveleditor-chooser.png");
    click("Command9");

    // The mask at 30 % over the white background is paler than the painted map.
    QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);
    frames(1);
    const QImage mask = view();
    keep("leveleditor-mask.png");
    long mapSum = 0;
    long maskSum = 0;
    for (int y = 0; y < 600; y += 10) {
        for (int x = 0; x < 670; x += 10) {
            mapSum += brightness(map.pixel(x, y));
            maskSum += brightness(mask.pixel(x, y));
        }
    }
    EXPECT_GT(maskSum, mapSum);
}

} // namespace
