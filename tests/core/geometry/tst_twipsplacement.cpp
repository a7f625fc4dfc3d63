// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/geometry/TwipsPlacement.h"

#include "support/Golden.h"
#include "support/TestMain.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace quenbrook;

class tst_TwipsPlacement : public QObject
{
    Q_OBJECT

private slots:
    // Texts as a store edited by hand may hold them (Left, Top, Width, Height), read with the
    // Album Viewer's defaults (0, 0, 7605, 5670) and kept to a screen of 12000 x 9000 twips,
    // against golden text.
    void placeOnScreen()
    {
        // clang-format off
        const QList<QStringList> stored{
            {"1500", "750", "9000", "6000"}, {"12000", "9000", "12000", "9000"},
            {"12000.5", "9001", "12000.5", "9001"}, {"-100", "-0.5", "-7605", "-1"},
            {"-0", "-0", "-0", "-0"}, {"1e39", "-1e39", "1e99", "-1e300"},
            {"NaN", "left", "7000px", ""}, {" 1 500 ", "&H10", "&HFFFFFF", " 6D3 "}};
        // clang-format on
        QString dump;
        for (const QStringList& texts : stored) {
            const OuterPlacement kept =
                PlaceOnScreen({PlacementValue(texts[0], 0), PlacementValue(texts[1], 0),
                               PlacementValue(texts[2], 7605), PlacementValue(texts[3], 5670)},
                              QSizeF(12000, 9000));
            dump += QStringLiteral("\"%1\": %2 %3 %4 %5\n")
                        .arg(texts.join("\" \""))
                        .arg(kept.Left)
                        .arg(kept.Top)
                        .arg(kept.Width)
                        .arg(kept.Height);
        }
        QUENBROOK_COMPARE_GOLDEN("geometry/placements.txt", dump);
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
