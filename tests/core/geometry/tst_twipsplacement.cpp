// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/geometry/TwipsPlacement.h"

#include "support/Golden.h"
#include "support/TestMain.h"

#include <QTest>

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
            dump += '"' + texts.join("\" \"") + "\":";
            for (const float value : {kept.Left, kept.Top, kept.Width, kept.Height})
                dump += ' ' + QString::number(value);
            dump += '\n';
        }
        QUENBROOK_COMPARE_GOLDEN("geometry/placements.txt", dump);
    }
};

QUENBROOK_TEST(tst_TwipsPlacement)
#include "tst_twipsplacement.moc"
