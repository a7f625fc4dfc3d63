// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/MetafileToSvg.h"

#include "core/pictures/ByteReader.h"
#include "core/pictures/EmfRecords.h"
#include "core/pictures/MetafileShared.h"

#include <QCoreApplication>
#include <emf2svg.h>

#include <cstdlib>

namespace quenbrook::MetafileToSvg {
namespace {

// What the header of an enhanced metafile says about its drawing.
struct EmfFrame
{
    qsizetype recordsEnd = 0; // where the records the converter gets end
    QSize natural;            // the frame, in 0.01 mm
    QRectF viewBox;           // the frame in the converter's coordinates
};

// The header and the record chain checked, and the frame found in the coordinates libemf2svg
// draws in.
std::variant<EmfFrame, Failure> readEmfFrame(const QByteArray& data)
{
    constexpr qsizetype HeaderBytes = 88;
    constexpr quint32 HeaderRecord = 1;
    constexpr quint32 Signature = 0x464D4520; // " EMF"

    const ByteReader bytes(data);
    if (data.size() < HeaderBytes || bytes.u32(0) != HeaderRecord || bytes.u32(40) != Signature)
        return unreadable();
    const quint32 headerSize = bytes.u32(4);
    if (headerSize < HeaderBytes || headerSize % 4 != 0 || headerSize > quint64(data.size()))
        return unreadable();

    const auto recordsEnd = emfRecordsEnd(bytes);
    if (const auto* failure = std::get_if<Failure>(&recordsEnd))
        return *failure;

    const qint64 boundsLeft = bytes.s32(8);
    const qint64 boundsTop = bytes.s32(12);
    const qint64 frameLeft = bytes.s32(24);
    const qint64 frameTop = bytes.s32(28);
    const qint64 frameW = qint64(bytes.s32(32)) - frameLeft;
    const qint64 frameH = qint64(bytes.s32(36)) - frameTop;
    if (auto failure = checkFrameSize(frameW, frameH))
        return *failure;

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
    return EmfFrame{std::get<qsizetype>(recordsEnd), QSize(int(frameW), int(frameH)), viewBox};
}

struct Emf2SvgOutput
{
    QByteArray svg; // empty when the conversion failed or wrote too much
    bool tooMuch = false;
};

Emf2SvgOutput runEmf2Svg(QByteArray records)
{
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
    Emf2SvgOutput output;
    output.tooMuch = outLength > size_t(MaxSvgBytes);
    if (ok == 1 && out && outLength > 0 && !output.tooMuch)
        output.svg = QByteArray(out, qsizetype(outLength));
    std::free(out);
    return output;
}

} // namespace

Result emfToSvg(const QByteArray& data, const LoadStop* stop)
{
    if (data.size() > MaxFileBytes)
        return tooBigFile(data.size());
    const auto frameOrFailure = readEmfFrame(data);
    if (const auto* failure = std::get_if<Failure>(&frameOrFailure))
        return *failure;
    const EmfFrame& frame = std::get<EmfFrame>(frameOrFailure);

    if (stopRaised(stop))
        return Failure{Failure::Kind::Stopped, QString()};
    Emf2SvgOutput output = runEmf2Svg(data.left(frame.recordsEnd));
    if (stopRaised(stop))
        return Failure{Failure::Kind::Stopped, QString()};
    if (output.tooMuch)
        return Failure{Failure::Kind::TooLarge,
                       QCoreApplication::translate("PictureLoader", "too much drawing")};
    if (output.svg.isEmpty())
        return unreadable();
    return framed(std::move(output.svg), frame.viewBox, frame.natural);
}

} // namespace quenbrook::MetafileToSvg
