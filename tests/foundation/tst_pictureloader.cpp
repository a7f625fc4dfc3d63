#include "platform/PictureLoader.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

using namespace quenbrook;

namespace {

// ---- Writing the files the tests load ----

void le16(QByteArray& b, int v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}
void le32(QByteArray& b, qint64 v)
{
    le16(b, int(v & 0xffff));
    le16(b, int((v >> 16) & 0xffff));
}
void be16(QByteArray& b, int v)
{
    b.append(char((v >> 8) & 0xff));
    b.append(char(v & 0xff));
}

QByteArray encoded(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        qFatal("cannot encode %s: %s", format, qPrintable(writer.errorString()));
    return bytes;
}

// Four quadrants: red, green / blue, yellow. Every loader must get these back in place.
const QRgb Quadrants[4] = {qRgb(220, 20, 20), qRgb(20, 200, 20), qRgb(20, 20, 220),
                           qRgb(240, 230, 20)};

QImage quadrantImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const int halfW = size.width() / 2, halfH = size.height() / 2;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, Quadrants[(y >= halfH ? 2 : 0) + (x >= halfW ? 1 : 0)]);
    return image;
}

// A JPEG with an EXIF orientation tag put in after its JFIF header.
QByteArray withOrientation(const QByteArray& jpeg, int orientation)
{
    QByteArray exif("Exif\0\0II*\0", 10);
    le32(exif, 8);
    le16(exif, 1);
    le16(exif, 0x0112); // Orientation, a SHORT
    le16(exif, 3);
    le32(exif, 1);
    le16(exif, orientation);
    le16(exif, 0);
    le32(exif, 0);
    QByteArray segment("\xFF\xE1", 2);
    be16(segment, int(exif.size()) + 2);
    segment += exif;
    qsizetype at = 2;
    if (uchar(jpeg[2]) == 0xFF && uchar(jpeg[3]) == 0xE0)
        at = 4 + (uchar(jpeg[4]) << 8 | uchar(jpeg[5]));
    return jpeg.left(at) + segment + jpeg.mid(at);
}

// Palette-based bitmap compressed with RLE8 or RLE4; uses runs where pixels repeat and
// absolute stretches where they do not.
QByteArray runLengthBitmap(const QImage& source, bool fourBit)
{
    QList<QRgb> palette;
    QList<QList<int>> rows; // bottom row first
    for (int y = source.height() - 1; y >= 0; --y) {
        QList<int> row;
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = source.pixel(x, y);
            qsizetype i = palette.indexOf(c);
            if (i < 0) {
                i = palette.size();
                palette.append(c);
            }
            row.append(int(i));
        }
        rows.append(row);
    }
    const int maxColours = fourBit ? 16 : 256;
    if (palette.size() > maxColours)
        qFatal("too many colours for a run-length bitmap");

    QByteArray data;
    for (const QList<int>& row : rows) {
        int x = 0;
        const int w = int(row.size());
        while (x < w) {
            int run = 1;
            while (x + run < w && run < 255 && row[x + run] == row[x])
                ++run;
            if (run >= 3 || w - x < 3) {
                data.append(char(run));
                data.append(char(fourBit ? (row[x] << 4 | row[x]) : row[x]));
                x += run;
                continue;
            }
            // Absolute stretch up to where three equal pixels begin.
            int len = 0;
            while (x + len < w && len < 255) {
                if (x + len + 2 < w && row[x + len] == row[x + len + 1] &&
                    row[x + len] == row[x + len + 2])
                    break;
                ++len;
            }
            if (len < 3) { // too short to be absolute: a run of one
                data.append(char(1));
                data.append(char(fourBit ? row[x] << 4 : row[x]));
                ++x;
                continue;
            }
            data.append(char(0));
            data.append(char(len));
            QByteArray literal;
            for (int i = 0; i < len; ++i) {
                if (!fourBit)
                    literal.append(char(row[x + i]));
                else if (i % 2 == 0)
                    literal.append(char(row[x + i] << 4));
                else
                    literal[literal.size() - 1] = char(literal.back() | row[x + i]);
            }
            if (literal.size() % 2)
                literal.append('\0');
            data += literal;
            x += len;
        }
        data.append('\0');
        data.append('\0'); // end of line
    }
    data.append('\0');
    data.append('\1'); // end of bitmap

    const int paletteBytes = maxColours * 4;
    QByteArray bmp("BM");
    le32(bmp, 14 + 40 + paletteBytes + data.size());
    le32(bmp, 0);
    le32(bmp, 14 + 40 + paletteBytes);
    le32(bmp, 40);
    le32(bmp, source.width());
    le32(bmp, source.height());
    le16(bmp, 1);
    le16(bmp, fourBit ? 4 : 8);
    le32(bmp, fourBit ? 2 : 1);
    le32(bmp, data.size());
    le32(bmp, 2835);
    le32(bmp, 2835);
    le32(bmp, maxColours);
    le32(bmp, 0);
    for (int i = 0; i < maxColours; ++i)
        le32(bmp, i < palette.size() ? (palette[i] & 0xffffff) : 0);
    return bmp + data;
}

