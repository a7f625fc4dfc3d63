// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/MetafileShared.h"

#include "core/pictures/DecodeLimits.h"
#include "core/pictures/SvgBounds.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace quenbrook::MetafileToSvg {
namespace {

QString millimetres(qint64 himetricW, qint64 himetricH)
{
    return QCoreApplication::translate("PictureLoader", "%1 × %2 mm")
        .arg(himetricW / 100)
        .arg(himetricH / 100);
}

QByteArray number(double v)
{
    return QByteArray::number(v, 'g', 10);
}

} // namespace

namespace {

std::mutex& converterMutex()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace

ConverterTurn::ConverterTurn()
    : lock_(converterMutex())
    , numbers_(newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE)))
    , previous_(numbers_ ? uselocale(numbers_) : locale_t(nullptr))
{}

ConverterTurn::~ConverterTurn()
{
    if (numbers_) {
        uselocale(previous_);
        freelocale(numbers_);
    }
}

Failure unreadable(const QString& detail)
{
    return {Failure::Kind::Unreadable, detail};
}

Failure tooBigFile(qint64 bytes)
{
    return {
        Failure::Kind::TooLarge,
        QCoreApplication::translate("PictureLoader", "a file of %1 MB").arg(bytes / (1024 * 1024))};
}

std::optional<Failure> checkFrameSize(qint64 w, qint64 h)
{
    if (w < 1 || h < 1)
        return Failure{Failure::Kind::NoSize,
                       QCoreApplication::translate("PictureLoader", "its frame is empty")};
    if (w > MaxFrameHimetric || h > MaxFrameHimetric)
        return Failure{Failure::Kind::TooLarge, millimetres(w, h)};
    return std::nullopt;
}

BitmapBudget::BitmapBudget(qint64 bytesPerPixel)
    : maxPixels_(MaxDecodedBytes / bytesPerPixel)
{}

bool BitmapBudget::take(const BitmapHeader& bitmap)
{
    const qint64 pixels = bitmap.width * bitmap.height;
    if (pixels > maxPixels_) {
        detail_ = QCoreApplication::translate("PictureLoader", "a bitmap of %1 × %2 pixels")
                      .arg(bitmap.width)
                      .arg(bitmap.height);
        return false;
    }
    pixels_ += pixels;
    if (pixels_ > maxPixels_) {
        detail_ =
            QCoreApplication::translate("PictureLoader", "bitmaps of over %1 million pixels in all")
                .arg(maxPixels_ / 1'000'000);
        return false;
    }
    return true;
}

bool RecordBudget::record()
{
    if (++records_ <= MaxRecords)
        return true;
    detail_ = QCoreApplication::translate("PictureLoader", "over %1 records").arg(MaxRecords);
    return false;
}

bool RecordBudget::objectMade()
{
    if (++objects_ <= MaxObjectsMade)
        return true;
    detail_ =
        QCoreApplication::translate("PictureLoader", "over %1 drawing objects").arg(MaxObjectsMade);
    return false;
}

bool RecordBudget::stateSaved()
{
    if (++saved_ <= MaxSavedStates)
        return true;
    detail_ = QCoreApplication::translate("PictureLoader", "over %1 nested saved states")
                  .arg(MaxSavedStates);
    return false;
}

bool RecordBudget::points(qint64 count)
{
    points_ += count;
    if (points_ <= MaxPoints)
        return true;
    detail_ = QCoreApplication::translate("PictureLoader", "over %1 points").arg(MaxPoints);
    return false;
}

void RecordBudget::stateRestored()
{
    saved_ = std::max<qint64>(saved_ - 1, 0);
}

QByteArray withFrame(const QByteArray& svg, const QRectF& viewBox, QSize himetric)
{
    qsizetype start = svg.indexOf("<svg");
    while (start >= 0) {
        const char next = start + 4 < svg.size() ? svg[start + 4] : '\0';
        if (next == '>' || next == '/' || next == ' ' || next == '\t' || next == '\n' ||
            next == '\r')
            break;
        start = svg.indexOf("<svg", start + 4);
    }
    if (start < 0)
        return {};
    const qsizetype end = svg.indexOf('>', start);
    if (end < 0)
        return {};

    QString tag = QString::fromUtf8(svg.mid(start + 4, end - start - 4));
    static const QRegularExpression sizing(
        QStringLiteral(R"(\s+(width|height|viewBox|preserveAspectRatio)\s*=\s*("[^"]*"|'[^']*'))"));
    tag.remove(sizing);

    QByteArray root = "<svg";
    if (!tag.contains(QLatin1String("xmlns=")))
        root += " xmlns=\"http://www.w3.org/2000/svg\"";
    if (!tag.contains(QLatin1String("xmlns:xlink=")))
        root += " xmlns:xlink=\"http://www.w3.org/1999/xlink\"";
    root += " width=\"" + QByteArray::number(himetric.width()) + "\" height=\"" +
            QByteArray::number(himetric.height()) + "\" viewBox=\"" + number(viewBox.x()) + ' ' +
            number(viewBox.y()) + ' ' + number(viewBox.width()) + ' ' + number(viewBox.height()) +
            "\" preserveAspectRatio=\"none\"";
    root += tag.toUtf8();
    return svg.left(start) + root + svg.mid(end);
}

Result framed(QByteArray svg, const QRectF& viewBox, QSize himetric)
{
    if (auto failure = keepNearFrame(svg, viewBox))
        return *failure;
    svg = withFrame(svg, viewBox, himetric);
    if (svg.isEmpty())
        return unreadable();
    return Converted{svg, himetric};
}

} // namespace quenbrook::MetafileToSvg
