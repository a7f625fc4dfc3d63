// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/ByteReader.h"
#include "core/pictures/LoadStop.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

// HEIC, HEIF and AVIF pictures are decoded by the helper program: libheif and the video decoders
// under it allocate what a file's boxes and streams ask for, which no count of the headers
// bounds, so the helper's budget does.
namespace quenbrook::HeifApart {

// What the helper may spend on one picture. The largest photo the headers let through, about
// 27 megapixels, takes it about 3 s and 240 MB on one core of a laptop.
inline constexpr int CpuSeconds = 10;
inline constexpr qint64 MemoryBytes = 400LL * 1024 * 1024;

struct Decoded
{
    enum class Refusal
    {
        None,
        Unreadable, // damaged, or the helper failed
        TooLarge,   // over the budget
        Stopped,
    };
    QImage image; // upright, 8-bit RGB(A), its colour space the file's
    Refusal refusal = Refusal::None;
    QString detail; // a few words for the user, may be empty
};

// The file's primary picture, decoded by the helper.
Decoded decode(const QByteArray& file, const LoadStop* stop = nullptr);

// The helper's side: decodes the file and writes its answer through `write`, piece by piece;
// false when writing failed.
bool writeAnswer(ByteReader file, const std::function<bool(QByteArrayView)>& write);

// The picture that an answer holds, or a refusal when it holds none or is not one.
Decoded readAnswer(QByteArray answer);

} // namespace quenbrook::HeifApart
