// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/files/FolderListing.h"
#include "core/pictures/DecodeLimits.h"
#include "core/pictures/HeifApart.h"
#include "core/pictures/MetafileToSvg.h"
#include "core/pictures/PictureLoader.h"
#include "core/pictures/SvgBounds.h"
#include "core/program/FileNames.h"
#include "core/program/PictureFileTypes.h"
#include "support/Golden.h"
#include "support/PdfReader.h"
#include "support/PhotoEncoders.h"
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quenbrook;

// Hostile and broken files are replayed with their expected outcomes by fuzz_replay_hostile
// (tests/data/hostile/MANIFEST); here is what a load must look like.
namespace {

using namespace testsupport;
using phototest::encoded;

Picture loaded(const QString& path, QSize target = QSize())
{
    PictureResult result = PictureLoader::load(path, target);
    if (const auto* error = std::get_if<PictureError>(&result))
        qFatal("%s", qPrintable(error->message));
    return std::get<Picture>(std::move(result));
}

QImage painted(const Picture& picture, QSize canvas, QRectF target = QRectF(),
               QRgb background = qRgb(255, 255, 255))
{
    QImage image(canvas, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    picture.paint(painter, target.isEmpty() ? QRectF(QPointF(), canvas) : target);
    return image;
}

QString text(QSize s)
{
    return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height());
}

QString text(const QRect& r)
{
    return QStringLiteral("%1,%2 ").arg(r.x()).arg(r.y()) + text(r.size());
}

// A load as the tests compare it: the refusal's message, or the size decoded.
QString outcome(const PictureResult& result)
{
    if (const auto* error = std::get_if<PictureError>(&result))
        return error->message;
    return "decoded " + text(std::get<Picture>(result).decodedPixelSize());
}

// Pixels part way along a colour change: a sharp edge has at most one, a blown-up one several.
int rampPixels(const QImage& image)
{
    const auto between = [](QRgb before, QRgb c, QRgb after) {
        const int one = colourDistance(before, c), two = colourDistance(c, after);
        return one > 16 && two > 16 && colourDistance(before, after) > std::max(one, two);
    };
    int n = 0;
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x)
            n += between(image.pixel(x - 1, y), image.pixel(x, y), image.pixel(x + 1, y)) ||
                 between(image.pixel(x, y - 1), image.pixel(x, y), image.pixel(x, y + 1));
    return n;
}

// The bitmap file as Qt writes it (rows bottom first) turned into one whose rows are stored top
// first, as a negative height says.
QByteArray topDown(const QByteArray& bmp, int height)
{
    const qsizetype at = qFromLittleEndian<quint32>(bmp.constData() + 10);
    const qsizetype row = (bmp.size() - at) / height;
    QByteArray file = bmp.left(at);
    qToLittleEndian<qint32>(-height, file.data() + 22);
    for (int y = height - 1; y >= 0; --y)
        file += bmp.mid(at + y * row, row);
    return file;
}

// Bytes of the picture written in a format Qt writes.
QByteArray written(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        qFatal("no %s written", format);
    return bytes;
}

// Noise in every channel, red rising from left to right.
QImage noise(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate() | (x * 255 / width) << 16);
    return image;
}

// An icon of the given images, each a PNG or a bitmap as Qt writes them, in this order.
QByteArray iconOf(const QList<QByteArray>& images)
{
    QByteArray directory = le(2, {0, 1, images.size()}), data;
    for (const QByteArray& image : images) {
        // A bitmap as Qt's icon writer leaves it: its directory entry dropped.
        const QByteArray bytes = image.startsWith("\x89PNG") ? image : image.mid(22);
        directory += le(1, {0, 0, 0, 0}) + le(2, {1, 32}) +
                     le(4, {bytes.size(), 6 + 16 * images.size() + data.size()});
        data += bytes;
    }
    return directory + data;
}

// A JPEG of the picture with an EXIF block giving its orientation, as a camera writes it.
QByteArray orientedJpeg(const QImage& image, int orientation)
{
    const QByteArray exif = QByteArray("Exif\0\0II*\0", 10) + le(4, {8}) + le(2, {1, 0x0112, 3}) +
                            le(4, {1}) + le(2, {orientation, 0}) + le(4, {0});
    const QByteArray jpeg = written(image, "jpeg");
    const quint16 length = quint16(exif.size() + 2);
    return jpeg.left(2) + "\xff\xe1" + char(length >> 8) + char(length & 0xFF) + exif + jpeg.mid(2);
}

