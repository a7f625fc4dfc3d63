#include "core/pictures/MetafileToSvg.h"

#include "core/pictures/ByteReader.h"
#include "core/pictures/EmfRecords.h"
#include "core/pictures/MetafileShared.h"
#include "core/pictures/SvgBounds.h"

#include <QCoreApplication>
#include <emf2svg.h>

#include <cstdlib>

namespace quenbrook::MetafileToSvg {

Result emfToSvg(const QByteArray& data, const LoadStop* stop)
{
    constexpr qsizetype HeaderBytes = 88;
    constexpr quint32 HeaderRecord = 1;
    constexpr quint32 Signature = 0x464D4520; // " EMF"

    if (data.size() > MaxFileBytes)
        return tooBigFile(data.size());
    const ByteReader bytes(data);
    if (data.size() < HeaderBytes || bytes.u32(0) != HeaderRecord || bytes.u32(40) != Signature)
        return unreadable();
    const quint32 headerSize = bytes.u32(4);
    if (headerSize < HeaderBytes || headerSize % 4 != 0 || headerSize > quint64(data.size()))
        return unreadable();

    const auto recordsEnd = emfRecordsEnd(bytes);
    if (const auto* failure = std::get_if<Failure>(&recordsEnd))
        return *failure;
    const qsizetype end = std::get<qsizetype>(recordsEnd);

    const qint64 boundsLeft = bytes.s32(8);
    const qint64 boundsTop = bytes.s32(12);
    const qint64 frameLeft = bytes.s32(24);
    const qint64 frameTop = bytes.s32(28);
    const qint64 frameW = qint64(bytes.s32(32)) - frameLeft;
    const qint64 frameH = qint64(bytes.s32(36)) - frameTop;
    if (auto failure = checkFrameSize(frameW, frameH))
        return *failure;
    const QSize natural{int(frameW), int(frameH)};

    // Device pixels per 0.01 mm of the reference device the metafile was made on.
    const qint64 deviceW = bytes.s32(72);
    const qint64 deviceH = bytes.s32(76);
    double himetricW = double(bytes.s32(80)) * 100;
    double himetricH = double(bytes.s32(84)) * 100;
    if (headerSize >= 108 && bytes.s32(100) > 0 && bytes.s32(104) > 0) {
        himetricW = double(bytes.s32(100)) / 10;
        himetricH = double(bytes.s32(104)) / 10;
    }
    if (deviceW <= 0 || deviceH <= 0 || !(himetricW > 0) || !(himetricH > 0))
        return unreadable(QCoreApplication::translate("PictureLoader", "no reference device"));
    const double sx = double(deviceW) / himetricW;
    const double sy = double(deviceH) / himetricH;
    // libemf2svg draws in device pixels, moved so that the bounds' corner is the origin.
    const QRectF viewBox(double(frameLeft) * sx - double(boundsLeft),
                         double(frameTop) * sy - double(boundsTop), double(frameW) * sx,
                         double(frameH) * sy);

    if (stopRaised(stop))
        return Failure{Failure::Kind::Stopped, QString()};
    QByteArray records = data.left(end);
    char noNamespace[] = "";
    generatorOptions options{};
    options.nameSpace = noNamespace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    options.imgWidth = 0;
    options.imgHeight = 0;
    char* out = nullptr;
    size_t outLength = 0;
    int ok = 0;
    {
        const ConverterTurn turn;
        ok = emf2svg(records.data(), size_t(records.size()), &out, &outLength, &options);
    }
    QByteArray svg;
    const bool tooMuch = outLength > size_t(MaxSvgBytes);
    if (ok == 1 && out && outLength > 0 && !tooMuch)
        svg = QByteArray(out, qsizetype(outLength));
    std::free(out);
    if (stopRaised(stop))
        return Failure{Failure::Kind::Stopped, QString()};
    if (tooMuch)
        return Failure{Failure::Kind::TooLarge,
                       QCoreApplication::translate("PictureLoader", "too much drawing")};
    if (svg.isEmpty())
        return unreadable();
    if (auto failure = keepNearFrame(svg, viewBox))
        return *failure;
    svg = withFrame(svg, viewBox, natural);
    if (svg.isEmpty())
        return unreadable();
    return Converted{svg, natural};
}

} // namespace quenbrook::MetafileToSvg
