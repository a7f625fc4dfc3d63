#include "core/pictures/PictureLoader.h"

#include "core/pictures/BitmapHeader.h"
#include "core/pictures/DecodeCost.h"
#include "core/pictures/DecodeLimits.h"
#include "core/pictures/MetafileApart.h"
#include "core/pictures/MetafileToSvg.h"
#include "core/pictures/RunLengthBitmap.h"
#include "core/pictures/WholeFileChecks.h"
#include "core/program/FileNames.h"
#include "core/program/PictureFileTypes.h"
#include "core/program/Units.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QSvgRenderer>

#include <algorithm>
#include <climits>
#include <optional>

namespace quenbrook {
namespace {

QString formatName(const PictureType& type)
{
    return QCoreApplication::translate("PictureLoader", type.formatName);
}

PictureError failure(const QString& name, const QString& what)
{
    return {name + QStringLiteral(": ") + what};
}

PictureError notReadable(const QString& name, const PictureType& type,
                         const QString& detail = QString())
{
    QString what =
        QCoreApplication::translate("PictureLoader", "not a readable %1").arg(formatName(type));
    if (!detail.isEmpty())
        what += QStringLiteral(" (") + detail + u')';
    return failure(name, what);
}

PictureError tooLarge(const QString& name, const QString& detail)
{
    const QString what = QCoreApplication::translate("PictureLoader", "picture too large");
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

// A raster file's bytes for the checks before decoding, mapped rather than read, and let go of
// before the pixels are decoded.
class FileBytes
{
public:
    FileBytes(QFile& file, qint64 size)
        : file_(file)
        , size_(size)
        , mapped_(file.map(0, size))
    {}
    ~FileBytes() { release(); }
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    bool isMapped() const { return mapped_ != nullptr; }
    ByteReader bytes() const { return ByteReader(mapped_, mapped_ ? size_ : 0); }
    void release()
    {
        if (mapped_)
            file_.unmap(mapped_);
        mapped_ = nullptr;
    }

private:
    QFile& file_;
    qint64 size_;
    uchar* mapped_;
};

// The file as the decoder reads it: it stops giving bytes once the stop is raised, which ends
// the decoding soon after.
class StoppableFile : public QIODevice
{
public:
    StoppableFile(QFile& file, const LoadStop* stop)
        : file_(file)
        , stop_(stop)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return file_.size(); }
    bool seek(qint64 pos) override { return QIODevice::seek(pos) && file_.seek(pos); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        return stopRaised(stop_) ? -1 : file_.read(data, maxSize);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile& file_;
    const LoadStop* stop_;
};

PictureError stopped(const QString& name)
{
    return failure(name, QCoreApplication::translate("PictureLoader", "loading was interrupted"));
}

// Before the decoder reads the headers, which keeps every comment of a JPEG in memory.
std::optional<PictureError> refusedNotes(const QString& name, const DecodeCost& cost)
{
    if (cost.metadataBytes > MaxJpegMetadataBytes)
        return tooLarge(
            name, QCoreApplication::translate("PictureLoader", "%1 MB of comments and other notes")
                      .arg(cost.metadataBytes / (1024 * 1024)));
    return std::nullopt;
}

// The picture's size upright, as the reason it is refused.
PictureError tooManyPixels(const QString& name, const DecodeCost& cost, bool turned)
{
    return tooLarge(name, QCoreApplication::translate("PictureLoader", "%1 × %2 pixels")
                              .arg(turned ? cost.height : cost.width)
                              .arg(turned ? cost.width : cost.height));
}

// Refusals that a raster file's headers alone decide.
std::optional<PictureError> refusedUpFront(const QString& name, const DecodeCost& cost, bool turned)
{
    if (auto refused = refusedNotes(name, cost))
        return refused;
    if (cost.jpegBlocks > MaxJpegBlocks || cost.leastHeldBytes() > MaxDecodedBytes)
        return tooManyPixels(name, cost, turned);
    return std::nullopt;
}

std::optional<PictureError> refusedFile(const QString& name, qint64 fileSize,
                                        qint64 limit = MaxPictureFileBytes)
{
    if (fileSize > limit)
        return tooLarge(name, QCoreApplication::translate("PictureLoader", "a file of %1 MB")
                                  .arg(fileSize / (1024 * 1024)));
    return std::nullopt;
}

PictureError cannotRead(const QString& name, const QString& why)
{
    return failure(name,
                   QCoreApplication::translate("PictureLoader", "cannot be read (%1)").arg(why));
}

// Qt itself refuses to decode beyond the program's limit; set once for the process.
void limitDecoderMemory()
{
    static const bool limitSet = [] {
        QImageReader::setAllocationLimit(int(MaxDecodedBytes / (1024 * 1024)));
        return true;
    }();
    Q_UNUSED(limitSet);
}

// The sizes a raster picture stored at `stored` is decoded at and shown at.
struct RasterSizes
{
    QSize wantedStored;
    QSize natural; // in HIMETRIC, upright
};

RasterSizes rasterSizes(QSize stored, bool turned, QSize target)
{
    const QSize oriented = turned ? stored.transposed() : stored;
    const QSize natural(int(ToHimetric(oriented.width())), int(ToHimetric(oriented.height())));
    const QSize wanted = fitSize(oriented, target);
    // Scaled size applies to the picture as stored, before it is turned upright.
    return {turned ? wanted.transposed() : wanted, natural};
}

// The pixels at wantedStored; the file's bytes are let go of before the decoder reads them.
QImage decodePixels(QImageReader& reader, FileBytes& contents, const PictureType& type,
                    QSize stored, QSize wantedStored)
{
    const ByteReader bytes = contents.bytes();
    const bool bitmap = type.decoder == PictureDecoder::Bitmap;
    const std::optional<BitmapFile> header = bitmap ? readBitmapFile(bytes) : std::nullopt;
    if (header && header->header.runLength()) {
        // Decoded here so that pixels the codes skip come out transparent, not left unset.
        QImage image = decodeRunLength(bytes, *header);
        contents.release();
        if (!image.isNull() && wantedStored != stored)
            image = image.scaled(wantedStored, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return image;
    }
    contents.release();
    if (wantedStored != stored)
        reader.setScaledSize(wantedStored);
    return reader.read();
}

PictureResult decodeRaster(QFile& file, FileBytes& contents, const QString& name,
                           const PictureType& type, QSize target, const LoadStop* stop)
{
    const ByteReader bytes = contents.bytes();
    const std::optional<DecodeCost> cost = decodeCost(type.decodeCost, bytes);
    if (!cost)
        return notReadable(name, type);
    if (auto refused = refusedNotes(name, *cost))
        return *refused;

    StoppableFile device(file, stop);
    QImageReader reader(&device, type.qtFormat);
    reader.setAutoDetectImageFormat(false); // a file is read as what its name says, or not at all
    reader.setAutoTransform(true);
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    // Refused from its headers alone, before Qt reads any more of it.
    if (auto refused = refusedUpFront(name, *cost, turned))
        return *refused;
    if (type.decoder == PictureDecoder::QtLargestImage)
        chooseLargestImage(reader);

    const QSize stored = reader.size();
    if (stored.isEmpty())
        return notReadable(name, type);
    const RasterSizes sizes = rasterSizes(stored, turned, target);
    if (cost->heldBytes(sizes.wantedStored) > MaxDecodedBytes)
        return tooManyPixels(name, *cost, turned);
    if (!isWhole(type.wholeCheck, bytes))
        return notReadable(name, type);

    QImage image = decodePixels(reader, contents, type, stored, sizes.wantedStored);
    if (stopRaised(stop))
        return stopped(name);
    if (image.isNull())
        return notReadable(name, type);
    return Picture::fromImage(std::move(image), sizes.natural);
}

PictureResult loadRaster(const QString& path, const QString& name, const PictureType& type,
                         qint64 fileSize, QSize target, const LoadStop* stop)
{
    limitDecoderMemory();
    if (auto refused = refusedFile(name, fileSize))
        return *refused;
    QFile file;
    if (const QString why = OpenForReading(file, path); !why.isEmpty())
        return cannotRead(name, why);
    FileBytes contents(file, fileSize);
    if (!contents.isMapped())
        return cannotRead(name, file.errorString());
    return decodeRaster(file, contents, name, type, target, stop);
}

PictureResult loadMetafile(const QString& path, const QString& name, const PictureType& type,
                           qint64 fileSize, const LoadStop* stop)
{
    if (auto refused = refusedFile(name, fileSize, MetafileToSvg::MaxFileBytes))
        return *refused;
    QFile file;
    if (const QString why = OpenForReading(file, path); !why.isEmpty())
        return cannotRead(name, why);
    const QByteArray data = file.read(MetafileToSvg::MaxFileBytes + 1);

    const MetafileToSvg::Result result = MetafileToSvg::convertApart(
        type.decoder == PictureDecoder::WindowsMetafile ? MetafileToSvg::MetafileKind::Windows
                                                        : MetafileToSvg::MetafileKind::Enhanced,
        data, stop);
    if (const auto* failed = std::get_if<MetafileToSvg::Failure>(&result)) {
        switch (failed->kind) {
        case MetafileToSvg::Failure::Kind::Unreadable:
            return notReadable(name, type, failed->detail);
        case MetafileToSvg::Failure::Kind::NoSize:
            return failure(name, QCoreApplication::translate("PictureLoader",
                                                             "the %1 does not say how big it is")
                                     .arg(formatName(type)));
        case MetafileToSvg::Failure::Kind::TooLarge:
            return tooLarge(name, failed->detail);
        case MetafileToSvg::Failure::Kind::Stopped:
            return stopped(name);
        }
    }
    const auto& converted = std::get<MetafileToSvg::Converted>(result);
    auto renderer = std::make_unique<QSvgRenderer>(converted.svg);
    if (!renderer->isValid())
        return notReadable(name, type);
    return Picture::fromSvg(std::move(renderer), converted.naturalHimetric);
}

} // namespace

qint64 PictureLoader::heldBytes(const QString& path, QSize targetPixels)
{
    const QFileInfo info(path);
    const PictureType* type = PictureTypeOf(info.suffix());
    const FileFacts facts = FileFactsOf(path);
    if (!type || !facts.isFile)
        return 0;
    if (IsMetafile(*type))
        return MetafileToSvg::MaxHeldBytes;
    if (facts.size > MaxPictureFileBytes)
        return 0;
    QFile file;
    if (!OpenForReading(file, path).isEmpty())
        return 0;
    const FileBytes contents(file, facts.size);
    const std::optional<DecodeCost> cost = decodeCost(type->decodeCost, contents.bytes());
    if (!cost || refusedUpFront(QString(), *cost, false))
        return 0;
    // Either way up, as the picture may be turned upright once decoded.
    const QSize stored(int(std::min<qint64>(cost->width, INT_MAX)),
                       int(std::min<qint64>(cost->height, INT_MAX)));
    const qint64 held = std::max(cost->heldBytes(fitSize(stored, targetPixels)),
                                 cost->heldBytes(fitSize(stored.transposed(), targetPixels)));
    return held > MaxDecodedBytes ? 0 : held;
}

PictureResult PictureLoader::load(const QString& path, QSize targetPixels)
{
    return loadUnlessStopped(path, targetPixels, nullptr);
}

PictureResult PictureLoader::loadUnlessStopped(const QString& path, QSize targetPixels,
                                               const LoadStop* stop)
{
    const QFileInfo info(path);
    const QString name = ShownFileName(info.fileName().isEmpty() ? path : info.fileName());
    const FileFacts facts = FileFactsOf(path);
    // Hidden files are not shown anywhere in the program, so they are not there to open either.
    if (name.startsWith(u'.') || !facts.isFile)
        return failure(name, QCoreApplication::translate("PictureLoader", "file not found"));
    const PictureType* type = PictureTypeOf(info.suffix());
    if (!type)
        return failure(name, QCoreApplication::translate("PictureLoader",
                                                         "not a picture type that can be opened"));
    const qint64 size = facts.size;
    if (size == 0)
        return failure(name, QCoreApplication::translate("PictureLoader", "the file is empty"));

    if (IsMetafile(*type))
        return loadMetafile(path, name, *type, size, stop);
    return loadRaster(path, name, *type, size, targetPixels, stop);
}

} // namespace quenbrook
