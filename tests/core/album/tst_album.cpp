#include "core/album/AlbumPage.h"
#include "core/album/PagePen.h"
#include "core/album/PicturesAhead.h"
#include "core/album/PrintJob.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/pictures/Picture.h"
#include "core/pictures/PictureLoader.h"
#include "support/AlbumFixtures.h"
#include "support/Golden.h"
#include "support/SettingsSandbox.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <limits>

using namespace albumtest;

namespace {

using Tweak = void (*)(PrintSettings&, QSizeF& printable);

// A length rounded to 1/1000, as text: "0.167", "0".
QString rounded(double v)
{
    return QString::number(qRound64(v * 1000) / 1000.0);
}

// 2 × 2 cells 0.1 apart with file-name labels 0.2 high, 0.1 below the cells.
PrintSettings labelled()
{
    PrintSettings s = gridSettings();
    s.PictureMaxWidth = s.PictureMaxHeight = 2;
    s.PictureSpacingX = s.PictureSpacingY = 0.1f;
    s.PrintLabel = LabelKind::FileName;
    return s;
}

// 2 × 2 cells of 3.5 × 4 with file names below them, a right-aligned red page number over them
// and a centred blue footer text under them.
PrintSettings albumSettings()
{
    PrintSettings s = gridSettings();
    s.PictureMaxWidth = 3.5f;
    s.PictureMaxHeight = 4;
    s.PrintLabel = LabelKind::FileName;
    s.FontColor = 0xAA00;
    s.Header = {BandStyle::PageNumber, {}, s.Header.Font, 0xFF, BandAlignment::Right, 0.1f};
    s.Footer = {BandStyle::Text, "Holiday", s.Footer.Font, 0xFF0000, BandAlignment::Center, 0.1f};
    return s;
}

// The preview of the 8.5 × 11 inch paper at a zoom.
PageView previewAt(float zoom, bool outlines = false)
{
    return PageView{zoom, 0.25f * zoom, 0.25f * zoom, outlines, outlines, true};
}

// Every single setting as it would be stored, "Key=Text".
QStringList stored(PrintSettings s)
{
    QStringList lines;
    ForEachSingleSetting(s, [&](const auto& setting, auto& record) {
        lines << setting.Key + '=' + SettingText(setting, record.*(setting.Field));
    });
    return lines;
}

// A settings store in its own folder, with the printer and a loader that keeps its writes.
struct Sandbox : testsupport::SettingsSandbox
{
    struct Loader final : PrintSettingsLoader
    {
        using PrintSettingsLoader::PrintSettingsLoader;
        QStringList written;
        void writeSetting(const QString& key, const QString& value) override
        {
            written << key;
            PrintSettingsLoader::writeSetting(key, value);
        }
    };
    RecordingSurface printer;
    Loader loader{store, printer};

    PrintSettings loaded()
    {
        PrintSettings settings;
        loader.LoadAll(settings);
        return settings;
    }
};

} // namespace

Q_DECLARE_METATYPE(Tweak)

