// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/HandOffRequest.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>

namespace quenbrook::HandOffRequest {
namespace {

constexpr char Magic[] = "QBH1";
constexpr qsizetype MagicSize = 4;

Decoded invalid()
{
    Decoded d;
    d.state = State::Invalid;
    return d;
}

Decoded incomplete()
{
    return Decoded();
}

} // namespace

QByteArray Encode(quint64 number, const QByteArray& utf8)
{
    QByteArray bytes(HeaderSize, '\0');
    std::copy_n(Magic, MagicSize, bytes.data());
    qToBigEndian<quint64>(number, bytes.data() + MagicSize);
    qToBigEndian<quint32>(quint32(utf8.size()), bytes.data() + MagicSize + 8);
    return bytes + utf8;
}

Decoded Decode(QByteArrayView received)
{
    const QByteArrayView magic(Magic, MagicSize);
    if (!magic.startsWith(received.first(std::min(received.size(), MagicSize))))
        return invalid();
    if (received.size() < HeaderSize)
        return incomplete();
    const quint32 length = qFromBigEndian<quint32>(received.data() + MagicSize + 8);
    if (length > quint32(MaxTextBytes))
        return invalid();
    if (received.size() < HeaderSize + qsizetype(length))
        return incomplete();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(received.sliced(HeaderSize, length));
    if (decoder.hasError())
        return invalid();
    return {State::Complete, qFromBigEndian<quint64>(received.data() + MagicSize), std::move(text)};
}

} // namespace quenbrook::HandOffRequest