// GIF whose LZW codes are all 9 bits wide: the table is cleared before it would grow.
QByteArray gifBytes(const QImage& source)
{
    QList<QRgb> palette;
    QList<int> indices;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = source.pixel(x, y) | 0xff000000;
            qsizetype i = palette.indexOf(c);
            if (i < 0) {
                i = palette.size();
                palette.append(c);
            }
            indices.append(int(i));
        }
    QByteArray gif("GIF89a");
    le16(gif, source.width());
    le16(gif, source.height());
    gif.append(char(0xF7)); // 256-entry global table
    gif.append('\0');
    gif.append('\0');
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : 0;
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    gif.append(',');
    le16(gif, 0);
    le16(gif, 0);
    le16(gif, source.width());
    le16(gif, source.height());
    gif.append('\0');
    gif.append(char(8)); // LZW minimum code size

    QByteArray stream;
    quint32 bits = 0;
    int bitCount = 0;
    auto put = [&](int code) {
        bits |= quint32(code) << bitCount;
        bitCount += 9;
        while (bitCount >= 8) {
            stream.append(char(bits & 0xff));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    put(256);
    int sinceClear = 0;
    for (int i : indices) {
        put(i);
        if (++sinceClear == 254) {
            put(256);
            sinceClear = 0;
        }
    }
    put(257);
    if (bitCount > 0)
        stream.append(char(bits & 0xff));
    for (qsizetype at = 0; at < stream.size(); at += 255) {
        const QByteArray block = stream.mid(at, 255);
        gif.append(char(block.size()));
        gif += block;
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}

// Icon (or cursor) file holding the given images in this order, as 32-bit pictures with an
// AND mask that hides nothing.
QByteArray iconFile(const QList<QImage>& images, bool cursor)
{
    QByteArray directory;
    le16(directory, 0);
    le16(directory, cursor ? 2 : 1);
    le16(directory, int(images.size()));
    QByteArray data;
    const qint64 firstOffset = 6 + 16 * images.size();
    for (const QImage& image : images) {
        const int w = image.width(), h = image.height();
        const int maskRow = (w + 31) / 32 * 4;
        QByteArray dib;
        le32(dib, 40);
        le32(dib, w);
        le32(dib, 2 * h); // colour rows and mask rows
        le16(dib, 1);
        le16(dib, 32);
        le32(dib, 0);
        le32(dib, w * h * 4 + maskRow * h);
        for (int i = 0; i < 4; ++i)
            le32(dib, 0);
        for (int y = h - 1; y >= 0; --y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = image.pixel(x, y);
                dib.append(char(qBlue(c)));
                dib.append(char(qGreen(c)));
                dib.append(char(qRed(c)));
                dib.append(char(255));
            }
        dib += QByteArray(maskRow * h, '\0');

        directory.append(char(w));
        directory.append(char(h));
        directory.append('\0');
        directory.append('\0');
        le16(directory, 1);               // planes, or the cursor's hotspot x
        le16(directory, cursor ? 1 : 32); // bits, or the cursor's hotspot y
        le32(directory, dib.size());
        le32(directory, firstOffset + data.size());
        data += dib;
    }
    return directory + data;
}

// Windows metafile: records as the tests need them, with a placeable header or without.
struct Wmf
{
    QByteArray records;
    int objects = 0;
    int largest = 3;

    void record(int function, std::initializer_list<int> params)
    {
        le32(records, 3 + qint64(params.size()));
        le16(records, function);
        for (int p : params)
            le16(records, p);
        largest = std::max(largest, 3 + int(params.size()));
    }
    void mapMode(int mode) { record(0x0103, {mode}); }
    void windowOrg(int x, int y) { record(0x020B, {y, x}); }
    void windowExt(int w, int h) { record(0x020C, {h, w}); }
    void viewportExt(int w, int h) { record(0x020E, {h, w}); }
    void nullPen()
    {
        record(0x02FA, {5, 0, 0, 0, 0});
        record(0x012D, {objects++});
    }
    void brush(QRgb c)
    {
        const int colorref = qRed(c) | qGreen(c) << 8 | qBlue(c) << 16;
        record(0x02FC, {0, colorref & 0xffff, colorref >> 16, 0});
        record(0x012D, {objects++});
    }
    void rectangle(int l, int t, int r, int b) { record(0x041B, {b, r, t, l}); }
    void font(int height, const QByteArray& face)
    {
        QByteArray name = face + '\0';
        if (name.size() % 2)
            name += '\0';
        QList<int> params{-height, 0, 0, 0, 400, 0, 0, 0, 0};
        for (qsizetype i = 0; i < name.size(); i += 2)
            params.append(uchar(name[i]) | uchar(name[i + 1]) << 8);
        le32(records, 3 + params.size());
        le16(records, 0x02FB);
        for (int p : params)
            le16(records, p);
        largest = std::max(largest, 3 + int(params.size()));
        record(0x012D, {objects++});
    }
    // Text in the Windows code page, as metafiles hold it.
    void text(int x, int y, const QByteArray& windows1252)
    {
        QByteArray bytes = windows1252;
        if (bytes.size() % 2)
            bytes += '\0';
        const qsizetype words = 1 + bytes.size() / 2 + 2;
        le32(records, 3 + words);
        le16(records, 0x0521);
        le16(records, int(windows1252.size()));
        records += bytes;
        le16(records, y);
        le16(records, x);
        largest = std::max(largest, 3 + int(words));
    }
    // A 24-bit bitmap of one colour stretched over the rectangle; `damage` spoils its header.
    void bitmap(int l, int t, int r, int b, QRgb colour, bool damage = false)
    {
        const int w = 4, h = 4;
        QByteArray dib;
        le32(dib, damage ? 22 : 40);
        le32(dib, damage ? 0x40000 : w);
        le32(dib, h);
        le16(dib, 1);
        le16(dib, 24);
        for (int i = 0; i < 6; ++i)
            le32(dib, 0);
        for (int i = 0; i < w * h; ++i) {
            dib.append(char(qBlue(colour)));
            dib.append(char(qGreen(colour)));
            dib.append(char(qRed(colour)));
        }
        const qsizetype words = 11 + dib.size() / 2;
        le32(records, 3 + words);
        le16(records, 0x0F43);
        for (int p : {0x0020, 0x00CC, 0, h, w, 0, 0, b - t, r - l, t, l})
            le16(records, p);
        records += dib;
        largest = std::max(largest, 3 + int(words));
    }

    QByteArray bytes(std::optional<std::array<int, 5>> placeable, bool endRecord = true) const
    {
        QByteArray body = records;
        if (endRecord) {
            le32(body, 3);
            le16(body, 0);
        }
        QByteArray out;
        if (placeable) {
            const auto& [l, t, r, b, inch] = *placeable;
            QByteArray head;
            le32(head, 0x9AC6CDD7);
            for (int v : {0, l, t, r, b, inch})
                le16(head, v);
            le32(head, 0);
            int sum = 0;
            for (int i = 0; i < 20; i += 2)
                sum ^= uchar(head[i]) | uchar(head[i + 1]) << 8;
            le16(head, sum);
            out += head;
        }
        le16(out, 1);
        le16(out, 9);
        le16(out, 0x0300);
        le32(out, (18 + body.size()) / 2);
        le16(out, objects);
        le32(out, largest);
        le16(out, 0);
        return out + body;
    }
};

// Enhanced metafile drawn in device pixels (the default mapping).
struct Emf
{
    QByteArray records;
    int count = 0;
    int handles = 1;

    void record(quint32 type, std::initializer_list<qint64> params)
    {
        le32(records, type);
        le32(records, 8 + 4 * qint64(params.size()));
        for (qint64 p : params)
            le32(records, p);
        ++count;
    }
    void nullPen() { record(37, {0x80000008}); }
    void brush(QRgb c)
    {
        record(39, {handles, 0, qRed(c) | qGreen(c) << 8 | qBlue(c) << 16, 0});
        record(37, {handles++});
    }
    void rectangle(int l, int t, int r, int b) { record(43, {l, t, r, b}); }

    QByteArray bytes(QRect bounds, QRect frame, QSize devicePixels, QSize deviceMm) const
    {
        QByteArray body = records;
        le32(body, 14); // end record
        le32(body, 20);
        le32(body, 0);
        le32(body, 16);
        le32(body, 20);
        QByteArray head;
        le32(head, 1);
        le32(head, 88);
        for (int v : {bounds.left(), bounds.top(), bounds.right(), bounds.bottom(), frame.left(),
                      frame.top(), frame.left() + frame.width(), frame.top() + frame.height()})
            le32(head, v);
        le32(head, 0x464D4520);
        le32(head, 0x10000);
        le32(head, 88 + body.size());
        le32(head, count + 2);
        le16(head, handles);
        le16(head, 0);
        le32(head, 0);
        le32(head, 0);
        le32(head, 0);
        le32(head, devicePixels.width());
        le32(head, devicePixels.height());
        le32(head, deviceMm.width());
        le32(head, deviceMm.height());
        return head + body;
    }
};

// A bitmap header for a picture of any size, followed by a few pixels only.
QByteArray bitmapHeader(int width, int height)
{
    QByteArray bmp("BM");
    le32(bmp, 54 + 64);
    le32(bmp, 0);
    le32(bmp, 54);
    le32(bmp, 40);
    le32(bmp, width);
    le32(bmp, height);
    le16(bmp, 1);
    le16(bmp, 24);
    le32(bmp, 0);
    le32(bmp, 0);
    le32(bmp, 2835);
    le32(bmp, 2835);
    le32(bmp, 0);
    le32(bmp, 0);
    return bmp + QByteArray(64, '\x40');
}

// A JPEG whose frame header claims another size.
QByteArray jpegClaiming(QByteArray jpeg, int width, int height)
{
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        qFatal("no SOF0 in a Qt-written JPEG");
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xff);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xff);
    return jpeg;
}

