#include "album/AlbumPage.h"
#include "album/PageLayout.h"
#include "album/RecordingSurface.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <optional>

using namespace quenbrook;

namespace {

using Kind = SurfaceCall::Kind;

constexpr PrintColor Blue = 0xFF0000;
constexpr PrintColor Red = 0xFF;

bool near(double actual, double expected, double tolerance = 1e-4)
{
    return std::fabs(actual - expected) <= tolerance;
}

// What reached the page, in order: texts and pictures (a picture by its natural width).
struct Mark
{
    QString what;
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
};

QList<Mark> marksOn(const RecordingSurface& surface)
{
    QList<Mark> marks;
    for (const SurfaceCall& call : surface.calls()) {
        if (call.kind == Kind::Text)
            marks << Mark{"text " + call.text, call.rect.x(), call.rect.y(), 0, 0};
        else if (call.kind == Kind::Picture)
            marks << Mark{"picture " + QString::number(call.natural.width()), call.rect.x(),
                          call.rect.y(), call.rect.width(), call.rect.height()};
    }
    return marks;
}

QString describe(const QList<Mark>& marks)
{
    QStringList lines;
    for (const Mark& m : marks)
        lines << QStringLiteral("%1 (%2, %3) %4 x %5")
                     .arg(m.what)
                     .arg(m.x)
                     .arg(m.y)
                     .arg(m.w)
                     .arg(m.h);
    return lines.join(QStringLiteral("; "));
}

bool sameMarks(const QList<Mark>& actual, const QList<Mark>& expected)
{
    if (actual.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        const Mark& a = actual[i];
        const Mark& e = expected[i];
        if (a.what != e.what || !near(a.x, e.x) || !near(a.y, e.y) || !near(a.w, e.w) ||
            !near(a.h, e.h))
            return false;
    }
    return true;
}

#define QCOMPARE_MARKS(actual, expected)                                                           \
    QVERIFY2(sameMarks((actual), (expected)),                                                      \
             qPrintable("got " + describe(actual) + "\nexpected " + describe(expected)))

// Pictures in a temporary folder. Picture i of a list is (96 + 48 i) × 96 pixels, so its natural
// width, 2540 + 1270 i HIMETRIC, tells which one was drawn.
class PictureFolder
{
public:
    QString make(const QString& name, QSize pixels, QColor colour = Qt::darkCyan)
    {
        QImage image(pixels, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = dir_.filePath(name);
        return image.save(path) ? path : QString();
    }
    QStringList makeList(int n)
    {
        QStringList list;
        for (int i = 0; i < n; ++i)
            list << make(QStringLiteral("p%1.bmp").arg(i), QSize(96 + 48 * i, 96));
        return list;
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    bool isValid() const { return dir_.isValid(); }

private:
    QTemporaryDir dir_;
};

QString naturalWidth(int index)
{
    return "picture " + QString::number(2540 + 1270 * index);
}

// A 2 × 2 grid of 3.5 × 4 cells with labels below, a right-aligned page number over it and a
// centred footer text under it. Fonts of 18 pt measure 0.25 inch, 14.4 pt 0.2 inch.
PrintSettings albumSettings()
{
    PrintSettings s;
    s.Scale = PrintUnit::Inch;
    s.Center = true;
    s.PictureMaxWidth = 3.5f;
    s.PictureMaxHeight = 4;
    s.PictureSpacingX = 0.2f;
    s.PictureSpacingY = 0.2f;
    s.PictureLabelSpacingY = 0.1f;
    s.PrintLabel = LabelKind::FileName;
    s.LabelPosition = LabelPlace::Below;
    s.LabelFont = PrintFont{QStringLiteral("LabelFace"), 14.4, false, true, false, false};
    s.FontColor = 0x00AA00;
    s.HeaderStyle = BandStyle::PageNumber;
    s.HeaderFont = PrintFont{QStringLiteral("HeaderFace"), 18, true, false, false, false};
    s.HeaderFontColor = Red;
    s.HeaderAlignment = BandAlignment::Right;
    s.HeaderSpacing = 0.1f;
    s.FooterStyle = BandStyle::Text;
    s.FooterText = QStringLiteral("Holiday");
    s.FooterFont = PrintFont{QStringLiteral("FooterFace"), 18};
    s.FooterFontColor = Blue;
    s.FooterAlignment = BandAlignment::Center;
    s.FooterSpacing = 0.1f;
    return s;
}

// 3 × 2 cells 0.2 apart on 8 × 10.5 inch, nothing around them: cells at x 0.9 and 4.1,
// y 0.95, 3.15, 5.35 and 7.55.
PrintSettings gridSettings()
{
    PrintSettings s = albumSettings();
    s.PictureMaxWidth = 3;
    s.PictureMaxHeight = 2;
    s.PrintLabel = LabelKind::None;
    s.HeaderStyle = BandStyle::None;
    s.FooterStyle = BandStyle::None;
    return s;
}

std::optional<PageLayout> layoutOn(PageSurface& surface, const PrintSettings& s, int n)
{
    const LayoutResult result = ComputePageLayout(s, n, surface);
    if (const auto* layout = std::get_if<PageLayout>(&result))
        return *layout;
    return std::nullopt;
}

std::optional<PageLayout> printerLayout(const PrintSettings& s, int n)
{
    RecordingSurface printer;
    return layoutOn(printer, s, n);
}

// The preview surface at a zoom: the paper of 8.5 × 11 inch scaled.
PageView previewAt(float zoom)
{
    PageView view;
    view.ZoomFactor = zoom;
    view.MarginX = (8.5f - 8) / 2 * zoom;
    view.MarginY = (11 - 10.5f) / 2 * zoom;
    view.clearFirst = true;
    return view;
}

} // namespace

class tst_AlbumPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void drawsPagesInOrder();
    void bandsOnPage_data();
    void bandsOnPage();
    void alignmentOutOfRange_data();
    void alignmentOutOfRange();
    void previewZoom_data();
    void previewZoom();
    void headerAtZoom_data();
    void headerAtZoom();
    void outlines_data();
    void outlines();
    void pageZero_data();
    void pageZero();
    void missingPicture();
    void hookStops();
    void surfaceFails_data();
    void surfaceFails();
    void decodeSize_data();
    void decodeSize();
    void labelText_data();
    void labelText();
    void badView_data();
    void badView();
    void longGridEndsAtTheList();

private:
    PictureFolder folder_;
    QStringList twelve_;
    QString landscape_; // 4000 × 3000 JPEG
    QString portrait_;  // 3000 × 4000 JPEG
    QString threeByTwo_;
};

void tst_AlbumPage::initTestCase()
{
    QVERIFY(folder_.isValid());
    twelve_ = folder_.makeList(12);
    QVERIFY(!twelve_.contains(QString()));
    landscape_ = folder_.make(QStringLiteral("landscape.jpg"), QSize(4000, 3000), Qt::yellow);
    portrait_ = folder_.make(QStringLiteral("portrait.jpg"), QSize(3000, 4000), Qt::magenta);
    threeByTwo_ = folder_.make(QStringLiteral("threebytwo.bmp"), QSize(288, 192), Qt::red);
    QVERIFY(!landscape_.isEmpty() && !portrait_.isEmpty() && !threeByTwo_.isEmpty());
}

void tst_AlbumPage::drawsPagesInOrder()
{
    const QStringList list = twelve_.mid(0, 5);
    const PrintSettings s = albumSettings();
    RecordingSurface printer;
    const std::optional<PageLayout> layout = layoutOn(printer, s, int(list.size()));
    QVERIFY(layout);
    QCOMPARE(layout->PicturesPerPage, 4);
    QCOMPARE(layout->PageCount, 2);

    // Cells at x 0.4 and 4.1, y 0.85 and 5.35; each picture fills its cell's width.
    const Mark header1{"text 1", 7.875, 0};
    const Mark footer{"text Holiday", 3.5625, 10.25};
    const QList<QList<Mark>> pages = {
        {header1,
         footer,
         {naturalWidth(0), 0.4, 1.1, 3.5, 3.5},
         {"text p0.bmp", 0.4, 4.95},
         {naturalWidth(1), 4.1, 0.85 + (4 - 3.5 / 1.5) / 2, 3.5, 3.5 / 1.5},
         {"text p1.bmp", 4.1, 4.95},
         {naturalWidth(2), 0.4, 6.475, 3.5, 1.75},
         {"text p2.bmp", 0.4, 9.45},
         {naturalWidth(3), 4.1, 6.65, 3.5, 1.4},
         {"text p3.bmp", 4.1, 9.45}},
        {{"text 2", 7.875, 0},
         footer,
         {naturalWidth(4), 0.4, 0.85 + (4 - 3.5 / 3) / 2, 3.5, 3.5 / 3},
         {"text p4.bmp", 0.4, 4.95}},
    };

    for (qint32 page = 1; page <= 2; ++page) {
        printer.clearLog();
        QList<QPair<qint32, qint64>> hooked;
        const PageResult result = DrawAlbumPage(printer, s, *layout, list, page, PageView(),
                                                [&](qint32 p, qint64 index, const QString& path) {
                                                    hooked << qMakePair(p, index);
                                                    if (path != list.at(index))
                                                        hooked << qMakePair(-1, index);
                                                    return PictureStep::Draw;
                                                });
        QCOMPARE(result.outcome, PageOutcome::Drawn);
        QVERIFY(result.message.isEmpty());
        QCOMPARE_MARKS(marksOn(printer), pages[page - 1]);

        QList<QPair<qint32, qint64>> expectedHooks;
        for (qint64 i = (page - 1) * 4; i < qMin<qint64>(page * 4, list.size()); ++i)
            expectedHooks << qMakePair(page, i);
        QCOMPARE(hooked, expectedHooks);

        // Header, footer and label fonts once each; no page or document calls.
        QCOMPARE(printer.callsOf(Kind::FontName).size(), 3);
        QVERIFY(printer.callsOf(Kind::NewPage).isEmpty());
        QVERIFY(printer.callsOf(Kind::EndDoc).isEmpty());
        QVERIFY(printer.callsOf(Kind::KillDoc).isEmpty());
        QVERIFY(printer.callsOf(Kind::Clear).isEmpty());
        QVERIFY(printer.callsOf(Kind::Outline).isEmpty());

        const QList<SurfaceCall> texts = printer.callsOf(Kind::Text);
        QCOMPARE(texts[0].font, s.HeaderFont);
        QCOMPARE(texts[0].color, s.HeaderFontColor);
        QCOMPARE(texts[1].font, s.FooterFont);
        QCOMPARE(texts[1].color, s.FooterFontColor);
        for (qsizetype i = 2; i < texts.size(); ++i) {
            QCOMPARE(texts[i].font, s.LabelFont);
            QCOMPARE(texts[i].color, s.FontColor);
        }
        for (const SurfaceCall& text : texts)
            QVERIFY(text.transparent);
    }
}

void tst_AlbumPage::bandsOnPage_data()
{
    QTest::addColumn<qint32>("page");
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("firstPicture");
    QTest::addColumn<int>("pictures");

    QTest::newRow("page 2") << 2 << "2" << 4 << 4;
    QTest::newRow("page 3") << 3 << "3" << 8 << 4;
    QTest::newRow("page 12, past the list") << 12 << "12" << -1 << 0;
    QTest::newRow("last page number")
        << std::numeric_limits<qint32>::max() << "2147483647" << -1 << 0;
}

void tst_AlbumPage::bandsOnPage()
{
    QFETCH(qint32, page);
    QFETCH(QString, header);
    QFETCH(int, firstPicture);
    QFETCH(int, pictures);

    const PrintSettings s = albumSettings();
    const std::optional<PageLayout> layout = printerLayout(s, int(twelve_.size()));
    QVERIFY(layout);
    RecordingSurface printer;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(DrawAlbumPage(printer, s, *layout, twelve_, page, PageView()).outcome,
             PageOutcome::Drawn);
    QVERIFY(clock.elapsed() < 5000);

    const QList<Mark> marks = marksOn(printer);
    QVERIFY(marks.size() >= 2);
    QCOMPARE(marks[0].what, "text " + header);
    // The page number ends at the right edge: 0.125 inch a digit at 18 pt.
    QVERIFY(near(marks[0].x + 0.125 * header.size(), 8));
    QCOMPARE(marks[0].y, 0.0);
    QCOMPARE(marks[1].what, QStringLiteral("text Holiday"));
    QVERIFY(near(marks[1].x, 3.5625));
    QVERIFY(near(marks[1].y, 10.25));
    QCOMPARE(printer.callsOf(Kind::Picture).size(), pictures);
    if (pictures > 0)
        QCOMPARE(marks[2].what, naturalWidth(firstPicture));
}

void tst_AlbumPage::alignmentOutOfRange_data()
{
    QTest::addColumn<bool>("inHeader");
    QTest::newRow("header aligned 7") << true;
    QTest::newRow("footer aligned -1") << false;
}

void tst_AlbumPage::alignmentOutOfRange()
{
    QFETCH(bool, inHeader);

    PrintSettings s = albumSettings();
    if (inHeader) {
        s.HeaderAlignment = BandAlignment(7);
        s.FooterStyle = BandStyle::None;
    } else {
        s.FooterAlignment = BandAlignment(-1);
        s.HeaderStyle = BandStyle::None;
    }
    const std::optional<PageLayout> layout = printerLayout(s, 1);
    QVERIFY(layout);
    RecordingSurface printer;
    printer.setCurrentX(5.5f);
    printer.clearLog();
    QCOMPARE(DrawAlbumPage(printer, s, *layout, twelve_.mid(0, 1), 1, PageView()).outcome,
             PageOutcome::Drawn);

    // The band text is written where the text position was; only its line is set.
    const QList<SurfaceCall>& calls = printer.calls();
    qsizetype textAt = 0;
    while (calls[textAt].kind != Kind::Text)
        ++textAt;
    for (qsizetype i = 0; i < textAt; ++i)
        QVERIFY(calls[i].kind != Kind::CurrentX);
    QCOMPARE(calls[textAt].rect.x(), 5.5);
    QVERIFY(near(calls[textAt].rect.y(), inHeader ? 0 : 10.25));
}

void tst_AlbumPage::previewZoom_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");

