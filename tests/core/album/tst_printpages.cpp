#include "core/album/PrintJob.h"
#include "core/pictures/PictureLoader.h"
#include "support/AlbumFixtures.h"
#include "support/RecordingSurface.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quenbrook;
using namespace albumtest;

// The print loop on a 1200 ppi recording printer.
class tst_PrintPages : public QObject
{
    Q_OBJECT
private slots:
    // Pictures are decoded for the chosen resolution on paper, whatever the printer's own, in
    // inches or centimetres; "Printer Resolution" decodes for the printer's.
    void picturesAtTheChosenResolution_data()
    {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<bool>("centimetres");
        QTest::addColumn<QSize>("decoded");
        // 3 × 2 inch cells: a 4000 × 2000 picture fills their width.
        QTest::newRow("300 ppi") << 300 << false << QSize(900, 450);
        QTest::newRow("300 ppi, cells in cm") << 300 << true << QSize(900, 450);
        QTest::newRow("printer resolution") << 0 << false << QSize(3600, 1800);
    }
    void picturesAtTheChosenResolution()
    {
        QFETCH(int, resolution);
        QFETCH(bool, centimetres);
        QFETCH(QSize, decoded);
        QTemporaryDir dir;
        const QString big = solidPicture(dir, "big.jpg", QSize(4000, 2000));
        PrintSettings s = gridSettings();
        s.PictureResolution = resolution;
        if (centimetres) {
            s.Scale = PrintUnit::Centimetre;
            s.PictureMaxWidth *= 2.54f;
            s.PictureMaxHeight *= 2.54f;
            s.PictureSpacingX = s.PictureSpacingY = 0.5f;
        }
        RecordingSurface printer(QSizeF(8, 10.5), QSizeF(8.5, 11), 1200);
        PrintJobSteps steps;
        steps.chooseRange = [](qint32 pages) { return PageRange{1, pages}; };
        QStringList failures;
        steps.failed = [&](const QString& message) { failures << message; };
        PrintPages({big, big, big}, s, printer, steps);
        QCOMPARE(failures, QStringList());
        QList<QSize> sizes;
        for (const SurfaceCall& call : printer.calls())
            if (call.kind == SurfaceCall::Kind::Picture)
                sizes << call.decoded;
        // Within a pixel of the cell at that resolution, for every picture.
        QCOMPARE(sizes.size(), 3);
        for (const QSize& size : sizes)
            QVERIFY2(qAbs(size.width() - decoded.width()) <= 1 &&
                         qAbs(size.height() - decoded.height()) <= 1,
                     qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
    }

    // With pictures decoded ahead, a broken one still ends the job at its own place, in list
    // order, with nothing drawn after it; and Stop ends it at the picture it was given for.
    void aheadKeepsTheOrder()
    {
        QTemporaryDir dir;
        QStringList list;
        for (int i = 0; i < 12; ++i)
            list << solidPicture(dir, QString("p%1.bmp").arg(i), QSize(40 + i, 20));
        list[7] = dir.filePath("missing.bmp");
        RecordingSurface printer;
        PrintJobSteps steps;
        steps.chooseRange = [](qint32 pages) { return PageRange{1, pages}; };
        QStringList seen, failures;
        steps.progress = [&](qint32, const QString& path) {
            seen << QFileInfo(path).baseName();
            return PictureStep::Draw;
        };
        steps.failed = [&](const QString& message) { failures << message; };
        PrintPages(list, gridSettings(), printer, steps);
        QCOMPARE(seen, QStringList({"p0", "p1", "p2", "p3", "p4", "p5", "p6"}));
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures.first().contains("missing.bmp"), qPrintable(failures.first()));
        QCOMPARE(printer.calls().last().kind, SurfaceCall::Kind::KillDoc);

        seen.clear();
        steps.progress = [&](qint32, const QString& path) {
            seen << QFileInfo(path).baseName();
            return seen.size() == 2 ? PictureStep::Stop : PictureStep::Draw;
        };
        PrintPages(list, gridSettings(), printer, steps);
        QCOMPARE(seen, QStringList({"p0", "p1"}));
    }
};

QTEST_MAIN(tst_PrintPages)
#include "tst_printpages.moc"