QByteArray noise(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

// ---- Looking at painted pictures ----

QImage painted(const Picture& picture, QSize canvas, QRectF target)
{
    QImage image(canvas, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.paint(painter, target);
    return image;
}

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

bool isRed(QRgb c)
{
    return qRed(c) > 170 && qGreen(c) < 100 && qBlue(c) < 100;
}

bool isColoured(QRgb c)
{
    const int hi = std::max({qRed(c), qGreen(c), qBlue(c)});
    const int lo = std::min({qRed(c), qGreen(c), qBlue(c)});
    return hi - lo > 100;
}

QRect boundsWhere(const QImage& image, bool (*test)(QRgb))
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int countWhere(const QImage& image, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// Pixels part way along a colour change, across a row or a column: where an edge is sharp there
// is at most one such pixel, where a small picture was blown up there are several.
int rampPixels(const QImage& image)
{
    const auto between = [](QRgb before, QRgb c, QRgb after) {
        const int a = colourDistance(before, c), b = colourDistance(c, after);
        return a > 16 && b > 16 && colourDistance(before, after) > std::max(a, b);
    };
    int n = 0;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x) {
            const QRgb c = image.pixel(x, y);
            if (between(image.pixel(x - 1, y), c, image.pixel(x + 1, y)) ||
                between(image.pixel(x, y - 1), c, image.pixel(x, y + 1)))
                ++n;
        }
    return n;
}

int redWidthAt(const QImage& image, int y)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += isRed(image.pixel(x, y)) ? 1 : 0;
    return n;
}

QString samplePath(const QString& name)
{
    return QStringLiteral(QUENBROOK_SAMPLES_DIR "/") + name;
}

} // namespace

class tst_PictureLoader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void samples_data();
    void samples();
    void exifRotatedSample();
    void everyTypeByExtension_data();
    void everyTypeByExtension();
    void orientation_data();
    void orientation();
    void scaledDecoding_data();
    void scaledDecoding();
    void metafileFrame_data();
    void metafileFrame();
    void metafileText();
    void badFiles_data();
    void badFiles();

private:
    QString write(const QString& name, const QByteArray& bytes);

    QTemporaryDir dir_;
    QString bigJpeg_;
    QString bigBitmap_;
};

QString tst_PictureLoader::write(const QString& name, const QByteArray& bytes)
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void tst_PictureLoader::initTestCase()
{
    QVERIFY(dir_.isValid());
    // A large photograph with detail everywhere, so that scaled decoding has work to do.
    QImage big(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < big.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(big.scanLine(y));
        for (int x = 0; x < big.width(); ++x)
            line[x] = qRgb(x * 255 / 4000, y * 255 / 3000, ((x / 40 + y / 40) % 2) * 200);
    }
    bigJpeg_ = write("big.jpg", encoded(big, "jpeg", 85));
    bigBitmap_ = write("big.bmp", encoded(big.scaled(2000, 1500), "bmp"));
}

// ---- The sample pictures ----

