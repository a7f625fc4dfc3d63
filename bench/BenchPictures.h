// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The benchmarks' 12-megapixel JPEGs (4000 x 3000), made once in the temporary folder and kept
// for later runs.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace bench {

inline QString pictureFolder()
{
    return QDir::temp().filePath(QStringLiteral("quenbrook-bench-12mp"));
}

inline QString picturePath(int i)
{
    return QDir(pictureFolder()).filePath(QStringLiteral("photo%1.jpg").arg(i, 3, 10, QChar('0')));
}

// A gradient sky over a few coloured discs, different for every picture.
inline bool makePicture(int i)
{
    constexpr int Width = 4000;
    constexpr int Height = 3000;
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, Width, Height);
    sky.setColorAt(0, QColor::fromHsv(i * 37 % 360, 120, 240));
    sky.setColorAt(1, QColor::fromHsv((i * 37 + 160) % 360, 200, 90));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int disc = 0; disc < 12; ++disc) {
        painter.setBrush(QColor::fromHsv((i * 53 + disc * 29) % 360, 180, 200));
        painter.setPen(Qt::NoPen);
        const int r = 150 + (i * 7 + disc * 61) % 400;
        painter.drawEllipse(QPoint((i * 131 + disc * 977) % Width, (i * 71 + disc * 613) % Height),
                            r, r);
    }
    painter.end();
    // Written under another name first, so a cut-short run leaves no half picture.
    const QString path = picturePath(i);
    const QString part = path + QStringLiteral(".part");
    return image.save(part, "JPEG", 85) && QFile::rename(part, path);
}

// The first `count` pictures, made when missing.
inline bool makePictures(int count)
{
    QDir().mkpath(pictureFolder());
    int made = 0;
    for (int i = 0; i < count; ++i) {
        if (QFileInfo(picturePath(i)).size() > 0)
            continue;
        if (!makePicture(i))
            return false;
        ++made;
    }
    if (made > 0)
        std::fprintf(stderr, "made %d pictures in %s\n", made, qPrintable(pictureFolder()));
    return true;
}

} // namespace bench