    // The cell at page position (0.9, 0.95), 3 × 2, with margins of 0.25 × zoom.
    QTest::newRow("100%") << 1.f << 1.15 << 1.2 << 3. << 2.;
    QTest::newRow("75%") << 0.75f << 0.8625 << 0.9 << 2.25 << 1.5;
    QTest::newRow("50%") << 0.5f << 0.575 << 0.6 << 1.5 << 1.;
    QTest::newRow("25%") << 0.25f << 0.2875 << 0.3 << 0.75 << 0.5;
}

void tst_AlbumPage::previewZoom()
{
    QFETCH(float, zoom);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, w);
    QFETCH(double, h);

    const PrintSettings s = gridSettings();
    const std::optional<PageLayout> layout = printerLayout(s, 1);
    QVERIFY(layout);
    RecordingSurface preview(QSizeF(8.5 * zoom, 11 * zoom));
    QCOMPARE(DrawAlbumPage(preview, s, *layout, {threeByTwo_}, 1, previewAt(zoom)).outcome,
             PageOutcome::Drawn);

    QCOMPARE_MARKS(marksOn(preview), (QList<Mark>{{"picture 7620", x, y, w, h}}));
    // The label font is put on at the zoomed size, even with labels off.
    const QList<SurfaceCall> sizes = preview.callsOf(Kind::FontSize);
    QCOMPARE(sizes.size(), 1);
    QVERIFY(near(sizes[0].value, 14.4 * zoom));
    QCOMPARE(preview.calls().first().kind, Kind::Clear);
}

