#include "core/geometry/AlbumPrinterLayout.h"
#include "core/geometry/FilePaneRules.h"

#include "support/TestMain.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace quenbrook;
using namespace quenbrook::AlbumPrinterLayout;

Q_DECLARE_METATYPE(quenbrook::AlbumPrinterLayout::WindowShow)
Q_DECLARE_METATYPE(quenbrook::AlbumPrinterLayout::LayoutStep)

class tst_AlbumPrinterLayout : public QObject
{
    Q_OBJECT

private slots:
    void layoutStep_data()
    {
        QTest::addColumn<WindowShow>("show");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<LayoutStep>("step");
        using enum WindowShow;
        using enum LayoutStep;
        QTest::newRow("minimised, however small") << Minimised << 10.f << 10.f << Nothing;
        QTest::newRow("maximised before too narrow") << Maximised << 10.f << 10.f << Restore;
        QTest::newRow("just below the limit") << Normal << 7612.4f << 9000.f << Widen;
        QTest::newRow("at the limit, right height") << Normal << 7612.5f << 4464.f << CompletePass;
        QTest::newRow("height too great") << Normal << 9000.f << 4470.f << FixHeight;
    }
    void layoutStep()
    {
        QFETCH(WindowShow, show);
        QFETCH(float, width);
        QFETCH(float, height);
        QTEST(ChooseLayoutStep(show, width, height, DesignLimits()), "step");
    }

    void splitterOnLoad_data()
    {
        QTest::addColumn<float>("stored");
        QTest::addColumn<float>("outerWidth");
        QTest::addColumn<float>("splitter");
        const float nan = std::nanf("");
        QTest::newRow("as stored") << 5000.f << 9000.f << 5000.f;
        QTest::newRow("below SplitterMin, clear of the buttons: as stored")
            << 4300.f << 9000.f << 4300.f;
        QTest::newRow("over the file side") << 3000.f << 9000.f << 4232.f;
        QTest::newRow("minus zero") << -0.f << 9000.f << 4232.f;
        QTest::newRow("not a number") << nan << 9000.f << 4232.f;
        QTest::newRow("at the right limit") << 8537.5f << 12000.f << 8537.5f;
        QTest::newRow("1e30") << 1e30f << 12000.f << 8537.5f;
        QTest::newRow("narrowest window: SplitterMin") << 5000.f << 7612.5f << 4350.f;
        QTest::newRow("window of no width") << 1e30f << 0.f << 4350.f;
    }
    void splitterOnLoad()
    {
        QFETCH(float, stored);
        QFETCH(float, outerWidth);
        QFETCH(float, splitter);
        QCOMPARE(SplitterOnLoad(stored, outerWidth, DesignLimits()), splitter);
    }

    // Any stored splitter and window width, and any drag: the splitter stays clear of the file
    // side's buttons, and on a window at least the least width every control lies inside it
    // without overlapping.
    void splitterAndControlsStayInside()
    {
        QRandomGenerator random(20261206);
        const Limits limits = DesignLimits();
        const float widths[] = {0, limits.MinimumWidth, limits.ResetWidth};
        for (int i = 0; i < 200; ++i) {
            const float width = i < 3 ? widths[i] : float(random.bounded(30000.0));
            const float stored = float(random.bounded(40000.0) - 5000);
            const float rightmost = width - limits.SplitterMargin;
            const float kept = SplitterOnLoad(stored, width, limits);
            const QString at = QStringLiteral("width %1, stored %2").arg(width).arg(stored);
            QVERIFY2(kept >= SplitterLeast &&
                         kept <= std::max({rightmost, limits.SplitterMin, SplitterLeast}),
                     qPrintable(at));
            if (stored > SplitterLeast && stored <= std::max(rightmost, limits.SplitterMin))
                QCOMPARE(kept, stored);
            const float pointer = float(random.bounded(40000.0) - 20000);
            const float bar = DraggedBarLeft(pointer, kept, width, limits);
            const float proposed = pointer + kept;
            QVERIFY2(bar >= std::min(limits.SplitterMin, rightmost) &&
                         bar <= std::max(limits.SplitterMin, rightmost),
                     qPrintable(at));
            if (proposed >= limits.SplitterMin && proposed <= rightmost)
                QCOMPARE(bar, proposed);
            QVERIFY(DraggedBarLeft(pointer + 100, kept, width, limits) >= bar);
            if (width < limits.MinimumWidth)
                continue;
            // A bar dragged to the right limit of a window not much wider than the least width
            // may end left of the file side's buttons (see splitterBar).
            for (const float splitter : {kept, std::max(bar, SplitterLeast)}) {
                const Arrangement a = CompleteLayout(width, limits.FixedHeight, splitter);
                QVERIFY2(a.fileListWidth > 0 && a.listWidth > 0, qPrintable(at));
                QVERIFY2(a.imgSplitter.left() >= float(Design::File1.left()) &&
                             float(a.imgSplitter.right()) <= a.listLeft,
                         qPrintable(at));
                QVERIFY2(a.listLeft + a.listWidth < a.upDownLeft &&
                             a.upDownLeft + float(Design::cmdUp.width()) <= width,
                         qPrintable(at));
                QVERIFY2(a.removeLeft >= float(Design::cmdAdd.right()) &&
                             a.removeAllLeft >= a.removeLeft + float(Design::cmdRemove.width()) &&
                             a.printLeft >= a.removeAllLeft + float(Design::cmdRemoveAll.width()) &&
                             a.printLeft + float(Design::cmdPrint.width()) <= width,
                         qPrintable(at));
            }
        }
    }

