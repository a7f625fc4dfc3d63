// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/ExactPageBox.h"

namespace quenbrook {
namespace {

QByteArray box(const QByteArray& width, const QByteArray& height)
{
    return QByteArrayLiteral("/MediaBox [0 0 ") + width + ' ' + height + ']';
}

} // namespace

ExactPageBox::ExactPageBox(QIODevice* target, QSize written, QSizeF exact)
    : target_(target)
{
    for (int i = 0; i < 2; ++i) {
        const QSize whole = i == 0 ? written : written.transposed();
        const QSizeF size = i == 0 ? exact : exact.transposed();
        // As Qt writes it, with six decimals.
        written_[i] = box(QByteArray::number(double(whole.width()), 'f'),
                          QByteArray::number(double(whole.height()), 'f'));
        exact_[i] = box(QByteArray::number(size.width(), 'f', 3),
                        QByteArray::number(size.height(), 'f', 3));
        if (exact_[i].size() > written_[i].size())
            exact_[i] = written_[i]; // cannot be: three decimals are shorter than six
        exact_[i].insert(exact_[i].size() - 1,
                         QByteArray(written_[i].size() - exact_[i].size(), ' '));
    }
    open(QIODevice::WriteOnly);
}

qint64 ExactPageBox::writeData(const char* data, qint64 size)
{
    QByteArray bytes = QByteArray::fromRawData(data, qsizetype(size));
    for (int i = 0; i < 2; ++i) {
        if (bytes.contains(written_[i])) {
            bytes.detach();
            bytes.replace(written_[i], exact_[i]);
        }
    }
    return target_->write(bytes) == size ? size : -1;
}

} // namespace quenbrook
