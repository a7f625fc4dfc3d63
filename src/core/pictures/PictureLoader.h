// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/LoadStop.h"
#include "core/pictures/Picture.h"
#include "core/pictures/RasterFormats.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

namespace quenbrook {

// A load either gives the picture or a readable reason that names the file.
struct PictureError
{
    QString message; // e.g. "beach.jpg: not a readable JPEG picture"
};

using PictureResult = std::variant<Picture, PictureError>;

// Hears, on the decoding thread, of a large picture's rows as they are decoded, before the load
// returns the picture: a window can show the top of a photo while the rest decodes. `picture` is
// the whole picture, of which only the first `rows` rows are drawn yet (Picture::paintRows).
// Only a JPEG decoded at its full size and stored upright is heard of row by row.
using RowsDecoded = std::function<void(const std::shared_ptr<const Picture>& picture, int rows)>;

namespace PictureLoader {

// Loads any file of the program's picture types. With a valid targetPixels a raster is decoded at
// no more pixels than it needs when drawn as large as fits in that box keeping its proportions
// (the way a picture is fitted into an album cell or a viewer slot); metafiles ignore it.
// The type comes from the name's extension: a file whose contents are of another type, or that
// is cut short, is refused rather than shown half-drawn, and so is one whose decoding would take
// more than the limits in DecodeLimits.h.
PictureResult load(const QString& path, QSize targetPixels = QSize());
// The same, given up soon once `stop` is raised, telling `rows` of the rows decoded.
PictureResult loadUnlessStopped(const QString& path, QSize targetPixels, const LoadStop* stop,
                                const RowsDecoded& rows = {});

// A picture file read whole and its structure walked once, ready to be decoded: the step a print
// job takes ahead of the decoding, which may then run on another thread.
class OpenedPicture
{
public:
    // What decoding it for targetPixels holds in memory at most, its bytes included, judged from
    // its headers: 0 for a file that decoding will refuse, the most a conversion may hold for a
    // metafile.
    qint64 heldBytes(QSize targetPixels = QSize()) const;

private:
    friend std::variant<OpenedPicture, PictureError> open(const QString&, const LoadStop*);
    friend PictureResult decode(OpenedPicture, QSize, const LoadStop*, const RowsDecoded&);
    QString name_;
    const PictureType* type_ = nullptr;
    QByteArray bytes_;
    std::optional<RasterFacts> facts_; // rasters only
};

using OpenResult = std::variant<OpenedPicture, PictureError>;

// The file read and looked at; refused when it is missing, of no picture type or too large.
OpenResult open(const QString& path, const LoadStop* stop = nullptr);
// The picture from what open() read: load() is open() then decode().
PictureResult decode(OpenedPicture picture, QSize targetPixels, const LoadStop* stop = nullptr,
                     const RowsDecoded& rows = {});

// What loading the file for targetPixels holds in memory at most (see OpenedPicture).
qint64 heldBytes(const QString& path, QSize targetPixels = QSize());

} // namespace PictureLoader
} // namespace quenbrook
