// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Photos of today's types, made by the encoders Debian has for them.

#include "support/ProgramRunner.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QScopeGuard>

namespace phototest {

// The picture written as `path` through the encoder its type has (Qt's writer for PNG and JPEG,
// ImageMagick for TIFF, cwebp, heif-enc, avifenc), colour profile kept; empty when written, else
// why not.
inline QString encoded(const QImage& image, const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png" || suffix.startsWith('j'))
        return QImageWriter(path, suffix == "png" ? "png" : "jpeg").write(image)
                   ? QString()
                   : "Qt did not write " + path;
    const QString png = path + ".source.png";
    image.save(png);
    const auto removed = qScopeGuard([&] { QFile::remove(png); });
    const QStringList command =
        suffix == "webp"
            ? QStringList{"cwebp", "-quiet", "-metadata", "icc", "-q", "95", png, "-o", path}
        : suffix == "heic" ? QStringList{"heif-enc", "-q", "95", png, "-o", path}
        : suffix == "avif"
            ? QStringList{"avifenc", "-s", "10", "--min", "0", "--max", "8", png, path}
            : QStringList{"convert", png, path};
    if (QStandardPaths::findExecutable(command[0]).isEmpty())
        return command[0] + " is not installed";
    const testsupport::ProgramRun run = testsupport::runProgram(command[0], command.mid(1));
    return run.status == 0 && QFile::exists(path) ? QString()
                                                  : command[0] + " failed: " + run.errText();
}

} // namespace phototest
