// SPDX-License-Identifier: GPL-2.0-or-later
// render_icon SVG SIZE PNG: draws the program's SVG icon as a SIZE x SIZE PNG for the icon theme's
// fixed sizes. Runs at build time; it is not installed.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QtGlobal>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "render_icon: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// True when some pixel of the picture shows.
bool drawsAnything(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4)
        return fail(QStringLiteral("usage: render_icon SVG SIZE PNG"));
    const QString svgPath = QString::fromLocal8Bit(argv[1]);
    const QString pngPath = QString::fromLocal8Bit(argv[3]);
    bool sizeOk = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&sizeOk);
    if (!sizeOk || size < 1 || size > 4096)
        return fail(QStringLiteral("the size \"%1\" is not a number of pixels from 1 to 4096")
                        .arg(QString::fromLocal8Bit(argv[2])));

    QFile svgFile(svgPath);
    if (!svgFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(svgPath, svgFile.errorString()));
    QSvgRenderer renderer(svgFile.readAll());
    if (!renderer.isValid())
        return fail(QStringLiteral("%1 is not an SVG picture").arg(svgPath));

    // The picture keeps its proportions and is centred in the square.
    QSizeF drawn = renderer.viewBoxF().size();
    if (drawn.isEmpty())
        drawn = renderer.defaultSize();
    if (drawn.isEmpty())
        return fail(QStringLiteral("%1 has no size").arg(svgPath));
    drawn.scale(size, size, Qt::KeepAspectRatio);
    const QRectF target((size - drawn.width()) / 2, (size - drawn.height()) / 2, drawn.width(),
                        drawn.height());

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, target);
    }
    if (!drawsAnything(image))
        return fail(QStringLiteral("%1 draws nothing at %2 pixels").arg(svgPath).arg(size));

    QDir().mkpath(QFileInfo(pngPath).absolutePath());
    QSaveFile png(pngPath);
    if (!png.open(QIODevice::WriteOnly) || !image.save(&png, "PNG") || !png.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(pngPath, png.errorString()));
    return 0;
}