void tst_PictureLoader::samples_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("himetric");
    QTest::addColumn<QSize>("pixels"); // empty for metafiles

    // HIMETRIC = pixels × 2540 / 96, rounded; metafiles from their frames.
    QTest::newRow("bmp") << "landscape.bmp" << QSize(16933, 10583) << QSize(640, 400);
    QTest::newRow("rle") << "rle8.rle" << QSize(8467, 6350) << QSize(320, 240);
    QTest::newRow("wmf") << "shapes.wmf" << QSize(5080, 3810) << QSize();
    QTest::newRow("emf") << "shapes.emf" << QSize(5080, 3810) << QSize();
    QTest::newRow("gif") << "portrait.gif" << QSize(7938, 11906) << QSize(300, 450);
    QTest::newRow("jpg rotated") << "exif-rotated.jpg" << QSize(7938, 10583) << QSize(300, 400);
    QTest::newRow("jpg") << "beach.jpg" << QSize(15875, 10583) << QSize(600, 400);
    QTest::newRow("jpg by case") << "Beach.jpg" << QSize(10583, 15875) << QSize(400, 600);
    QTest::newRow("jpeg") << "sunset.jpeg" << QSize(13229, 9260) << QSize(500, 350);
    QTest::newRow("jpe") << "harbour.jpe" << QSize(9525, 6350) << QSize(360, 240);
    QTest::newRow("jfif") << "meadow.jfif" << QSize(6350, 9525) << QSize(240, 360);
    QTest::newRow("ico") << "star.ico" << QSize(847, 847) << QSize(32, 32);
    QTest::newRow("cur") << "arrow.cur" << QSize(847, 847) << QSize(32, 32);
}

void tst_PictureLoader::samples()
{
    QFETCH(QString, file);
    QFETCH(QSize, himetric);
    QFETCH(QSize, pixels);
    const QString path = samplePath(file);
    if (!QFile::exists(path))
        QSKIP(qPrintable(file + " is not in samples/ yet"));

    PictureResult result = PictureLoader::load(path);
    if (auto* error = std::get_if<PictureError>(&result))
        QFAIL(qPrintable(error->message));
    const Picture& picture = std::get<Picture>(result);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.naturalHimetric(), himetric);
    QCOMPARE(picture.isVector(), pixels.isEmpty());

    if (!pixels.isEmpty()) {
        QCOMPARE(picture.decodedPixelSize(), pixels);
        const QImage image = painted(picture, pixels, QRectF(QPointF(), pixels));
        // Something was drawn, and not in a single colour.
        QSet<QRgb> colours;
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                colours.insert(image.pixel(x, y));
                drawn += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            }
        QVERIFY2(colours.size() >= 3, qPrintable(QString::number(colours.size())));
        QVERIFY(drawn > image.width() * image.height() / 20);
        return;
    }

    // A metafile drawn large must come out in colour and with sharp edges, as vectors do: far
    // fewer pixels lie part way along edges than when the drawing is made small and blown up.
    const QSize canvas(800, 800 * himetric.height() / himetric.width());
    const QImage image = painted(picture, canvas, QRectF(QPointF(), canvas));
    QVERIFY(countWhere(image, isColoured) > canvas.width() * canvas.height() / 50);
    const QImage small = painted(picture, canvas / 8, QRectF(QPointF(), canvas / 8));
    const Picture blownUp = Picture::fromImage(small, himetric);
    const int sharp = rampPixels(image);
    const int blurred = rampPixels(painted(blownUp, canvas, QRectF(QPointF(), canvas)));
    QVERIFY2(
        sharp > 0 && sharp * 3 < blurred,
        qPrintable(
            QStringLiteral("%1 pixels along edges, %2 when blown up").arg(sharp).arg(blurred)));
}

void tst_PictureLoader::exifRotatedSample()
{
    const QString path = samplePath("exif-rotated.jpg");
    if (!QFile::exists(path))
        QSKIP("exif-rotated.jpg is not in samples/ yet");
    for (const QSize target : {QSize(), QSize(150, 200)}) {
        PictureResult result = PictureLoader::load(path, target);
        QVERIFY(std::holds_alternative<Picture>(result));
        const Picture& picture = std::get<Picture>(result);
        const QSize shown = target.isEmpty() ? QSize(300, 400) : target;
        QCOMPARE(picture.decodedPixelSize(), shown);
        QCOMPARE(picture.naturalHimetric(), QSize(7938, 10583));
        // The red arrow points up once the picture is turned: narrow at its top, the widest
        // row (the base of the head) in its upper half.
        const QImage image = painted(picture, shown, QRectF(QPointF(), shown));
        const QRect red = boundsWhere(image, isRed);
        QVERIFY(red.height() > shown.height() / 3);
        QVERIFY(redWidthAt(image, red.top() + 2) < redWidthAt(image, red.bottom() - 2));
        int widest = red.top();
        for (int y = red.top(); y <= red.bottom(); ++y)
            if (redWidthAt(image, y) > redWidthAt(image, widest))
                widest = y;
        QVERIFY2(widest < red.center().y(), qPrintable(QString::number(widest)));
    }
}

// ---- Files the test makes itself ----