// A PNG whose header claims the size; its pixels are not there.
QByteArray pngClaiming(quint32 width, quint32 height, int bits)
{
    // Its numbers are stored highest byte first; the checksum covers the type and the data.
    const QByteArray header =
        "IHDR" + le(4, {qbswap(width), qbswap(height)}) + char(bits) + QByteArray("\2\0\0\0", 4);
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : header) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0d", 12) + header + le(4, {qbswap(~crc)}) +
           QByteArray("\0\0\0\0IEND\xae\x42\x60\x82", 12);
}

} // namespace

class tst_Pictures : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;

    QString saved(const QString& name, const QByteArray& bytes)
    {
        return testsupport::savedFile(dir_.path(), name, bytes);
    }

private slots:
    // Each sample and drawing as loaded and painted, against golden text: its natural size, the
    // colours and dark pixels it has drawn at that size, where its red lands painted out of
    // proportion into a rectangle with a margin round it, and for a drawing how many pixels lie
    // part way along its edges drawn large is far fewer than drawn small and blown up.
    void paintedPictures()
    {
        // The samples, then from tests/data: an icon whose largest image is the picture, listed
        // first or not; metafiles whose window and frame are away from the origin, with and
        // without a placeable header, and whose text has characters that mean something in SVG;
        // runs of red that skip pixels, which stay transparent.
        QString dump;
        for (const QString& row : dataLines("pictures/painted.rows")) {
            const QString path = row.contains('/') ? dataPath(row) : samplePath(row);
            const Picture picture = loaded(path, QSize(10, 10));
            const QSize size = picture.naturalHimetric() * 96 / 2540;
            const QImage image = painted(loaded(path), size);
            QSet<QRgb> colours;
            QRect dark;
            int drawn = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    colours.insert(image.pixel(x, y));
                    if (qGray(image.pixel(x, y)) < 208) // clear of a decoder's rounding
                        ++drawn, dark |= QRect(x, y, 1, 1);
                }
            const QImage stretched = painted(picture, QSize(700, 380), QRectF(50, 40, 600, 300));
            QRect red;
            for (int y = 0; y < stretched.height(); ++y)
                for (int x = 0; x < stretched.width(); ++x)
                    if (const QRgb c = stretched.pixel(x, y);
                        qRed(c) > 170 && qGreen(c) < 100 && qBlue(c) < 100)
                        red |= QRect(x, y, 1, 1);
            dump += QFileInfo(path).fileName() + ": " + text(picture.naturalHimetric()) +
                    " HIMETRIC, " +
                    (colours.size() < 3 ? QString::number(colours.size()) : "3 or more") +
                    " colours, " + QString::number(drawn) + " pixels dark within " + text(dark) +
                    ", red at " + text(red);
            const QImage blownUp =
                painted(picture, size / 2)
                    .scaled(size * 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            if (picture.isVector())
                dump += rampPixels(painted(picture, size * 4)) * 3 < rampPixels(blownUp)
                            ? ", a drawing with sharp edges"
                            : ", a drawing with blurred edges";
            dump += '\n';
        }
        QUENBROOK_COMPARE_GOLDEN("pictures/painted.txt", dump);
    }

    // Refused by their size, without their bytes being read: a sample's start, then a hole.
    void picturesTooLarge()
    {
        for (const auto& [file, size, mb] :
             {std::tuple<QString, qint64, int>{"beach.jpg", qint64(8) << 30, 8192},
              {"landscape.bmp", MaxPictureFileBytes + 1, 128},
              {"shapes.wmf", MetafileToSvg::MaxFileBytes + 1, 16}}) {
            const QString path = dir_.filePath(file);
            QVERIFY(QFile::copy(samplePath(file), path) &&
                    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner) &&
                    QFile::resize(path, size));
            QCOMPARE(outcome(PictureLoader::load(path, QSize(200, 150))),
                     QStringLiteral("%1: picture too large (a file of %2 MB)").arg(file).arg(mb));
        }

        // What decoding a new type would hold is judged from its header, before any pixel is
        // decoded: up to the limit a PNG is taken, one row of pixels more and it is refused; 16
        // bits a sample hold twice as much.
        const auto most = quint32(MaxDecodedBytes / 4 / 8192); // rows of 8192 pixels
        const std::tuple<quint32, int, bool> rows[] = {
            {most, 8, true}, {most + 1, 8, false}, {most / 2, 16, true}, {most / 2 + 1, 16, false}};
        for (const auto& [height, bits, taken] : rows) {
            const QString path = saved("claims.png", pngClaiming(8192, height, bits));
            const QString held = QStringLiteral("%1 rows taken").arg(height);
            QCOMPARE(PictureLoader::heldBytes(path) > 0 ? held : outcome(PictureLoader::load(path)),
                     taken ? held
                           : QStringLiteral("claims.png: picture too large (8192 × %1 pixels)")
                                 .arg(height));
        }
    }

    // Bitmaps whose rows are stored top first load as the pictures they are, at their own size
    // and decoded smaller, in 24 bits and in one; run-length bitmaps; icons holding damaged PNGs.
    void bitmapsAndIcons()
    {
        QImage image(13, 7, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, (x * y + x) % 3 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
        // In 24 bits and in one, red and blue its palette.
        const QList<QRgb> palette{qRgb(0, 0, 255), qRgb(255, 0, 0)};
        for (const QImage& bits : {image, image.convertToFormat(QImage::Format_Mono, palette)}) {
            const QString path = saved(QStringLiteral("top-down%1.bmp").arg(bits.depth()),
                                       topDown(written(bits, "bmp"), image.height()));
            QCOMPARE(painted(loaded(path), image.size()),
                     image.convertToFormat(QImage::Format_ARGB32));
            QCOMPARE(loaded(path, QSize(6, 6)).decodedPixelSize(), QSize(6, 4));
        }
        // A run-length bitmap decoded smaller for a small box: pixels the file skips stay
        // transparent.
        const Picture half = loaded(dataPath("hostile/move.rle"), QSize(32, 32));
        QCOMPARE(half.decodedPixelSize(), QSize(32, 32));
        const QImage onGreen = painted(half, {32, 32}, {}, qRgb(0, 255, 0));
        QCOMPARE(QList<QRgb>({onGreen.pixel(0, 0), onGreen.pixel(31, 31)}),
                 QList<QRgb>(2, qRgb(0, 255, 0)));

        // An icon's picture that is a damaged PNG is refused with the program's message, and one
        // beside the largest picture is not even looked at; the decoder writes nothing to the
        // terminal either way.
        QImage small(16, 16, QImage::Format_ARGB32);
        small.fill(qRgb(255, 0, 0));
        QByteArray damaged = written(small, "png");
        damaged[damaged.indexOf("IDAT") + 6] ^= char(0xFF);
        QImage large(48, 48, QImage::Format_ARGB32);
        large.fill(qRgb(0, 0, 255));
        const QByteArray blue = written(large, "ico"), red = written(small.scaled(64, 64), "png");
        const QString icons[] = {saved("damaged.ico", iconOf({damaged})),
                                 saved("beside.ico", iconOf({damaged, blue})),
                                 saved("sound.ico", iconOf({blue, red}))};
        QTemporaryFile terminal;
        QVERIFY(terminal.open());
        const int kept = ::dup(STDERR_FILENO);
        ::dup2(terminal.handle(), STDERR_FILENO);
        QStringList got;
        for (const QString& path : icons) {
            const PictureResult result = PictureLoader::load(path);
            got << outcome(result);
            if (const auto* picture = std::get_if<Picture>(&result))
                got.last() += ' ' + QColor(painted(*picture, {48, 48}).pixel(20, 20)).name();
        }
        ::dup2(kept, STDERR_FILENO);
        ::close(kept);
        QCOMPARE(terminal.size(), 0); // bytes written to the terminal
        QCOMPARE(got, QStringList({"damaged.ico: not a readable icon", "decoded 48 x 48 #0000ff",
                                   "decoded 64 x 64 #ff0000"}));
    }

    // JPEGs that the program decodes itself give the pixels Qt's reader gives: at their own
    // size, scaled by eighths and to sizes in between, grey, and turned by each EXIF orientation;
    // one cut short while it is read is loaded whole or refused.
    void jpegs()
    {
        const QImage image = noise(640, 480, 11);
        const auto sameAsQt = [&](const QString& path, QSize target) {
            const Picture picture = loaded(path, target);
            QImageReader qt(path, "jpeg");
            qt.setAutoTransform(true);
            const bool turned = qt.transformation() & QImageIOHandler::TransformationRotate90;
            const QSize decoded = picture.decodedPixelSize();
            if (decoded != qt.size() && decoded != qt.size().transposed())
                qt.setScaledSize(turned ? decoded.transposed() : decoded);
            return painted(picture, decoded) == qt.read().convertToFormat(QImage::Format_ARGB32);
        };
        const QString colour = saved("colour.jpg", written(image, "jpeg"));
        for (const QSize target : {QSize(), QSize(320, 240), QSize(160, 120), QSize(80, 60),
                                   QSize(240, 180), QSize(79, 59), QSize(81, 61), QSize(639, 479)})
            QVERIFY2(sameAsQt(colour, target), qPrintable(text(target)));
        const QString grey =
            saved("grey.jpg", written(image.convertToFormat(QImage::Format_Grayscale8), "jpeg"));
        QVERIFY(sameAsQt(grey, QSize()) && sameAsQt(grey, QSize(100, 100)));
        for (int orientation = 1; orientation <= 8; ++orientation) {
            const QString path = saved(QStringLiteral("turned%1.jpg").arg(orientation),
                                       orientedJpeg(image.copy(0, 0, 64, 48), orientation));
            QVERIFY2(sameAsQt(path, QSize()) && sameAsQt(path, QSize(20, 20)), qPrintable(path));
        }

        // A photo cut short by another program while it is read, at moments from its opening to its
        // decoding, is loaded whole or refused as unreadable; it never takes the program down. (One
        // cut before the load is among the replayed hostile files.)
        const QByteArray jpeg = written(noise(1600, 1200, 7), "jpeg");
        for (int moment : {0, 100, 300, 1000, 2000, 4000, 8000, 16000}) {
            const QString path = saved("shrinking.jpg", jpeg);
            bool cut = false;
            std::thread cutter([&, name = QFile::encodeName(path)] {
                std::this_thread::sleep_for(std::chrono::microseconds(moment));
                cut = ::truncate(name.constData(), jpeg.size() / 3) == 0;
            });
            const QString got = outcome(PictureLoader::load(path, QSize(400, 300)));
            cutter.join();
            QVERIFY(cut);
            QVERIFY2(got == "shrinking.jpg: not a readable JPEG picture" ||
                         got == "decoded 400 x 300",
                     qPrintable(got));
        }
    }

    // Ink far outside the frame is pulled in, so that painting it costs no more than the frame;
    // colours, names, embedded pictures and text are left alone. Against golden text.
    void drawingKeptNearItsFrame()
    {
        QString dump;
        for (const QString& path : dataLines("pictures/kept-near-frame.rows")) {
            QByteArray svg = "<svg viewBox=\"0 0 100 100\">" + path.toUtf8() + "</svg>";
            const auto failure = MetafileToSvg::keepNearFrame(svg, QRectF(0, 0, 100, 100));
            dump += path + "\n  " +
                    (failure ? "refused: " + failure->detail : QString::fromUtf8(svg)) + '\n';
        }
        QUENBROOK_COMPARE_GOLDEN("pictures/kept-near-frame.txt", dump);
    }

    // Each type the album decodes itself, made by its encoder from one picture, red on the left
    // and blue on the right: it loads at its size, decoded smaller for a smaller box, its colours
    // where they were. A flat Adobe RGB (40, 170, 60), its profile embedded, comes out as the
    // sRGB colour that colour-managed viewers show, (0, 171, 45), also when converted after
    // scaling; the same pixels without a profile stay as they are.
    void albumTypesDecode_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char* suffix : {"jpg", "png", "tif", "webp", "heic", "avif"})
            QTest::newRow(suffix) << QString(suffix);
    }
    void albumTypesDecode()
    {
        QFETCH(QString, suffix);
        // Lossy encoders blur colours; a flat colour less so.
        const int tolerance = suffix == "png" || suffix == "tif" ? 0 : 60;
        const int flatTolerance = suffix == "png" ? 3 : 12;
        QImage image(96, 64, QImage::Format_RGB32);
        image.fill(qRgb(220, 0, 0));
        QPainter(&image).fillRect(48, 0, 48, 64, QColor(0, 0, 220));
        const QString path = dir_.filePath("halves." + suffix);
        if (const QString missing = encoded(image, path); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        const Picture whole = loaded(path), half = loaded(path, QSize(48, 48));
        QCOMPARE(text(whole.decodedPixelSize()) + ", " + text(whole.naturalHimetric()) + ", " +
                     text(half.decodedPixelSize()),
                 "96 x 64, 2540 x 1693, 48 x 32");
        for (const Picture* picture : {&whole, &half}) {
            const QImage shown = painted(*picture, {96, 64});
            const QColor left = shown.pixelColor(20, 32), right = shown.pixelColor(76, 32);
            QVERIFY2(colourDistance(left, QColor(220, 0, 0)) <= tolerance &&
                         colourDistance(right, QColor(0, 0, 220)) <= tolerance,
                     qPrintable(left.name() + ' ' + right.name()));
        }
        QFile icc("/usr/share/color/icc/compatibleWithAdobeRGB1998.icc");
        if (!icc.open(QIODevice::ReadOnly))
            QSKIP("No Adobe RGB profile: install icc-profiles-free");
        QImage flat(32, 32, QImage::Format_RGB32);
        flat.fill(qRgb(40, 170, 60));
        const QString plain = dir_.filePath("plain." + suffix);
        const QString profiled = dir_.filePath("adobe." + suffix);
        QString missing = encoded(flat, plain);
        flat.setColorSpace(QColorSpace::fromIccProfile(icc.readAll()));
        QCOMPARE(missing + encoded(flat, profiled), QString());
        for (const auto& [path, box, shown] : {std::tuple{profiled, QSize(), QColor(0, 171, 45)},
                                               {profiled, QSize(12, 12), QColor(0, 171, 45)},
                                               {plain, QSize(), QColor(40, 170, 60)}}) {
            const QRgb got = painted(loaded(path, box), {32, 32}).pixel(16, 16);
            QVERIFY2(colourDistance(got, shown) <= flatTolerance,
                     qPrintable(path + ' ' + QColor(got).name()));
        }
    }

    // The HEIF helper's answer as the program reads it: a picture only when every number in its
    // header agrees with the bytes that follow, which the picture then keeps without a copy.
    void heifAnswers()
    {
        const auto answer = [](const QByteArray& numbers, qsizetype bytes) {
            return ("QBHF1 picture " + numbers).leftJustified(63, ' ') + '\n' +
                   QByteArray(bytes, '\x40');
        };
        const std::pair<QByteArray, QString> rows[] = {
            {answer("2 1 6 3 0", 6), "2 x 1"},
            {answer("2 1 6 3 0", 5), "refused: "},  // a byte short
            {answer("2 1 6 3 0", 7), "refused: "},  // a byte over
            {answer("2 1 8 4 0", 8), "2 x 1"},      // with alpha
            {answer("2 1 7 4 0", 7), "refused: "},  // rows narrower than the picture
            {answer("2 2 8 3 0", 16), "2 x 2"},     // rows padded
            {answer("2 1 6 5 0", 6), "refused: "},  // no such pixel
            {answer("0 1 6 3 0", 6), "refused: "},  // no picture
            {answer("2 1 6 3", 6), "refused: "},    // a number missing
            {answer("2 1 6 3 -1", 6), "refused: "}, // a negative profile
            {"QBHF1 refused\nInvalid input: No 'ftyp' box",
             "refused: Invalid input: No 'ftyp' box"},
            {"QBHF1 refused", "refused: "},
            {QByteArray(), "refused: "}};
        for (const auto& [bytes, expected] : rows) {
            const HeifApart::Decoded read = HeifApart::readAnswer(bytes);
            const QString head = QString::fromLatin1(bytes.left(40)) + " = ";
            QCOMPARE(
                head + (read.image.isNull() ? "refused: " + read.detail : text(read.image.size())),
                head + expected);
            if (!read.image.isNull()) // the pixels as sent
                QCOMPARE(read.image.pixel(1, read.image.height() - 1),
                         read.image.hasAlphaChannel() ? 0x40404040u : 0xff404040u);
        }
    }

    // Which names are pictures: every type in its place in the lists, readable by its decoder, its
    // costs judged for a raster; a folder's pictures; names that are not UTF-8.
    void pictureNames()
    {
        for (const PictureType& type : PictureTypes()) {
            const QString extension = QLatin1String(type.extension);
            QCOMPARE(PictureTypeOf(extension.toUpper()), &type); // and no earlier row has it
            QVERIFY(IsAlbumPictureFile("x." + extension.toUpper()));
            QCOMPARE(IsPictureFile("x." + extension.toUpper()), !type.albumOnly);
            QCOMPARE(IsMetafile(type), type.structure == RasterStructure::None);
            QVERIFY(IsMetafile(type) || type.decoder == PictureDecoder::Heif ||
                    QImageReader::supportedImageFormats().contains(type.qtFormat));
        }
        for (const char* path : {"photo.jpgx", "notes.bmp.txt", "README", "", "xjpeg", "png",
                                 "/photos.jpg/readme", "a.jpg "})
            QVERIFY2(!IsPictureFile(path) && !IsAlbumPictureFile(path), path);
        // The windows keep their eleven types; quenbrook-album reads today's photos besides.
        QCOMPARE(PictureFileTypes(), AlbumPictureTypes().mid(0, 11));
        QVERIFY(!PictureMimeTypes().contains("image/png"));

        // A folder's pictures as the file list shows them: files only, through links, hidden ones
        // and other types left out, names not UTF-8 kept, in file-manager order.
        QTemporaryDir folder;
        const QByteArray at = QFile::encodeName(folder.path()) + '/';
        for (const QByteArray name : {"b10.JPG", "B9.jpg", "a.jpg", "A.jpg", ".hidden.jpg",
                                      "notes.txt", "x.jpeg", "caf\xE9.bmp", "y.jfif"})
            QVERIFY(::close(::open(at + name, O_CREAT | O_WRONLY, 0600)) == 0);
        QVERIFY(::mkdir(at + "folder.jpg", 0700) == 0 && ::symlink("a.jpg", at + "link.gif") == 0 &&
                ::symlink("gone.jpg", at + "broken.bmp") == 0);
        QStringList listed;
        for (const QString& name : FileListNames(folder.path(), FileListPattern()))
            listed << ShownFileName(name);
        QCOMPARE(listed, QStringList({"A.jpg", "a.jpg", "B9.jpg", "b10.JPG", "caf\uFFFD.bmp",
                                      "link.gif", "x.jpeg"}));
        QVERIFY(IsListableFolder(folder.path()) && !IsListableFolder(folder.filePath("a.jpg")));
        QCOMPARE(::unlink(at + "caf\xE9.bmp"), 0);

        // A name as the system stores it comes back as the same bytes, and the file is found and
        // opened by it; what is not UTF-8 is kept byte by byte and shown as U+FFFD. In UTF-8: a
        // plain name, the highest character, the highest of two bytes, a fullwidth letter, the
        // lowest of four bytes; not: beyond U+10FFFF, lead byte F5, overlong, a surrogate, cut
        // short, Latin-1.
        const QString bad = QString(QChar::ReplacementCharacter);
        for (const auto& [bytes, shown] :
             {std::pair<QByteArray, QString>{"Bild ü.jpg", "Bild ü.jpg"},
              {"\xF4\x8F\xBF\xBF.jpg", QString::fromUcs4(U"\U0010FFFF.jpg")},
              {"\xDF\xBF", QString(QChar(0x7FF))},
              {"\xEF\xBC\xA1.jpg", "Ａ.jpg"},
              {"\xF0\x90\x80\x80", QString::fromUcs4(U"\U00010000")},
              {"\xF4\x90\x80\x80", bad.repeated(4)},
              {"\xF5\x80\x80\x80", bad.repeated(4)},
              {"\xC0\xAF\xE0\x80\xAF", bad.repeated(5)},
              {"\xED\xA0\x80", bad.repeated(3)},
              {"a\xE2\x82", "a" + bad.repeated(2)},
              {"caf\xE9.jpg", "caf" + bad + ".jpg"}}) {
            const QString name = FileNameFromBytes(bytes);
            QCOMPARE(std::pair(ShownFileName(name), FileNameBytes(name)), std::pair(shown, bytes));
            QTemporaryDir alone;
            const QByteArray raw = QFile::encodeName(alone.path()) + '/' + bytes;
            const int fd = ::open(raw, O_CREAT | O_WRONLY, 0600);
            QVERIFY(fd >= 0 && ::write(fd, "x", 1) == 1 && ::close(fd) == 0);
            QCOMPARE(FolderEntries(alone.path()), QStringList{name});
            const QString path = alone.path() + '/' + name;
            QCOMPARE(FileFactsOf(path).size, 1);
            QFile file;
            QCOMPARE(OpenForReading(file, path), QString());
            QCOMPARE(file.readAll(), "x");
            QCOMPARE(::unlink(raw), 0); // QTemporaryDir cannot remove a name that is not UTF-8
        }
    }
};

QUENBROOK_TEST(tst_Pictures)
#include "tst_pictures.moc"
