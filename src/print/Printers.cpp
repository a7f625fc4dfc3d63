#include "print/Printers.h"

#include "print/PrinterSurface.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace quenbrook {

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
