// The picture loader over any bytes, as a file of each picture type: it loads or refuses, and
// a load gives the same pixels twice.
#include "FuzzApplication.h"
#include "core/pictures/PictureLoader.h"
#include "core/program/PictureFileTypes.h"

#include <QPainter>
#include <QTemporaryDir>

#include <cstdlib>

using namespace quenbrook;

namespace {

QImage drawn(const Picture& picture)
{
    QImage image(64, 48, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.paint(painter, QRectF(0, 0, 64, 48));
    return image;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QTemporaryDir folder;
    if (size < 1)
        return 0;
    // The first byte picks the type, the rest is the file.
    const QStringList& extensions = PictureFileTypes();
    const QString path =
        folder.filePath(QStringLiteral("input.") + extensions[data[0] % extensions.size()]);
    WriteFuzzInput(path, data + 1, size - 1);
    const PictureResult first = PictureLoader::load(path, QSize(200, 150));
    const PictureResult second = PictureLoader::load(path, QSize(200, 150));
    if (first.index() != second.index())
        std::abort();
    if (const auto* error = std::get_if<PictureError>(&first)) {
        if (error->message.isEmpty())
            std::abort();
        return 0;
    }
    if (drawn(std::get<Picture>(first)) != drawn(std::get<Picture>(second)))
        std::abort(); // pixels the file does not define
    return 0;
}
