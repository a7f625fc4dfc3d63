// SPDX-License-Identifier: GPL-2.0-or-later
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
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace albumtest;

namespace {

// A length rounded to 1/1000, shown by %g as "0.167", "0".
double rounded(double v)
{
    return qRound64(v * 1000) / 1000.0;
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

// The settings that differ from the stored lines before.
QStringList changedSince(const QStringList& before, const PrintSettings& s)
{
    QStringList changed = stored(s);
    changed.removeIf([&](const QString& line) { return before.contains(line); });
    return changed;
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
    explicit Sandbox(const QStringList& entries = {}) { put(entries); }
    RecordingSurface printer;
    Loader loader{store, printer};

    PrintSettings loaded()
    {
        PrintSettings settings;
        loader.LoadAll(settings);
        return settings;
    }
};

// What the surface was asked since the last look, under a title.
QString logOf(const QString& title, RecordingSurface& surface)
{
    const QString out = "== " + title + '\n' + surface.log().join('\n') + '\n';
    surface.clearLog();
    return out;
}

} // namespace

class tst_Album : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (int i = 0; i < 7; ++i)
            pictures_ << solidPicture(dir_, QString("p%1.bmp").arg(i), {96 + 48 * i, 96});
        pictures_ << solidPicture(dir_, QStringLiteral("4x1.jpg"), QSize(2000, 500));
    }

    // Grids of tweaked settings (cells w × h, gaps sx, sy, header spacing, printable height H;
    // "n=" pictures, 5 unless given) and their refusals; the surface failing while measuring.
    void layout()
    {
        QString out;
        for (const QString& tweak : testsupport::dataLines("album/layouts.rows")) {
            PrintSettings s = gridSettings();
            float height = 10.5f;
            const int n =
                tweak.contains("n=") ? tweak.section("n=", 1).section(' ', 0, 0).toInt() : 5;
            const QMap<QString, float*> places{
                {"w", &s.PictureMaxWidth},      {"h", &s.PictureMaxHeight},
                {"sx", &s.PictureSpacingX},     {"sy", &s.PictureSpacingY},
                {"spacing", &s.Header.Spacing}, {"H", &height}};
            for (const QString& word : tweak.split(' '))
                if (float* place = places.value(word.section('=', 0, 0)))
                    *place = word.section('=', 1).toFloat();
            s.PrintLabel = tweak.contains("labelled") ? LabelKind::FileName : LabelKind::None;
            if (tweak.contains("bands"))
                s.Header.Style = BandStyle::PageNumber, s.Footer.Style = BandStyle::Text;
            RecordingSurface surface(QSizeF(8, height));
            surface.failAtCall(tweak == "surface fails" ? 2 : -1, "The printer is not ready.");
            const LayoutResult result = ComputePageLayout(s, n, surface);
            out += tweak + ": ";
            if (const auto* failure = std::get_if<LayoutFailure>(&result)) {
                out += QString::asprintf(
                    "problem %d, %s\n", int(failure->problem),
                    qUtf8Printable(QString(failure->message).replace("\r\n", "|")));
                continue;
            }
            const PageLayout& l = std::get<PageLayout>(result);
            out += QString::asprintf("%d x %d = %d, %d pages, offset %g, %g\n", l.ColumnCount,
                                     l.RowCount, l.PicturesPerPage, l.PageCount, rounded(l.OffsetX),
                                     rounded(l.OffsetY));
        }
        QUENBROOK_COMPARE_GOLDEN("album/layouts.txt", out);
    }

    // Pages as the printer and the preview draw them: every call they make on the surface, also
    // past the list, with a view that is no number, and with band codes outside the named ones;
    // the pictures fitted into their cells and the fonts and pen that draw them.
    void drawnPages()
    {
        QString out;
        const auto page = [&](const QString& title, const PrintSettings& grid, int n, qint32 number,
                              PageView view = {}, QSizeF printable = {8, 10.5}, double ppi = 100) {
            RecordingSurface surface(printable, {8.5, 11}, ppi);
            const PageResult result = DrawAlbumPage(surface, grid, layoutOf(grid, n).value(),
                                                    pictures_.mid(0, n), number, view);
            out += logOf(title + ": outcome " + QString::number(int(result.outcome)), surface);
        };
        // 2 × 2 cells of 3.5 × 4 with file names below them, a right-aligned red page number over
        // them and a centred blue footer text under them.
        PrintSettings s = gridSettings();
        s.PictureMaxWidth = 3.5f;
        s.PictureMaxHeight = 4;
        s.PrintLabel = LabelKind::FileName;
        s.FontColor = 0xAA00;
        s.Header = {BandStyle::PageNumber, {}, s.Header.Font, 0xFF, BandAlignment::Right, 0.1f};
        s.Footer = {BandStyle::Text,       "Holiday", s.Footer.Font, 0xFF0000,
                    BandAlignment::Center, 0.1f};
        // The preview of the 8.5 × 11 inch paper at a zoom.
        const auto previewAt = [](float zoom, bool outlines = false) {
            return PageView{zoom, 0.25f * zoom, 0.25f * zoom, outlines, outlines, true};
        };
        page("page 1 of 5", s, 5, 1);
        page("page 2 of 5", s, 5, 2);
        page("page 12, past the list", s, 5, 12);
        page("page 2 of 7 in the preview at 50%", s, 7, 2, previewAt(0.5, true), {4.25, 5.5});
        page("page 0 in the preview", s, 7, 0, previewAt(0.5, true), {4.25, 5.5});
        for (const PageView v : {PageView{0}, {NAN}, {1, INFINITY, 0}, {1, 0, NAN}})
            page(QString::asprintf("zoom %g, margins %g %g", v.ZoomFactor, v.MarginX, v.MarginY), s,
                 5, 1, v);
        PrintSettings codes = gridSettings(); // codes that name no style or alignment
        codes.Header = {BandStyle(5), "Kept", codes.Header.Font, 0, BandAlignment(7), 0.1f};
        codes.Footer.Text = QStringLiteral("Unused");
        page("band codes outside the named ones", codes, 0, 1);
        page("3:2 preview at 50%, 50 ppi", gridSettings(), 2, 1, previewAt(0.5), {4.25, 5.5}, 50);
        pictures_.swapItemsAt(0, 7);
        page("4:1 preview at 100%, 300 ppi", gridSettings(), 1, 1, previewAt(1), {8.5, 11}, 300);
        pictures_.swapItemsAt(0, 7);
        QUENBROOK_COMPARE_GOLDEN("album/drawn-pages.txt", out);
    }

    // Pictures fitted into a 3 × 2 cell keeping their proportions, centred; none for no size.
    void fits()
    {
        QString out;
        for (const QSizeF size :
             {QSizeF(1600, 1200), {300, 200}, {4000, 200}, {0, 100}, {100, 0}}) {
            const PictureFit fit = FitPicture(size.width(), size.height(), gridSettings());
            out += QString::asprintf("fit %g x %g in 3 x 2: %g x %g at %g, %g\n", size.width(),
                                     size.height(), rounded(fit.DrawWidth), rounded(fit.DrawHeight),
                                     rounded(fit.OffsetX), rounded(fit.OffsetY));
        }
        QUENBROOK_COMPARE_GOLDEN("album/fits.txt", out);
    }

    // The header's font is measured, then the footer's and the label's; a font without a name or
    // a usable size keeps those of the one before. The pen keeps the font set attribute by
    // attribute, the colour and the text position, which a line moves to the start of the next;
    // centimetres reach the surface in inches.
    void fontsAndPen()
    {
        RecordingSurface surface(QSizeF(8, 10.5), QSizeF(8.5, 11), 1200);
        PrintSettings fonts = gridSettings();
        fonts.Header.Font = PrintFont{QStringLiteral("Head"), 18, true, false, true, false};
        fonts.Footer.Font = PrintFont{QString(), 0, false, true, false, true};
        fonts.PrintLabel = LabelKind::FileName;
        QVERIFY(std::holds_alternative<PageLayout>(ComputePageLayout(fonts, 3, surface)));
        QString out = logOf("measures", surface);

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
        out += logOf("pen", surface);
        QUENBROOK_COMPARE_GOLDEN("album/fonts-and-pen.txt", out);
    }

    // A job asked to stop abandons its document wherever the stop comes: before a picture, or
    // at the last picture, once that one is drawn; only a stop that never comes lets it be ended.
    void aStoppedJobDeliversNothing()
    {
        const QStringList list = pictures_.mid(0, 3);
        // By the picture the stop comes at, none first: the pictures seen, then those drawn and
        // the documents ended and abandoned.
        const char* const expected[] = {"123 3 1 0", "1 stopped 1 0 1", "12 stopped 2 0 1",
                                        "123 stopped 3 0 1"};
        for (int raisedAt = 0; raisedAt < 4; ++raisedAt) {
            RecordingSurface surface;
            LoadStop stop{false};
            QString seen;
            PrintJobSteps steps;
            steps.stop = &stop;
            steps.chooseRange = [](qint32 pages) { return PageRange{1, pages}; };
            // The picture is drawn all the same: the stop comes while it is.
            steps.progress = [&](qint32, const QString& path) {
                seen += QString::number(list.indexOf(path) + 1);
                stop = list.indexOf(path) + 1 == raisedAt;
                return PictureStep::Draw;
            };
            steps.failed = [&](const QString& message) { seen += " failed " + message; };
            steps.stopped = [&] { seen += " stopped"; };
            PrintPages(list, gridSettings(), surface, steps);
            using K = SurfaceCall::Kind;
            for (const auto kind : {K::Picture, K::EndDoc, K::KillDoc})
                seen += ' ' + QString::number(
                                  std::ranges::count(surface.calls(), kind, &SurfaceCall::kind));
            QCOMPARE(seen, expected[raisedAt]);
        }
    }

    // Labels of real files: the name exactly as the folder holds it; none for a file not there.
    // A case-insensitive mount opens "beach.jpg" as the file its folder holds as "Beach.JPG"; the
    // label then reads as the folder spells it.
    void labels()
    {
        QString out;
        for (const QString entries : {"a.jpg Beach.JPG", "Beach.JPG beach.jpg", "été.JPG",
                                      "beach.jpeg beach.jpg.bak each.jpg", ""}) {
            const QString name = entries.startsWith("été") ? "ÉTÉ.jpg" : "beach.jpg";
            out += "spelling of " + name + " in [" + entries +
                   "]: " + SpellingOnDisk(name, entries.split(' ', Qt::SkipEmptyParts)) + '\n';
        }
        QUENBROOK_COMPARE_GOLDEN("album/spelling.txt", out);

        const QString file = testsupport::savedFile(dir_.path(), "Été 2024.Bmp", {});
        QCOMPARE(LabelText(LabelKind::FileName, file), "Été 2024.Bmp");
        QCOMPARE(LabelText(LabelKind::FileName, dir_.filePath("été 2024.bmp")), QString());
        QCOMPARE(LabelText(LabelKind::FileName, dir_.path()), QString());
        QVERIFY(QFile::copy(file, dir_.filePath(".hidden.jpg")));
        QCOMPARE(LabelText(LabelKind::FileName, dir_.filePath(".hidden.jpg")), QString());
        QCOMPARE(LabelText(LabelKind::FilePathName, dir_.filePath("B.jpg")),
                 dir_.filePath("B.jpg"));
    }

    // Pictures decoded ahead and the one taken stay within one budget, whatever the workers.
    void picturesAheadShareOneBudget()
    {
        const QStringList list(6, pictures_[1]);
        const qint64 each = PictureLoader::heldBytes(pictures_[1]);

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

    // The store as the loader reads it, and reloads after changes.
    // An empty store: the defaults, with the printer's font; reading writes nothing, and each
    // font group discards the document the printer may have opened. A reload keeps what the record
    // held for a word that names nothing.
    void storeReadings()
    {
        Sandbox box({AlbumSettings::Footer.Font.Name.Key + '='}); // an empty name is no name
        box.printer.setDefaultFont(PrintFont{"Sans", 10, false, true});
        QUENBROOK_COMPARE_GOLDEN("album/defaults.txt", stored(box.loaded()).join('\n'));
        QVERIFY(box.loader.written.isEmpty());
        QCOMPARE(box.printer.abandonedDocuments(), 3);

        box.put({"PrintLabel=filename"});
        PrintSettings reloaded;
        box.loader.ReloadLabelGroup(reloaded);
        QCOMPARE(reloaded.PrintLabel, LabelKind::FileName);

        // Stored texts as read, and as they would be stored again: words compare exactly, and
        // PrintLabel keeps its value for other words; booleans are True or False in any case, or a
        // number, else the default; colours and codes the nearest integer, ties to even, 32 bits or
        // the default, codes that name no alignment or style kept; font sizes to four decimals,
        // lengths in single precision, infinite gives the default.
        QString out;
        // A value with blanks around it is kept here: a data file would lose the trailing one.
        for (const auto& entry :
             testsupport::dataLines("album/readings.rows") + QStringList{"FontBold= True "}) {
            const QString key = entry.section('=', 0, 0) + '=';
            out += entry + " -> " + stored(Sandbox({entry}).loaded()).filter(key).value(0) + '\n';
        }
        QUENBROOK_COMPARE_GOLDEN("album/readings.txt", out);

        // After another printer was chosen and every group changed in the store, a reload takes the
        // printer's font of the moment and only its own group: label, header, footer, distances.
        out.clear();
        for (int group = 0; group < 4; ++group) {
            Sandbox box({"HeaderFontName=Courier", "HeaderFontItalic=True"});
            PrintSettings s = box.loaded();
            const QStringList before = stored(s);
            box.printer.setDefaultFont(PrintFont{"Printer Font", 8, true});
            box.put({"FontColor=255", "HeaderText=Holiday", "FooterSpacing=0.5",
                     "PictureSpacingY=0.3", "Scale=CM", "Center=False"});
            const std::function<void()> reloads[] = {
                [&] { box.loader.ReloadLabelGroup(s); },
                [&] { s.Header = box.loader.ReadBand(AlbumSettings::Header); },
                [&] { s.Footer = box.loader.ReadBand(AlbumSettings::Footer); },
                [&] { box.loader.ReloadPictureDistances(s); }};
            reloads[group]();
            out +=
                QStringLiteral("group %1: %2\n").arg(group).arg(changedSince(before, s).join(' '));
        }
        // The unit switch converts the seven lengths and writes them, then the unit; only the
        // unit when it stays. A length beyond single precision: the store keeps the record's.
        Sandbox units;
        PrintSettings s = units.loaded();
        for (const auto unit : {PrintUnit::Centimetre, PrintUnit::Centimetre, PrintUnit::Inch}) {
            const QStringList before = stored(s);
            units.loader.SetUnit(s, unit);
            const QStringList changed = changedSince(before, s);
            out += "unit: " + changed.join(' ') + "; written: " + units.loader.written.join(' ') +
                   '\n';
            for (const QString& line : changed)
                QCOMPARE(units.get(line.section('=', 0, 0)), line.section('=', 1));
            units.loader.written.clear();
        }
        units.put({"PictureMaxWidth=3E38"});
        units.loader.ReloadPictureDistances(s);
        units.loader.SetUnit(s, PrintUnit::Centimetre);
        QCOMPARE(units.loaded().PictureMaxWidth, s.PictureMaxWidth);
        QUENBROOK_COMPARE_GOLDEN("album/settings-changes.txt", out);
    }

private:
    QTemporaryDir dir_;
    // p0.bmp to p6.bmp, (96 + 48 i) × 96 pixels: 2540 + 1270 i HIMETRIC wide; then a JPEG.
    QStringList pictures_;
};

QUENBROOK_TEST(tst_Album)
#include "tst_album.moc"
