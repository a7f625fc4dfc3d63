#include "core/pictures/PictureLoader.h"
#include "support/PictureBytes.h"

#include <QBuffer>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace quenbrook;
using namespace picturetest;

namespace {

QString samplePath(const QString& name)
{
    return QStringLiteral(QUENBROOK_SAMPLES_DIR "/") + name;
}

QByteArray sample(const QString& name)
{
    QFile file(samplePath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read sample %s", qPrintable(name));
    return file.readAll();
}

QByteArray noise(quint32 seed)
{
    QList<quint32> words(1024);
    QRandomGenerator(seed).fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.constData()), 4096);
}

// ---- Metafiles the tests make ----

// A red rectangle without an outline, in logical units.
QByteArray wmfRedBox(int l, int t, int r, int b)
{
    return wmfRecord(0x02FA, {5, 0, 0, 0, 0}) + wmfRecord(0x012D, {0}) +
           wmfRecord(0x02FC, {0, 0xff, 0, 0}) + wmfRecord(0x012D, {1}) +
           wmfRecord(0x041B, {b, r, t, l});
}

// An enhanced metafile of a red rectangle in device pixels (which are also its bounds), with
// `frame` in HIMETRIC and a reference device of 4 pixels to the mm.
QByteArray emfRedBox(int l, int t, int r, int b, std::initializer_list<qint64> frame)
{
    return emf(emfRecord(37, {0x80000008}) + emfRecord(39, {1, 0, 0xff, 0}) + emfRecord(37, {1}) +
                   emfRecord(43, {l, t, r, b}),
               {l, t, r, b}, frame);
}

// ---- Looking at painted pictures ----

QImage painted(const Picture& picture, QSize canvas, QRectF target = QRectF())
{
    QImage image(canvas, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.paint(painter, target.isEmpty() ? QRectF(QPointF(), canvas) : target);
    return image;
}

bool isRed(QRgb c)
{
    return qRed(c) > 170 && qGreen(c) < 100 && qBlue(c) < 100;
}

// Pixels part way along a colour change: a sharp edge has at most one, a blown-up one several.
int rampPixels(const QImage& image)
{
    const auto d = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    };
    const auto between = [&](QRgb before, QRgb c, QRgb after) {
        return d(before, c) > 16 && d(c, after) > 16 &&
               d(before, after) > std::max(d(before, c), d(c, after));
    };
    int n = 0;
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            n += between(image.pixel(x - 1, y), c, image.pixel(x + 1, y)) ||
                 between(image.pixel(x, y - 1), c, image.pixel(x, y + 1));
        }
    return n;
}

} // namespace

