#pragma once

#include "core/pictures/LoadStop.h"
#include "core/pictures/Picture.h"

#include <QSize>
#include <QString>

#include <variant>

namespace quenbrook {

// A load either gives the picture or a readable reason that names the file.
struct PictureError
{
    QString message; // e.g. "beach.jpg: not a readable JPEG picture"
};

using PictureResult = std::variant<Picture, PictureError>;

namespace PictureLoader {

// Loads any file of the program's picture types. With a valid targetPixels a raster is decoded at
// no more pixels than it needs when drawn as large as fits in that box keeping its proportions
// (the way a picture is fitted into an album cell or a viewer slot); metafiles ignore it.
// The type comes from the name's extension: a file whose contents are of another type, or that
// is cut short, is refused rather than shown half-drawn, and so is one whose decoding would take
// more than the limits in DecodeLimits.h.
PictureResult load(const QString& path, QSize targetPixels = QSize());
// The same, given up soon once `stop` is raised.
PictureResult loadUnlessStopped(const QString& path, QSize targetPixels, const LoadStop* stop);

// What loading the file for targetPixels holds in memory at most, judged from its headers: 0
// for a file that would be refused, the most a conversion may hold for a metafile.
qint64 heldBytes(const QString& path, QSize targetPixels = QSize());

} // namespace PictureLoader
} // namespace quenbrook