void tst_AlbumPage::headerAtZoom_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    // "ABCDEFGH" at 36 pt is 2 inch wide: centred on 8 it starts 3 from the printable edge.
    QTest::newRow("100%, width 2") << 1.f << 36. << "ABCDEFGH" << 3.25 << 0.25;
    // "Album" at 12 pt is 5/12 inch wide: (8 − 5/12) / 2 halved, after the margin.
    QTest::newRow("50%, 12 pt") << 0.5f << 12. << "Album" << 0.125 + (8 - 5. / 12) / 4 << 0.125;
}

void tst_AlbumPage::headerAtZoom()
{
    QFETCH(float, zoom);
    QFETCH(double, points);
    QFETCH(QString, text);
    QFETCH(double, x);
    QFETCH(double, y);

    PrintSettings s = gridSettings();
    s.HeaderStyle = BandStyle::Text;
    s.HeaderText = text;
    s.HeaderAlignment = BandAlignment::Center;
    s.HeaderFont.Size = points;
    const std::optional<PageLayout> layout = printerLayout(s, 0);
    QVERIFY(layout);
    RecordingSurface preview(QSizeF(8.5 * zoom, 11 * zoom));
    QCOMPARE(DrawAlbumPage(preview, s, *layout, {}, 1, previewAt(zoom)).outcome,
             PageOutcome::Drawn);

    const QList<SurfaceCall> widths = preview.callsOf(Kind::MeasureWidth);
    QCOMPARE(widths.size(), 1);
    QCOMPARE(widths[0].text, text);
    QCOMPARE(widths[0].font.Size, points);
    const QList<SurfaceCall> texts = preview.callsOf(Kind::Text);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts[0].text, text);
    QVERIFY2(near(texts[0].rect.x(), x), qPrintable(QString::number(texts[0].rect.x())));
    QVERIFY(near(texts[0].rect.y(), y));
    QVERIFY(near(texts[0].font.Size, points * zoom));
    QCOMPARE(texts[0].font.Name, s.HeaderFont.Name);
    QCOMPARE(texts[0].color, s.HeaderFontColor);
}