void tst_PictureLoader::everyTypeByExtension_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QImage>("expected");
    QTest::addColumn<int>("tolerance"); // 0: every pixel exact; else per quadrant, channels summed

    const QImage picture = quadrantImage(QSize(96, 48));
    // Some rows alternate pixel by pixel, so the encoders have to write stretches as they are.
    QImage stripes = quadrantImage(QSize(41, 21));
    for (int y = 2; y < stripes.height(); y += 4)
        for (int x = 0; x < stripes.width(); x += 2)
            stripes.setPixel(x, y, qRgb(255, 255, 255));

    QTest::newRow("bmp") << "plain.bmp" << encoded(picture, "bmp") << picture << 0;
    QTest::newRow("BMP") << "LOUD.BMP" << encoded(stripes, "bmp") << stripes << 0;
    QTest::newRow("rle8") << "runs.rle" << runLengthBitmap(picture, false) << picture << 0;
    QTest::newRow("rle4") << "runs4.Rle" << runLengthBitmap(picture, true) << picture << 0;
    QTest::newRow("rle8 stretches")
        << "stripes.RLE" << runLengthBitmap(stripes, false) << stripes << 0;
    QTest::newRow("rle4 stretches")
        << "stripes4.rle" << runLengthBitmap(stripes, true) << stripes << 0;
    QTest::newRow("gif") << "flag.GIF" << gifBytes(stripes) << stripes << 0;
    QTest::newRow("jpg") << "photo.jpg" << encoded(picture, "jpeg", 95) << picture << 60;
    QTest::newRow("JPEG") << "photo.JPEG" << encoded(picture, "jpeg", 95) << picture << 60;
    QTest::newRow("jpe") << "photo.Jpe" << encoded(picture, "jpeg", 95) << picture << 60;
    QTest::newRow("jfif") << "photo.jfIF" << encoded(picture, "jpeg", 95) << picture << 60;
    // Small image first: the largest is the picture.
    const QImage icon = quadrantImage(QSize(48, 48));
    QTest::newRow("ico") << "two.ICO" << iconFile({quadrantImage(QSize(16, 16)), icon}, false)
                         << icon << 0;
    QTest::newRow("cur") << "pointer.Cur" << iconFile({stripes.copy(0, 0, 32, 20)}, true)
                         << stripes.copy(0, 0, 32, 20) << 0;
}

void tst_PictureLoader::everyTypeByExtension()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QImage, expected);
    QFETCH(int, tolerance);

    PictureResult result = PictureLoader::load(write(file, bytes));
    if (auto* error = std::get_if<PictureError>(&result))
        QFAIL(qPrintable(error->message));
    const Picture& picture = std::get<Picture>(result);
    const QSize pixels = expected.size();
    QCOMPARE(picture.decodedPixelSize(), pixels);
    QCOMPARE(picture.naturalHimetric(),
             QSize(qRound(pixels.width() * 2540 / 96.0), qRound(pixels.height() * 2540 / 96.0)));

    const QImage image = painted(picture, pixels, QRectF(QPointF(), pixels));
    if (tolerance == 0) {
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x)
                QVERIFY2(image.pixel(x, y) == expected.pixel(x, y),
                         qPrintable(QStringLiteral("at %1,%2: %3, expected %4")
                                        .arg(x)
                                        .arg(y)
                                        .arg(image.pixel(x, y), 8, 16)
                                        .arg(expected.pixel(x, y), 8, 16)));
        return;
    }
    const int w = pixels.width(), h = pixels.height();
    const QPoint probes[4] = {
        {w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4}};
    for (int q = 0; q < 4; ++q) {
        const QRgb got = image.pixel(probes[q]);
        QVERIFY2(colourDistance(got, Quadrants[q]) <= tolerance,
                 qPrintable(QStringLiteral("quadrant %1: %2").arg(q).arg(got, 8, 16)));
    }
}

void tst_PictureLoader::orientation_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("upright");
    QTest::addColumn<int>("redCorner"); // 0 top left, 1 top right, 2 bottom left, 3 bottom right

    // Stored 400 × 300 with red in its top-left corner.
    QTest::newRow("1 as stored") << 1 << QSize(400, 300) << 0;
    QTest::newRow("2 mirrored") << 2 << QSize(400, 300) << 1;
    QTest::newRow("3 half turn") << 3 << QSize(400, 300) << 3;
    QTest::newRow("4 flipped") << 4 << QSize(400, 300) << 2;
    QTest::newRow("5 transposed") << 5 << QSize(300, 400) << 0;
    QTest::newRow("6 turned right") << 6 << QSize(300, 400) << 1;
    QTest::newRow("7 transversed") << 7 << QSize(300, 400) << 3;
    QTest::newRow("8 turned left") << 8 << QSize(300, 400) << 2;
}

void tst_PictureLoader::orientation()
{
    QFETCH(int, orientation);
    QFETCH(QSize, upright);
    QFETCH(int, redCorner);

    QImage stored(400, 300, QImage::Format_RGB32);
    stored.fill(qRgb(30, 30, 200));
    QPainter(&stored).fillRect(0, 0, 100, 75, qRgb(230, 10, 10));
    const QString path = write(QStringLiteral("turned%1.jpg").arg(orientation),
                               withOrientation(encoded(stored, "jpeg", 95), orientation));

    // Whole, and decoded for a target of half the upright size.
    for (const QSize target : {QSize(), upright / 2}) {
        PictureResult result = PictureLoader::load(path, target);
        if (auto* error = std::get_if<PictureError>(&result))
            QFAIL(qPrintable(error->message));
        const Picture& picture = std::get<Picture>(result);
        const QSize shown = target.isEmpty() ? upright : target;
        QCOMPARE(picture.decodedPixelSize(), shown);
        QCOMPARE(picture.naturalHimetric(), QSize(qRound(upright.width() * 2540 / 96.0),
                                                  qRound(upright.height() * 2540 / 96.0)));
        const QImage image = painted(picture, shown, QRectF(QPointF(), shown));
        const QRect red = boundsWhere(image, isRed);
        QVERIFY(!red.isEmpty());
        const QPoint centre = red.center();
        const int corner =
            (centre.y() > shown.height() / 2 ? 2 : 0) + (centre.x() > shown.width() / 2 ? 1 : 0);
        QCOMPARE(corner, redCorner);
        QVERIFY(red.width() < shown.width() / 2 && red.height() < shown.height() / 2);
    }
}

void tst_PictureLoader::scaledDecoding_data()
{
    QTest::addColumn<bool>("jpeg");
    QTest::addColumn<QSize>("target");
    QTest::addColumn<QSize>("decoded");

    QTest::newRow("tenth, same proportions") << true << QSize(400, 300) << QSize(400, 300);
    QTest::newRow("wide box: height decides") << true << QSize(800, 100) << QSize(134, 100);
    QTest::newRow("tall box: width decides") << true << QSize(100, 600) << QSize(100, 75);
    QTest::newRow("odd proportions round up") << true << QSize(333, 1000) << QSize(333, 250);
    QTest::newRow("larger than natural") << true << QSize(8000, 6000) << QSize(4000, 3000);
    QTest::newRow("larger one way only") << true << QSize(4400, 3000) << QSize(4000, 3000);
    QTest::newRow("no target") << true << QSize() << QSize(4000, 3000);
    QTest::newRow("bitmap, fifth") << false << QSize(400, 300) << QSize(400, 300);
    QTest::newRow("bitmap, no target") << false << QSize() << QSize(2000, 1500);
}

