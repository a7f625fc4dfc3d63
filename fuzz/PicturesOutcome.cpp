// SPDX-License-Identifier: GPL-2.0-or-later
// The picture loader over any bytes, as a file of each picture type: it loads or refuses, in
// good time, and a load gives the same pixels twice.
#include "FuzzTargets.h"
#include "core/pictures/PictureLoader.h"

#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
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

namespace {

// The input's type: named in full when it starts with a dot, letters and a line break
// (".png\n…"), or else picked by its first byte from a fixed list of the target's own. Neither
// changes when the program reads more types, so a corpus keeps its meaning.
struct TypedInput
{
    QString extension;
    QByteArrayView bytes;
};

template <std::size_t N> TypedInput typedInput(QByteArrayView input, const char* const (&fixed)[N])
{
    constexpr qsizetype LongestExtension = 8;
    const qsizetype end = input.indexOf('\n');
    if (input.startsWith('.') && end > 1 && end <= LongestExtension + 1) {
        const QByteArrayView name = input.sliced(1, end - 1);
        if (std::all_of(name.begin(), name.end(), [](char c) { return std::isalnum(uchar(c)); }))
            return {QString::fromLatin1(name), input.sliced(end + 1)};
    }
    return {QLatin1String(fixed[uchar(input[0]) % N]), input.sliced(1)};
}

QString typedOutcome(const TypedInput& typed)
{
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.") + typed.extension);
    WriteInput(path, typed.bytes);
    return PictureFileOutcome(path);
}

} // namespace

// The types of the first release, in their order.
QString PicturesOutcome(QByteArrayView input)
{
    static const char* const FirstTypes[] = {"bmp",  "rle", "wmf",  "emf", "gif", "jpg",
                                             "jpeg", "jpe", "jfif", "ico", "cur"};
    if (input.isEmpty())
        return QStringLiteral("empty");
    return typedOutcome(typedInput(input, FirstTypes));
}

// The photo types that quenbrook-album alone reads, as of the release that brought them.
QString PhotosOutcome(QByteArrayView input)
{
    static const char* const PhotoTypes[] = {"png", "tif", "tiff", "webp", "heic", "heif", "avif"};
    if (input.isEmpty())
        return QStringLiteral("empty");
    return typedOutcome(typedInput(input, PhotoTypes));
}

} // namespace fuzzing