void tst_AlbumPage::outlines_data()
{
    QTest::addColumn<bool>("printableArea");
    QTest::addColumn<bool>("pictureArea");

    QTest::newRow("both") << true << true;
    QTest::newRow("printable area only") << true << false;
    QTest::newRow("picture area only") << false << true;
    QTest::newRow("none") << false << false;
}

void tst_AlbumPage::outlines()
{
    QFETCH(bool, printableArea);
    QFETCH(bool, pictureArea);

    // 2 × 2 cells of 3.9 × 5, 0.1 apart, centred: cells at x 0.05 and 4.05, y 0.2 and 5.3.
    PrintSettings s = gridSettings();
    s.PictureMaxWidth = 3.9f;
    s.PictureMaxHeight = 5;
    s.PictureSpacingX = 0.1f;
    s.PictureSpacingY = 0.1f;
    const QStringList seven = twelve_.mid(0, 7);
    const std::optional<PageLayout> layout = printerLayout(s, int(seven.size()));
    QVERIFY(layout);
    QCOMPARE(layout->PageCount, 2);

    RecordingSurface preview(QSizeF(4.25, 5.5));
    PageView view = previewAt(0.5f);
    view.showPrintableArea = printableArea;
    view.showPictureArea = pictureArea;
    QCOMPARE(DrawAlbumPage(preview, s, *layout, seven, 2, view).outcome, PageOutcome::Drawn);

    QList<QRectF> blue;
    QList<QRectF> red;
    QStringList order;
    for (const SurfaceCall& call : preview.calls()) {
        if (call.kind == Kind::Outline) {
            (qint64(call.value) == Blue ? blue : red) << call.rect;
            order << (qint64(call.value) == Blue ? "blue" : "red");
        } else if (call.kind == Kind::Picture) {
            order << "picture";
        } else if (call.kind == Kind::Clear) {
            order << "clear";
        }
    }
    QStringList expectedOrder = {"clear"};
    if (printableArea)
        expectedOrder << "blue";
    for (int i = 0; i < 3; ++i) {
        expectedOrder << "picture";
        if (pictureArea)
            expectedOrder << "red";
    }
    QCOMPARE(order, expectedOrder);
    for (const SurfaceCall& call : preview.callsOf(Kind::Outline))
        QVERIFY(qint64(call.value) == Blue || qint64(call.value) == Red);

    auto sameRect = [](const QRectF& a, double l, double t, double r, double b) {
        return near(a.left(), l) && near(a.top(), t) && near(a.right(), r) && near(a.bottom(), b);
    };
    if (printableArea)
        QVERIFY(sameRect(blue[0], 0.125, 0.125, 4.125, 5.375));
    if (pictureArea) {
        // The cells, not the pictures (which are less high than their cells).
        QVERIFY(sameRect(red[0], 0.15, 0.225, 2.1, 2.725));
        QVERIFY(sameRect(red[1], 2.15, 0.225, 4.1, 2.725));
        QVERIFY(sameRect(red[2], 0.15, 2.775, 2.1, 5.275));
    }
}

