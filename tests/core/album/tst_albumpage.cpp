#include "core/album/AlbumPage.h"
#include "core/album/PicturesAhead.h"
#include "support/AlbumFixtures.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace albumtest;

namespace {

using Kind = SurfaceCall::Kind;

// What reached the surface, in order, lengths to 1/1000:
// "text 1 in Header 18 #ff at 7.875,0", "picture 2540 at 0.4,1.1 size 3.5x3.5" (natural width),
// "outline #ff 0.325,0.55 to 2.075,2.55", "clear".
QStringList marks(const RecordingSurface& surface)
{
    QStringList out;
    for (const SurfaceCall& c : surface.calls()) {
        const QString at = rounded(c.rect.left()) + ',' + rounded(c.rect.top());
        if (c.kind == Kind::Text)
            out << QStringLiteral("text %1 in %2 %3 #%4 at %5%6")
                       .arg(c.text, c.font.Name, rounded(c.font.Size), QString::number(c.color, 16),
                            at, c.transparent ? "" : " opaque");
        else if (c.kind == Kind::Picture)
            out << QStringLiteral("picture %1 at %2 size %3x%4")
                       .arg(QString::number(c.natural.width()), at, rounded(c.rect.width()),
                            rounded(c.rect.height()));
        else if (c.kind == Kind::Outline)
            out << QStringLiteral("outline #%1 %2 to %3,%4")
                       .arg(QString::number(qint64(c.value), 16), at, rounded(c.rect.right()),
                            rounded(c.rect.bottom()));
        else if (c.kind == Kind::Clear)
            out << QStringLiteral("clear");
    }
    return out;
}

// 2 × 2 cells of 3.5 × 4 at x 0.4, 4.1 and y 0.85, 5.35 with file names 0.1 below them, a
// right-aligned red page number over them and a centred blue footer text under them.
PrintSettings albumSettings()
{
    PrintSettings s = gridSettings();
    s.PictureMaxWidth = 3.5f;
    s.PictureMaxHeight = 4;
    s.PrintLabel = LabelKind::FileName;
    s.FontColor = 0xAA00;
    s.Header.Style = BandStyle::PageNumber;
    s.Header.FontColor = 0xFF;
    s.Header.Alignment = BandAlignment::Right;
    s.Footer.Style = BandStyle::Text;
    s.Footer.Text = QStringLiteral("Holiday");
    s.Footer.FontColor = 0xFF0000;
    s.Footer.Alignment = BandAlignment::Center;
    return s;
}

// The preview of the 8.5 × 11 inch paper at a zoom.
PageView previewAt(float zoom)
{
    return PageView{zoom, 0.25f * zoom, 0.25f * zoom, false, false, true};
}

} // namespace

