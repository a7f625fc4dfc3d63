#include "core/pictures/PictureLoader.h"

#include "core/pictures/BitmapHeader.h"
#include "core/pictures/MetafileToSvg.h"
#include "core/pictures/WholeFileChecks.h"
#include "core/program/PictureFileTypes.h"
#include "core/program/Units.h"

#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QSvgRenderer>

#include <algorithm>
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
        const auto bitmap = readBitmapFile(ByteReader(file.peek(64)));
        if (bitmap &&
            bitmap->header.width * bitmap->header.height * 4 > PictureLoader::MaxDecodedBytes)
            return refuseSize(QSize(int(bitmap->header.width), int(bitmap->header.height)));
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
