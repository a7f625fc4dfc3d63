// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "print/Printers.h"

#include <QFont>
#include <QHash>
#include <QStringList>

namespace quenbrook {

// A printer list chosen by a test, possibly empty, never the machine's. Its printers
// write PDF: into the surface's output file when one is set, otherwise nowhere. With setFailing,
// every surface it opens afterwards reports an error and prints nothing.
class TestPrinters final : public Printers
{
public:
    // The default is the first name unless given. A printer not in `fonts` starts with the
    // application's font.
    explicit TestPrinters(QStringList names, QString defaultName = QString(),
                          QHash<QString, QFont> fonts = {});

    void setFailing(bool failing) { failing_ = failing; }

    QStringList names() const override { return names_; }
    QString defaultName() const override { return defaultName_; }
    std::unique_ptr<PrinterSurface> open(const QString& name) const override;

private:
    QStringList names_;
    QString defaultName_;
    QHash<QString, QFont> fonts_;
    bool failing_ = false;
};

} // namespace quenbrook