void tst_PictureLoader::scaledDecoding()
{
    QFETCH(bool, jpeg);
    QFETCH(QSize, target);
    QFETCH(QSize, decoded);

    PictureResult result = PictureLoader::load(jpeg ? bigJpeg_ : bigBitmap_, target);
    if (auto* error = std::get_if<PictureError>(&result))
        QFAIL(qPrintable(error->message));
    const Picture& picture = std::get<Picture>(result);
    QCOMPARE(picture.decodedPixelSize(), decoded);
    // The natural size is the whole picture's, however it was decoded.
    QCOMPARE(picture.naturalHimetric(), jpeg ? QSize(105833, 79375) : QSize(52917, 39688));
}

// ---- Metafile frames ----

void tst_PictureLoader::metafileFrame_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("himetric");
    QTest::addColumn<QRectF>("red"); // where the red fill lands, in fractions of the frame

    const QRgb red = qRgb(255, 0, 0);
    const std::array<int, 5> frame{0, 0, 2880, 2160, 1440};
    // Red fills the middle of the frame and nothing else is drawn, so a drawing stretched to
    // its ink would fill the whole target.
    {
        Wmf w;
        w.mapMode(8);
        w.windowOrg(0, 0);
        w.windowExt(2880, 2160);
        w.nullPen();
        w.brush(red);
        w.rectangle(720, 540, 2160, 1620);
        QTest::newRow("wmf placeable")
            << "middle.wmf" << w.bytes(frame) << QSize(5080, 3810) << QRectF(0.25, 0.25, 0.5, 0.5);
        QTest::newRow("wmf without placeable header")
            << "plain.wmf" << w.bytes(std::nullopt) << QSize(5080, 3810)
            << QRectF(0.25, 0.25, 0.5, 0.5);
    }
    {
        Wmf w; // frame away from the origin, 720 units to the inch
        w.mapMode(8);
        w.windowOrg(100, 200);
        w.windowExt(2880, 2160);
        w.nullPen();
        w.brush(red);
        w.rectangle(100, 200, 820, 740);
        QTest::newRow("wmf moved origin")
            << "moved.wmf" << w.bytes(std::array<int, 5>{100, 200, 2980, 2360, 720})
            << QSize(10160, 7620) << QRectF(0, 0, 0.25, 0.25);
    }
    {
        Wmf w; // y axis pointing up: logical 0..1080 is the lower half
        w.mapMode(8);
        w.windowOrg(0, 2160);
        w.windowExt(2880, -2160);
        w.nullPen();
        w.brush(red);
        w.rectangle(720, 1080, 2160, 0);
        QTest::newRow("wmf y up") << "upward.wmf" << w.bytes(frame) << QSize(5080, 3810)
                                  << QRectF(0.25, 0.5, 0.5, 0.5);
    }
    {
        Wmf w; // no mapping records: the placeable header alone sets the scale
        w.nullPen();
        w.brush(red);
        w.rectangle(1440, 1080, 2880, 2160);
        QTest::newRow("wmf unmapped")
            << "unmapped.wmf" << w.bytes(frame) << QSize(5080, 3810) << QRectF(0.5, 0.5, 0.5, 0.5);
    }
    {
        Wmf w; // a viewport of its own
        w.mapMode(8);
        w.windowOrg(0, 0);
        w.windowExt(2880, 2160);
        w.viewportExt(800, 600);
        w.nullPen();
        w.brush(red);
        w.rectangle(0, 1080, 1440, 2160);
        QTest::newRow("wmf viewport")
            << "viewport.wmf" << w.bytes(frame) << QSize(5080, 3810) << QRectF(0, 0.5, 0.5, 0.5);
    }
    {
        Wmf w; // ink beyond the frame is cut off at its edge
        w.mapMode(8);
        w.windowOrg(0, 0);
        w.windowExt(2880, 2160);
        w.nullPen();
        w.brush(red);
        w.rectangle(2160, 1620, 5000, 4000);
        QTest::newRow("wmf ink outside")
            << "spill.wmf" << w.bytes(frame) << QSize(5080, 3810) << QRectF(0.75, 0.75, 0.25, 0.25);
    }
    {
        Wmf w; // without the end record, ending cleanly with the data
        w.mapMode(8);
        w.windowOrg(0, 0);
        w.windowExt(2880, 2160);
        w.nullPen();
        w.brush(red);
        w.rectangle(0, 0, 1440, 1080);
        QTest::newRow("wmf without end record")
            << "noend.wmf" << w.bytes(frame, false) << QSize(5080, 3810) << QRectF(0, 0, 0.5, 0.5);
    }
    {
        Wmf w; // a bitmap, placed by its own rectangle
        w.mapMode(8);
        w.windowOrg(0, 0);
        w.windowExt(2880, 2160);
        w.bitmap(720, 1080, 2160, 2160, red);
        QTest::newRow("wmf bitmap")
            << "bitmap.wmf" << w.bytes(frame) << QSize(5080, 3810) << QRectF(0.25, 0.5, 0.5, 0.5);
    }
    {
        // 10 device pixels to the mm: the 5080 × 3810 frame is 508 × 381 pixels; the ink only
        // covers part of it.
        Emf e;
        e.nullPen();
        e.brush(red);
        e.rectangle(127, 95, 381, 286);
        QTest::newRow("emf") << "middle.emf"
                             << e.bytes(QRect(127, 95, 254, 191), QRect(0, 0, 5080, 3810),
                                        QSize(3200, 2400), QSize(320, 240))
                             << QSize(5080, 3810) << QRectF(0.25, 0.25, 0.5, 0.5);
    }
    {
        // 4 pixels to the mm, frame away from the origin: pixels 40..240 × 20..180.
        Emf e;
        e.nullPen();
        e.brush(red);
        e.rectangle(40, 100, 140, 180);
        QTest::newRow("emf moved frame")
            << "moved.EMF"
            << e.bytes(QRect(40, 100, 100, 80), QRect(1000, 500, 5000, 4000), QSize(1000, 1000),
                       QSize(250, 250))
            << QSize(5000, 4000) << QRectF(0, 0.5, 0.5, 0.5);
    }
}

