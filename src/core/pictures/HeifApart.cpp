// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/HeifApart.h"

#include "core/pictures/DecodeHelper.h"
#include "core/pictures/DecodeLimits.h"
#include "core/pictures/HeifImage.h"

#include <QColorSpace>
#include <QCoreApplication>

namespace quenbrook::HeifApart {
namespace {

// An answer starts with a line of this length: what it holds, padded with blanks, so that the
// pixels after it start aligned.
constexpr qsizetype HeaderBytes = 64;
constexpr char PictureWord[] = "QBHF1 picture";
constexpr char RefusalWord[] = "QBHF1 refused";
// The most of a colour profile passed on; a photo's is a few kilobytes.
constexpr qsizetype MaxProfileBytes = 4 * 1024 * 1024;

Decoded refused(Decoded::Refusal refusal, const QString& detail = QString())
{
    Decoded out;
    out.refusal = refusal;
    out.detail = detail;
    return out;
}

Decoded overBudget(const QString& detail)
{
    return refused(Decoded::Refusal::TooLarge, detail);
}

Decoded outOfMemory()
{
    return overBudget(QCoreApplication::translate("PictureLoader", "over %1 MB to decode")
                          .arg(MemoryBytes / (1024 * 1024)));
}

Decoded outOfTime()
{
    return overBudget(
        QCoreApplication::translate("PictureLoader", "over %1 s to decode").arg(CpuSeconds));
}

} // namespace

bool writeAnswer(ByteReader file, const std::function<bool(QByteArrayView)>& write)
{
    QString why;
    const QImage image = decodeHeif(file, why);
    if (image.isNull())
        return write(QByteArray(RefusalWord).append('\n').append(why.toUtf8()));
    const QByteArray profile =
        image.colorSpace().isValid() ? image.colorSpace().iccProfile() : QByteArray();
    QByteArray header = QByteArray(PictureWord) + ' ' + QByteArray::number(image.width()) + ' ' +
                        QByteArray::number(image.height()) + ' ' +
                        QByteArray::number(image.bytesPerLine()) + ' ' +
                        (image.hasAlphaChannel() ? "4 " : "3 ") +
                        QByteArray::number(profile.size() <= MaxProfileBytes ? profile.size() : 0);
    header = header.leftJustified(HeaderBytes - 1, ' ') + '\n';
    return write(header) &&
           write(QByteArrayView(image.constBits(), image.bytesPerLine() * image.height())) &&
           (profile.size() > MaxProfileBytes || write(profile));
}

Decoded readAnswer(QByteArray answer)
{
    if (answer.startsWith(QByteArray(RefusalWord) + '\n'))
        return refused(Decoded::Refusal::Unreadable,
                       QString::fromUtf8(answer.mid(qsizetype(sizeof RefusalWord))));
    if (answer.size() < HeaderBytes || !answer.startsWith(PictureWord) ||
        answer[HeaderBytes - 1] != '\n')
        return refused(Decoded::Refusal::Unreadable);
    const QList<QByteArray> fields =
        answer.left(HeaderBytes - 1).sliced(qsizetype(sizeof PictureWord)).simplified().split(' ');
    if (fields.size() != 5)
        return refused(Decoded::Refusal::Unreadable);
    qint64 numbers[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        numbers[i] = fields[i].toLongLong(&ok);
        if (!ok || numbers[i] < 0)
            return refused(Decoded::Refusal::Unreadable);
    }
    const auto [width, height, stride, channels, profileBytes] = numbers;
    if (width < 1 || height < 1 || (channels != 3 && channels != 4) || width > MaxDecodedBytes ||
        height > MaxDecodedBytes || stride > MaxDecodedBytes || stride < width * channels ||
        width * height * 4 > MaxDecodedBytes || stride * height > MaxDecodedBytes + stride ||
        profileBytes > MaxProfileBytes ||
        answer.size() != HeaderBytes + stride * height + profileBytes)
        return refused(Decoded::Refusal::Unreadable);
    const QColorSpace space =
        profileBytes ? QColorSpace::fromIccProfile(answer.right(profileBytes)) : QColorSpace();
    answer.truncate(HeaderBytes + stride * height);
    // The pixels stay in the answer, which the picture then owns.
    auto* held = new QByteArray(std::move(answer));
    Decoded out;
    out.image = QImage(
        reinterpret_cast<const uchar*>(held->constData()) + HeaderBytes, int(width), int(height),
        qsizetype(stride), channels == 4 ? QImage::Format_RGBA8888 : QImage::Format_RGB888,
        [](void* bytes) { delete static_cast<QByteArray*>(bytes); }, held);
    out.image.setColorSpace(space);
    return out;
}

Decoded decode(const QByteArray& file, const LoadStop* stop)
{
    const DecodeHelper::Budget budget{CpuSeconds, MemoryBytes,
                                      HeaderBytes + MaxDecodedBytes + MaxProfileBytes};
    DecodeHelper::Run run = DecodeHelper::run("heif", file, budget, stop);
    switch (run.end) {
    case DecodeHelper::Run::End::Ended:
        switch (DecodeHelper::endingOf(run.status, run.peakBytes, MemoryBytes)) {
        case DecodeHelper::Ending::Answered:
            return readAnswer(std::move(run.answer));
        case DecodeHelper::Ending::OutOfMemory:
            return outOfMemory();
        case DecodeHelper::Ending::OutOfTime:
            return outOfTime();
        case DecodeHelper::Ending::Stopped:
            return refused(Decoded::Refusal::Stopped);
        case DecodeHelper::Ending::Failed:
            return refused(Decoded::Refusal::Unreadable);
        }
        break;
    case DecodeHelper::Run::End::OverTime:
        return outOfTime();
    case DecodeHelper::Run::End::OverAnswer:
        return outOfMemory();
    case DecodeHelper::Run::End::Stopped:
        return refused(Decoded::Refusal::Stopped);
    case DecodeHelper::Run::End::Missing:
    case DecodeHelper::Run::End::CannotStart:
        break;
    }
    return refused(Decoded::Refusal::Unreadable, DecodeHelper::notStartedReason(run));
}

} // namespace quenbrook::HeifApart
