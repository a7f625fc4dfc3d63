#include "album/PageLayout.h"
#include "album/RecordingSurface.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>
#include <limits>
#include <optional>

using namespace quenbrook;

namespace {

const QString NoCellFits =
    QStringLiteral("Picture is larger than the printable range!\r\nAbort Print!");
constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

bool near(double actual, double expected, double tolerance = 1e-4)
{
    return std::fabs(actual - expected) <= tolerance;
}

#define QVERIFY_NEAR(actual, expected)                                                             \
    QVERIFY2(near((actual), (expected)), qPrintable(QStringLiteral("%1 is %2, expected %3")        \
                                                        .arg(QStringLiteral(#actual))              \
                                                        .arg(double(actual), 0, 'g', 9)            \
                                                        .arg(double(expected), 0, 'g', 9)))

// 3 × 2 cells, gaps of 0.2, nothing around them. Fonts measure 18 pt = 0.25 inch and
// 14.4 pt = 0.2 inch on the recording surface.
PrintSettings gridSettings()
{
    PrintSettings s;
    s.Scale = PrintUnit::Inch;
    s.Center = true;
    s.PictureMaxWidth = 3;
    s.PictureMaxHeight = 2;
    s.PictureSpacingX = 0.2f;
    s.PictureSpacingY = 0.2f;
    s.PictureLabelSpacingY = 0.1f;
    s.PrintLabel = LabelKind::None;
    s.LabelPosition = LabelPlace::Below;
    s.HeaderStyle = BandStyle::None;
    s.FooterStyle = BandStyle::None;
    s.HeaderSpacing = 0.1f;
    s.FooterSpacing = 0.1f;
    s.LabelFont = PrintFont{QStringLiteral("LabelFace"), 14.4};
    s.HeaderFont = PrintFont{QStringLiteral("HeaderFace"), 18};
    s.FooterFont = PrintFont{QStringLiteral("FooterFace"), 18};
    return s;
}

std::optional<PageLayout> layoutOf(const PrintSettings& settings, int n,
                                   QSizeF printable = QSizeF(8, 10.5))
{
    RecordingSurface surface(printable);
    LayoutResult result = ComputePageLayout(settings, n, surface);
    if (const auto* layout = std::get_if<PageLayout>(&result))
        return *layout;
    return std::nullopt;
}

bool sameLayout(const PageLayout& a, const PageLayout& b)
{
    return a.PrintableWidth == b.PrintableWidth && a.PrintableHeight == b.PrintableHeight &&
           a.HeaderHeight == b.HeaderHeight && a.FooterHeight == b.FooterHeight &&
           a.LabelHeight == b.LabelHeight && a.LabelGap == b.LabelGap &&
           a.ColumnCount == b.ColumnCount && a.RowCount == b.RowCount &&
           a.PicturesPerPage == b.PicturesPerPage && a.PageCount == b.PageCount &&
           a.OffsetX == b.OffsetX && a.OffsetY == b.OffsetY;
}

// One layout request: the settings, the printable area of the surface, the list length.
struct Case
{
    PrintSettings s;
    QSizeF printable;
    int n = 0;
};
using Tweak = void (*)(Case&);

} // namespace

Q_DECLARE_METATYPE(Tweak)

class tst_PageLayout : public QObject
{
    Q_OBJECT
private slots:
    void grid();
    void fitPicture_data();
    void fitPicture();
    void labelledGrid_data();
    void labelledGrid();
    void exactFit_data();
    void exactFit();
    void pageCount_data();
    void pageCount();
    void labelPlace_data();
    void labelPlace();
    void unusedSpacing_data();
    void unusedSpacing();
    void emptyTextBandKeepsItsHeight();
    void bandTextX_data();
    void bandTextX();
    void fontOrder_data();
    void fontOrder();
    void centimetres();
    void guards_data();
    void guards();
    void surfaceFailure();
    void indexBeyond32Bits();
};

void tst_PageLayout::grid()
{
    PrintSettings s = gridSettings();
    const std::optional<PageLayout> layout = layoutOf(s, 20);
    QVERIFY(layout);
    QCOMPARE(layout->PrintableWidth, 8.0f);
    QCOMPARE(layout->PrintableHeight, 10.5f);
    QCOMPARE(layout->ColumnCount, 2);
    QCOMPARE(layout->RowCount, 4);
    QCOMPARE(layout->PicturesPerPage, 8);
    QCOMPARE(layout->PageCount, 3);
    QVERIFY_NEAR(layout->OffsetX, 0.9);
    QVERIFY_NEAR(layout->OffsetY, 0.95);

    const double lefts[] = {0.9, 4.1};
    const double tops[] = {0.95, 3.15, 5.35, 7.55};
    for (qint32 row = 1; row <= 4; ++row) {
        for (qint32 column = 1; column <= 2; ++column) {
            for (qint32 page = 1; page <= 2; ++page) {
                const CellPlace cell = CellOrigin(*layout, s, page, row, column);
                QVERIFY_NEAR(cell.CellLeft, lefts[column - 1]);
                QVERIFY_NEAR(cell.CellTop, tops[row - 1]);
                QCOMPARE(cell.Index, (page - 1) * 8 + (row - 1) * 2 + column - 1);
            }
        }
    }

    // Not centred, the grid starts at the top-left corner of the printable area.
    s.Center = false;
    const std::optional<PageLayout> corner = layoutOf(s, 20);
    QVERIFY(corner);
    QCOMPARE(corner->OffsetX, 0.0f);
    QCOMPARE(corner->OffsetY, 0.0f);
    const CellPlace last = CellOrigin(*corner, s, 1, 4, 2);
    QVERIFY_NEAR(last.CellLeft, 3.2);
    QVERIFY_NEAR(last.CellTop, 6.6);
}

void tst_PageLayout::fitPicture_data()
{
    QTest::addColumn<float>("cellWidth");
    QTest::addColumn<float>("cellHeight");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("drawWidth");
    QTest::addColumn<double>("drawHeight");
    QTest::addColumn<double>("offsetX");
    QTest::addColumn<double>("offsetY");

    QTest::newRow("1600 x 1200") << 3.f << 2.f << 1600. << 1200. << 2.666667 << 2. << 0.166667
                                 << 0.;
    QTest::newRow("square") << 3.f << 2.f << 1000. << 1000. << 2. << 2. << 0.5 << 0.;
    QTest::newRow("same ratio as the cell") << 3.f << 2.f << 7620. << 5080. << 3. << 2. << 0. << 0.;
    QTest::newRow("wide") << 3.f << 2.f << 4000. << 100. << 3. << 0.075 << 0. << 0.9625;
    QTest::newRow("tall") << 3.f << 2.f << 1000. << 4000. << 0.5 << 2. << 1.25 << 0.;
    QTest::newRow("small picture is enlarged") << 3.f << 2.f << 3. << 1. << 3. << 1. << 0. << 0.5;
    QTest::newRow("zero width fills the cell") << 3.f << 2.f << 0. << 100. << 3. << 2. << 0. << 0.;
    QTest::newRow("zero height fills the cell") << 3.f << 2.f << 100. << 0. << 3. << 2. << 0. << 0.;
    QTest::newRow("negative size fills the cell")
        << 3.f << 2.f << -100. << 50. << 3. << 2. << 0. << 0.;
    QTest::newRow("NaN size fills the cell")
        << 3.f << 2.f << double(NaN) << 50. << 3. << 2. << 0. << 0.;
    QTest::newRow("infinite size fills the cell")
        << 3.f << 2.f << double(Inf) << 50. << 3. << 2. << 0. << 0.;
    QTest::newRow("cell of no width") << 0.f << 2.f << 100. << 50. << 0. << 0. << 0. << 1.;
    QTest::newRow("cell of no height") << 3.f << 0.f << 100. << 50. << 0. << 0. << 1.5 << 0.;
    QTest::newRow("cell of no size") << 0.f << 0.f << 100. << 50. << 0. << 0. << 0. << 0.;
    QTest::newRow("infinite cell") << Inf << 2.f << 100. << 50. << 0. << 0. << 0. << 0.;
}

void tst_PageLayout::fitPicture()
{
    QFETCH(float, cellWidth);
    QFETCH(float, cellHeight);
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(double, drawWidth);
    QFETCH(double, drawHeight);
    QFETCH(double, offsetX);
    QFETCH(double, offsetY);

    PrintSettings s = gridSettings();
    s.PictureMaxWidth = cellWidth;
    s.PictureMaxHeight = cellHeight;
    const PictureFit fit = FitPicture(w, h, s);
    QVERIFY_NEAR(fit.DrawWidth, drawWidth);
    QVERIFY_NEAR(fit.DrawHeight, drawHeight);
    QVERIFY_NEAR(fit.OffsetX, offsetX);
    QVERIFY_NEAR(fit.OffsetY, offsetY);
}

void tst_PageLayout::labelledGrid_data()
{
    QTest::addColumn<bool>("bands");
    QTest::addColumn<float>("headerHeight");
    QTest::addColumn<double>("offsetY");

    QTest::newRow("labels only") << false << 0.f << 0.5;
    QTest::newRow("header and footer of 0.35") << true << 0.35f << 0.15;
}

void tst_PageLayout::labelledGrid()
{
    QFETCH(bool, bands);
    QFETCH(float, headerHeight);
    QFETCH(double, offsetY);

    PrintSettings s = gridSettings();
    s.PictureMaxWidth = 2;
    s.PictureMaxHeight = 2;
    s.PictureSpacingX = 0.1f;
    s.PictureSpacingY = 0.1f;
    s.PictureLabelSpacingY = 0.1f;
    s.PrintLabel = LabelKind::FileName;
    if (bands) {
        s.HeaderStyle = BandStyle::PageNumber;
        s.FooterStyle = BandStyle::Text;
    }
    const std::optional<PageLayout> layout = layoutOf(s, 1);
    QVERIFY(layout);
    QVERIFY_NEAR(layout->LabelHeight, 0.2);
    QVERIFY_NEAR(layout->LabelGap, 0.1);
    QVERIFY_NEAR(layout->HeaderHeight, headerHeight);
    QVERIFY_NEAR(layout->FooterHeight, headerHeight);
    QCOMPARE(layout->ColumnCount, 3);
    QCOMPARE(layout->RowCount, 4);
    QCOMPARE(layout->PicturesPerPage, 12);
    QVERIFY_NEAR(layout->OffsetX, 0.9);
    QVERIFY_NEAR(layout->OffsetY, offsetY);
}

void tst_PageLayout::exactFit_data()
{
    QTest::addColumn<bool>("across");
    QTest::addColumn<float>("cell");
    QTest::addColumn<float>("spacing");
    QTest::addColumn<qint32>("count");

    // Sums in single precision decide the sizes at the edge of fitting, on 8 × 10.5.
    QTest::newRow("three cells of 2.6 and two gaps of 0.1 fill 8") << true << 2.6f << 0.1f << 3;
    QTest::newRow("two cells of 3.95 and a gap of 0.1 fill 8") << true << 3.95f << 0.1f << 2;
    QTest::newRow("two cells of 3.9 and a gap of 0.2 fill 8") << true << 3.9f << 0.2f << 2;
    QTest::newRow("twenty cells of 0.21 come to 19") << true << 0.21f << 0.2f << 19;
    QTest::newRow("a hair wider leaves two") << true << 2.61f << 0.1f << 2;
    QTest::newRow("one cell as wide as the page") << true << 8.f << 0.5f << 1;
    QTest::newRow("negative gap overlaps the cells") << true << 2.f << -0.5f << 5;
    QTest::newRow("four rows of 2.4 and three gaps of 0.3 fill 10.5") << false << 2.4f << 0.3f << 4;
    QTest::newRow("two rows of 5.15 and a gap of 0.2 fill 10.5") << false << 5.15f << 0.2f << 2;
    QTest::newRow("five rows of 1.9 come to 4") << false << 1.9f << 0.25f << 4;
}

void tst_PageLayout::exactFit()
{
    QFETCH(bool, across);
    QFETCH(float, cell);
    QFETCH(float, spacing);
    QFETCH(qint32, count);

    PrintSettings s = gridSettings();
    if (across) {
        s.PictureMaxWidth = cell;
        s.PictureSpacingX = spacing;
    } else {
        s.PictureMaxHeight = cell;
        s.PictureSpacingY = spacing;
    }
    const std::optional<PageLayout> layout = layoutOf(s, 1);
    QVERIFY(layout);
    QCOMPARE(across ? layout->ColumnCount : layout->RowCount, count);
}

void tst_PageLayout::pageCount_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<qint32>("pages");

    QTest::newRow("empty list") << 0 << 0;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("one page full") << 4 << 1;
    QTest::newRow("7") << 7 << 2;
    QTest::newRow("8") << 8 << 2;
    QTest::newRow("9") << 9 << 3;
    QTest::newRow("largest list") << std::numeric_limits<int>::max() << 536870912;
    QTest::newRow("negative count is an empty list") << -3 << 0;
}

void tst_PageLayout::pageCount()
{
    QFETCH(int, n);
    QFETCH(qint32, pages);

    // 2 × 2 cells a page.
    PrintSettings s = gridSettings();
    s.PictureMaxWidth = 3.9f;
    s.PictureMaxHeight = 5;
    s.PictureSpacingX = 0.1f;
    s.PictureSpacingY = 0.1f;
    const std::optional<PageLayout> layout = layoutOf(s, n);
    QVERIFY(layout);
    QCOMPARE(layout->PicturesPerPage, 4);
    QCOMPARE(layout->PageCount, pages);

    // The cells of page 2 hold entries 4 to 7; with 7 pictures the fourth stays empty.
    QCOMPARE(CellOrigin(*layout, s, 2, 1, 1).Index, 4);
    QCOMPARE(CellOrigin(*layout, s, 2, 1, 2).Index, 5);
    QCOMPARE(CellOrigin(*layout, s, 2, 2, 1).Index, 6);
    QCOMPARE(CellOrigin(*layout, s, 2, 2, 2).Index, 7);
}

void tst_PageLayout::labelPlace_data()
{
    QTest::addColumn<LabelPlace>("place");
    QTest::addColumn<double>("firstTop");
    QTest::addColumn<double>("firstLabelY");

    // Header of 0.35, labels of 0.2 with a gap of 0.1, cells 2 high with rows 0.1 apart.
    QTest::newRow("above") << LabelPlace::Above << 0.65 << 0.35;
    QTest::newRow("below") << LabelPlace::Below << 0.35 << 2.45;
    QTest::newRow("stored code 7 counts as below") << LabelPlace(7) << 0.35 << 2.45;
}

void tst_PageLayout::labelPlace()
{
    QFETCH(LabelPlace, place);
    QFETCH(double, firstTop);
    QFETCH(double, firstLabelY);

    PrintSettings s = gridSettings();
    s.Center = false;
    s.PictureMaxWidth = 2;
    s.PictureMaxHeight = 2;
    s.PictureSpacingX = 0.1f;
    s.PictureSpacingY = 0.1f;
    s.PrintLabel = LabelKind::FilePathName;
    s.LabelPosition = place;
    s.HeaderStyle = BandStyle::Text;
    const std::optional<PageLayout> layout = layoutOf(s, 1);
    QVERIFY(layout);

    for (qint32 row = 1; row <= 2; ++row) {
        const double pitch = 2.4 * (row - 1);
        const CellPlace cell = CellOrigin(*layout, s, 1, row, 2);
        QVERIFY_NEAR(cell.CellLeft, 2.1);
        QVERIFY_NEAR(cell.CellTop, firstTop + pitch);
        const PagePoint label = LabelOrigin(*layout, s, cell.CellLeft, cell.CellTop);
        QCOMPARE(label.X, cell.CellLeft);
        QVERIFY_NEAR(label.Y, firstLabelY + pitch);
    }
}

void tst_PageLayout::unusedSpacing_data()
{
    QTest::addColumn<QString>("what");

    QTest::newRow("header of style None with spacing") << "header";
    QTest::newRow("footer of style None with spacing") << "footer";
    QTest::newRow("labels off with a label spacing") << "label";
}

void tst_PageLayout::unusedSpacing()
{
    QFETCH(QString, what);

    PrintSettings s = gridSettings();
    s.LabelPosition = LabelPlace::Above;
    const std::optional<PageLayout> plain = layoutOf(s, 9);
    QVERIFY(plain);

    if (what == "header")
        s.HeaderSpacing = 5;
    else if (what == "footer")
        s.FooterSpacing = 5;
    else
        s.PictureLabelSpacingY = 5;
    const std::optional<PageLayout> layout = layoutOf(s, 9);
    QVERIFY(layout);
    QVERIFY(sameLayout(*layout, *plain));
    QCOMPARE(layout->HeaderHeight + layout->FooterHeight + layout->LabelGap, 0.0f);
    QCOMPARE(layout->RowCount, 4);
    QVERIFY_NEAR(CellOrigin(*layout, s, 1, 2, 1).CellTop, 3.15);
}

void tst_PageLayout::emptyTextBandKeepsItsHeight()
{
    PrintSettings s = gridSettings();
    s.HeaderStyle = BandStyle::Text;
    s.HeaderText.clear();
    s.HeaderSpacing = 5;
    const std::optional<PageLayout> layout = layoutOf(s, 1);
    QVERIFY(layout);
    QVERIFY_NEAR(layout->HeaderHeight, 5.25);
    // (0.2 + 10.5 − 5.25) / 2.2 rows.
    QCOMPARE(layout->RowCount, 2);
    QVERIFY_NEAR(CellOrigin(*layout, s, 1, 1, 1).CellTop, 5.25 + (10.5 - 5.25 - 4.2) / 2);
}

void tst_PageLayout::bandTextX_data()
{
    QTest::addColumn<BandAlignment>("alignment");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<double>("x");

    // "12" at 12 pt is 1/6 inch wide on the recording surface.
    QTest::newRow("left") << BandAlignment::Left << true << 0.;
    QTest::newRow("center") << BandAlignment::Center << true << (8 - 1. / 6) / 2;
    QTest::newRow("right") << BandAlignment::Right << true << 8 - 1. / 6;
    QTest::newRow("stored 3 leaves the position") << BandAlignment(3) << false << 0.;
    QTest::newRow("stored -1 leaves the position") << BandAlignment(-1) << false << 0.;
}

void tst_PageLayout::bandTextX()
{
    QFETCH(BandAlignment, alignment);
    QFETCH(bool, moves);
    QFETCH(double, x);

    RecordingSurface surface;
    ApplyFont(surface, PrintFont{QStringLiteral("Sans"), 12}, 12);
    const float width = surface.textWidth(QStringLiteral("12"));
    const std::optional<float> at = BandTextX(alignment, 8, width);
    QCOMPARE(at.has_value(), moves);
    if (moves)
        QVERIFY_NEAR(*at, x);
    if (alignment == BandAlignment::Right)
        QVERIFY(near(*at + width, 8, 1e-6));
}

void tst_PageLayout::fontOrder_data()
{
    QTest::addColumn<bool>("labels");
    QTest::newRow("labels on") << true;
    QTest::newRow("labels off") << false;
}

void tst_PageLayout::fontOrder()
{
    QFETCH(bool, labels);

    PrintSettings s = gridSettings();
    s.HeaderFont = PrintFont{QStringLiteral("Head"), 18, true, false, true, false};
    s.FooterFont = PrintFont{QStringLiteral("Foot"), 9, false, true, false, true};
    s.LabelFont = PrintFont{QStringLiteral("Label"), 14.4, true, true, false, false};
    s.FontColor = 0x123456;
    s.PrintLabel = labels ? LabelKind::FileName : LabelKind::None;

    RecordingSurface surface;
    QVERIFY(std::holds_alternative<PageLayout>(ComputePageLayout(s, 3, surface)));
    QStringList expected = {
        "scaleMode 0",
        "fontName Head",
        "fontBold 1",
        "fontItalic 0",
        "fontSize 18",
        "fontStrikethrough 1",
        "fontUnderline 0",
        "textHeight \"ABCxyz\" = 0.25 font Head 18 bold strikethrough",
        "fontName Foot",
        "fontBold 0",
        "fontItalic 1",
        "fontSize 9",
        "fontStrikethrough 0",
        "fontUnderline 1",
        "textHeight \"ABCxyz\" = 0.125 font Foot 9 italic underline",
        "fontName Label",
        "fontBold 1",
        "fontItalic 1",
        "fontSize 14.4",
        "fontStrikethrough 0",
        "fontUnderline 0",
        "foreColor 1193046",
        "transparent 1",
    };
    if (labels)
        expected << "textHeight \"ABCxyz\" = 0.2 font Label 14.4 bold italic";
    QCOMPARE(surface.log(), expected);
    QCOMPARE(surface.font(), s.LabelFont);
}

void tst_PageLayout::centimetres()
{
    PrintSettings s = gridSettings();
    s.Scale = PrintUnit::Centimetre;
    s.PictureMaxWidth = 7.62f;
    s.PictureMaxHeight = 5.08f;
    s.PictureSpacingX = 0.508f;
    s.PictureSpacingY = 0.508f;
    s.PictureLabelSpacingY = 0.254f;
    s.PrintLabel = LabelKind::FileName;
    RecordingSurface surface;
    const LayoutResult result = ComputePageLayout(s, 1, surface);
    QVERIFY(std::holds_alternative<PageLayout>(result));
    const PageLayout& layout = std::get<PageLayout>(result);
    QCOMPARE(surface.scaleMode(), PrintUnit::Centimetre);
    QVERIFY_NEAR(layout.PrintableWidth, 20.32);
    QVERIFY_NEAR(layout.PrintableHeight, 26.67);
    QVERIFY_NEAR(layout.LabelHeight, 0.508);
    QCOMPARE(layout.ColumnCount, 2);
    // (0.508 + 26.67) / (0.508 + 5.08 + 0.254 + 0.508) rows.
    QCOMPARE(layout.RowCount, 4);
}

void tst_PageLayout::guards_data()
{
    QTest::addColumn<Tweak>("tweak");

    // From the 3 × 2 grid on 8 × 10.5; labels measure 0.2, the header 0.25.
    auto row = [](const char* name, Tweak tweak) { QTest::newRow(name) << tweak; };
    row("cell wider than the page", [](Case& c) { c.s.PictureMaxWidth = 8.5f; });
    row("header leaves no room", [](Case& c) {
        c.s.HeaderStyle = BandStyle::PageNumber;
        c.s.HeaderSpacing = 10;
    });
    row("width + spacing 0", [](Case& c) { c.s.PictureMaxWidth = 1, c.s.PictureSpacingX = -1; });
    row("width + spacing negative",
        [](Case& c) { c.s.PictureMaxWidth = 1, c.s.PictureSpacingX = -3; });
    row("row spacing = -height", [](Case& c) { c.s.PictureSpacingY = -2; });
    row("row pitch about 0 with labels", [](Case& c) {
        c.s.PrintLabel = LabelKind::FileName;
        c.s.PictureMaxHeight = 0, c.s.PictureSpacingY = -0.3f, c.s.PictureLabelSpacingY = 0.1f;
    });
    row("height = -label height", [](Case& c) {
        c.s.PrintLabel = LabelKind::FileName;
        c.s.PictureMaxHeight = -0.2f, c.s.PictureSpacingY = 0, c.s.PictureLabelSpacingY = 0;
    });
    row("negative cell with room to spare",
        [](Case& c) { c.s.PictureMaxWidth = -1, c.s.PictureSpacingX = 3; });
    row("NaN width", [](Case& c) { c.s.PictureMaxWidth = NaN; });
    row("NaN row spacing", [](Case& c) { c.s.PictureSpacingY = NaN; });
    row("NaN label spacing", [](Case& c) {
        c.s.PrintLabel = LabelKind::FilePathName;
        c.s.PictureLabelSpacingY = NaN;
    });
    row("infinite header spacing", [](Case& c) {
        c.s.HeaderStyle = BandStyle::Text;
        c.s.HeaderSpacing = Inf;
    });
    row("+infinity width", [](Case& c) { c.s.PictureMaxWidth = Inf; });
    row("-infinity spacing", [](Case& c) { c.s.PictureSpacingX = -Inf; });
    row("infinite row spacing", [](Case& c) { c.s.PictureSpacingY = Inf; });
    row("NaN printable width", [](Case& c) { c.printable.setWidth(qQNaN()); });
    row("infinite printable height", [](Case& c) { c.printable.setHeight(qInf()); });
    row("negative printable area", [](Case& c) { c.printable = QSizeF(-8, -10.5); });
    row("printable area beyond single precision", [](Case& c) { c.printable.setWidth(1e39); });
    row("1e-30 cells: columns beyond 32 bits",
        [](Case& c) { c.s.PictureMaxWidth = 1e-30f, c.s.PictureSpacingX = 0; });
    row("1e-30 cells: rows beyond 32 bits",
        [](Case& c) { c.s.PictureMaxHeight = 1e-30f, c.s.PictureSpacingY = 0; });
    row("rows x columns beyond 32 bits", [](Case& c) {
        c.s.PictureMaxWidth = c.s.PictureMaxHeight = 1e-4f;
        c.s.PictureSpacingX = c.s.PictureSpacingY = 0;
    });
    row("huge n with 1e-30 cells", [](Case& c) {
        c.s.PictureMaxWidth = c.s.PictureMaxHeight = 1e-30f;
        c.s.PictureSpacingX = c.s.PictureSpacingY = 0;
        c.n = std::numeric_limits<int>::max();
    });
}

void tst_PageLayout::guards()
{
    QFETCH(Tweak, tweak);
    Case c{gridSettings(), QSizeF(8, 10.5), 5};
    tweak(c);

    RecordingSurface surface(c.printable);
    QElapsedTimer clock;
    clock.start();
    const LayoutResult result = ComputePageLayout(c.s, c.n, surface);
    QVERIFY2(clock.elapsed() < 1000, "the layout must not count cells one by one");
    QVERIFY(std::holds_alternative<LayoutFailure>(result));
    const LayoutFailure& failure = std::get<LayoutFailure>(result);
    QCOMPARE(failure.problem, LayoutProblem::NoCellFits);
    QCOMPARE(failure.message, NoCellFits);
    // The label font is on the surface all the same.
    QCOMPARE(surface.font(), c.s.LabelFont);
}

void tst_PageLayout::surfaceFailure()
{
    RecordingSurface surface;
    surface.failAtCall(2, QStringLiteral("The printer is not ready."));
    const LayoutResult result = ComputePageLayout(gridSettings(), 4, surface);
    QVERIFY(std::holds_alternative<LayoutFailure>(result));
    QCOMPARE(std::get<LayoutFailure>(result).problem, LayoutProblem::SurfaceFailed);
    QCOMPARE(std::get<LayoutFailure>(result).message, QStringLiteral("The printer is not ready."));
}

void tst_PageLayout::indexBeyond32Bits()
{
    PageLayout layout;
    layout.ColumnCount = std::numeric_limits<qint32>::max();
    layout.RowCount = 1;
    layout.PicturesPerPage = std::numeric_limits<qint32>::max();
    const qint32 last = std::numeric_limits<qint32>::max();
    const CellPlace cell = CellOrigin(layout, gridSettings(), last, 1, last);
    QCOMPARE(cell.Index, Q_INT64_C(4611686014132420608));
    QVERIFY(std::isfinite(cell.CellLeft));
}

QTEST_GUILESS_MAIN(tst_PageLayout)
#include "tst_pagelayout.moc"
