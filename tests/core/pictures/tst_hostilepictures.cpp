#include "core/pictures/DecodeLimits.h"
#include "core/pictures/MetafileToSvg.h"
#include "core/pictures/PictureLoader.h"
#include "core/pictures/SvgBounds.h"
#include "support/PictureBytes.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <climits>
#include <cstring>
#include <memory>

using namespace quenbrook;
using namespace picturetest;

namespace {

// ---- Bitmaps ----

// Black, red; and for 4-bit pictures the same again up to 16 entries.
QByteArray palette(int entries)
{
    QByteArray p;
    for (int i = 0; i < entries; ++i)
        le(p, 4, {i % 2 ? 0x00ff0000 : 0});
    return p;
}

QByteArray rle8(int w, int h, const QByteArray& codes)
{
    return bmp(w, h, 8, 1, palette(2), codes);
}

QByteArray codes(std::initializer_list<int> bytes)
{
    QByteArray b;
    for (int v : bytes)
        b.append(char(v));
    return b;
}

// A StretchDib record drawing the bitmap over a 2 × 1.5 inch placeable metafile.
QByteArray wmfBitmap(int w, int h, const QByteArray& dib, int copies = 1)
{
    const QByteArray padded = dib.size() % 2 ? dib + '\0' : dib;
    const QByteArray record =
        wmfRecord(0x0F43, {0x20, 0xCC, 0, h, w, 0, 0, 2160, 2880, 0, 0}, padded);
    return wmf(wmfWindow(0, 0, 2880, 2160) + record.repeated(copies), {0, 0, 2880, 2160, 1440});
}

QByteArray rleDib(int w, int h, const QByteArray& codes)
{
    return bitmapInfo(w, h, 8, 1, codes.size(), 2) + palette(2) + codes;
}

// A StretchDIBits record drawing the bitmap (info with palette, then pixels); infoAt is where
// the record says the info is.
QByteArray emfBitmap(int w, int h, const QByteArray& info, const QByteArray& pixels,
                     qint64 infoAt = 80)
{
    QByteArray padded = pixels;
    while (padded.size() % 4)
        padded += '\0';
    QByteArray r;
    le(r, 4,
       {81,
        80 + info.size() + padded.size(),
        0,
        0,
        100,
        100,
        0,
        0,
        0,
        0,
        w,
        h,
        infoAt,
        info.size(),
        80 + info.size(),
        padded.size(),
        0,
        0x00CC0020,
        100,
        100});
    return emf(r + info + padded, {0, 0, 100, 100}, {0, 0, 2540, 2540});
}

// ---- GIF, JPEG, icons ----

// Two colours; the picture's LZW data codes one pixel, then ends.
QByteArray gif(int screenW, int screenH, int frameW, int frameH)
{
    QByteArray g("GIF89a");
    le(g, 2, {screenW, screenH});
    g += codes({0x80, 0, 0, 0, 0, 0, 0xff, 0, 0, ','});
    le(g, 2, {0, 0, frameW, frameH});
    return g + codes({0, 2, 2, 0x44, 0x01, 0, ';'});
}

QByteArray jpegSegment(int marker, const QByteArray& payload)
{
    QByteArray s;
    be(s, 1, {0xFF, marker});
    be(s, 2, {payload.size() + 2});
    return s + payload;
}

// A JPEG with frame marker sof, w × h, `components` sampled 1 × 1, whose first scan covers
// firstScan components and whose moreScans further scans refine the first; no scan carries
// more than two bytes of data.
QByteArray jpeg(int sof, int w, int h, int components, int firstScan, int moreScans = 0)
{
    QByteArray out = codes({0xFF, 0xD8}) + jpegSegment(0xDB, QByteArray(1, 0) + QByteArray(64, 1));
    QByteArray frame;
    be(frame, 1, {8});
    be(frame, 2, {h, w});
    be(frame, 1, {components});
    for (int i = 0; i < components; ++i)
        be(frame, 1, {i + 1, 0x11, 0});
    out += jpegSegment(sof, frame);
    const QByteArray oneCode = codes({1}) + QByteArray(15, 0) + codes({0});
    out += jpegSegment(0xC4, codes({0x00}) + oneCode) + jpegSegment(0xC4, codes({0x10}) + oneCode);
    QByteArray scan;
    be(scan, 1, {firstScan});
    for (int i = 0; i < firstScan; ++i)
        be(scan, 1, {i + 1, 0});
    be(scan, 1, {0, sof == 0xC2 ? 0 : 63, 0});
    out += jpegSegment(0xDA, scan) + QByteArray(2, 0);
    for (int i = 0; i < moreScans; ++i)
        out += jpegSegment(0xDA, codes({1, 1, 0, 1, 63, 0})) + QByteArray(2, 0);
    return out + codes({0xFF, 0xD9});
}

QByteArray icon(int type, const QList<QByteArray>& images)
{
    QByteArray dir, data;
    le(dir, 2, {0, type, images.size()});
    for (const QByteArray& image : images) {
        le(dir, 4, {0});
        le(dir, 2, {1, 32});
        le(dir, 4, {image.size(), 6 + 16 * images.size() + data.size()});
        data += image;
    }
    return dir + data;
}

QByteArray pngHeader(qint64 w, qint64 h)
{
    QByteArray p = codes({0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'});
    be(p, 4, {13});
    p += "IHDR";
    be(p, 4, {w, h});
    return p + codes({8, 6, 0, 0, 0, 0, 0, 0, 0});
}

// A polyline of 16-bit points, all alike.
QByteArray emfPolyline16(qint64 points, const QByteArray& point = QByteArray(4, '\x01'))
{
    QByteArray r;
    le(r, 4, {87, 28 + 4 * points, 0, 0, 100, 100, points});
    return r + point.repeated(points);
}

// A wide pen, stretched by the mapping, along a polyline reaching a million frames out.
QByteArray stretchedPen()
{
    QByteArray points;
    for (int i = 0; i < 100; ++i)
        le(points, 2, {i % 2 ? 1000 : -1000, i % 3 ? -1000 : 1000});
    const QByteArray records = emfRecord(17, {8}) + emfRecord(9, {1, 1}) +
                               emfRecord(11, {1000000, 1000000}) +
                               emfRecord(38, {1, 0, 30000, 30000, 0xff}) + emfRecord(37, {1});
    QByteArray polyline;
    le(polyline, 4, {87, 28 + points.size(), 0, 0, 100, 100, 100});
    return emf(records + polyline + points, {0, 0, 100, 100}, {0, 0, 2540, 2540});
}

QByteArray withU32(QByteArray b, int at, quint32 value)
{
    QByteArray v;
    le(v, 4, {value});
    return b.replace(at, 4, v);
}

// ---- Looking at what was loaded ----

constexpr QRgb Canvas = qRgb(0, 255, 0);
// Loaded for a slot of this size, as the album does: a JPEG is then decoded at a fraction of its
// size, so only what its decoder holds besides the output can make it too large.
constexpr QSize Slot(200, 150);

// A raster picture at its own pixels, a drawing at 64 × 48, over a green canvas.
QImage drawn(const Picture& picture)
{
    const QSize size = picture.isVector() ? QSize(64, 48) : picture.decodedPixelSize();
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Canvas);
    QPainter painter(&image);
    picture.paint(painter, QRectF(QPointF(), size));
    return image;
}

// Leaves freed blocks of the sizes a decoder of such a picture allocates full of a pattern, so
// that pixels it fails to set show up as different from one load to the next.
void scribbleOnFreedMemory(QSize size)
{
    const qsizetype pixels = qsizetype(size.width()) * size.height();
    for (qsizetype bytes : {pixels, pixels * 4, pixels * 8}) {
        const std::unique_ptr<char[]> block(new char[size_t(bytes)]);
        std::memset(block.get(), 0xA5, size_t(bytes));
    }
}

} // namespace

class tst_HostilePictures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // A picture that gets past the checks and allocates gigabytes fails here at once,
        // instead of taking the machine's memory.
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_AS, &limit) == 0);
        limit.rlim_cur = std::min<rlim_t>(limit.rlim_cur, rlim_t(4) << 30);
        QVERIFY(setrlimit(RLIMIT_AS, &limit) == 0);
    }

    void refusedOrSteady_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // empty: must load, the same each time

        const auto row = [](const char* file, const QByteArray& bytes, const char* reason = "") {
            QTest::newRow(file) << QString::fromUtf8(file) << bytes << QString::fromUtf8(reason);
        };
        const char* tooLarge = "picture too large";

        const QByteArray plain = bmp(16, 16, 24, 0, {}, QByteArray(16 * 48, '\x40'));
        row("cut.bmp", plain.left(300), "not a readable bitmap");
        row("lying-offset.bmp", withU32(plain, 10, 0x7ffffff0), "not a readable bitmap");
        row("top-down-int-min.bmp", bmp(1, INT_MIN, 24, 0, {}, QByteArray(64, 0)),
            "picture too large (1 × 2147483648 pixels)");
        row("overflowing.bmp", bmp(INT_MAX, INT_MAX, 32, 0, {}, QByteArray(64, 0)),
            "picture too large (2147483647 × 2147483647 pixels)");
        row("rle-wrong-depth.bmp", bmp(8, 8, 4, 1, palette(2), codes({8, 1, 0, 1})),
            "not a readable bitmap");
        row("rle-early-end.bmp", rle8(64, 64, codes({64, 1, 0, 1})));
        row("rle4-move.bmp",
            bmp(64, 64, 4, 2, palette(16), codes({10, 0x01, 0, 2, 5, 5, 0, 4, 0x10, 0x10, 0, 1})));

        row("early-end.rle", rle8(64, 64, codes({64, 1, 0, 1})));
        row("move.rle", rle8(64, 64, codes({10, 1, 0, 2, 20, 30, 10, 1, 0, 1})));
        row("short-lines.rle", rle8(64, 2, codes({5, 1, 0, 0, 5, 1, 0, 0, 0, 1})));
        row("cut.rle", rle8(64, 64, codes({10, 1, 0, 0})), "not a readable run-length bitmap");
        row("cut-absolute.rle", rle8(64, 64, codes({0, 200, 1, 1, 1, 1})),
            "not a readable run-length bitmap");
        row("huge.rle", rle8(100000, 100000, codes({0, 1})),
            "picture too large (100000 × 100000 pixels)");

        const QByteArray gaps = wmfBitmap(16, 16, rleDib(16, 16, codes({4, 1, 0, 1})));
        row("gaps.wmf", gaps);
        row("cut.wmf", gaps.chopped(10), "not a readable Windows metafile");
        row("huge-bitmap.wmf", wmfBitmap(8192, 8192, rleDib(8192, 8192, codes({0, 1}))),
            "picture too large (a bitmap of 8192 × 8192 pixels)");
        row("many-bitmaps.wmf", wmfBitmap(2048, 2048, rleDib(2048, 2048, codes({0, 1})), 5),
            "picture too large (bitmaps of over 16 million pixels in all)");
        row("lying-bitmap.wmf",
            wmfBitmap(1000, 1000, bitmapInfo(1000, 1000, 24, 0, 0, 0) + QByteArray(64, 0)),
            "not a readable Windows metafile (damaged bitmap)");

        const QByteArray small =
            emfBitmap(4, 4, bitmapInfo(4, 4, 8, 0, 16, 2) + palette(2), QByteArray(16, '\x01'));
        row("small-bitmap.emf", small);
        row("cut.emf", small.chopped(20), "not a readable enhanced metafile (cut short)");
        row("huge-bitmap.emf",
            emfBitmap(30000, 30000, bitmapInfo(30000, 30000, 24, 0, 64, 0), QByteArray(64, 0)),
            "picture too large (a bitmap of 30000 × 30000 pixels)");
        row("bitmap-outside.emf",
            emfBitmap(4, 4, bitmapInfo(4, 4, 8, 0, 16, 2) + palette(2), QByteArray(16, 0), 4000),
            "not a readable enhanced metafile (damaged bitmap)");

        // Floods that the converters would take minutes or gigabytes over.
        const auto placed = [](const QByteArray& records) {
            return wmf(wmfWindow(0, 0, 2880, 2160) + records, {0, 0, 2880, 2160, 1440});
        };
        const QByteArray save = wmfRecord(0x001E, {});
        row("saved-states.wmf", placed(save.repeated(1001)),
            "picture too large (over 1000 nested saved states)");
        // libwmf takes back one state whatever RestoreDC asks.
        row("restored-by-two.wmf",
            placed((save + save + wmfRecord(0x0127, {0xFFFE})).repeated(1001)),
            "over 1000 nested saved states");
        row("saved-and-restored.wmf", placed((save + wmfRecord(0x0127, {0xFFFF})).repeated(2000)));
        row("records.wmf", placed(wmfRecord(0x0102, {1}).repeated(50001)),
            "picture too large (over 50000 records)");
        row("objects.wmf",
            placed((wmfRecord(0x02FC, {0, 0, 0, 0}) + wmfRecord(0x01F0, {0})).repeated(20001)),
            "picture too large (over 20000 drawing objects)");
        row("points.wmf",
            placed(wmfRecord(0x0325, {30000}, QByteArray(120000, '\x01')).repeated(7)),
            "picture too large (over 200000 points)");

        const auto drawnEmf = [](const QByteArray& records) {
            return emf(records, {0, 0, 100, 100}, {0, 0, 2540, 2540});
        };
        row("saved-states.emf", drawnEmf(emfRecord(33, {}).repeated(1001)),
            "picture too large (over 1000 nested saved states)");
        row("records.emf", drawnEmf(emfRecord(18, {1}).repeated(50001)),
            "picture too large (over 50000 records)");
        row("objects.emf",
            drawnEmf((emfRecord(39, {1, 0, 0, 0}) + emfRecord(40, {1})).repeated(20001)),
            "picture too large (over 20000 drawing objects)");
        row("points.emf", drawnEmf(emfPolyline16(200001)),
            "picture too large (over 200000 points)");
        row("stretched-pen.emf", stretchedPen());

        row("short-data.gif", gif(2, 2, 2, 2));
        row("cut.gif", gif(2, 2, 2, 2).left(20), "not a readable GIF picture");
        row("huge-screen.gif", gif(65535, 65535, 1, 1), "picture too large (65535 × 65535 pixels)");
        row("huge-frame.gif", gif(1, 1, 65535, 65535), "picture too large (65535 × 65535 pixels)");

        row("empty-progressive.jpg", jpeg(0xC2, 16, 16, 3, 3));
        row("progressive.jpg", jpeg(0xC2, 30000, 30000, 3, 1),
            "picture too large (30000 × 30000 pixels)");
        // A first scan of one component of three keeps the whole picture's coefficients too.
        row("one-component-first.jpg", jpeg(0xC0, 30000, 30000, 3, 1), tooLarge);
        row("many-scans.jpg", jpeg(0xC2, 4000, 4000, 1, 1, 2000),
            "picture too large (4000 × 4000 pixels)");
        row("vast-baseline.jpg", jpeg(0xC0, 65000, 65000, 3, 3), tooLarge);
        row("no-height.jpg", jpeg(0xC0, 16, 0, 1, 1), "not a readable JPEG picture");
        row("no-end.jpg", jpeg(0xC0, 16, 16, 1, 1).chopped(2), "not a readable JPEG picture");
        // The decoder would keep every comment, each with its own bookkeeping.
        row("comments.jpg",
            codes({0xFF, 0xD8}) + codes({0xFF, 0xFE, 0, 2}).repeated(300000) +
                jpeg(0xC0, 16, 16, 1, 1).mid(2),
            "picture too large (18 MB of comments and other notes)");

        const QByteArray hugeBitmap = bitmapInfo(30000, 60000, 32, 0, 0, 0) + QByteArray(64, 0);
        row("huge.ico", icon(1, {hugeBitmap}), "picture too large (30000 × 30000 pixels)");
        row("huge.cur", icon(2, {hugeBitmap}), "picture too large (30000 × 30000 pixels)");
        row("huge-png.ico", icon(1, {pngHeader(40000, 40000)}),
            "picture too large (40000 × 40000 pixels)");
        // Decoded by the PNG reader, then converted: two pictures at once.
        row("png-6000.ico", icon(1, {pngHeader(6000, 6000)}),
            "picture too large (6000 × 6000 pixels)");
        row("outside.cur", withU32(icon(2, {hugeBitmap}), 18, 0x10000), "not a readable cursor");
        row("no-images.ico", icon(1, {}), "not a readable icon");
    }

    void refusedOrSteady()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);

        const QString path = write(file, bytes);
        PictureResult first = PictureLoader::load(path, Slot);
        if (!reason.isEmpty()) {
            QVERIFY2(std::holds_alternative<PictureError>(first), "loaded as a picture");
            const QString message = std::get<PictureError>(first).message;
            QVERIFY2(message.startsWith(file + QStringLiteral(": ")) && message.contains(reason),
                     qPrintable(message));
            return;
        }
        if (const auto* error = std::get_if<PictureError>(&first))
            QFAIL(qPrintable(error->message));
        const QImage once = drawn(std::get<Picture>(first));
        first = PictureError{};
        scribbleOnFreedMemory(once.size());
        const PictureResult second = PictureLoader::load(path, Slot);
        QVERIFY(std::holds_alternative<Picture>(second));
        QVERIFY2(drawn(std::get<Picture>(second)) == once, "drawn differently the second time");
    }

    // Refused by their size, without their bytes being read or mapped (the address space is
    // limited to 4 GiB here).
    void filesBeyondTheLimit_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("reason");
        QTest::newRow("jpg") << "sparse.jpg" << jpeg(0xC0, 16, 16, 1, 1) << (qint64(8) << 30)
                             << "picture too large (a file of 8192 MB)";
        QTest::newRow("bmp") << "sparse.bmp" << bmp(16, 16, 24, 0, {}, QByteArray(16 * 48, 0))
                             << MaxPictureFileBytes + 1 << "picture too large (a file of 256 MB)";
        QTest::newRow("wmf") << "sparse.wmf"
                             << wmf(wmfWindow(0, 0, 100, 100), {0, 0, 100, 100, 1440})
                             << MetafileToSvg::MaxFileBytes + 1
                             << "picture too large (a file of 16 MB)";
    }
    void filesBeyondTheLimit()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, start);
        QFETCH(qint64, size);
        QFETCH(QString, reason);
        QFile sparse(write(file, start));
        QVERIFY(sparse.resize(size));
        const PictureResult loaded = PictureLoader::load(sparse.fileName(), Slot);
        QVERIFY(std::holds_alternative<PictureError>(loaded));
        QCOMPARE(std::get<PictureError>(loaded).message, file + ": " + reason);
    }

    // Ink far outside the frame is pulled in, so that painting it costs no more than the frame.
    void drawingKeptNearItsFrame_data()
    {
        QTest::addColumn<QByteArray>("svg");
        QTest::addColumn<QByteArray>("kept"); // empty: refused
        const QByteArray start = "<svg viewBox=\"0 0 100 100\">";
        QTest::newRow("far line") << start + "<path d=\"M 0,0 L 1e9,-5.5e7 20,30\"/></svg>"
                                  << start +
                                         "<path d=\"M 0,0 L 6500.0000,-6500.0000 20,30\"/></svg>";
        QTest::newRow("colours, names and pictures untouched")
            << start + "<path id=\"p9999999\" fill=\"#9999999\" stroke=\"rgb(99999,0,0)\" "
                       "xlink:href=\"data:image/png;base64,99999999\"/>text 99999999</svg>"
            << start + "<path id=\"p9999999\" fill=\"#9999999\" stroke=\"rgb(99999,0,0)\" "
                       "xlink:href=\"data:image/png;base64,99999999\"/>text 99999999</svg>";
        QTest::newRow("wide line")
            << start + "<path style=\"stroke-width:90000\" d=\"M 1 1\"/></svg>"
            << start + "<path style=\"stroke-width:6500.0000\" d=\"M 1 1\"/></svg>";
        QTest::newRow("inside a scaled group")
            << start + "<g transform=\"scale(5 5)\"><path d=\"M 9000 2\"/></g><path d=\"M 9000 "
                       "2\"/></svg>"
            << start + "<g transform=\"scale(5 5)\"><path d=\"M 650.0000 2\"/></g>"
                       "<path d=\"M 6500.0000 2\"/></svg>";
        QTest::newRow("stretched group")
            << start + "<g transform=\"matrix(2000 0 0 2000 0 0)\"><path d=\"M 1 1\"/></g></svg>"
            << QByteArray();
    }
    void drawingKeptNearItsFrame()
    {
        QFETCH(QByteArray, svg);
        QFETCH(QByteArray, kept);
        const auto failure = MetafileToSvg::keepNearFrame(svg, QRectF(0, 0, 100, 100));
        QCOMPARE(failure.has_value(), kept.isEmpty());
        if (!kept.isEmpty())
            QCOMPARE(svg, kept);
    }

    // The stretched pen of a converted metafile ends up near the frame.
    void convertedDrawingNearItsFrame()
    {
        const auto converted = MetafileToSvg::emfToSvg(stretchedPen());
        QVERIFY(std::holds_alternative<MetafileToSvg::Converted>(converted));
        const QString svg = QString::fromUtf8(std::get<MetafileToSvg::Converted>(converted).svg);
        const QString path =
            QRegularExpression(QStringLiteral("<path d=\"([^\"]*)\"")).match(svg).captured(1);
        QVERIFY2(path.size() > 100, qPrintable(svg));
        double farthest = 0;
        static const QRegularExpression number(QStringLiteral(R"(-?[\d.]+)"));
        for (const auto& m : number.globalMatch(path))
            farthest = std::max(farthest, std::abs(m.captured().toDouble()));
        // The frame is some 102 device pixels across here.
        QVERIFY2(farthest > 1000 && farthest <= (MetafileToSvg::ReachInFrames + 1) * 102,
                 qPrintable(QString::number(farthest)));
    }

    void runLengthBitmaps()
    {
        // The sample codes every pixel: drawn exactly as Qt draws it.
        const QString sample = QStringLiteral(QUENBROOK_SAMPLES_DIR "/rle8.rle");
        QImageReader qt(sample, "bmp");
        const QImage expected = qt.read().convertToFormat(QImage::Format_ARGB32);
        PictureResult loaded = PictureLoader::load(sample);
        QVERIFY(std::holds_alternative<Picture>(loaded));
        QVERIFY(drawn(std::get<Picture>(loaded)) == expected);

        // Pixels a file skips are transparent: 10 red from the bottom-left corner, 10 more 20
        // across and 30 up after a move, and nothing else.
        const QString path =
            write("moves.rle", rle8(64, 64, codes({10, 1, 0, 2, 20, 30, 10, 1, 0, 1})));
        loaded = PictureLoader::load(path);
        QVERIFY(std::holds_alternative<Picture>(loaded));
        const QImage image = drawn(std::get<Picture>(loaded));
        int red = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QRgb c = image.pixel(x, y);
                QVERIFY2(c == Canvas || c == qRgb(255, 0, 0), qPrintable(QString::number(c, 16)));
                red += c != Canvas;
            }
        QCOMPARE(red, 20);
        QCOMPARE(image.pixel(0, 63), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(39, 33), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(40, 33), Canvas);

        // Decoded smaller for a small box, the gaps stay transparent.
        loaded = PictureLoader::load(path, QSize(32, 32));
        QVERIFY(std::holds_alternative<Picture>(loaded));
        const QImage half = drawn(std::get<Picture>(loaded));
        QCOMPARE(half.size(), QSize(32, 32));
        QCOMPARE(half.pixel(0, 0), Canvas);
        QCOMPARE(half.pixel(31, 31), Canvas);
    }

private:
    QString write(const QString& name, const QByteArray& bytes)
    {
        return writeFile(dir_, name, bytes);
    }

    QTemporaryDir dir_;
};

QTEST_MAIN(tst_HostilePictures)
#include "tst_hostilepictures.moc"