void tst_AlbumPage::pageZero_data()
{
    QTest::addColumn<qint32>("page");
    QTest::addColumn<bool>("printableArea");
    QTest::addColumn<QStringList>("log");

    const QString outline =
        QStringLiteral("outline (0.125, 0.125) to (4.125, 5.375) color 16711680");
    QTest::newRow("page 0 with the printable area") << 0 << true << QStringList{"clear", outline};
    QTest::newRow("page 0 without") << 0 << false << QStringList{"clear"};
    QTest::newRow("negative page") << -5 << true << QStringList{"clear", outline};
}

void tst_AlbumPage::pageZero()
{
    QFETCH(qint32, page);
    QFETCH(bool, printableArea);
    QFETCH(QStringList, log);

    const PrintSettings s = albumSettings();
    const std::optional<PageLayout> layout = printerLayout(s, int(twelve_.size()));
    QVERIFY(layout);
    RecordingSurface preview(QSizeF(4.25, 5.5));
    PageView view = previewAt(0.5f);
    view.showPrintableArea = printableArea;
    view.showPictureArea = true;
    QCOMPARE(DrawAlbumPage(preview, s, *layout, twelve_, page, view).outcome, PageOutcome::Drawn);
    QCOMPARE(preview.log(), log);
}

void tst_AlbumPage::missingPicture()
{
    PictureFolder own;
    QStringList list = own.makeList(5);
    QVERIFY(QFile::remove(list[1]));
    const PrintSettings s = albumSettings();
    const std::optional<PageLayout> layout = printerLayout(s, int(list.size()));
    QVERIFY(layout);

    RecordingSurface printer;
    const PageResult result = DrawAlbumPage(printer, s, *layout, list, 1, PageView());
    QCOMPARE(result.outcome, PageOutcome::Failed);
    QVERIFY2(result.message.contains(QStringLiteral("p1.bmp")), qPrintable(result.message));
    // The first picture and its label are drawn; nothing after.
    QCOMPARE(printer.callsOf(Kind::Picture).size(), 1);
    QCOMPARE(printer.calls().last().kind, Kind::Text);
    QCOMPARE(printer.calls().last().text, QStringLiteral("p0.bmp"));
}