class tst_Album : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (int i = 0; i < 7; ++i)
            pictures_ << solidPicture(dir_, QStringLiteral("p%1.bmp").arg(i),
                                      QSize(96 + 48 * i, 96));
        pictures_ << solidPicture(dir_, QStringLiteral("4x1.jpg"), QSize(2000, 500));
        QVERIFY(!pictures_.contains(QString()));
    }

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
        const Tweak fourAPage = [](PrintSettings& s, QSizeF&) {
            s.PictureMaxWidth = 3.9f, s.PictureMaxHeight = 5;
            s.PictureSpacingX = s.PictureSpacingY = 0.1f;
        };
        row("3 x 2 cells", 20, "2 x 4, 3 pages, offset 0.9, 0.95", [](PrintSettings&, QSizeF&) {});
        row("header of style None with spacing", 20, "2 x 4, 3 pages, offset 0.9, 0.95",
            [](PrintSettings& s, QSizeF&) { s.Header.Spacing = 5; });
        row("labelled", 1, "3 x 4, 1 pages, offset 0.9, 0.5",
            [](PrintSettings& s, QSizeF&) { s = labelled(); });
        row("labelled, header and footer of 0.35", 1, "3 x 4, 1 pages, offset 0.9, 0.15",
            [](PrintSettings& s, QSizeF&) {
                s = labelled();
                s.Header.Style = BandStyle::PageNumber, s.Footer.Style = BandStyle::Text;
            });
        row("8.1 / 2.7 makes 3 columns", 1, "3 x 4, 1 pages, offset 0, 0.95",
            [](PrintSettings& s, QSizeF&) { s.PictureMaxWidth = 2.6f, s.PictureSpacingX = 0.1f; });
        row("cells of no size", 1, "81 x 106, 1 pages, offset 0, 0", [](PrintSettings& s, QSizeF&) {
            s.PictureMaxWidth = s.PictureMaxHeight = 0,
            s.PictureSpacingX = s.PictureSpacingY = 0.1f;
        });
        row("8 pictures", 8, "2 x 2, 2 pages, offset 0.05, 0.2", fourAPage);
        row("9 pictures", 9, "2 x 2, 3 pages, offset 0.05, 0.2", fourAPage);
        row("no pictures", 0, "2 x 2, 0 pages, offset 0.05, 0.2", fourAPage);
        row("largest list", std::numeric_limits<int>::max(),
            "2 x 2, 536870912 pages, offset 0.05, 0.2", fourAPage);
        // Settings that make no grid are refused.
        row("cell wider than the page", 5, NoFit,
            [](PrintSettings& s, QSizeF&) { s.PictureMaxWidth = 8.5f; });
        row("column pitch 0", 5, NoFit,
            [](PrintSettings& s, QSizeF&) { s.PictureMaxWidth = 1, s.PictureSpacingX = -1; });
        row("negative row pitch over a negative span", 5, NoFit,
            [](PrintSettings& s, QSizeF&) { s.PictureMaxHeight = 12, s.PictureSpacingY = -20; });
        row("negative cell, positive pitch", 5, NoFit,
            [](PrintSettings& s, QSizeF&) { s.PictureMaxWidth = -1, s.PictureSpacingX = 3; });
        row("negative cell height", 5, NoFit,
            [](PrintSettings& s, QSizeF&) { s.PictureMaxHeight = -1, s.PictureSpacingY = 3; });
        row("NaN width", 5, NoFit, [](PrintSettings& s, QSizeF&) { s.PictureMaxWidth = qQNaN(); });
        row("infinite printable height", 5, NoFit,
            [](PrintSettings&, QSizeF& p) { p.setHeight(qInf()); });
        row("columns beyond 32 bits", 5, NoFit,
            [](PrintSettings& s, QSizeF&) { s.PictureMaxWidth = 1e-30f, s.PictureSpacingX = 0; });
        row("rows x columns beyond 32 bits", 5, NoFit, [](PrintSettings& s, QSizeF&) {
            s.PictureMaxWidth = s.PictureMaxHeight = 1e-4f;
            s.PictureSpacingX = s.PictureSpacingY = 0;
        });
        row("surface fails", 5, "The printer is not ready.", nullptr);
    }

    void layout()
    {
        QFETCH(Tweak, tweak);
        QFETCH(int, n);
        QFETCH(QString, grid);

        PrintSettings s = gridSettings();
        QSizeF printable(8, 10.5);
        if (tweak)
            tweak(s, printable);
        RecordingSurface surface(printable);
        surface.failAtCall(tweak ? -1 : 2, QStringLiteral("The printer is not ready."));
        const LayoutResult result = ComputePageLayout(s, n, surface);
        if (const auto* failure = std::get_if<LayoutFailure>(&result)) {
            QCOMPARE(failure->problem,
                     tweak ? LayoutProblem::NoCellFits : LayoutProblem::SurfaceFailed);
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

    // For random cells, gaps, bands and labels: every cell and its label lie inside the
    // printable area between the bands, one pitch apart, as many as fit, centred or from the
    // corner, numbered row by row.
    void everyCellInsideThePage()
    {
        QRandomGenerator random(20240611);
        const auto between = [&](double low, double high) {
            return float(low + random.generateDouble() * (high - low));
        };
        for (int round = 0; round < 200; ++round) {
            PrintSettings s = gridSettings();
            s.PictureMaxWidth = between(0.2, 5);
            s.PictureMaxHeight = between(0.2, 5);
            s.PictureSpacingX = between(0, 1);
            s.PictureSpacingY = between(0, 1);
            s.PictureLabelSpacingY = between(0, 0.5);
            s.Center = random.bounded(2);
            s.PrintLabel = LabelKind(random.bounded(3));
            s.LabelPosition = random.bounded(2) ? LabelPlace::Above : LabelPlace::Below;
            s.Header.Style = BandStyle(random.bounded(3));
            s.Footer.Style = BandStyle(random.bounded(3));
            s.Header.Spacing = between(0, 1);
            s.Footer.Spacing = between(0, 1);
            const std::optional<PageLayout> l = layoutOf(s, 50);
            QVERIFY(l);
            const float w = s.PictureMaxWidth, h = s.PictureMaxHeight, e = 1e-4f;
            const float label = l->LabelHeight + l->LabelGap;
            const float bottom = l->PrintableHeight - l->FooterHeight;
            const bool above = s.LabelPosition == LabelPlace::Above;
            const auto fail = [&](const char* what) {
                return qPrintable(QStringLiteral("round %1: %2").arg(round).arg(what));
            };
            QVERIFY2(label == (s.PrintLabel == LabelKind::None ? 0 : 0.2f + s.PictureLabelSpacingY),
                     fail("label line"));
            for (qint32 r = 1; r <= l->RowCount; ++r)
                for (qint32 c = 1; c <= l->ColumnCount; ++c) {
                    const CellPlace cell = CellOrigin(*l, s, 3, r, c);
                    const PagePoint at = LabelOrigin(*l, s, cell.CellLeft, cell.CellTop);
                    const float top = cell.CellTop - (above ? label : 0);
                    QVERIFY2(cell.Index ==
                                 2 * l->PicturesPerPage + (r - 1) * l->ColumnCount + c - 1,
                             fail("index"));
                    QVERIFY2(cell.CellLeft >= -e && cell.CellLeft + w <= l->PrintableWidth + e,
                             fail("across"));
                    QVERIFY2(top >= l->HeaderHeight - e && top + h + label <= bottom + e,
                             fail("down"));
                    QVERIFY2(qAbs(cell.CellLeft - (c - 1) * (w + s.PictureSpacingX) - l->OffsetX) <
                                 e,
                             fail("column pitch"));
                    QVERIFY2(qAbs(top - (r - 1) * (h + s.PictureSpacingY + label) -
                                  l->HeaderHeight - l->OffsetY) < e,
                             fail("row pitch"));
                    QVERIFY2(at.X == cell.CellLeft &&
                                 qAbs(at.Y - (above ? top : cell.CellTop + h + l->LabelGap)) < e,
                             fail("label"));
                }
            const float right = l->ColumnCount * (w + s.PictureSpacingX) - s.PictureSpacingX;
            const float down = l->RowCount * (h + s.PictureSpacingY + label) - s.PictureSpacingY;
            QVERIFY2(right + w + s.PictureSpacingX > l->PrintableWidth, fail("one more column"));
            QVERIFY2(down + h + label + s.PictureSpacingY > bottom - l->HeaderHeight,
                     fail("one more row"));
            QVERIFY2(qAbs(l->OffsetX - (s.Center ? (l->PrintableWidth - right) / 2 : 0)) < e &&
                         qAbs(l->OffsetY - (s.Center ? (bottom - l->HeaderHeight - down) / 2 : 0)) <
                             e,
                     fail("offsets"));
            QCOMPARE(l->PageCount, (50 + l->PicturesPerPage - 1) / l->PicturesPerPage);
        }
    }

    void fitPicture_data()
    {
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<QString>("drawn"); // in the 3 × 2 cell

        QTest::newRow("1600 x 1200") << 1600. << 1200. << "2.667 x 2 at 0.167, 0";
        QTest::newRow("3:2 fills the width") << 300. << 200. << "3 x 2 at 0, 0";
        QTest::newRow("4000 x 200") << 4000. << 200. << "3 x 0.15 at 0, 0.925";
        QTest::newRow("no width fills the cell") << 0. << 100. << "3 x 2 at 0, 0";
        QTest::newRow("no height fills the cell") << 100. << 0. << "3 x 2 at 0, 0";
    }

    void fitPicture()
    {
        QFETCH(double, w);
        QFETCH(double, h);
        const PictureFit fit = FitPicture(w, h, gridSettings());
        QTEST(QStringLiteral("%1 x %2 at %3, %4")
                  .arg(rounded(fit.DrawWidth), rounded(fit.DrawHeight), rounded(fit.OffsetX),
                       rounded(fit.OffsetY)),
              "drawn");
    }

    // Everything the layout, the pen and the pages ask of the surface and draw on it.
    void drawings()
    {
        QString out;
        const auto add = [&](const QString& title, RecordingSurface& surface) {
            out += "== " + title + '\n' + surface.log().join('\n') + '\n';
            surface.clearLog();
        };
        const auto page = [&](const QString& title, const PrintSettings& s, int n, qint32 number,
                              PageView view = {}, QSizeF printable = {8, 10.5}, double ppi = 100) {
            RecordingSurface surface(printable, {8.5, 11}, ppi);
            const PageLayout layout = layoutOf(s, n).value();
            const PageResult result =
                DrawAlbumPage(surface, s, layout, pictures_.mid(0, n), number, view);
            add(QStringLiteral("%1: outcome %2").arg(title).arg(int(result.outcome)), surface);
        };
        const PrintSettings album = albumSettings();
        page("page 1 of 5", album, 5, 1);
        page("page 2 of 5", album, 5, 2);
        page("page 12, past the list", album, 5, 12);
        page("page 2 of 7 in the preview at 50%", album, 7, 2, previewAt(0.5, true), {4.25, 5.5});
        page("page 0 in the preview", album, 7, 0, previewAt(0.5, true), {4.25, 5.5});
        PrintSettings codes = gridSettings(); // codes that name no style or alignment
        codes.Header = {BandStyle(5), "Kept", codes.Header.Font, 0, BandAlignment(7), 0.1f};
        codes.Footer.Text = QStringLiteral("Unused");
        page("band codes outside the named ones", codes, 0, 1);
        page("3:2 preview at 50%, 50 ppi", gridSettings(), 2, 1, previewAt(0.5), {4.25, 5.5}, 50);
        pictures_.swapItemsAt(0, 7);
        page("4:1 preview at 100%, 300 ppi", gridSettings(), 1, 1, previewAt(1), {8.5, 11}, 300);
        pictures_.swapItemsAt(0, 7);

        // The header's font is measured, then the footer's and the label's; a font without a
        // name or a usable size keeps those of the one before.
        RecordingSurface surface;
        PrintSettings s = gridSettings();
        s.Header.Font = PrintFont{QStringLiteral("Head"), 18, true, false, true, false};
        s.Footer.Font = PrintFont{QString(), 0, false, true, false, true};
        s.PrintLabel = LabelKind::FileName;
        QVERIFY(std::holds_alternative<PageLayout>(ComputePageLayout(s, 3, surface)));
        add("measures", surface);

        // The pen keeps the font set attribute by attribute, the colour and the text position,
        // which a line moves to the start of the next; centimetres reach the surface in inches.
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
        QCOMPARE(pen.currentY(), 5.08f + 0.635f + 0.635f + 2048 / 72.f * 2.54f);
        add("pen", surface);
        QUENBROOK_COMPARE_GOLDEN("album/drawings.txt", out);
    }

    void layoutInCentimetres()
    {
        PrintSettings s = gridSettings();
        s.Scale = PrintUnit::Centimetre;
        s.Header.Style = BandStyle::Text;
        s.Header.Spacing = 0.5f;
        const PageLayout layout = layoutOf(s, 3).value();
        QCOMPARE(layout.PrintableWidth, 8 * 2.54f);
        QCOMPARE(layout.HeaderHeight, 0.25f * 2.54f + 0.5f);
    }

    // A case-insensitive mount opens "beach.jpg" as the file its folder holds as "Beach.JPG";
    // the label then reads as the folder spells it.
    void spellingOnDisk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("spelling");
        QTest::newRow("only another case")
            << "beach.jpg" << QStringList{"a.jpg", "Beach.JPG"} << "Beach.JPG";
        QTest::newRow("the same spelling first")
            << "beach.jpg" << QStringList{"Beach.JPG", "beach.jpg"} << "beach.jpg";
        QTest::newRow("beyond ASCII") << "ÉTÉ.jpg" << QStringList{"été.JPG"} << "été.JPG";
        QTest::newRow("longer or shorter names are others")
            << "beach.jpg" << QStringList{"beach.jpeg", "beach.jpg.bak", "each.jpg"} << "";
        QTest::newRow("empty folder") << "beach.jpg" << QStringList{} << "";
    }
    void spellingOnDisk()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, entries);
        QTEST(SpellingOnDisk(name, entries), "spelling");
    }

    // Labels of real files: the name exactly as the folder holds it.
    void labels()
    {
        QTemporaryDir dir;
        for (const char* name : {"Beach.JPG", "beach.jpg", ".hidden.jpg", "Été 2024.Bmp"}) {
            QFile file(dir.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir("folder.jpg"));
        QStringList labels;
        for (const char* name :
             {"Beach.JPG", "beach.jpg", "Été 2024.Bmp", "BEACH.jpg", ".hidden.jpg", "folder.jpg"})
            labels << LabelText(LabelKind::FileName, dir.filePath(QString::fromUtf8(name)));
        QCOMPARE(labels, (QStringList{"Beach.JPG", "beach.jpg", "Été 2024.Bmp", "", "", ""}));
        QCOMPARE(LabelText(LabelKind::FileName, QString()), QString());
        QCOMPARE(LabelText(LabelKind::FilePathName, dir.filePath("B.jpg")), dir.filePath("B.jpg"));
        QCOMPARE(LabelText(LabelKind::None, dir.filePath("Beach.JPG")), QString());
    }

    // Pictures decoded ahead and the one taken stay within one budget, whatever the workers.
    void picturesAheadShareOneBudget()
    {
        const QStringList list(6, pictures_[1]);
        const qint64 each = PictureLoader::heldBytes(pictures_[1]);
        QCOMPARE(each, qint64(144 * 96 * 4));

        PicturesAhead ahead(list, 0, 5, QSize(), 16, nullptr, 2 * each + each / 2);
        QCOMPARE(ahead.waiting(), 2);
        for (qint64 i = 0; i < 6; ++i) {
            QVERIFY(std::holds_alternative<Picture>(ahead.take(i, list[i])));
            QCOMPARE(ahead.waiting(), int(std::min<qint64>(1, 5 - i)));
        }
        PicturesAhead roomy(list, 0, 5, QSize(), 4, nullptr, 100 * each);
        QCOMPARE(roomy.waiting(), 4);
        // A picture beyond the budget is still decoded, while nothing else is held.
        PicturesAhead tight(list, 0, 5, QSize(), 4, nullptr, each / 2);
        QCOMPARE(tight.waiting(), 1);
        for (qint64 i = 0; i < 2; ++i) {
            QVERIFY(std::holds_alternative<Picture>(tight.take(i, list[i])));
            QCOMPARE(tight.waiting(), 0);
        }
    }

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
        const QString big = solidPicture(dir_, "big.jpg", QSize(4000, 2000));
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
        const QList<SurfaceCall> drawn = printer.callsOf(SurfaceCall::Kind::Picture);
        QCOMPARE(drawn.size(), 3);
        for (const SurfaceCall& call : drawn) // within a pixel
            QVERIFY2(qAbs(call.decoded.width() - decoded.width()) <= 1 &&
                         qAbs(call.decoded.height() - decoded.height()) <= 1,
                     qPrintable(call.toString()));
    }

    // With pictures decoded ahead, a broken one still ends the job at its own place, in list
    // order, with nothing drawn after it; and Stop ends it at the picture it was given for.
    void brokenPictureOrStopEndsTheJob()
    {
        QStringList list;
        for (int i = 0; i < 12; ++i)
            list << solidPicture(dir_, QString("q%1.bmp").arg(i), QSize(40 + i, 20));
        list[7] = dir_.filePath("missing.bmp");
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
        QCOMPARE(seen, QStringList({"q0", "q1", "q2", "q3", "q4", "q5", "q6"}));
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures.first().contains("missing.bmp"), qPrintable(failures.first()));
        QCOMPARE(printer.callsOf(SurfaceCall::Kind::Picture).size(), 7);
        QCOMPARE(printer.calls().last().kind, SurfaceCall::Kind::KillDoc);

        seen.clear();
        printer.clearLog();
        steps.progress = [&](qint32, const QString& path) {
            seen << QFileInfo(path).baseName();
            return seen.size() == 2 ? PictureStep::Stop : PictureStep::Draw;
        };
        PrintPages(list, gridSettings(), printer, steps);
        QCOMPARE(seen, QStringList({"q0", "q1"}));
        QCOMPARE(printer.callsOf(SurfaceCall::Kind::Picture).size(), 1);
    }

    // An empty store: the defaults, with the printer's font; reading writes nothing, and each
    // font group discards the document the printer may have opened.
    void emptyStoreGivesDefaults()
    {
        Sandbox box;
        box.printer.setDefaultFont(PrintFont{"Sans", 10, false, true});
        box.put({AlbumSettings::Footer.Font.Name.Key + '='}); // an empty name is no name
        QUENBROOK_COMPARE_GOLDEN("album/defaults.txt", stored(box.loaded()).join('\n'));
        QVERIFY(box.loader.written.isEmpty());
        QCOMPARE(box.printer.abandonedDocuments(), 3);
    }

    // Every declared setting reads back each value it writes, under a key of its own.
    void everySettingReadsBackWhatItWrites()
    {
        QStringList keys;
        PrintSettings where;
        ForEachSingleSetting(where, [&](const auto& setting, auto&) {
            keys << setting.Key;
            using T = typename std::decay_t<decltype(setting)>::Value;
            QList<T> values = setting.Choices;
            for (const auto& word : setting.Words)
                values << word.Value;
            if constexpr (std::is_same_v<T, bool>)
                values << true << false;
            else if constexpr (std::is_same_v<T, float>)
                values << 5.08f << 0.254f << -1.5f;
            else if constexpr (std::is_same_v<T, double>)
                values << 10.5 << 10.3333;
            else if constexpr (std::is_same_v<T, QString>)
                values << QStringLiteral("Holiday 2019");
            else if constexpr (std::is_same_v<T, qint32>)
                values << (setting.Choices.isEmpty() ? QList<T>{255, -1} : QList<T>());
            else if constexpr (std::is_same_v<T, BandStyle> || std::is_same_v<T, BandAlignment>)
                values << T(0) << T(1) << T(2);
            QVERIFY2(!values.isEmpty(), qPrintable(setting.Key));
            for (const T& value : values) {
                const T held = value == setting.Default ? T() : setting.Default;
                QVERIFY2(ReadSetting(setting, SettingText(setting, value), held, held) == value,
                         qPrintable(setting.Key + " " + SettingText(setting, value)));
            }
        });
        const qsizetype declared = keys.size();
        keys.removeDuplicates();
        QCOMPARE(keys.size(), declared);
    }

    void readings_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("read"); // as it would be stored again
        const auto row = [](const char* entry, const char* read) {
            QTest::newRow(entry) << entry << read;
        };
        // Words compare exactly; PrintLabel keeps its value for other words.
        row("Scale=inch", "CM");
        row("LabelPosition=above", "Below");
        row("PrintLabel=filename", "None");
        // Booleans: True or False in any case, or a number; else the default.
        row("FontBold= True ", "True");
        row("Center=false", "False");
        row("Center=0", "False");
        row("FontBold=-0.5", "True");
        row("FontBold=yes", "False");
        row("Center=0abc", "True");
        // Colours: nearest integer, ties to even; 32 bits or the default.
        row("FontColor=2.5", "2");
        row("FontColor=3.5", "4");
        row("FontColor=&HFFFFFFFF", "-1");
        row("FontColor=1E10", "0");
        row("FontColor=NaN", "0");
        // Codes by the same rule; those that name no alignment or style are kept.
        row("HeaderAlignment=7", "7");
        row("FooterStyle=-2.5", "-2");
        // Font sizes to four decimals, lengths in single precision; infinite gives the default.
        row("HeaderFontSize=10.12346", "10.1235");
        row("HeaderFontSize=1E400", "10");
        row("FooterSpacing=-1.5", "-1.5");
        row("FooterSpacing=1E39", "0.1");
    }

    void readings()
    {
        QFETCH(QString, entry);
        Sandbox box;
        box.put({entry});
        const QString key = entry.section('=', 0, 0) + '=';
        QTEST(stored(box.loaded()).filter(key).value(0).section('=', 1), "read");
    }

    // The seven lengths are converted and written, then the unit; only the unit when it stays.
    void unitSwitchConvertsAndWrites()
    {
        Sandbox box;
        PrintSettings s = box.loaded();
        const PrintSettings inches = s;
        const QStringList lengths = {"FooterSpacing=0.254",        "HeaderSpacing=0.254",
                                     "PictureLabelSpacingY=0.254", "PictureMaxHeight=5.08",
                                     "PictureMaxWidth=5.08",       "PictureSpacingX=0.254",
                                     "PictureSpacingY=0.254",      "Scale=CM"};
        for (int i = 0; i < 2; ++i) {
            box.loader.SetUnit(s, PrintUnit::Centimetre);
            QStringList changed = stored(s);
            for (const QString& line : stored(inches))
                changed.removeOne(line);
            changed.sort();
            QCOMPARE(changed, lengths);
            for (const QString& entry : lengths)
                QCOMPARE(box.get(entry.section('=', 0, 0)), entry.section('=', 1));
        }
        box.loader.SetUnit(s, PrintUnit::Inch);
        QCOMPARE(stored(s), stored(inches));
        QCOMPARE(box.get("PictureSpacingX"), "0.1");
        QCOMPARE(box.loader.written.size(), 8 + 1 + 8);
        QCOMPARE(box.loader.written[8], "Scale");

        // A length beyond single precision in centimetres: the store keeps what the record holds.
        box.put({"PictureMaxWidth=3E38"});
        box.loader.ReloadPictureDistances(s);
        box.loader.SetUnit(s, PrintUnit::Centimetre);
        QCOMPARE(box.loaded().PictureMaxWidth, s.PictureMaxWidth);
    }

    // After another printer was chosen and every group changed in the store, a reload takes the
    // printer's font of the moment and only its own group.
    void reloadTakesOnlyItsGroup_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QStringList>("changed");
        QTest::newRow("label") << 0 << QStringList{"FontBold", "FontColor", "FontName", "FontSize"};
        QTest::newRow("header") << 1
                                << QStringList{"HeaderFontBold", "HeaderFontSize", "HeaderText"};
        QTest::newRow("footer") << 2
                                << QStringList{"FooterFontBold", "FooterFontName", "FooterFontSize",
                                               "FooterSpacing"};
        QTest::newRow("picture distances") << 3 << QStringList{"PictureSpacingY"};
    }

    void reloadTakesOnlyItsGroup()
    {
        QFETCH(int, group);
        Sandbox box;
        box.put({"HeaderFontName=Courier", "HeaderFontItalic=True"});
        PrintSettings s = box.loaded();
        const QStringList before = stored(s);
        box.printer.setDefaultFont(PrintFont{"Printer Font", 8, true});
        box.put({"FontColor=255", "HeaderText=Holiday", "FooterSpacing=0.5", "PictureSpacingY=0.3",
                 "Scale=CM", "Center=False"});
        const QStringList now = stored(box.loaded());
        if (group == 0)
            box.loader.ReloadLabelGroup(s);
        else if (group == 1)
            s.Header = box.loader.ReadBand(AlbumSettings::Header);
        else if (group == 2)
            s.Footer = box.loader.ReadBand(AlbumSettings::Footer);
        else
            box.loader.ReloadPictureDistances(s);
        QStringList changed;
        for (const QString& line : stored(s))
            if (!before.contains(line)) {
                QVERIFY2(now.contains(line), qPrintable(line));
                changed << line.section('=', 0, 0);
            }
        changed.sort();
        QTEST(changed, "changed");
    }

private:
    QTemporaryDir dir_;
    // p0.bmp to p6.bmp, (96 + 48 i) × 96 pixels: 2540 + 1270 i HIMETRIC wide; then a JPEG.
    QStringList pictures_;
};

QUENBROOK_TEST(tst_Album)
#include "tst_album.moc"
