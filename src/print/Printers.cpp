#include "print/Printers.h"

#include "print/PrinterSurface.h"

#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>

namespace quenbrook {

QList<QPageSize> PaperSizes(const QString& printerName)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (!info.isNull() && printerName != SaveAsPdfPrinter) {
        const QList<QPageSize> sizes = info.supportedPageSizes();
        if (!sizes.isEmpty())
            return sizes;
    }
    QList<QPageSize> sizes;
    for (const QPageSize::PageSizeId id :
         {QPageSize::A3, QPageSize::A4, QPageSize::A5, QPageSize::A6, QPageSize::B5,
          QPageSize::Letter, QPageSize::Legal, QPageSize::Executive, QPageSize::Tabloid,
          QPageSize::Comm10E, QPageSize::EnvelopeDL, QPageSize::EnvelopeC5})
        sizes.append(QPageSize(id));
    return sizes;
}

QPageSize DefaultPaperSize(const QString& printerName)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (!info.isNull() && printerName != SaveAsPdfPrinter && info.defaultPageSize().isValid())
        return info.defaultPageSize();
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

QStringList SystemPrinters::names() const
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(SaveAsPdfPrinter.toString());
    return names;
}

QString SystemPrinters::defaultName() const
{
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? SaveAsPdfPrinter.toString() : name;
}

std::unique_ptr<PrinterSurface> SystemPrinters::open(const QString& name) const
{
    return std::make_unique<PrinterSurface>(name);
}

} // namespace quenbrook