void tst_AlbumPage::hookStops()
{
    const QStringList list = twelve_.mid(0, 4);
    const PrintSettings s = albumSettings();
    const std::optional<PageLayout> layout = printerLayout(s, int(list.size()));
    QVERIFY(layout);

    RecordingSurface printer;
    QList<qint64> asked;
    const PageResult result = DrawAlbumPage(
        printer, s, *layout, list, 1, PageView(), [&](qint32, qint64 index, const QString&) {
            asked << index;
            return index == 1 ? PictureStep::Stop : PictureStep::Draw;
        });
    QCOMPARE(result.outcome, PageOutcome::Stopped);
    QCOMPARE(asked, (QList<qint64>{0, 1}));
    QCOMPARE(printer.callsOf(Kind::Picture).size(), 1);
    QCOMPARE(printer.calls().last().kind, Kind::Text);
    QCOMPARE(printer.calls().last().text, QStringLiteral("p0.bmp"));
}

void tst_AlbumPage::surfaceFails_data()
{
    QTest::addColumn<int>("failingText");    // the n-th text written fails, from 0; or -1
    QTest::addColumn<int>("failingPicture"); // the n-th picture painted fails, from 0; or -1

    QTest::newRow("writing the header") << 0 << -1;
    QTest::newRow("writing the footer") << 1 << -1;
    QTest::newRow("painting the first picture") << -1 << 0;
    QTest::newRow("writing the second label") << 3 << -1;
}