class tst_AlbumPage : public QObject
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

    void pages_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<qint32>("page");
        QTest::addColumn<float>("zoom"); // of the preview, with outlines; 0 on paper
        QTest::addColumn<QStringList>("drawn");

        const QString footer = "text Holiday in Footer 18 #ff0000 at 3.563,10.25";
        const QStringList first = {"text 1 in Header 18 #ff at 7.875,0",
                                   footer,
                                   "picture 2540 at 0.4,1.1 size 3.5x3.5",
                                   "text p0.bmp in Label 14.4 #aa00 at 0.4,4.95",
                                   "picture 3810 at 4.1,1.683 size 3.5x2.333",
                                   "text p1.bmp in Label 14.4 #aa00 at 4.1,4.95",
                                   "picture 5080 at 0.4,6.475 size 3.5x1.75",
                                   "text p2.bmp in Label 14.4 #aa00 at 0.4,9.45",
                                   "picture 6350 at 4.1,6.65 size 3.5x1.4",
                                   "text p3.bmp in Label 14.4 #aa00 at 4.1,9.45"};
        QTest::newRow("5 pictures, page 1") << 5 << 1 << 0.f << first;
        QTest::newRow("5 pictures, page 2")
            << 5 << 2 << 0.f
            << QStringList{"text 2 in Header 18 #ff at 7.875,0", footer,
                           "picture 7620 at 0.4,2.267 size 3.5x1.167",
                           "text p4.bmp in Label 14.4 #aa00 at 0.4,4.95"};
        // The page number ends at the right edge.
        QTest::newRow("page 12, past the list")
            << 5 << 12 << 0.f << QStringList{"text 12 in Header 18 #ff at 7.75,0", footer};
        // Blue around the printable area, red around the filled cells; band texts placed by their
        // width at full size and written at half size.
        const QStringList last = {"clear",
                                  "outline #ff0000 0.125,0.125 to 4.125,5.375",
                                  "text 2 in Header 9 #ff at 4.063,0.125",
                                  "text Holiday in Footer 9 #ff0000 at 1.906,5.25",
                                  "picture 7620 at 0.325,1.258 size 1.75x0.583",
                                  "text p4.bmp in Label 7.2 #aa00 at 0.325,2.6",
                                  "outline #ff 0.325,0.55 to 2.075,2.55",
                                  "picture 8890 at 2.175,1.3 size 1.75x0.5",
                                  "text p5.bmp in Label 7.2 #aa00 at 2.175,2.6",
                                  "outline #ff 2.175,0.55 to 3.925,2.55",
                                  "picture 10160 at 0.325,3.581 size 1.75x0.438",
                                  "text p6.bmp in Label 7.2 #aa00 at 0.325,4.85",
                                  "outline #ff 0.325,2.8 to 2.075,4.8"};
        QTest::newRow("last page of 7 at 50%") << 7 << 2 << 0.5f << last;
        QTest::newRow("page 0 at 50%")
            << 7 << 0 << 0.5f << QStringList{"clear", "outline #ff0000 0.125,0.125 to 4.125,5.375"};
    }

    void pages()
    {
        QFETCH(int, n);
        QFETCH(qint32, page);
        QFETCH(float, zoom);
        QFETCH(QStringList, drawn);

        const PrintSettings s = albumSettings();
        RecordingSurface surface(zoom > 0 ? QSizeF(8.5, 11) * zoom : QSizeF(8, 10.5));
        PageView view;
        if (zoom > 0) {
            view = previewAt(zoom);
            view.showPrintableArea = view.showPictureArea = true;
        }
        QCOMPARE(DrawAlbumPage(surface, s, layoutOf(s, n).value(), pictures_.mid(0, n), page, view)
                     .outcome,
                 PageOutcome::Drawn);
        QCOMPARE(marks(surface), drawn);
    }

    // Codes kept from the store that name no style or alignment: the text is written, where the
    // text position already was (the start of the line); a footer of style None writes nothing.
    void bandCodesOutsideTheNamedOnes()
    {
        PrintSettings s = gridSettings();
        s.Header.Style = BandStyle(5);
        s.Header.Text = QStringLiteral("Kept");
        s.Header.Alignment = BandAlignment(7);
        s.Footer.Text = QStringLiteral("Unused");
        RecordingSurface surface;
        const PageLayout layout = layoutOf(s, 0).value();
        QCOMPARE(DrawAlbumPage(surface, s, layout, {}, 1, PageView()).outcome, PageOutcome::Drawn);
        QCOMPARE(marks(surface), QStringList{"text Kept in Header 18 #0 at 0,0"});
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
        const auto label = [&](const QString& name, LabelKind kind = LabelKind::FileName) {
            return LabelText(kind, dir.filePath(name));
        };
        QCOMPARE(label("Beach.JPG"), QString("Beach.JPG"));
        QCOMPARE(label("beach.jpg"), QString("beach.jpg"));
        QCOMPARE(label("Été 2024.Bmp"), QString("Été 2024.Bmp"));
        QCOMPARE(label("BEACH.jpg"), QString()); // no such file here
        QCOMPARE(label(".hidden.jpg"), QString());
        QCOMPARE(label("folder.jpg"), QString());
        QCOMPARE(LabelText(LabelKind::FileName, QString()), QString());
        QCOMPARE(label("BEACH.jpg", LabelKind::FilePathName), dir.filePath("BEACH.jpg"));
        QCOMPARE(label("Beach.JPG", LabelKind::None), QString());
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
            const PictureResult taken = ahead.take(i, list[i]);
            QVERIFY(std::holds_alternative<Picture>(taken));
            QCOMPARE(ahead.waiting(), int(std::min<qint64>(1, 5 - i)));
        }

        PicturesAhead roomy(list, 0, 5, QSize(), 4, nullptr, 100 * each);
        QCOMPARE(roomy.waiting(), 4);

        // A picture beyond the budget is still decoded, while nothing else is held.
        PicturesAhead tight(list, 0, 5, QSize(), 4, nullptr, each / 2);
        QCOMPARE(tight.waiting(), 1);
        for (qint64 i = 0; i < 2; ++i) {
            const PictureResult taken = tight.take(i, list[i]);
            QVERIFY(std::holds_alternative<Picture>(taken));
            QCOMPARE(tight.waiting(), 0);
        }
    }

    void preview_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("pixelsPerInch");
        QTest::addColumn<float>("zoom");
        QTest::addColumn<QString>("drawn");

        // The cell at (0.9, 0.95), 3 × 2, after margins of 0.25 × zoom.
        QTest::newRow("3:2 at 50%")
            << "p1.bmp" << 50. << 0.5f << "picture 3810 at 0.575,0.6 size 1.5x1";
        QTest::newRow("4:1 at 300 dpi")
            << "4x1.jpg" << 300. << 1.f << "picture 52917 at 1.15,1.825 size 3x0.75";
    }

    void preview()
    {
        QFETCH(QString, name);
        QFETCH(double, pixelsPerInch);
        QFETCH(float, zoom);
        QFETCH(QString, drawn);

        const PrintSettings s = gridSettings();
        RecordingSurface preview(QSizeF(8.5 * zoom, 11 * zoom), QSizeF(8.5, 11), pixelsPerInch);
        QCOMPARE(DrawAlbumPage(preview, s, layoutOf(s, 1).value(), {dir_.filePath(name)}, 1,
                               previewAt(zoom))
                     .outcome,
                 PageOutcome::Drawn);
        QCOMPARE(marks(preview), (QStringList{"clear", drawn}));
        // Decoded at the drawn size for the surface's density.
        const SurfaceCall picture = preview.callsOf(Kind::Picture).value(0);
        QCOMPARE(picture.decoded, (picture.rect.size() * pixelsPerInch).toSize());
    }

    void endsEarly_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::newRow("second file deleted") << true;
        QTest::newRow("hook stops at the second picture") << false;
    }

    void endsEarly()
    {
        QFETCH(bool, deleted);

        QStringList list = pictures_.mid(0, 4);
        if (deleted) {
            list[1] = solidPicture(dir_, QStringLiteral("gone.bmp"), QSize(8, 8));
            QVERIFY(QFile::remove(list[1]));
        }
        const PrintSettings s = albumSettings();
        RecordingSurface printer;
        const auto hook = [&](qint32 page, qint64 index, const QString& path) {
            return page == 1 && index == 1 && path == list[1] ? PictureStep::Stop
                                                              : PictureStep::Draw;
        };
        const PageResult result =
            DrawAlbumPage(printer, s, layoutOf(s, 4).value(), list, 1, PageView(), hook);
        QCOMPARE(result.outcome, deleted ? PageOutcome::Failed : PageOutcome::Stopped);
        QCOMPARE(result.message.contains("gone.bmp"), deleted);
        // Header, footer, the first picture and its label; nothing after.
        QCOMPARE(marks(printer).size(), 4);
    }

private:
    QTemporaryDir dir_;
    // p0.bmp to p6.bmp, (96 + 48 i) × 96 pixels: 2540 + 1270 i HIMETRIC wide; then a JPEG.
    QStringList pictures_;
};

QTEST_GUILESS_MAIN(tst_AlbumPage)
#include "tst_albumpage.moc"
