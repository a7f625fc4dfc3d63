// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>

namespace quenbrook {

class PrinterSurface;

// The built-in printer that writes the pages into a PDF file chosen by the user.
inline constexpr QStringView SaveAsPdfPrinter = u"Save as PDF";

// The installed printers: the CUPS printers, then "Save as PDF".
class Printers
{
public:
    virtual ~Printers() = default;

    virtual QStringList names() const = 0;
    // What the system says of a printer besides its name ("Office laser, 2nd floor"); empty
    // when nothing.
    virtual QString description(const QString& name) const;
    // How the user is shown a printer: "Save as PDF" in the user's language, a queue as its
    // description with its name after it, or its name alone.
    QString shownName(const QString& name) const;
    // The printer the program prints on unless told otherwise; empty when there is none.
    virtual QString defaultName() const = 0;
    int count() const { return static_cast<int>(names().size()); }

    // The page surface of the named printer. A name that is not installed gives a surface whose
    // error() says so.
    virtual std::unique_ptr<PrinterSurface> open(const QString& name) const = 0;
};

// The paper a printer takes: the sizes CUPS reports for one of its queues; for "Save as PDF",
// and for a printer that reports none, the usual ISO and North American sizes.
QList<QPageSize> PaperSizes(const QString& printerName);
inline constexpr int UsualPrinterResolution = 300;
// A PDF has no dots of its own: Qt's PDF writer measures at 1200 to the inch, so at the printer's
// resolution a picture keeps every pixel up to that.
inline constexpr int SaveAsPdfResolution = 1200;

// What a printer says of itself when it is chosen, asked once each time (the orientation and the
// resolution of a queue in one CUPS lookup):
// - paper: the queue's default as Qt reads it; for "Save as PDF" and a queue that names none,
//   the system's paper
//   as libpaper finds it (PAPERSIZE, else the first word of the file PAPERCONF names or of
//   /etc/papersize that is not in a comment), else Letter where the locale measures in US units
//   and A4 elsewhere;
// - orientation: the queue's default, else portrait;
// - resolution: the queue's default (UsualPrinterResolution when it reports none),
//   SaveAsPdfResolution for "Save as PDF".
struct PrinterDefaults
{
    QPageSize paper;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int resolution = UsualPrinterResolution;
};
PrinterDefaults DefaultsOf(const QString& printerName);
// The margins it cannot print in on that paper lying that way, in points: CUPS's for a queue (the
// imageable area of its PPD); nothing for "Save as PDF" or a paper the queue does not know.
std::optional<QMarginsF> PrintableMargins(const QString& printerName, const QPageSize& paper,
                                          QPageLayout::Orientation orientation);

// The printers of this machine: QPrinterInfo's CUPS printers and "Save as PDF". The default is
// the one CUPS names for this user (LPDEST, PRINTER, ~/.cups/lpoptions), else the scheduler's
// own, else "Save as PDF".
class SystemPrinters final : public Printers
{
public:
    QStringList names() const override;
    QString description(const QString& name) const override;
    QString defaultName() const override;
    std::unique_ptr<PrinterSurface> open(const QString& name) const override;
};

} // namespace quenbrook