void tst_AlbumPage::surfaceFails()
{
    QFETCH(int, failingText);
    QFETCH(int, failingPicture);

    const QStringList list = twelve_.mid(0, 4);
    const PrintSettings s = albumSettings();
    const std::optional<PageLayout> layout = printerLayout(s, int(list.size()));
    QVERIFY(layout);

    // Find the call on a run that goes well, then fail it.
    RecordingSurface trial;
    QCOMPARE(DrawAlbumPage(trial, s, *layout, list, 1, PageView()).outcome, PageOutcome::Drawn);
    const Kind kind = failingText >= 0 ? Kind::Text : Kind::Picture;
    int seen = -1;
    qsizetype failAt = -1;
    for (qsizetype i = 0; i < trial.calls().size() && failAt < 0; ++i) {
        if (trial.calls()[i].kind == kind && ++seen == qMax(failingText, failingPicture))
            failAt = i;
    }
    QVERIFY(failAt >= 0);

    RecordingSurface printer;
    printer.failAtCall(failAt, QStringLiteral("The printer jammed."));
    const PageResult result = DrawAlbumPage(printer, s, *layout, list, 1, PageView());
    QCOMPARE(result.outcome, PageOutcome::Failed);
    QCOMPARE(result.message, QStringLiteral("The printer jammed."));
    QCOMPARE(printer.calls().size(), failAt + 1);
}

void tst_AlbumPage::decodeSize_data()
{
    QTest::addColumn<bool>("upright");
    QTest::addColumn<double>("pixelsPerInch");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QSize>("needed");

    // In a 3 × 2 cell a 4:3 picture is drawn 2.667 × 2, a 3:4 picture 1.5 × 2.
    QTest::newRow("4:3 at 50 dpi") << false << 50. << 1.f << QSize(134, 100);
    QTest::newRow("4:3 at 50 dpi, 50%") << false << 50. << 0.5f << QSize(67, 50);
    QTest::newRow("4:3 at 300 dpi") << false << 300. << 1.f << QSize(800, 600);
    QTest::newRow("4:3 at 300 dpi, 25%") << false << 300. << 0.25f << QSize(200, 150);
    QTest::newRow("3:4 at 100 dpi") << true << 100. << 1.f << QSize(150, 200);
    QTest::newRow("3:4 at 600 dpi, 75%") << true << 600. << 0.75f << QSize(675, 900);
}

void tst_AlbumPage::decodeSize()
{
    QFETCH(bool, upright);
    QFETCH(double, pixelsPerInch);
    QFETCH(float, zoom);
    QFETCH(QSize, needed);

    const PrintSettings s = gridSettings();
    const std::optional<PageLayout> layout = printerLayout(s, 1);
    QVERIFY(layout);
    RecordingSurface surface(QSizeF(8.5 * zoom, 11 * zoom), QSizeF(8.5, 11), pixelsPerInch);
    const QStringList list = {upright ? portrait_ : landscape_};
    QCOMPARE(DrawAlbumPage(surface, s, *layout, list, 1, previewAt(zoom)).outcome,
             PageOutcome::Drawn);

    const QList<SurfaceCall> pictures = surface.callsOf(Kind::Picture);
    QCOMPARE(pictures.size(), 1);
    const QSize decoded = pictures[0].decoded;
    // No more pixels than the drawn size needs at this density, and no fewer (one pixel of
    // rounding either way).
    const QString got = QStringLiteral("%1 x %2").arg(decoded.width()).arg(decoded.height());
    QVERIFY2(qAbs(decoded.width() - needed.width()) <= 1, qPrintable(got));
    QVERIFY2(qAbs(decoded.height() - needed.height()) <= 1, qPrintable(got));
}