class tst_PictureLoader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QImage big(4000, 3000, QImage::Format_RGB32);
        big.fill(qRgb(40, 120, 200));
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && QImageWriter(&buffer, "jpeg").write(big));
        bigJpeg_ = write("big.jpg", jpeg);
        // The sample icon with its 16 × 16 image listed before the 32 × 32 one.
        QByteArray icon = sample("star.ico");
        const QByteArray first = icon.mid(6, 16);
        icon.replace(6, 16, icon.mid(22, 16)).replace(22, 16, first);
        smallFirstIcon_ = write("small-first.ico", icon);
    }

    void samples_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("himetric");

        // Pixels × 2540 / 96, rounded; metafiles from their frames (2 × 1.5 inches).
        const auto row = [](const char* file, QSize himetric) {
            QTest::newRow(file) << samplePath(file) << himetric;
        };
        row("landscape.bmp", {16933, 10583});
        row("rle8.rle", {8467, 6350});
        row("shapes.wmf", {5080, 3810});
        row("shapes.emf", {5080, 3810});
        row("portrait.gif", {7938, 11906});
        row("exif-rotated.jpg", {7938, 10583});
        row("beach.jpg", {15875, 10583});
        row("Beach.jpg", {10583, 15875});
        row("sunset.jpeg", {13229, 9260});
        row("harbour.jpe", {9525, 6350});
        row("meadow.jfif", {6350, 9525});
        row("star.ico", {847, 847});
        row("arrow.cur", {847, 847});
        // Of an icon's images the largest is the picture, wherever it is listed.
        QTest::newRow("icon, small image first") << smallFirstIcon_ << QSize(847, 847);
    }

    void samples()
    {
        QFETCH(QString, path);
        QFETCH(QSize, himetric);

        PictureResult result = PictureLoader::load(path);
        if (auto* error = std::get_if<PictureError>(&result))
            QFAIL(qPrintable(error->message));
        const Picture& picture = std::get<Picture>(result);
        QCOMPARE(picture.naturalHimetric(), himetric);
        QCOMPARE(picture.isVector(), path.endsWith(QLatin1String("mf")));

        // Drawn at its size in pixels it covers a good part of the canvas in several colours.
        const QSize size = himetric * 96 / 2540;
        const QImage image = painted(picture, size);
        QSet<QRgb> colours;
        int drawn = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                colours.insert(image.pixel(x, y));
                drawn += image.pixel(x, y) != qRgb(255, 255, 255);
            }
        QVERIFY2(
            colours.size() >= 3 && drawn > size.width() * size.height() / 20,
            qPrintable(QStringLiteral("%1 colours, %2 pixels").arg(colours.size()).arg(drawn)));
        if (!picture.isVector())
            return;

        // Drawn large, a vector drawing keeps sharp edges: far fewer pixels lie part way along them
        // than when it is drawn small and blown up.
        const int sharp = rampPixels(painted(picture, size * 4));
        const int blurred =
            rampPixels(painted(picture, size / 2)
                           .scaled(size * 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY2(sharp * 3 < blurred,
                 qPrintable(QStringLiteral("%1 vs %2").arg(sharp).arg(blurred)));
    }

    void exifRotatedSample()
    {
        // Stored 400 × 300; turned upright it is 300 × 400 with a red arrow pointing up.
        for (const QSize target : {QSize(), QSize(150, 200)}) {
            PictureResult result = PictureLoader::load(samplePath("exif-rotated.jpg"), target);
            QVERIFY(std::holds_alternative<Picture>(result));
            const Picture& picture = std::get<Picture>(result);
            const QSize shown = target.isEmpty() ? QSize(300, 400) : target;
            QCOMPARE(picture.naturalHimetric(), QSize(7938, 10583));
            QCOMPARE(picture.decodedPixelSize(), shown);
            // Left of the middle the arrow's head is red above its middle, and its shaft not below.
            const QImage image = painted(picture, shown);
            const auto redAt = [&](double x, double y) {
                return isRed(image.pixel(int(x * shown.width()), int(y * shown.height())));
            };
            QVERIFY(redAt(1 / 3.0, 0.45) && !redAt(1 / 3.0, 0.75));
        }
    }

    void scaledDecoding_data()
    {
        QTest::addColumn<bool>("jpeg"); // else landscape.bmp, 640 × 400
        QTest::addColumn<QSize>("target");
        QTest::addColumn<QSize>("decoded");

        // The JPEG is 4000 × 3000.
        QTest::newRow("wide box: height decides") << true << QSize(800, 100) << QSize(134, 100);
        QTest::newRow("tall box: width decides") << true << QSize(100, 600) << QSize(100, 75);
        QTest::newRow("odd proportions round up") << true << QSize(333, 1000) << QSize(333, 250);
        QTest::newRow("larger than natural") << true << QSize(8000, 6000) << QSize(4000, 3000);
        QTest::newRow("larger one way only") << true << QSize(4400, 3000) << QSize(4000, 3000);
        QTest::newRow("no target") << true << QSize() << QSize(4000, 3000);
        QTest::newRow("bitmap") << false << QSize(320, 320) << QSize(320, 200);
    }

    void scaledDecoding()
    {
        QFETCH(bool, jpeg);
        QFETCH(QSize, target);
        QFETCH(QSize, decoded);

        PictureResult result =
            PictureLoader::load(jpeg ? bigJpeg_ : samplePath("landscape.bmp"), target);
        if (auto* error = std::get_if<PictureError>(&result))
            QFAIL(qPrintable(error->message));
        const Picture& picture = std::get<Picture>(result);
        QCOMPARE(picture.decodedPixelSize(), decoded);
        // The natural size is the whole picture's, however it was decoded.
        QCOMPARE(picture.naturalHimetric(), jpeg ? QSize(105833, 79375) : QSize(16933, 10583));
    }

    void metafileFrame_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("himetric");
        QTest::addColumn<QRectF>("red"); // where the red fill lands, in fractions of the frame

        // Only the red box is drawn, so a drawing fitted to its ink would fill the whole target.
        // 720 units to the inch, window and frame away from the origin.
        QTest::newRow("placeable wmf")
            << "moved.wmf"
            << wmf(wmfWindow(100, 200, 2880, 2160) + wmfRedBox(820, 1280, 2260, 1820),
                   {100, 200, 2980, 2360, 720})
            << QSize(10160, 7620) << QRectF(0.25, 0.5, 0.5, 0.25);
        // No placeable header: the window is the frame, at 1440 units to the inch. The text has
        // characters that mean something in SVG, a letter beyond ASCII and a control character.
        QByteArray at;
        le(at, 2, {1700, 200});
        QTest::newRow("wmf with a window")
            << "plain.wmf"
            << wmf(wmfWindow(0, 0, 2880, 2160) + wmfRedBox(720, 540, 2160, 1620) +
                   wmfRecord(0x02FB, {-300, 0, 0, 0, 400, 0, 0, 0, 0}, QByteArray("Arial\0", 6)) +
                   wmfRecord(0x012D, {2}) +
                   wmfRecord(0x0521, {16}, QByteArray("Caf\xE9 <&> \x01 \"tea\"") + at))
            << QSize(5080, 3810) << QRectF(0.25, 0.25, 0.5, 0.5);
        // Frame 1000..6000 × 500..4500 is pixels 40..240 × 20..180; the ink starts at its bounds.
        QTest::newRow("emf, bounds off the frame's corner")
            << "moved.EMF" << emfRedBox(90, 60, 190, 140, {1000, 500, 6000, 4500})
            << QSize(5000, 4000) << QRectF(0.25, 0.25, 0.5, 0.5);
    }

    void metafileFrame()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, himetric);
        QFETCH(QRectF, red);

        PictureResult result = PictureLoader::load(write(file, bytes), QSize(10, 10));
        if (auto* error = std::get_if<PictureError>(&result))
            QFAIL(qPrintable(error->message));
        const Picture& picture = std::get<Picture>(result);
        QVERIFY(picture.isVector());
        QCOMPARE(picture.naturalHimetric(), himetric);

        // Painted into a rectangle with a margin round it, stretched out of proportion.
        const QRectF target(50, 40, 600, 300);
        const QImage image = painted(picture, QSize(700, 380), target);
        QRect found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (isRed(image.pixel(x, y)))
                    found |= QRect(x, y, 1, 1);
        const QRectF got(found);
        const QRectF expected(target.x() + red.x() * target.width(),
                              target.y() + red.y() * target.height(), red.width() * target.width(),
                              red.height() * target.height());
        const auto near = [](double a, double b) { return std::abs(a - b) <= 2.5; };
        QString text;
        QDebug(&text) << "red at" << got << "expected" << expected;
        QVERIFY2(near(got.left(), expected.left()) && near(got.right(), expected.right()) &&
                     near(got.top(), expected.top()) && near(got.bottom(), expected.bottom()),
                 qPrintable(text));
    }

    void badFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // null: no such file
        QTest::addColumn<QString>("reason");

        const auto row = [](const QString& file, const QByteArray& bytes, const char* reason) {
            QTest::newRow(qPrintable(file)) << file << bytes << QString::fromUtf8(reason);
        };
        const auto half = [](const char* name) {
            const QByteArray b = sample(name);
            return b.left(b.size() / 2);
        };
        const QByteArray jpeg = sample("beach.jpg");
        const QByteArray text = "These are the notes for the album, not a picture.\n";
        const QByteArray shapes = wmfWindow(0, 0, 2880, 2160) + wmfRedBox(10, 10, 1000, 1000);
        const QByteArray placeable = wmf(shapes, {0, 0, 2880, 2160, 1440});
        QByteArray hugeBmp("BM");
        le(hugeBmp, 4, {54 + 64, 0, 54, 40, 60000, 60000, 0x180001, 0, 0, 2835, 2835, 0, 0});
        hugeBmp += QByteArray(64, '\x40');
        // A bitmap record whose header is damaged (22 bytes, 0x40000 wide): libwmf spins on it.
        const QByteArray damagedBitmap = wmfRecord(
            0x0F43, {0x20, 0xCC, 0, 4, 4, 0, 0, 1080, 1440, 0, 0, 22, 0, 0, 4, 4, 0, 1, 24},
            QByteArray(72, '\x7f'));

        row("missing.jpg", {}, "file not found");
        row(".hidden.jpg", jpeg, "file not found");
        row("empty.bmp", QByteArray(""), "the file is empty");
        row("notes.txt", text, "not a picture type that can be opened");
        // Its last run and end mark missing: the last line is short.
        row("cut.rle", sample("rle8.rle").chopped(4), "not a readable run-length bitmap");
        row("cut.gif", half("portrait.gif"), "not a readable GIF picture");
        // The second, smaller image is cut short.
        row("cut.ico", sample("star.ico").chopped(100), "not a readable icon");
        row("noise.ico", noise(1), "not a readable icon");
        row("noise.cur", noise(2), "not a readable cursor");
        row("noise.rle", noise(3), "not a readable run-length bitmap");
        row("noise.wmf", noise(4), "not a readable Windows metafile");
        row("noise.emf", noise(5), "not a readable enhanced metafile");
        row("cut.wmf", placeable.chopped(9), "not a readable Windows metafile (damaged record)");
        row("dib.wmf", wmf(wmfWindow(0, 0, 2880, 2160) + damagedBitmap, {0, 0, 2880, 2160, 1440}),
            "not a readable Windows metafile (damaged bitmap)");
        row("nosize.wmf", wmf(wmfRedBox(0, 0, 100, 100)), "does not say how big it is");
        row("huge.bmp", hugeBmp, "picture too large (60000 × 60000 pixels)");
        row("absurd.wmf", wmf(shapes, {-32000, -32000, 32000, 32000, 1}), "picture too large");
    }

    void badFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);

        const QString path = bytes.isNull() ? dir_.filePath(file) : write(file, bytes);
        QElapsedTimer timer;
        timer.start();
        const PictureResult result = PictureLoader::load(path);
        const qint64 ms = timer.elapsed();
        QVERIFY2(std::holds_alternative<PictureError>(result), "loaded as a picture");
        const QString message = std::get<PictureError>(result).message;
        QVERIFY2(message.startsWith(file + QStringLiteral(": ")) && message.contains(reason),
                 qPrintable(message));
        QVERIFY2(ms < 2000, qPrintable(QStringLiteral("took %1 ms").arg(ms)));
    }

private:
    QString write(const QString& name, const QByteArray& bytes)
    {
        return writeFile(dir_, name, bytes);
    }

    QTemporaryDir dir_;
    QString bigJpeg_;
    QString smallFirstIcon_;
};

QTEST_MAIN(tst_PictureLoader)
#include "tst_pictureloader.moc"