    void completeLayout()
    {
        const Arrangement a = CompleteLayout(9000, 4000, 5000);
        QCOMPARE(a.imgSplitter, QRectF(5000, 0, 100, 4000));
        QCOMPARE(a.FilesOnDiskWidth, 5000.f);
        QCOMPARE(a.SelectedFilesWidth, 4000.f);
        QCOMPARE(a.listLeft, 5100.f);
        QCOMPARE(a.listWidth, 9000.f - 5100 - 50 - 495);
        QCOMPARE(a.upDownLeft, 9000.f - 495);
        QCOMPARE(a.removeLeft, 5100.f);
        QCOMPARE(a.removeAllLeft, 5100.f + 975 + 50);
        QCOMPARE(a.printLeft, 5100.f + 2 * (975 + 50));
        QCOMPARE(a.fileListWidth, 5000.f - 2160);
    }

    void splitterBar_data()
    {
        QTest::addColumn<float>("pointerX");
        QTest::addColumn<float>("outerWidth");
        QTest::addColumn<float>("barLeft");
        // The grab area is at 5000.
        QTest::newRow("both limits crossed: SplitterMin wins") << -4000.f << 7612.5f << 4350.f;
        QTest::newRow("right limit below SplitterMin") << 0.f << 7612.5f << 4150.f;
    }
    void splitterBar()
    {
        QFETCH(float, pointerX);
        QFETCH(float, outerWidth);
        QTEST(DraggedBarLeft(pointerX, 5000, outerWidth, DesignLimits()), "barLeft");
    }

    void barOnPress_data()
    {
        QTest::addColumn<double>("gripWidth");
        QTest::addColumn<double>("barWidth");
        QTest::newRow("odd: remainder dropped") << 101.0 << 50.0;
        QTest::newRow("half: ties to even, down") << 100.5 << 50.0;
        QTest::newRow("half: ties to even, up") << 101.5 << 51.0;
    }
    void barOnPress()
    {
        QFETCH(double, gripWidth);
        QFETCH(double, barWidth);
        QCOMPARE(BarOnPress(QRectF(4350, 0, gripWidth, 4125)), QRectF(4350, 0, barWidth, 4105));
    }

    void pixels()
    {
        QCOMPARE(ToPixels(7612.5f), 508);
        QCOMPARE(ToPixels(4464.f), 298);
        QCOMPARE(ToPixels(QRectF(2280, 2880, 972, 732)), QRect(152, 192, 65, 49));
        QCOMPARE(ToTwips(508, 7612.5f), 7612.5f); // an exact placement survives the pixels
        QCOMPARE(ToTwips(507, 7612.5f), 7605.f);
        QCOMPARE(ToPixels(1e30f), 32767);
    }

    void folderAndFile()
    {
        QCOMPARE(FolderAndFile("/", "a.jpg"), "/a.jpg");
        QCOMPARE(FolderAndFile("/home/ann", "a.jpg"), "/home/ann/a.jpg");
    }
};

QUENBROOK_TEST(tst_AlbumPrinterLayout)
#include "tst_albumprinterlayout.moc"
