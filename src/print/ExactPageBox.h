// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QSize>
#include <QSizeF>

namespace quenbrook {

// Qt's PDF writer gives a page's size in whole points (`written`); this passes the writer's output
// on to target with the size of the page as it was asked for (`exact`): 10 × 15 cm is
// 283.46 × 425.2 points, not 283 × 425. The size is rewritten in as many bytes as it had, so the
// file's offsets stay right.
class ExactPageBox : public QIODevice
{
public:
    ExactPageBox(QIODevice* target, QSize written, QSizeF exact);
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    QIODevice* target_;
    QByteArray written_[2], exact_[2]; // either way up
};

} // namespace quenbrook
