// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/PictureLoader.h"

#include "core/pictures/BitmapHeader.h"
#include "core/pictures/DecodeLimits.h"
#include "core/pictures/HeifApart.h"
#include "core/pictures/JpegDecoder.h"
#include "core/pictures/MetafileApart.h"
#include "core/pictures/MetafileToSvg.h"
#include "core/pictures/PictureFile.h"
#include "core/pictures/PngDecoder.h"
#include "core/pictures/RasterFormats.h"
#include "core/pictures/RunLengthBitmap.h"
#include "core/program/FileNames.h"
#include "core/program/PictureFileTypes.h"
#include "core/program/Units.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QLoggingCategory>
#include <QSvgRenderer>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
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

// The file's bytes as the decoder reads them: they stop coming once the stop is raised, which
// ends the decoding soon after.
class StoppableBytes : public QIODevice
{
public:
    StoppableBytes(const QByteArray& bytes, const LoadStop* stop)
        : bytes_(bytes)
        , stop_(stop)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return bytes_.size(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (stopRaised(stop_))
            return -1;
        const qint64 n = std::clamp<qint64>(bytes_.size() - pos(), 0, maxSize);
        std::memcpy(data, bytes_.constData() + pos(), size_t(n));
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const QByteArray& bytes_;
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
    if (cost.jpegBlocks > MaxJpegBlocks && cost.jpegScans > 1)
        return tooLarge(name,
                        QCoreApplication::translate("PictureLoader", "%1 × %2 pixels in %3 scans")
                            .arg(turned ? cost.height : cost.width)
                            .arg(turned ? cost.width : cost.height)
                            .arg(cost.jpegScans));
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

// Qt's image plugins write their decoders' complaints (libpng's among them) to the terminal;
// the program's own message says what went wrong instead.
void quietImagePlugins(QLoggingCategory* category)
{
    if (qstrncmp(category->categoryName(), "qt.gui.imageio", 14) == 0) {
        category->setEnabled(QtWarningMsg, false);
        category->setEnabled(QtInfoMsg, false);
        category->setEnabled(QtDebugMsg, false);
    }
}

QLoggingCategory::CategoryFilter otherFilter = nullptr;

void filterCategories(QLoggingCategory* category)
{
    if (otherFilter)
        otherFilter(category);
    quietImagePlugins(category);
}

// Qt itself refuses to decode beyond the program's limit; set once for the process.
void prepareDecoders()
{
    static const bool prepared = [] {
        QImageReader::setAllocationLimit(int(MaxDecodedBytes / (1024 * 1024)));
        otherFilter = QLoggingCategory::installFilter(filterCategories);
        return true;
    }();
    Q_UNUSED(prepared);
}

// The bytes of the file at path, or why there are none.
std::variant<QByteArray, PictureError> readFile(const QString& path, const QString& name,
                                                qint64 limit, const LoadStop* stop)
{
    PictureFile file = ReadPictureFile(path, limit, stop);
    switch (file.outcome) {
    case PictureFile::Outcome::Read:
        if (file.bytes.isEmpty())
            return failure(name, QCoreApplication::translate("PictureLoader", "the file is empty"));
        return std::move(file.bytes);
    case PictureFile::Outcome::NotFound:
        return failure(name, QCoreApplication::translate("PictureLoader", "file not found"));
    case PictureFile::Outcome::TooLarge:
        return *refusedFile(name, file.size, limit);
    case PictureFile::Outcome::Stopped:
        return stopped(name);
    case PictureFile::Outcome::CannotRead:
        break;
    }
    return cannotRead(name, file.why);
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

// The pixels at wantedStored.
QImage decodePixels(QImageReader& reader, const QByteArray& bytes, const PictureType& type,
                    QSize stored, QSize wantedStored)
{
    const ByteReader file(bytes);
    const bool bitmap = type.decoder == PictureDecoder::Bitmap;
    const std::optional<BitmapFile> header = bitmap ? readBitmapFile(file) : std::nullopt;
    if (header && header->header.runLength()) {
        // Decoded here so that pixels the codes skip come out transparent, not left unset.
        QImage image = decodeRunLength(file, *header);
        if (!image.isNull() && wantedStored != stored)
            image = image.scaled(wantedStored, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return image;
    }
    if (wantedStored != stored)
        reader.setScaledSize(wantedStored);
    return reader.read();
}

// An icon's picture that is a PNG, decoded by the program so that a damaged one is its message.
PictureResult decodeEmbeddedPng(const QByteArray& bytes, const RasterFacts& facts,
                                const QString& name, const PictureType& type, QSize target,
                                const LoadStop* stop)
{
    const DecodeCost& cost = facts.cost;
    const QSize stored(int(std::min<qint64>(cost.width, INT_MAX)),
                       int(std::min<qint64>(cost.height, INT_MAX)));
    const RasterSizes sizes = rasterSizes(stored, false, target);
    if (cost.heldBytes(sizes.wantedStored) > MaxDecodedBytes)
        return tooManyPixels(name, cost, false);
    if (!facts.whole)
        return notReadable(name, type);
    QImage image = decodePng(QByteArrayView(bytes).sliced(facts.pngAt, facts.pngBytes),
                             MaxDecodedBytes / cost.bytesPerPixel);
    if (stopRaised(stop))
        return stopped(name);
    if (image.size() != stored)
        return notReadable(name, type);
    if (sizes.wantedStored != stored)
        image = image.scaled(sizes.wantedStored, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return Picture::fromImage(std::move(image), sizes.natural);
}

// The picture turned upright as its EXIF orientation says, as Qt's reader turns it.
QImage upright(QImage image, int orientation)
{
    const QTransform quarter = QTransform().rotate(90);
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.mirrored(false, true).transformed(quarter);
    case 6:
        return image.transformed(quarter);
    case 7:
        return image.mirrored(true, false).transformed(quarter);
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

bool turnsQuarter(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

// Pixels of a picture that carries a colour profile are turned into sRGB, as colour-managed
// viewers show them; a picture without one is taken as sRGB already.
void convertToSrgb(QImage& image)
{
    const QColorSpace space = image.colorSpace();
    if (!space.isValid() || space == QColorSpace::SRgb)
        return;
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
        break;
    default:
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        break;
    }
    image.convertToColorSpace(QColorSpace::SRgb);
}

// A JPEG the program decodes itself, from the one walk of its markers.
PictureResult decodeOwnJpeg(const QByteArray& bytes, const RasterFacts& facts, const QString& name,
                            const PictureType& type, QSize target, const LoadStop* stop,
                            const RowsDecoded& rows)
{
    const DecodeCost& cost = facts.cost;
    const bool turned = turnsQuarter(facts.orientation);
    if (auto refused = refusedUpFront(name, cost, turned))
        return *refused;
    const QSize stored(int(cost.width), int(cost.height)); // 16 bits each in a JPEG
    const RasterSizes sizes = rasterSizes(stored, turned, target);
    if (cost.heldBytes(sizes.wantedStored) > MaxDecodedBytes)
        return tooManyPixels(name, cost, turned);
    if (!facts.whole)
        return notReadable(name, type);
    const QColorSpace space = facts.colourProfile.isEmpty()
                                  ? QColorSpace()
                                  : QColorSpace::fromIccProfile(facts.colourProfile);
    // Rows are told of only when they are the picture's own, with nothing left to do to them.
    const bool rowsFinal = rows && sizes.wantedStored == stored && facts.orientation <= 1 &&
                           (cost.jpegComponents == 3 || !space.isValid());
    std::shared_ptr<const Picture> partial;
    const JpegRowsDone rowsDone = [&](const QImage& image, int done) {
        if (!partial)
            partial = std::make_shared<const Picture>(Picture::fromImage(image, sizes.natural));
        rows(partial, done);
    };
    QImage decoded =
        decodeJpeg(bytes, sizes.wantedStored, stop, space, rowsFinal ? rowsDone : JpegRowsDone());
    if (stopRaised(stop))
        return stopped(name);
    if (decoded.isNull())
        return notReadable(name, type);
    QImage image = upright(std::move(decoded), facts.orientation);
    convertToSrgb(image);
    return Picture::fromImage(std::move(image), sizes.natural);
}

// HEIC, HEIF and AVIF, decoded apart: the primary picture, turned upright as the file says.
PictureResult decodeHeifPicture(const QByteArray& bytes, const std::optional<RasterFacts>& facts,
                                const QString& name, const PictureType& type, QSize target,
                                const LoadStop* stop)
{
    if (!facts)
        return notReadable(name, type);
    if (auto refused = refusedUpFront(name, facts->cost, false))
        return *refused;
    if (!facts->whole)
        return notReadable(name, type);
    HeifApart::Decoded decoded = HeifApart::decode(bytes, stop);
    switch (decoded.refusal) {
    case HeifApart::Decoded::Refusal::None:
        break;
    case HeifApart::Decoded::Refusal::Unreadable:
        return notReadable(name, type, decoded.detail);
    case HeifApart::Decoded::Refusal::TooLarge:
        return tooLarge(name, decoded.detail);
    case HeifApart::Decoded::Refusal::Stopped:
        return stopped(name);
    }
    QImage image = std::move(decoded.image);
    const QSize upright = image.size();
    const QSize wanted = fitSize(upright, target);
    if (wanted != upright)
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    convertToSrgb(image);
    return Picture::fromImage(std::move(image), QSize(int(ToHimetric(upright.width())),
                                                      int(ToHimetric(upright.height()))));
}

PictureResult decodeRaster(const QByteArray& bytes, const std::optional<RasterFacts>& facts,
                           const QString& name, const PictureType& type, QSize target,
                           const LoadStop* stop, const RowsDecoded& rows)
{
    if (!facts)
        return notReadable(name, type);
    if (auto refused = refusedNotes(name, facts->cost))
        return *refused;
    if (type.decoder == PictureDecoder::Jpeg && facts->cost.jpegComponents > 0 &&
        decodesJpeg(facts->cost.jpegComponents))
        return decodeOwnJpeg(bytes, *facts, name, type, target, stop, rows);

    StoppableBytes device(bytes, stop);
    QImageReader reader(&device, type.qtFormat);
    reader.setAutoDetectImageFormat(false); // a file is read as what its name says, or not at all
    reader.setAutoTransform(true);
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    // Refused from its headers alone, before Qt reads any more of it.
    if (auto refused = refusedUpFront(name, facts->cost, turned))
        return *refused;
    if (facts->pngAt >= 0)
        return decodeEmbeddedPng(bytes, *facts, name, type, target, stop);
    if (type.decoder == PictureDecoder::QtLargestImage && facts->image > 0 &&
        !reader.jumpToImage(facts->image))
        return notReadable(name, type);

    // Qt gives a top-down bitmap (one whose rows are stored first to last) a negative height.
    const QSize stored(std::abs(reader.size().width()), std::abs(reader.size().height()));
    if (stored.isEmpty())
        return notReadable(name, type);
    const RasterSizes sizes = rasterSizes(stored, turned, target);
    if (facts->cost.heldBytes(sizes.wantedStored) > MaxDecodedBytes)
        return tooManyPixels(name, facts->cost, turned);
    if (!facts->whole)
        return notReadable(name, type);

    QImage image = decodePixels(reader, bytes, type, stored, sizes.wantedStored);
    if (stopRaised(stop))
        return stopped(name);
    if (image.isNull())
        return notReadable(name, type);
    convertToSrgb(image);
    return Picture::fromImage(std::move(image), sizes.natural);
}

PictureResult decodeMetafile(const QByteArray& data, const QString& name, const PictureType& type,
                             const LoadStop* stop)
{
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

qint64 PictureLoader::OpenedPicture::heldBytes(QSize targetPixels) const
{
    if (!type_)
        return 0;
    if (IsMetafile(*type_))
        return MetafileToSvg::MaxHeldBytes;
    if (!facts_ || refusedUpFront(QString(), facts_->cost, false))
        return 0;
    const DecodeCost& cost = facts_->cost;
    // Either way up, as the picture may be turned upright once decoded.
    const QSize stored(int(std::min<qint64>(cost.width, INT_MAX)),
                       int(std::min<qint64>(cost.height, INT_MAX)));
    const qint64 held = std::max(cost.heldBytes(fitSize(stored, targetPixels)),
                                 cost.heldBytes(fitSize(stored.transposed(), targetPixels)));
    return held > MaxDecodedBytes ? 0 : held + bytes_.size();
}

PictureLoader::OpenResult PictureLoader::open(const QString& path, const LoadStop* stop)
{
    const QFileInfo info(path);
    const QString name = ShownFileName(info.fileName().isEmpty() ? path : info.fileName());
    // Hidden files are not shown anywhere in the program, so they are not there to open either.
    if (name.startsWith(u'.') || !FileFactsOf(path).isFile)
        return failure(name, QCoreApplication::translate("PictureLoader", "file not found"));
    const PictureType* type = PictureTypeOf(info.suffix());
    if (!type)
        return failure(name, QCoreApplication::translate("PictureLoader",
                                                         "not a picture type that can be opened"));
    const bool metafile = IsMetafile(*type);
    auto read =
        readFile(path, name, metafile ? MetafileToSvg::MaxFileBytes : MaxPictureFileBytes, stop);
    if (auto* error = std::get_if<PictureError>(&read))
        return std::move(*error);
    OpenedPicture opened;
    opened.name_ = name;
    opened.type_ = type;
    opened.bytes_ = std::get<QByteArray>(std::move(read));
    if (!metafile)
        opened.facts_ = inspectRaster(type->structure, ByteReader(opened.bytes_));
    return opened;
}

PictureResult PictureLoader::decode(OpenedPicture picture, QSize targetPixels, const LoadStop* stop,
                                    const RowsDecoded& rows)
{
    if (!picture.type_)
        return PictureError{};
    if (IsMetafile(*picture.type_))
        return decodeMetafile(picture.bytes_, picture.name_, *picture.type_, stop);
    prepareDecoders();
    if (picture.type_->decoder == PictureDecoder::Heif)
        return decodeHeifPicture(picture.bytes_, picture.facts_, picture.name_, *picture.type_,
                                 targetPixels, stop);
    return decodeRaster(picture.bytes_, picture.facts_, picture.name_, *picture.type_, targetPixels,
                        stop, rows);
}

qint64 PictureLoader::heldBytes(const QString& path, QSize targetPixels)
{
    const OpenResult opened = open(path);
    const auto* picture = std::get_if<OpenedPicture>(&opened);
    return picture ? picture->heldBytes(targetPixels) : 0;
}

PictureResult PictureLoader::load(const QString& path, QSize targetPixels)
{
    return loadUnlessStopped(path, targetPixels, nullptr);
}

PictureResult PictureLoader::loadUnlessStopped(const QString& path, QSize targetPixels,
                                               const LoadStop* stop, const RowsDecoded& rows)
{
    OpenResult opened = open(path, stop);
    if (auto* error = std::get_if<PictureError>(&opened))
        return std::move(*error);
    return decode(std::get<OpenedPicture>(std::move(opened)), targetPixels, stop, rows);
}

} // namespace quenbrook
