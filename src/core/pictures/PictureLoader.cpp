#include "core/pictures/PictureLoader.h"

#include "core/pictures/MetafileToSvg.h"
#include "core/program/PictureFileTypes.h"
#include "core/program/Units.h"

#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QSvgRenderer>

#include <algorithm>
#include <cstring>
#include <optional>

namespace quenbrook {
namespace {

QString kindWords(PictureFormat kind)
{
    switch (kind) {
    case PictureFormat::Bitmap:
        return QStringLiteral("bitmap");
    case PictureFormat::RunLengthBitmap:
        return QStringLiteral("run-length bitmap");
    case PictureFormat::WindowsMetafile:
        return QStringLiteral("Windows metafile");
    case PictureFormat::EnhancedMetafile:
        return QStringLiteral("enhanced metafile");
    case PictureFormat::Gif:
        return QStringLiteral("GIF picture");
    case PictureFormat::Jpeg:
        return QStringLiteral("JPEG picture");
    case PictureFormat::Icon:
        return QStringLiteral("icon");
    case PictureFormat::Cursor:
        return QStringLiteral("cursor");
    }
    return {};
}

// The Qt image format each raster kind is read as, whatever the file's contents claim.
QByteArray qtFormat(PictureFormat kind)
{
    switch (kind) {
    case PictureFormat::Bitmap:
    case PictureFormat::RunLengthBitmap:
        return "bmp";
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Icon:
        return "ico";
    case PictureFormat::Cursor:
        return "cur";
    case PictureFormat::WindowsMetafile:
    case PictureFormat::EnhancedMetafile:
        break;
    }
    return {};
}

PictureError failure(const QString& name, const QString& what)
{
    return {name + QStringLiteral(": ") + what};
}

PictureError notReadable(const QString& name, PictureFormat kind, const QString& detail = QString())
{
    QString what = QStringLiteral("not a readable ") + kindWords(kind);
    if (!detail.isEmpty())
        what += QStringLiteral(" (") + detail + u')';
    return failure(name, what);
}

PictureError tooLarge(const QString& name, const QString& detail)
{
    const QString what = QStringLiteral("picture too large");
    return failure(name, detail.isEmpty() ? what : what + QStringLiteral(" (%1)").arg(detail));
}

// The largest size of natural's proportions that fits in target, rounded up so that a picture
// drawn at that size is never short of pixels; natural itself if that is smaller. Exact in
// integers, so asking for the natural proportions gives exactly the target.
QSize fitSize(QSize natural, QSize target)
{
    if (target.isEmpty() || natural.isEmpty())
        return natural;
    const qint64 nw = natural.width(), nh = natural.height();
    const qint64 tw = target.width(), th = target.height();
    qint64 w, h;
    if (tw * nh <= th * nw) {
        w = tw;
        h = (nh * tw + nw - 1) / nw;
    } else {
        h = th;
        w = (nw * th + nh - 1) / nh;
    }
    if (w >= nw || h >= nh)
        return natural;
    return QSize(int(std::max<qint64>(w, 1)), int(std::max<qint64>(h, 1)));
}

// ---- Whole-file checks ----
// Qt decodes a cut-off bitmap, GIF or JPEG without complaint, filling the rest with grey or
// nothing. These walk the file's structure to find such files before they are decoded.

struct Bytes
{
    const uchar* d;
    qint64 n;
    quint32 u16(qint64 at) const { return quint32(d[at]) | quint32(d[at + 1]) << 8; }
    quint32 u32(qint64 at) const { return u16(at) | u16(at + 2) << 16; }
    qint32 s32(qint64 at) const { return qint32(u32(at)); }
};

// A JPEG is whole when its picture data is followed by the end-of-image marker.
bool jpegIsWhole(Bytes b)
{
    if (b.n < 4 || b.d[0] != 0xFF || b.d[1] != 0xD8)
        return false;
    qint64 pos = 2;
    while (pos < b.n) {
        if (b.d[pos] != 0xFF)
            return false;
        while (pos < b.n && b.d[pos] == 0xFF)
            ++pos;
        if (pos >= b.n)
            return false;
        const uchar marker = b.d[pos++];
        if (marker == 0xD9)
            return false; // ends before any picture data
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (b.n - pos < 2)
            return false;
        const qint64 length = qint64(b.d[pos]) << 8 | b.d[pos + 1];
        if (length < 2 || length > b.n - pos)
            return false;
        pos += length;
        if (marker == 0xDA) {
            // In the coded data an FF is always followed by 00 or a restart marker, so the
            // first FF D9 from here on is the end (later scans of a progressive JPEG included).
            while (pos + 1 < b.n) {
                const void* ff = std::memchr(b.d + pos, 0xFF, size_t(b.n - pos - 1));
                if (!ff)
                    return false;
                pos = static_cast<const uchar*>(ff) - b.d;
                if (b.d[pos + 1] == 0xD9)
                    return true;
                ++pos;
            }
            return false;
        }
    }
    return false;
}

// A GIF is whole enough when its first picture's data blocks are all there.
bool gifIsWhole(Bytes b)
{
    if (b.n < 13 || std::memcmp(b.d, "GIF8", 4) != 0)
        return false;
    auto colourTable = [](uchar flags) { return (flags & 0x80) ? 3 * (2 << (flags & 7)) : 0; };
    qint64 pos = 13 + colourTable(b.d[10]);
    auto skipBlocks = [&] {
        while (pos < b.n) {
            const uchar length = b.d[pos++];
            if (length == 0)
                return true;
            pos += length;
        }
        return false;
    };
    while (pos < b.n) {
        const uchar introducer = b.d[pos];
        if (introducer == 0x21) { // extension
            pos += 2;
            if (!skipBlocks())
                return false;
        } else if (introducer == 0x2C) { // picture
            if (b.n - pos < 11)
                return false;
            pos += 10 + colourTable(b.d[pos + 9]) + 1; // descriptor, colours, LZW code size
            return skipBlocks();
        } else {
            return false; // trailer or garbage before any picture
        }
    }
    return false;
}

struct BitmapHeader
{
    qint64 offset, width, height, bits, compression;
};

std::optional<BitmapHeader> readBitmapHeader(Bytes b)
{
    if (b.n < 26 || b.d[0] != 'B' || b.d[1] != 'M')
        return std::nullopt;
    BitmapHeader h{};
    h.offset = b.u32(10);
    const qint64 headerSize = b.u32(14);
    if (headerSize == 12) {
        h.width = b.u16(18);
        h.height = b.u16(20);
        h.bits = b.u16(24);
    } else if (headerSize >= 40 && b.n >= 34) {
        h.width = b.s32(18);
        h.height = std::abs(qint64(b.s32(22)));
        h.bits = b.u16(28);
        h.compression = b.u32(30);
    } else {
        return std::nullopt;
    }
    if (h.width <= 0 || h.height <= 0)
        return std::nullopt;
    return h;
}

// A bitmap is whole when its pixel rows are all there (or, run-length coded, all its lines).
bool bitmapIsWhole(Bytes b)
{
    const std::optional<BitmapHeader> header = readBitmapHeader(b);
    if (!header || header->offset >= b.n)
        return false;
    const auto [offset, width, height, bits, compression] = *header;
    switch (compression) {
    case 0: // plain
    case 3: // bit fields
    case 6: {
        const qint64 rowBytes = (width * bits + 31) / 32 * 4;
        return offset + rowBytes * height <= b.n;
    }
    case 1: // RLE8
    case 2: // RLE4
    {
        qint64 pos = offset;
        qint64 lines = 0;
        while (b.n - pos >= 2) {
            const uchar count = b.d[pos];
            const uchar code = b.d[pos + 1];
            pos += 2;
            if (count > 0)
                continue; // a run
            if (code == 0) {
                ++lines;
            } else if (code == 1) {
                return true;
            } else if (code == 2) { // move
                if (b.n - pos < 2)
                    return false;
                lines += b.d[pos + 1];
                pos += 2;
            } else { // pixels as they are, padded to a word
                const qint64 bytes = compression == 1 ? code : (code + 1) / 2;
                pos += (bytes + 1) & ~qint64(1);
            }
        }
        return lines >= height; // every line ended, only the closing mark missing
    }
    default:
        return true; // left to Qt, which reads only the kinds above
    }
}

// An icon or cursor is whole when every picture its directory lists lies within the file.
bool iconIsWhole(Bytes b)
{
    if (b.n < 6 || b.u16(0) != 0 || (b.u16(2) != 1 && b.u16(2) != 2))
        return false;
    const qint64 count = b.u16(4);
    if (count == 0 || 6 + 16 * count > b.n)
        return false;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 entry = 6 + 16 * i;
        const qint64 size = b.u32(entry + 8);
        const qint64 offset = b.u32(entry + 12);
        if (size == 0 || offset + size > b.n)
            return false;
    }
    return true;
}

bool isWhole(PictureFormat kind, Bytes b)
{
    switch (kind) {
    case PictureFormat::Bitmap:
    case PictureFormat::RunLengthBitmap:
        return bitmapIsWhole(b);
    case PictureFormat::Gif:
        return gifIsWhole(b);
    case PictureFormat::Jpeg:
        return jpegIsWhole(b);
    case PictureFormat::Icon:
    case PictureFormat::Cursor:
        return iconIsWhole(b);
    case PictureFormat::WindowsMetafile:
    case PictureFormat::EnhancedMetafile:
        break;
    }
    return true;
}

bool fileIsWhole(const QString& path, PictureFormat kind, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (const uchar* mapped = file.map(0, size)) {
        const bool whole = isWhole(kind, {mapped, size});
        file.unmap(const_cast<uchar*>(mapped));
        return whole;
    }
    const QByteArray all = file.readAll();
    return isWhole(kind, {reinterpret_cast<const uchar*>(all.constData()), all.size()});
}

// ---- Loading ----

// Icons and cursors hold several sizes; the largest is the picture.
void chooseLargestImage(QImageReader& reader)
{
    const int count = std::min(reader.imageCount(), 256);
    int best = 0;
    qint64 bestArea = -1;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QSize size = reader.size();
        const qint64 area = qint64(size.width()) * size.height();
        if (size.isValid() && area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    if (count > 1)
        reader.jumpToImage(best);
}

PictureResult loadRaster(const QString& path, const QString& name, PictureFormat kind,
                         qint64 fileSize, QSize target)
{
    static const bool limitSet = [] {
        QImageReader::setAllocationLimit(int(PictureLoader::MaxDecodedBytes / (1024 * 1024)));
        return true;
    }();
    Q_UNUSED(limitSet);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(name, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
    QImageReader reader(&file, qtFormat(kind));
    reader.setAutoDetectImageFormat(false); // a file is read as what its name says, or not at all
    reader.setAutoTransform(true);
    if (kind == PictureFormat::Icon || kind == PictureFormat::Cursor)
        chooseLargestImage(reader);

    const auto refuseSize = [&](QSize size) {
        return tooLarge(name,
                        QStringLiteral("%1 × %2 pixels").arg(size.width()).arg(size.height()));
    };
    // Qt will not even read the size of a bitmap much beyond 16000 pixels a side.
    if (kind == PictureFormat::Bitmap || kind == PictureFormat::RunLengthBitmap) {
        const QByteArray head = file.peek(64);
        const auto header =
            readBitmapHeader({reinterpret_cast<const uchar*>(head.constData()), head.size()});
        if (header && header->width * header->height * 4 > PictureLoader::MaxDecodedBytes)
            return refuseSize(QSize(int(header->width), int(header->height)));
    }

    // Everything up to the decode comes from the header.
    const QSize stored = reader.size();
    if (stored.isEmpty())
        return notReadable(name, kind);
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize oriented = turned ? stored.transposed() : stored;
    const QSize natural(int(ToHimetric(oriented.width())), int(ToHimetric(oriented.height())));
    const QSize wanted = fitSize(oriented, target);
    // Scaled size applies to the picture as stored, before it is turned upright.
    const QSize wantedStored = turned ? wanted.transposed() : wanted;
    // Only the JPEG decoder decodes straight at a smaller size, and by no more than an eighth;
    // the others hold the whole picture first.
    QSize held = stored;
    if (reader.supportsOption(QImageIOHandler::ScaledSize))
        held = wantedStored.expandedTo(QSize((stored.width() + 7) / 8, (stored.height() + 7) / 8));
    if (qint64(held.width()) * held.height() * 4 > PictureLoader::MaxDecodedBytes)
        return refuseSize(oriented);

    if (!fileIsWhole(path, kind, fileSize))
        return notReadable(name, kind);

    if (wantedStored != stored)
        reader.setScaledSize(wantedStored);
    QImage image = reader.read();
    if (image.isNull())
        return notReadable(name, kind);
    return Picture::fromImage(std::move(image), natural);
}

PictureResult loadMetafile(const QString& path, const QString& name, PictureFormat kind,
                           qint64 fileSize)
{
    if (fileSize > MetafileToSvg::MaxFileBytes)
        return tooLarge(name, QStringLiteral("a file of %1 MB").arg(fileSize / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(name, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
    const QByteArray data = file.read(MetafileToSvg::MaxFileBytes + 1);

    const MetafileToSvg::Result result = kind == PictureFormat::WindowsMetafile
                                             ? MetafileToSvg::wmfToSvg(data)
                                             : MetafileToSvg::emfToSvg(data);
    if (const auto* failed = std::get_if<MetafileToSvg::Failure>(&result)) {
        switch (failed->kind) {
        case MetafileToSvg::Failure::Kind::Unreadable:
            return notReadable(name, kind, failed->detail);
        case MetafileToSvg::Failure::Kind::NoSize:
            return failure(
                name, QStringLiteral("the %1 does not say how big it is").arg(kindWords(kind)));
        case MetafileToSvg::Failure::Kind::TooLarge:
            return tooLarge(name, failed->detail);
        }
    }
    const auto& converted = std::get<MetafileToSvg::Converted>(result);
    auto renderer = std::make_unique<QSvgRenderer>(converted.svg);
    if (!renderer->isValid())
        return notReadable(name, kind);
    return Picture::fromSvg(std::move(renderer), converted.naturalHimetric);
}

} // namespace

PictureResult PictureLoader::load(const QString& path, QSize targetPixels)
{
    const QFileInfo info(path);
    const QString name = info.fileName().isEmpty() ? path : info.fileName();
    // Hidden files are not shown anywhere in the program, so they are not there to open either.
    if (name.startsWith(u'.') || !info.isFile())
        return failure(name, QStringLiteral("file not found"));
    const std::optional<PictureFormat> kind = PictureFormatOf(info.suffix());
    if (!kind)
        return failure(name, QStringLiteral("not a picture type that can be opened"));
    const qint64 size = info.size();
    if (size == 0)
        return failure(name, QStringLiteral("the file is empty"));

    if (*kind == PictureFormat::WindowsMetafile || *kind == PictureFormat::EnhancedMetafile)
        return loadMetafile(path, name, *kind, size);
    return loadRaster(path, name, *kind, size, targetPixels);
}

} // namespace quenbrook
