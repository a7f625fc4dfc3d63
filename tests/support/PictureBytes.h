#pragma once

// Picture files built byte by byte, for the loader tests.

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <initializer_list>

namespace picturetest {

// Appends each value as `bytes` bytes, least significant first.
inline void le(QByteArray& b, int bytes, std::initializer_list<qint64> values)
{
    for (qint64 v : values)
        for (int i = 0; i < bytes; ++i)
            b.append(char((v >> (8 * i)) & 0xff));
}

// Appends each value as `bytes` bytes, most significant first (JPEG, PNG).
inline void be(QByteArray& b, int bytes, std::initializer_list<qint64> values)
{
    for (qint64 v : values)
        for (int i = bytes - 1; i >= 0; --i)
            b.append(char((v >> (8 * i)) & 0xff));
}

// A Windows metafile record: its 16-bit parameters, then any bytes as they are.
inline QByteArray wmfRecord(int function, std::initializer_list<qint64> words,
                            const QByteArray& raw = {})
{
    QByteArray r;
    le(r, 4, {3 + qint64(words.size()) + raw.size() / 2});
    le(r, 2, {function});
    le(r, 2, words);
    return r + raw;
}

// Logical units with their origin at (x, y), w × h of them making the window.
inline QByteArray wmfWindow(int x, int y, int w, int h)
{
    return wmfRecord(0x0103, {8}) + wmfRecord(0x020B, {y, x}) + wmfRecord(0x020C, {h, w});
}

// Records with the header and end record; `placeable` is left, top, right, bottom, units per inch.
inline QByteArray wmf(const QByteArray& records, std::initializer_list<qint64> placeable = {})
{
    QByteArray out;
    if (placeable.size() == 5) {
        le(out, 4, {0x9AC6CDD7});
        le(out, 2, {0});
        le(out, 2, placeable);
        le(out, 2, {0, 0, 0}); // reserved, checksum
    }
    const QByteArray body = records + wmfRecord(0, {});
    le(out, 2, {1, 9, 0x0300});
    le(out, 4, {9 + body.size() / 2});
    le(out, 2, {4}); // objects
    le(out, 4, {body.size() / 2});
    le(out, 2, {0});
    return out + body;
}

inline QByteArray emfRecord(qint64 type, std::initializer_list<qint64> params)
{
    QByteArray r;
    le(r, 4, {type, 8 + 4 * qint64(params.size())});
    le(r, 4, params);
    return r;
}

// An enhanced metafile of the records, bounds (l, t, r, b) in device pixels, `frame` in
// HIMETRIC and a reference device of 4 pixels to the mm; the end record is added.
inline QByteArray emf(const QByteArray& records, std::initializer_list<qint64> bounds,
                      std::initializer_list<qint64> frame)
{
    const QByteArray body = records + emfRecord(14, {0, 16, 20});
    QByteArray head;
    le(head, 4, {1, 88});
    le(head, 4, bounds);
    le(head, 4, frame);
    le(head, 4, {0x464D4520, 0x10000, 88 + body.size(), 6, 2, 0, 0, 0, 1000, 1000, 250, 250});
    return head + body;
}

// A bitmap's 40-byte header, as in a .bmp, an icon or a metafile's bitmap records.
inline QByteArray bitmapInfo(qint64 width, qint64 height, int bits, int compression,
                             qint64 pixelBytes, int colours)
{
    QByteArray h;
    le(h, 4, {40, width, height});
    le(h, 2, {1, bits});
    le(h, 4, {compression, pixelBytes, 2835, 2835, colours, 0});
    return h;
}

// A .bmp of the header, palette (4 bytes an entry) and pixel bytes.
inline QByteArray bmp(qint64 width, qint64 height, int bits, int compression,
                      const QByteArray& palette, const QByteArray& pixels)
{
    QByteArray b("BM");
    const qint64 at = 54 + palette.size();
    le(b, 4, {at + pixels.size(), 0, at});
    return b +
           bitmapInfo(width, height, bits, compression, pixels.size(), int(palette.size() / 4)) +
           palette + pixels;
}

// Writes the bytes to a file of that name in dir and gives its path.
inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace picturetest
