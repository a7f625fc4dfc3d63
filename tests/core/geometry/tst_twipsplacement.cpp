#include "core/geometry/TwipsPlacement.h"

#include "support/TestMain.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace quenbrook;

Q_DECLARE_METATYPE(quenbrook::OuterPlacement)

class tst_TwipsPlacement : public QObject
{
    Q_OBJECT

private slots:
    // Texts as a store edited by hand may hold them, read with the Album Viewer's defaults and
    // kept to a screen of 12000 x 9000 twips.
    void placeOnScreen_data()
    {
        QTest::addColumn<QStringList>("stored"); // Left, Top, Width, Height
        QTest::addColumn<OuterPlacement>("placed");
        const OuterPlacement defaults{0, 0, 7605, 5670};
        QTest::newRow("as stored")
            << QStringList{"1500", "750", "9000", "6000"} << OuterPlacement{1500, 750, 9000, 6000};
        QTest::newRow("at the screen's edges") << QStringList{"12000", "9000", "12000", "9000"}
                                               << OuterPlacement{12000, 9000, 12000, 9000};
        QTest::newRow("just beyond the screen") << QStringList{"12000.5", "9001", "12000.5", "9001"}
                                                << OuterPlacement{0, 0, 12000, 9000};
        QTest::newRow("negative") << QStringList{"-100", "-0.5", "-7605", "-1"}
                                  << OuterPlacement{0, 0, 0, 0};
        QTest::newRow("minus zero")
            << QStringList{"-0", "-0", "-0", "-0"} << OuterPlacement{0, 0, 0, 0};
        QTest::newRow("beyond a single")
            << QStringList{"1e39", "-1e39", "1e99", "-1e300"} << defaults;
        QTest::newRow("not numbers") << QStringList{"NaN", "left", "7000px", ""} << defaults;
        QTest::newRow("blanks, hexadecimal, exponent")
            << QStringList{" 1 500 ", "&H10", "&HFFFFFF", " 6D3 "}
            << OuterPlacement{1500, 16, 12000, 6000};
    }
    void placeOnScreen()
    {
        QFETCH(QStringList, stored);
        QFETCH(OuterPlacement, placed);
        const OuterPlacement defaults{0, 0, 7605, 5670};
        const OuterPlacement read{
            PlacementValue(stored[0], defaults.Left), PlacementValue(stored[1], defaults.Top),
            PlacementValue(stored[2], defaults.Width), PlacementValue(stored[3], defaults.Height)};
        const OuterPlacement kept = PlaceOnScreen(read, QSizeF(12000, 9000));
        QCOMPARE(kept, placed);
        // No minus zero either, which a pixel would not show but the store would keep.
        for (float value : {kept.Left, kept.Top, kept.Width, kept.Height})
            QVERIFY(!std::signbit(value));
    }

    // Any stored values and screen: the window lies on the screen, values already on it are kept,
    // and pixels converted back give the twips they came from.
    void keptOnScreen()
    {
        QRandomGenerator random(20261206);
        const auto any = [&] {
            const float specials[] = {std::nanf(""), -0.f, INFINITY, -INFINITY, 1e30f};
            return random.bounded(10) == 0 ? specials[random.bounded(5)]
                                           : float(random.bounded(40000.0) - 10000);
        };
        for (int i = 0; i < 200; ++i) {
            const QSizeF screen(random.bounded(1, 40000), random.bounded(1, 40000));
            const OuterPlacement stored{any(), any(), any(), any()};
            const OuterPlacement kept = PlaceOnScreen(stored, screen);
            const float stays[] = {stored.Left, stored.Top, stored.Width, stored.Height};
            const float values[] = {kept.Left, kept.Top, kept.Width, kept.Height};
            for (int k = 0; k < 4; ++k) {
                const double extent = k % 2 ? screen.height() : screen.width();
                QVERIFY(values[k] >= 0 && values[k] <= extent && !std::signbit(values[k]));
                if (stays[k] > 0 && stays[k] <= extent)
                    QCOMPARE(values[k], stays[k]);
            }
            const float twips = float(random.bounded(30000.0));
            QCOMPARE(ToTwips(ToPixels(QRectF(0, 0, twips, 1)).width(), twips), twips);
        }
    }

    void positionOnScreen()
    {
        QCOMPARE(PositionOnScreen(std::nanf(""), 100), 0.f);
        QCOMPARE(PositionOnScreen(100, 100), 100.f);
        QCOMPARE(PositionOnScreen(100.01f, 100), 0.f);
        // Without a screen nothing is bounded above.
        const OuterPlacement far{1e30f, 1e30f, 1e30f, 1e30f};
        QCOMPARE(PlaceOnScreen(far, QSizeF(std::numeric_limits<float>::max(),
                                           std::numeric_limits<float>::max())),
                 far);
    }
};

QUENBROOK_TEST(tst_TwipsPlacement)
#include "tst_twipsplacement.moc"
