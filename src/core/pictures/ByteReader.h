// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace quenbrook {

// Numbers read out of a picture file's bytes: little-endian as the Windows formats store them,
// big-endian where JPEG and PNG do. Reads are not checked; callers make sure with has() first.
class ByteReader
{
public:
    ByteReader(const uchar* data, qint64 size)
        : d_(data)
        , n_(size)
    {}
    explicit ByteReader(const QByteArray& bytes)
        : ByteReader(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size())
    {}

    const uchar* data() const { return d_; }
    qint64 size() const { return n_; }
    // Whether count bytes from at lie within the data.
    bool has(qint64 at, qint64 count) const
    {
        return at >= 0 && count >= 0 && at <= n_ && count <= n_ - at;
    }

    uchar u8(qint64 at) const { return d_[at]; }
    quint16 u16(qint64 at) const { return quint16(d_[at] | d_[at + 1] << 8); }
    quint32 u32(qint64 at) const { return u16(at) | quint32(u16(at + 2)) << 16; }
    qint16 s16(qint64 at) const { return qint16(u16(at)); }
    qint32 s32(qint64 at) const { return qint32(u32(at)); }

    quint16 be16(qint64 at) const { return quint16(d_[at] << 8 | d_[at + 1]); }
    quint32 be32(qint64 at) const { return quint32(be16(at)) << 16 | be16(at + 2); }

private:
    const uchar* d_;
    qint64 n_;
};

} // namespace quenbrook