void tst_PictureLoader::metafileFrame()
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
    const QRect found = boundsWhere(image, isRed);
    const QRectF expected(target.x() + red.x() * target.width(),
                          target.y() + red.y() * target.height(), red.width() * target.width(),
                          red.height() * target.height());
    const auto near = [](double a, double b) { return std::abs(a - b) <= 2.5; };
    QVERIFY2(near(found.left(), expected.left()) && near(found.right() + 1, expected.right()) &&
                 near(found.top(), expected.top()) && near(found.bottom() + 1, expected.bottom()),
             qPrintable(QStringLiteral("red at %1,%2 %3×%4; expected %5,%6 %7×%8")
                            .arg(found.x())
                            .arg(found.y())
                            .arg(found.width())
                            .arg(found.height())
                            .arg(expected.x())
                            .arg(expected.y())
                            .arg(expected.width())
                            .arg(expected.height())));
}

void tst_PictureLoader::metafileText()
{
    // Characters that mean something in SVG, a letter beyond ASCII and a control character.
    Wmf w;
    w.mapMode(8);
    w.windowOrg(0, 0);
    w.windowExt(2880, 2160);
    w.font(300, "Arial");
    w.text(200, 1000, "Caf\xE9 <&> \x01 \"tea\"");
    PictureResult result = PictureLoader::load(write("text.wmf", w.bytes(std::nullopt)));
    if (auto* error = std::get_if<PictureError>(&result))
        QFAIL(qPrintable(error->message));
    const QImage image =
        painted(std::get<Picture>(result), QSize(600, 450), QRectF(0, 0, 600, 450));
    const QRect ink = boundsWhere(image, [](QRgb c) { return qGray(c) < 100; });
    // One line of text, a little below the middle, across about half the width.
    QVERIFY2(ink.width() > 200 && ink.height() > 20 && ink.height() < 100,
             qPrintable(QStringLiteral("%1×%2").arg(ink.width()).arg(ink.height())));
    QVERIFY(ink.top() > 100 && ink.bottom() < 300);
}

// ---- Files that are not pictures ----

