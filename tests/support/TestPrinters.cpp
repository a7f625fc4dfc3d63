// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/TestPrinters.h"

#include "core/platform/OutputFile.h"
#include "print/PrinterSurface.h"

#include <QFile>
#include <QPrinter>

namespace quenbrook {
namespace {

// Test double: a printer of TestPrinters. It writes PDF through the real printing path; the
// finished document goes to the output file when one is set and is thrown away otherwise.
class TestPrinterSurface final : public PrinterSurface
{
public:
    TestPrinterSurface(const QString& name, QStringList installed, QHash<QString, QFont> fonts,
                       bool failing)
        : PrinterSurface(Unopened{})
        , installed_(std::move(installed))
        , fonts_(std::move(fonts))
        , failing_(failing)
    {
        selectPrinter(name);
    }

protected:
    Setup setUpPrinter(QPrinter& printer, const QString& name) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        const char* problem = !installed_.contains(name) ? "The printer \"%1\" is not installed."
                              : failing_                 ? "The printer \"%1\" is not responding."
                                                         : nullptr;
        return {Destination::PrintQueue,
                problem ? QString::fromLatin1(problem).arg(name) : QString()};
    }

    QFont startingFont(const QString& name) const override
    {
        return fonts_.value(name, PrinterSurface::startingFont(name));
    }

    QString deliver(const QString& spoolFile) override
    {
        if (outputFileName().isEmpty())
            return QString();
        QFile spool(spoolFile);
        OutputFile output(outputFileName());
        if (!spool.open(QIODevice::ReadOnly))
            return spool.errorString();
        if (!output.open() || output.device()->write(spool.readAll()) < 0 || !output.commit())
            return output.error();
        return QString();
    }

private:
    QStringList installed_;
    QHash<QString, QFont> fonts_;
    bool failing_;
};

} // namespace

TestPrinters::TestPrinters(QStringList names, QString defaultName, QHash<QString, QFont> fonts)
    : names_(std::move(names))
    , defaultName_(defaultName.isEmpty() ? names_.value(0) : std::move(defaultName))
    , fonts_(std::move(fonts))
{}

std::unique_ptr<PrinterSurface> TestPrinters::open(const QString& name) const
{
    return std::make_unique<TestPrinterSurface>(name, names_, fonts_, failing_);
}

} // namespace quenbrook
