// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// One request of the hand-off between instances: the 4 bytes "QBH1", an 8-byte request number,
// the 4-byte length of the text (both big-endian), then the text in UTF-8.
namespace quenbrook::HandOffRequest {

inline constexpr qsizetype HeaderSize = 4 + 8 + 4;
inline constexpr qsizetype MaxTextBytes = 64 * 1024;
// The running instance's answer, sent once the command is queued.
inline constexpr char Ack = '\x06';

QByteArray Encode(quint64 number, const QByteArray& utf8);

enum class State
{
    Incomplete, // more bytes may make a request
    Invalid,    // no request: not ours, too long, or not UTF-8
    Complete
};

struct Decoded
{
    State state = State::Incomplete;
    quint64 number = 0;
    QString text;
};

// Reads the request at the start of what a connection has received so far.
Decoded Decode(QByteArrayView received);

} // namespace quenbrook::HandOffRequest
