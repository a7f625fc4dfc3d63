#include "core/album/PagePen.h"
#include "core/pictures/Picture.h"
#include "support/AlbumFixtures.h"

#include <QTest>

#include <limits>

using namespace albumtest;

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

// One layout request: the settings, the recording surface's printable area and the call on it
// that fails.
struct Case
{
    PrintSettings s = gridSettings();
    QSizeF printable{8, 10.5};
    qsizetype failingCall = -1; // from 0; none
};
using Tweak = void (*)(Case&);

// 2 × 2 cells 0.1 apart with file-name labels 0.2 high, 0.1 below the cells.
PrintSettings labelled()
{
    PrintSettings s = gridSettings();
    s.PictureMaxWidth = s.PictureMaxHeight = 2;
    s.PictureSpacingX = s.PictureSpacingY = 0.1f;
    s.PrintLabel = LabelKind::FileName;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Tweak)

class tst_PageLayout : public QObject
{
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<Tweak>("tweak");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("grid"); // or the failure message

        auto row = [](const char* name, int n, const char* grid, Tweak tweak) {
            QTest::newRow(name) << tweak << n << QString::fromLatin1(grid);
        };
        const char* const NoFit = "Picture is larger than the printable range!\r\nAbort Print!";
        // 3.9 × 5 cells 0.1 apart: 4 a page.
        const Tweak fourAPage = [](Case& c) {
            c.s.PictureMaxWidth = 3.9f, c.s.PictureMaxHeight = 5;
            c.s.PictureSpacingX = c.s.PictureSpacingY = 0.1f;
        };
        row("3 x 2 cells", 20, "2 x 4, 3 pages, offset 0.9, 0.95", [](Case&) {});
        row("header of style None with spacing", 20, "2 x 4, 3 pages, offset 0.9, 0.95",
            [](Case& c) { c.s.Header.Spacing = 5; });
        row("labelled", 1, "3 x 4, 1 pages, offset 0.9, 0.5", [](Case& c) { c.s = labelled(); });
        row("labelled, header and footer of 0.35", 1, "3 x 4, 1 pages, offset 0.9, 0.15",
            [](Case& c) {
                c.s = labelled();
                c.s.Header.Style = BandStyle::PageNumber, c.s.Footer.Style = BandStyle::Text;
            });
        row("8.1 / 2.7 makes 3 columns", 1, "3 x 4, 1 pages, offset 0, 0.95",
            [](Case& c) { c.s.PictureMaxWidth = 2.6f, c.s.PictureSpacingX = 0.1f; });
        row("8 pictures", 8, "2 x 2, 2 pages, offset 0.05, 0.2", fourAPage);
        row("9 pictures", 9, "2 x 2, 3 pages, offset 0.05, 0.2", fourAPage);
        row("no pictures", 0, "2 x 2, 0 pages, offset 0.05, 0.2", fourAPage);
        row("largest list", std::numeric_limits<int>::max(),
            "2 x 2, 536870912 pages, offset 0.05, 0.2", fourAPage);
        // Settings that make no grid are refused.
        row("cell wider than the page", 5, NoFit, [](Case& c) { c.s.PictureMaxWidth = 8.5f; });
        row("column pitch 0", 5, NoFit,
            [](Case& c) { c.s.PictureMaxWidth = 1, c.s.PictureSpacingX = -1; });
        row("negative row pitch over a negative span", 5, NoFit,
            [](Case& c) { c.s.PictureMaxHeight = 12, c.s.PictureSpacingY = -20; });
        row("negative cell, positive pitch", 5, NoFit,
            [](Case& c) { c.s.PictureMaxWidth = -1, c.s.PictureSpacingX = 3; });
        row("NaN width", 5, NoFit, [](Case& c) { c.s.PictureMaxWidth = NaN; });
        row("infinite printable height", 5, NoFit, [](Case& c) { c.printable.setHeight(qInf()); });
        row("columns beyond 32 bits", 5, NoFit,
            [](Case& c) { c.s.PictureMaxWidth = 1e-30f, c.s.PictureSpacingX = 0; });
        row("rows x columns beyond 32 bits", 5, NoFit, [](Case& c) {
            c.s.PictureMaxWidth = c.s.PictureMaxHeight = 1e-4f;
            c.s.PictureSpacingX = c.s.PictureSpacingY = 0;
        });
        row("surface fails", 5, "The printer is not ready.", [](Case& c) { c.failingCall = 2; });
    }

    void layout()
    {
        QFETCH(Tweak, tweak);
        QFETCH(int, n);
        QFETCH(QString, grid);

        Case c;
        tweak(c);
        RecordingSurface surface(c.printable);
        surface.failAtCall(c.failingCall, QStringLiteral("The printer is not ready."));
        const LayoutResult result = ComputePageLayout(c.s, n, surface);
        if (const auto* failure = std::get_if<LayoutFailure>(&result)) {
            QCOMPARE(failure->problem,
                     c.failingCall < 0 ? LayoutProblem::NoCellFits : LayoutProblem::SurfaceFailed);
            QCOMPARE(failure->message, grid);
            return;
        }
        const PageLayout& l = std::get<PageLayout>(result);
        QCOMPARE(l.PicturesPerPage, l.ColumnCount * l.RowCount);
        QCOMPARE(QStringLiteral("%1 x %2, %3 pages, offset %4, %5")
                     .arg(QString::number(l.ColumnCount), QString::number(l.RowCount),
                          QString::number(l.PageCount), rounded(l.OffsetX), rounded(l.OffsetY)),
                 grid);
    }

    void cells()
    {
        const PrintSettings s = gridSettings();
        const std::optional<PageLayout> layout = layoutOf(s, 20);
        QVERIFY(layout);
        const float lefts[] = {0.9f, 4.1f};
        const float tops[] = {0.95f, 3.15f, 5.35f, 7.55f};
        for (qint32 row = 1; row <= 4; ++row) {
            for (qint32 column = 1; column <= 2; ++column) {
                const CellPlace cell = CellOrigin(*layout, s, 2, row, column);
                QCOMPARE(cell.CellLeft, lefts[column - 1]);
                QCOMPARE(cell.CellTop, tops[row - 1]);
                QCOMPARE(cell.Index, qint64(5 + 2 * row + column)); // page 2 holds 8 to 15
            }
        }
    }

    void labelPlace_data()
    {
        QTest::addColumn<LabelPlace>("place");
        QTest::addColumn<QString>("placed");

        // Second row under a header of 0.35, rows 2.4 apart, labels 0.2 high and 0.1 off the cell.
        QTest::newRow("above") << LabelPlace::Above << "cell 2.1,3.05, label 2.1,2.75";
        QTest::newRow("below") << LabelPlace::Below << "cell 2.1,2.75, label 2.1,4.85";
    }

    void labelPlace()
    {
        QFETCH(LabelPlace, place);
        QFETCH(QString, placed);

        PrintSettings s = labelled();
        s.Center = false;
        s.Header.Style = BandStyle::Text;
        s.LabelPosition = place;
        const std::optional<PageLayout> layout = layoutOf(s, 1);
        QVERIFY(layout);
        const CellPlace cell = CellOrigin(*layout, s, 1, 2, 2);
        const PagePoint label = LabelOrigin(*layout, s, cell.CellLeft, cell.CellTop);
        QCOMPARE(QStringLiteral("cell %1,%2, label %3,%4")
                     .arg(rounded(cell.CellLeft), rounded(cell.CellTop), rounded(label.X),
                          rounded(label.Y)),
                 placed);
    }

    void fitPicture_data()
    {
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<QString>("drawn"); // in the 3 × 2 cell

        QTest::newRow("1600 x 1200") << 1600. << 1200. << "2.667 x 2 at 0.167, 0";
        QTest::newRow("4000 x 200") << 4000. << 200. << "3 x 0.15 at 0, 0.925";
        QTest::newRow("no width fills the cell") << 0. << 100. << "3 x 2 at 0, 0";
    }

    void fitPicture()
    {
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(QString, drawn);

        const PictureFit fit = FitPicture(w, h, gridSettings());
        QCOMPARE(QStringLiteral("%1 x %2 at %3, %4")
                     .arg(rounded(fit.DrawWidth), rounded(fit.DrawHeight), rounded(fit.OffsetX),
                          rounded(fit.OffsetY)),
                 drawn);
    }

    // The header's font is measured, then the footer's and the label's; a font without a name
    // or a usable size keeps those of the one before. Line heights are in the settings' unit.
    void measuredFonts()
    {
        PrintSettings s = gridSettings();
        s.Header.Font = PrintFont{QStringLiteral("Head"), 18, true, false, true, false};
        s.Footer.Font = PrintFont{QString(), 0, false, true, false, true};
        s.PrintLabel = LabelKind::FileName;
        RecordingSurface surface;
        QVERIFY(std::holds_alternative<PageLayout>(ComputePageLayout(s, 3, surface)));
        QCOMPARE(surface.log(),
                 (QStringList{"drawable", "drawable",
                              "textHeight \"ABCxyz\" = 0.25 font Head 18 bold strikethrough",
                              "textHeight \"ABCxyz\" = 0.25 font Head 18 italic underline",
                              "textHeight \"ABCxyz\" = 0.2 font Label 14.4"}));

        s.Scale = PrintUnit::Centimetre;
        s.Header.Style = BandStyle::Text;
        s.Header.Spacing = 0.5f;
        s.PrintLabel = LabelKind::None;
        surface.clearLog();
        const LayoutResult inCentimetres = ComputePageLayout(s, 3, surface);
        QVERIFY(std::holds_alternative<PageLayout>(inCentimetres));
        QCOMPARE(surface.callsOf(SurfaceCall::Kind::MeasureHeight).size(), 2);
        const PageLayout& layout = std::get<PageLayout>(inCentimetres);
        QCOMPARE(layout.PrintableWidth, 8 * 2.54f);
        QCOMPARE(layout.HeaderHeight, 0.25f * 2.54f + 0.5f);
    }

    // What the surface does not keep, the pen does: the font set attribute by attribute (an
    // empty name or an unusable size keeps the one in use), the colour, and the text position,
    // which a written line moves to the start of the next. Lengths go in centimetres and reach
    // the recording surface in inches.
    void pen()
    {
        RecordingSurface surface;
        PagePen pen(surface, PrintUnit::Centimetre);
        QCOMPARE(pen.font(), surface.defaultFont());
        pen.setFont(PrintFont{QStringLiteral("Head"), 18, true}, 18);
        pen.setFont(PrintFont{QString(), -1, false, true}, qQNaN());
        pen.setForeColor(0xFF);
        pen.setTransparent(false);
        QCOMPARE(pen.textWidth("four"), 4 * 18 / 144.f * 2.54f);
        pen.setCurrentX(2.54f);
        pen.setCurrentY(5.08f);
        pen.printText("one");
        pen.printText("two");
        pen.setFontSize(5000);
        pen.printText("big");
        pen.paintPicture(Picture(), 2.54f, 0, 5.08f, 1.27f);
        pen.drawOutline(0, 0, 2.54f, 5.08f, 0xFF0000);
        QCOMPARE(surface.log().mid(1),
                 (QStringList{"text \"one\" at (1, 2) font Head 18 italic color 255",
                              "text \"two\" at (0, 2.25) font Head 18 italic color 255",
                              "text \"big\" at (0, 2.5) font Head 2048 italic color 255",
                              "picture -1x-1 decoded 0x0 at (1, 0) size 2 x 0.5",
                              "outline (0, 0) to (1, 2) color 16711680"}));
        QCOMPARE(pen.currentY(), 5.08f + 0.635f + 0.635f + 2048 / 72.f * 2.54f);
    }
};

QTEST_GUILESS_MAIN(tst_PageLayout)
#include "tst_pagelayout.moc"
