// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/ByteReader.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace quenbrook {

// What a HEIC, HEIF or AVIF file's headers say about its primary picture.
struct HeifHeader
{
    QSize stored;      // as coded, before it is turned upright
    QSize upright;     // as shown
    int bitsPerSample; // of the brightness
    bool hasAlpha;
};

// None when libheif cannot read the headers or finds no primary picture.
std::optional<HeifHeader> readHeifHeader(ByteReader file);

// The primary picture upright, as 8-bit RGB(A) with its colour space set from the file's
// profile; a null image with why it failed otherwise.
QImage decodeHeif(ByteReader file, QString& why);

} // namespace quenbrook