void tst_PictureLoader::badFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QVariant>("bytes"); // the file's bytes; "folder" makes a folder; none: nothing
    QTest::addColumn<QSize>("target");
    QTest::addColumn<QString>("reason");

    const QImage picture = quadrantImage(QSize(120, 90));
    const QByteArray jpeg = encoded(picture, "jpeg", 90);
    const QByteArray bmp = encoded(picture, "bmp");
    const QByteArray gif = gifBytes(picture);
    const QByteArray rle = runLengthBitmap(picture, false);
    const QByteArray ico = iconFile({quadrantImage(QSize(32, 32))}, false);
    const QByteArray text = "These are the notes for the album, not a picture.\n";
    Wmf shapes;
    shapes.mapMode(8);
    shapes.windowOrg(0, 0);
    shapes.windowExt(2880, 2160);
    shapes.nullPen();
    shapes.brush(qRgb(255, 0, 0));
    shapes.rectangle(10, 10, 1000, 1000);
    const QByteArray wmf = shapes.bytes(std::array<int, 5>{0, 0, 2880, 2160, 1440});
    Emf drawing;
    drawing.brush(qRgb(0, 0, 255));
    drawing.rectangle(10, 10, 100, 100);
    const QByteArray emf = drawing.bytes(QRect(10, 10, 90, 90), QRect(0, 0, 5080, 3810),
                                         QSize(1920, 1080), QSize(508, 286));
    const auto some = [](const QByteArray& b) { return QVariant(b); };
    const QVariant none;
    const QString unreadableJpeg = QStringLiteral("not a readable JPEG picture");

    QTest::newRow("missing") << "missing.jpg" << none << QSize() << "file not found";
    QTest::newRow("hidden") << ".hidden.jpg" << some(jpeg) << QSize() << "file not found";
    QTest::newRow("folder") << "folder.jpg" << QVariant(QStringLiteral("folder")) << QSize()
                            << "file not found";
    QTest::newRow("empty") << "empty.bmp" << some({}) << QSize() << "the file is empty";
    QTest::newRow("unknown type") << "notes.txt" << some(text) << QSize() << "not a picture type";
    QTest::newRow("png") << "photo.png" << some(encoded(picture, "png")) << QSize()
                         << "not a picture type";
    QTest::newRow("cut jpeg") << "beach.jpg" << some(jpeg.left(jpeg.size() * 3 / 5)) << QSize()
                              << unreadableJpeg;
    QTest::newRow("cut jpeg, scaled")
        << "cut.jpeg" << some(jpeg.left(jpeg.size() - 2)) << QSize(20, 20) << unreadableJpeg;
    QTest::newRow("jpeg header only")
        << "head.jpg" << some(jpeg.left(120)) << QSize() << unreadableJpeg;
    QTest::newRow("cut bmp") << "cut.bmp" << some(bmp.left(bmp.size() / 2)) << QSize()
                             << "not a readable bitmap";
    QTest::newRow("cut rle") << "cut.rle" << some(rle.left(rle.size() / 2)) << QSize()
                             << "not a readable run-length bitmap";
    QTest::newRow("cut gif") << "cut.gif" << some(gif.left(gif.size() / 2)) << QSize()
                             << "not a readable GIF picture";
    QTest::newRow("cut ico") << "cut.ico" << some(ico.left(ico.size() - 100)) << QSize()
                             << "not a readable icon";
    QTest::newRow("text as jpg") << "text.jpg" << some(text) << QSize() << unreadableJpeg;
    QTest::newRow("gif as jpg") << "gif.jpg" << some(gif) << QSize() << unreadableJpeg;
    QTest::newRow("text as wmf") << "text.wmf" << some(text) << QSize()
                                 << "not a readable Windows metafile";
    QTest::newRow("text as emf") << "text.emf" << some(text) << QSize()
                                 << "not a readable enhanced metafile";
    QTest::newRow("jpeg as emf") << "photo.emf" << some(jpeg) << QSize()
                                 << "not a readable enhanced metafile";
    for (const auto& [name, reason] : {std::pair{"noise.emf", "not a readable enhanced metafile"},
                                       std::pair{"noise.wmf", "not a readable Windows metafile"},
                                       std::pair{"noise.ico", "not a readable icon"},
                                       std::pair{"noise.cur", "not a readable cursor"},
                                       std::pair{"noise.rle", "not a readable run-length bitmap"},
                                       std::pair{"noise.bmp", "not a readable bitmap"},
                                       std::pair{"noise.gif", "not a readable GIF picture"},
                                       std::pair{"noise.jpg", "not a readable JPEG picture"}})
        QTest::newRow(name) << name << some(noise(4096, qHash(QByteArray(name)))) << QSize()
                            << reason;
    // Random records behind headers that pass a first look.
    QTest::newRow("wmf header, noise records")
        << "records.wmf" << some(wmf.left(40) + noise(3000, 7)) << QSize()
        << "not a readable Windows metafile";
    QTest::newRow("emf header, noise records")
        << "records.emf" << some(emf.left(88) + noise(3000, 8)) << QSize()
        << "not a readable enhanced metafile";
    QTest::newRow("cut wmf") << "cut.wmf" << some(wmf.left(wmf.size() - 9)) << QSize()
                             << "not a readable Windows metafile";
    QTest::newRow("cut emf") << "cut.emf" << some(emf.left(emf.size() - 12)) << QSize()
                             << "not a readable enhanced metafile";
    {
        QByteArray b = emf;
        b[88 + 4] = 0; // first record's size
        b[88 + 5] = 0;
        QTest::newRow("emf record of no size")
            << "zero.emf" << some(b) << QSize() << "not a readable enhanced metafile";
        b = wmf;
        b[22 + 18] = char(0xff); // first record claims more words than the file has
        b[22 + 19] = char(0xff);
        QTest::newRow("wmf record past the end")
            << "long.wmf" << some(b) << QSize() << "not a readable Windows metafile";
    }
    {
        Wmf damaged;
        damaged.mapMode(8);
        damaged.windowOrg(0, 0);
        damaged.windowExt(2880, 2160);
        damaged.bitmap(0, 0, 1440, 1080, qRgb(255, 0, 0), true);
        QTest::newRow("wmf with a damaged bitmap")
            << "dib.wmf" << some(damaged.bytes(std::array<int, 5>{0, 0, 2880, 2160, 1440}))
            << QSize() << "not a readable Windows metafile";
    }
    QTest::newRow("huge bmp header") << "huge.bmp" << some(bitmapHeader(60000, 60000)) << QSize()
                                     << "picture too large (60000 × 60000 pixels)";
    QTest::newRow("huge bmp, small target")
        << "huge2.bmp" << some(bitmapHeader(40000, 40000)) << QSize(100, 100)
        << "picture too large (40000 × 40000 pixels)";
    QTest::newRow("huge jpeg header") << "huge.jpg" << some(jpegClaiming(jpeg, 65000, 30000))
                                      << QSize() << "picture too large (65000 × 30000 pixels)";
    QTest::newRow("absurd wmf frame")
        << "absurd.wmf" << some(shapes.bytes(std::array<int, 5>{-32000, -32000, 32000, 32000, 1}))
        << QSize() << "picture too large";
    QTest::newRow("wmf, no units per inch")
        << "noinch.wmf" << some(shapes.bytes(std::array<int, 5>{0, 0, 2880, 2160, 0})) << QSize()
        << "not a readable Windows metafile";
    QTest::newRow("wmf, empty frame")
        << "flat.wmf" << some(shapes.bytes(std::array<int, 5>{0, 100, 2880, 100, 1440})) << QSize()
        << "does not say how big it is";
    {
        Wmf plain; // no placeable header and no window
        plain.nullPen();
        plain.brush(qRgb(255, 0, 0));
        plain.rectangle(0, 0, 100, 100);
        QTest::newRow("wmf without any size")
            << "nosize.wmf" << some(plain.bytes(std::nullopt)) << QSize()
            << "the Windows metafile does not say how big it is";
    }
    QTest::newRow("emf, empty frame")
        << "flat.emf"
        << some(drawing.bytes(QRect(10, 10, 90, 90), QRect(0, 0, 0, 3810), QSize(1920, 1080),
                              QSize(508, 286)))
        << QSize() << "does not say how big it is";
    QTest::newRow("emf, absurd frame")
        << "absurd.emf"
        << some(drawing.bytes(QRect(10, 10, 90, 90), QRect(0, 0, 2000000000, 3810),
                              QSize(1920, 1080), QSize(508, 286)))
        << QSize() << "picture too large";
}

void tst_PictureLoader::badFiles()
{
    QFETCH(QString, file);
    QFETCH(QVariant, bytes);
    QFETCH(QSize, target);
    QFETCH(QString, reason);

    const QString path = dir_.filePath(file);
    if (bytes.typeId() == QMetaType::QByteArray)
        write(file, bytes.toByteArray());
    else if (bytes.isValid())
        QVERIFY(QDir(dir_.path()).mkdir(file));
    QElapsedTimer timer;
    timer.start();
    PictureResult result = PictureLoader::load(path, target);
    const qint64 ms = timer.elapsed();
    QVERIFY2(std::holds_alternative<PictureError>(result), "loaded as a picture");
    const QString message = std::get<PictureError>(result).message;
    QVERIFY2(message.startsWith(file + QStringLiteral(": ")), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QVERIFY2(ms < 2000, qPrintable(QStringLiteral("took %1 ms").arg(ms)));
}

QTEST_MAIN(tst_PictureLoader)
#include "tst_pictureloader.moc"