void tst_AlbumPage::labelText_data()
{
    QTest::addColumn<LabelKind>("kind");
    QTest::addColumn<QString>("name");  // inside the folder; "" for the folder itself
    QTest::addColumn<bool>("create");   // make the file first
    QTest::addColumn<QString>("label"); // "<entry>" for the entry itself

    QTest::newRow("name of an existing file")
        << LabelKind::FileName << "Photo One.bmp" << true << "Photo One.bmp";
    QTest::newRow("name of a missing file") << LabelKind::FileName << "gone.bmp" << false << "";
    QTest::newRow("name of a hidden file") << LabelKind::FileName << ".secret.bmp" << true << "";
    QTest::newRow("name of a folder") << LabelKind::FileName << "" << false << "";
    QTest::newRow("file in a hidden folder")
        << LabelKind::FileName << ".cache/seen.bmp" << true << "seen.bmp";
    QTest::newRow("full path") << LabelKind::FilePathName << "Photo One.bmp" << true << "<entry>";
    QTest::newRow("full path of a missing file")
        << LabelKind::FilePathName << "gone.bmp" << false << "<entry>";
    QTest::newRow("labels off") << LabelKind::None << "Photo One.bmp" << true << "";
    QTest::newRow("unknown code labels the path")
        << LabelKind(5) << "gone.bmp" << false << "<entry>";
}

void tst_AlbumPage::labelText()
{
    QFETCH(LabelKind, kind);
    QFETCH(QString, name);
    QFETCH(bool, create);
    QFETCH(QString, label);

    PictureFolder own;
    const QString entry = name.isEmpty() ? own.path(QStringLiteral(".")) : own.path(name);
    if (create) {
        QVERIFY(QDir().mkpath(QFileInfo(entry).absolutePath()));
        QVERIFY(!own.make(name, QSize(4, 4)).isEmpty());
    }
    QCOMPARE(LabelText(kind, entry), label == "<entry>" ? entry : label);
    QCOMPARE(LabelText(LabelKind::FileName, QString()), QString());
}

void tst_AlbumPage::badView_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<float>("margin");

    QTest::newRow("zoom 0") << 0.f << 0.f;
    QTest::newRow("negative zoom") << -0.5f << 0.f;
    QTest::newRow("NaN zoom") << std::numeric_limits<float>::quiet_NaN() << 0.f;
    QTest::newRow("infinite zoom") << std::numeric_limits<float>::infinity() << 0.f;
    QTest::newRow("NaN margin") << 1.f << std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("infinite margin") << 1.f << -std::numeric_limits<float>::infinity();
}

void tst_AlbumPage::badView()
{
    QFETCH(float, zoom);
    QFETCH(float, margin);

    const PrintSettings s = albumSettings();
    const std::optional<PageLayout> layout = printerLayout(s, 4);
    QVERIFY(layout);
    PageView view;
    view.ZoomFactor = zoom;
    view.MarginY = margin;
    view.clearFirst = true;
    RecordingSurface preview;
    const PageResult result = DrawAlbumPage(preview, s, *layout, twelve_, 1, view);
    QCOMPARE(result.outcome, PageOutcome::Failed);
    QCOMPARE(result.message, QStringLiteral("The page cannot be drawn at this zoom."));
    QVERIFY(preview.calls().isEmpty());
}

void tst_AlbumPage::longGridEndsAtTheList()
{
    // A grid of one column and 2^31 − 1 rows: the page ends with the list, not with the grid.
    PrintSettings s = gridSettings();
    s.PictureMaxHeight = 1e-6f;
    s.PictureSpacingY = 0;
    PageLayout layout;
    layout.PrintableWidth = 8;
    layout.PrintableHeight = 10.5;
    layout.ColumnCount = 1;
    layout.RowCount = std::numeric_limits<qint32>::max();
    layout.PicturesPerPage = layout.RowCount;
    layout.PageCount = 1;

    RecordingSurface printer;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(DrawAlbumPage(printer, s, layout, twelve_.mid(0, 3), 1, PageView()).outcome,
             PageOutcome::Drawn);
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(printer.callsOf(Kind::Picture).size(), 3);
}

QTEST_GUILESS_MAIN(tst_AlbumPage)
#include "tst_albumpage.moc"
