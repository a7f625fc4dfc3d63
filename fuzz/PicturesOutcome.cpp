// The picture loader over any bytes, as a file of each picture type: it loads or refuses, in
// good time, and a load gives the same pixels twice.
#include "FuzzTargets.h"
#include "core/pictures/PictureLoader.h"
#include "core/program/PictureFileTypes.h"

#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <cstring>
#include <memory>

using namespace quenbrook;

namespace fuzzing {
namespace {

// Loaded for a slot of this size, as the album does: a JPEG is then decoded at a fraction of its
// size, so only what its decoder holds besides the output can make it too large.
constexpr QSize Slot(200, 150);

// A raster picture at its own pixels, a drawing at 64 × 48, over a green canvas.
QImage drawn(const Picture& picture)
{
    const QSize size = picture.isVector() ? QSize(64, 48) : picture.decodedPixelSize();
    QImage image(size, QImage::Format_ARGB32);
    image.fill(qRgb(0, 255, 0));
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

QString PictureFileOutcome(const QString& path)
{
    const QString named = QFileInfo(path).fileName() + QStringLiteral(": ");
    PictureResult first = PictureLoader::load(path, Slot);
    if (const auto* error = std::get_if<PictureError>(&first)) {
        if (!error->message.startsWith(named) || error->message.size() == named.size())
            return Fault("a message that does not name the file and the reason: " + error->message);
        return QStringLiteral("refused: ") + error->message.mid(named.size());
    }
    const Picture& picture = std::get<Picture>(first);
    // A drawing by its size in HIMETRIC, a raster by its pixels as decoded for the slot.
    const QSize size = picture.isVector() ? picture.naturalHimetric() : picture.decodedPixelSize();
    const QString outcome = QStringLiteral("loads %1%2x%3, holds %4 bytes")
                                .arg(picture.isVector() ? QStringLiteral("drawing ") : QString())
                                .arg(size.width())
                                .arg(size.height())
                                .arg(PictureLoader::heldBytes(path, Slot));
    const QImage once = drawn(picture);
    first = PictureError{};
    scribbleOnFreedMemory(once.size());
    const PictureResult second = PictureLoader::load(path, Slot);
    if (!std::holds_alternative<Picture>(second))
        return Fault("refused the second time: " + std::get<PictureError>(second).message);
    if (drawn(std::get<Picture>(second)) != once)
        return Fault("drawn differently the second time");
    return outcome;
}

QString PicturesOutcome(QByteArrayView input)
{
    static const QTemporaryDir folder;
    if (input.isEmpty())
        return QStringLiteral("empty");
    const QStringList& extensions = PictureFileTypes();
    const QString path =
        folder.filePath(QStringLiteral("input.") + extensions[uchar(input[0]) % extensions.size()]);
    WriteInput(path, input.sliced(1));
    return PictureFileOutcome(path);
}

QString PhotosOutcome(QByteArrayView input)
{
    static const QTemporaryDir folder;
    static const QStringList extensions = [] {
        QStringList list;
        for (const PictureType& type : PictureTypes()) {
            if (type.albumOnly)
                list << QLatin1String(type.extension);
        }
        return list;
    }();
    if (input.isEmpty())
        return QStringLiteral("empty");
    const QString path =
        folder.filePath(QStringLiteral("input.") + extensions[uchar(input[0]) % extensions.size()]);
    WriteInput(path, input.sliced(1));
    return PictureFileOutcome(path);
}

} // namespace fuzzing
