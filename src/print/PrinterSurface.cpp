// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/PrinterSurface.h"

#include "core/platform/OutputFile.h"
#include "print/ExactPageBox.h"
#include "print/Printers.h"

#include <QCoreApplication>
#include <QFile>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <utility>
#include <vector>

namespace quenbrook {
namespace {

constexpr double PointsPerInch = 72;
constexpr double TwipsPerPoint = 20;
// Qt's key for the options the print dialog chose for CUPS (a list of name, value, ...).
const auto CupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// The job's title on a queue, and the PDF's: the document's name, else the program's.
QString documentTitle(const QPrinter& printer)
{
    const QString docName = printer.docName();
    return docName.isEmpty() ? QCoreApplication::applicationName() : docName;
}

// Sends a finished PDF to a CUPS queue with the options of the printer's setup, the way Qt's own
// CUPS engine would.
QString submitToCups(const QPrinter& printer, const QString& queue, const QString& file)
{
    std::vector<std::pair<QByteArray, QByteArray>> options;
    const QPageLayout layout = printer.pageLayout();
    options.emplace_back("media", layout.pageSize().key().toUtf8());
    if (printer.copyCount() > 1) {
        options.emplace_back("copies", QByteArray::number(printer.copyCount()));
        if (printer.collateCopies())
            options.emplace_back("Collate", "True");
    }
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        options.emplace_back("sides", "one-sided");
        break;
    case QPrinter::DuplexAuto:
        options.emplace_back("sides", layout.orientation() == QPageLayout::Portrait
                                          ? "two-sided-long-edge"
                                          : "two-sided-short-edge");
        break;
    case QPrinter::DuplexLongSide:
        options.emplace_back("sides", "two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        options.emplace_back("sides", "two-sided-short-edge");
        break;
    }
    if (layout.orientation() == QPageLayout::Landscape)
        options.emplace_back("landscape", "");
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        options.emplace_back("outputorder", "reverse");
    // The spool file is drawn in colour; the queue makes it grey.
    if (printer.colorMode() == QPrinter::GrayScale)
        options.emplace_back("print-color-mode", "monochrome");
    // The job holds exactly the pages asked for: the queue is not to pick from them again.
    const QStringList chosen = printer.printEngine()->property(CupsOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
        if (chosen.at(i) != u"page-ranges")
            options.emplace_back(chosen.at(i).toUtf8(), chosen.at(i + 1).toUtf8());

    int optionCount = 0;
    cups_option_t* cupsOptions = nullptr;
    for (const auto& [name, value] : options)
        optionCount = cupsAddOption(name.constData(), value.constData(), optionCount, &cupsOptions);

    // A queue name may carry an instance after "/"; CUPS wants the queue itself.
    const QByteArray queueName = queue.section(QLatin1Char('/'), 0, 0).toUtf8();
    const QByteArray title = documentTitle(printer).toUtf8();
    const int job = cupsPrintFile(queueName.constData(), QFile::encodeName(file).constData(),
                                  title.constData(), optionCount, cupsOptions);
    cupsFreeOptions(optionCount, cupsOptions);
    if (job == 0) {
        const QString reason = QString::fromUtf8(cupsLastErrorString());
        return QCoreApplication::translate("PrinterSurface",
                                           "The printer %1 did not accept the job.")
                   .arg(quoted(queue)) +
               (reason.isEmpty() ? QString() : QStringLiteral(" ") + reason);
    }
    return QString();
}

// The printer's own resolution, paper and orientation, in place of the last printer's.
void takeOwnSetup(QPrinter& printer, const QString& name)
{
    const PrinterDefaults defaults = DefaultsOf(name);
    printer.setResolution(defaults.resolution);
    // The printable margins a queue gives depend on the orientation.
    printer.setPageOrientation(defaults.orientation);
    printer.setPageSize(defaults.paper);
}

} // namespace

PrinterSurface::PrinterSurface(const QString& printerName)
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    selectPrinter(printerName);
}

PrinterSurface::PrinterSurface(Unopened)
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , problem_(QCoreApplication::translate("PrinterSurface", "No printer is chosen."))
{}

PrinterSurface::~PrinterSurface()
{
    if (painter_.isActive())
        finishDocument(false);
}

PrinterSurface::Setup PrinterSurface::setUpPrinter(QPrinter& printer, const QString& name)
{
    if (name == SaveAsPdfPrinter) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        takeOwnSetup(printer, name);
        return {Destination::PdfFile, QString()};
    }
    if (name.isEmpty())
        return {Destination::PrintQueue,
                QCoreApplication::translate("PrinterSurface", "No printer is installed.")};
    if (QPrinterInfo::printerInfo(name).isNull())
        return {Destination::PrintQueue,
                QCoreApplication::translate("PrinterSurface", "The printer %1 is not installed.")
                    .arg(quoted(name))};
    printer.setPrinterName(name);
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName() != name)
        return {Destination::PrintQueue,
                QCoreApplication::translate("PrinterSurface", "The printer %1 cannot be used.")
                    .arg(quoted(name))};
    takeOwnSetup(printer, name);
    return {Destination::PrintQueue, QString()};
}

void PrinterSurface::selectPrinter(const QString& printerName)
{
    killDoc();
    name_ = printerName;
    marginsPaper_ = QPageLayout();
    const Setup setup = setUpPrinter(*printer_, printerName);
    destination_ = setup.destination;
    problem_ = setup.problem;
    resetFont(startingFont(printerName));
    clearError();
}

QFont PrinterSurface::startingFont(const QString&) const
{
    return QFont();
}

QPageLayout PrinterSurface::pageLayout() const
{
    QPageLayout layout = printer_->pageLayout();
    if (destination_ != Destination::PrintQueue || !problem_.isEmpty())
        return layout;
    // Asked of the scheduler once for each paper.
    if (!(marginsPaper_.pageSize() == layout.pageSize()) ||
        marginsPaper_.orientation() != layout.orientation()) {
        marginsPaper_ = layout;
        queueMargins_ = PrintableMargins(name_, layout.pageSize(), layout.orientation());
    }
    if (queueMargins_) {
        layout.setUnits(QPageLayout::Point);
        layout.setMinimumMargins(QMarginsF());
        layout.setMargins(*queueMargins_);
    }
    return layout;
}

bool PrinterSurface::writesPdf() const
{
    return destination_ == Destination::PdfFile;
}

QSizeF PrinterSurface::drawableInches() const
{
    return pageLayout().paintRect(QPageLayout::Point).size() / PointsPerInch;
}

float PrinterSurface::paperWidthTwips() const
{
    return static_cast<float>(printer_->pageLayout().fullRect(QPageLayout::Point).width() *
                              TwipsPerPoint);
}

float PrinterSurface::paperHeightTwips() const
{
    return static_cast<float>(printer_->pageLayout().fullRect(QPageLayout::Point).height() *
                              TwipsPerPoint);
}

double PrinterSurface::dotsPerInch() const
{
    return printer_->logicalDpiX();
}

const QPaintDevice& PrinterSurface::metricsDevice() const
{
    return *printer_;
}

QString PrinterSurface::error() const
{
    return problem_.isEmpty() ? PainterSurface::error() : problem_;
}

bool PrinterSurface::beginDocument()
{
    if (painter_.isActive())
        return true;
    clearError();
    if (!problem_.isEmpty())
        return false;
    if (destination_ == Destination::PdfFile && outputFileName_.isEmpty()) {
        setError(
            QCoreApplication::translate("PrinterSurface", "No file name was given for the PDF."));
        return false;
    }

    // The pages go through a writer of our own, on a device whose every write is checked: the
    // output file itself for "Save as PDF", a spool file for a print queue. The QPrinter only
    // holds the device settings.
    output_ = std::make_unique<OutputFile>(destination_ == Destination::PdfFile ? outputFileName_
                                                                                : QString());
    if (!output_->open()) {
        setError(output_->error());
        output_.reset();
        return false;
    }
    QIODevice* device = output_->device();
    if (exactPaperSize_) {
        // Qt's sizes in points are whole points too; millimetres are as given.
        const QPageSize paper = printer_->pageLayout().pageSize();
        exactPageBox_ = std::make_unique<ExactPageBox>(
            device, paper.sizePoints(), paper.size(QPageSize::Millimeter) * 72 / 25.4);
        device = exactPageBox_.get();
    }
    writer_ = std::make_unique<QPdfWriter>(device);
    writer_->setPdfVersion(printer_->pdfVersion());
    writer_->setResolution(printer_->resolution());
    writer_->setPageLayout(pageLayout());
    writer_->setTitle(documentTitle(*printer_));
    writer_->setCreator(printer_->creator());
    if (!painter_.begin(writer_.get())) {
        setError(QCoreApplication::translate("PrinterSurface", "The printer %1 cannot be opened.")
                     .arg(quoted(name_)));
        writer_.reset();
        exactPageBox_.reset();
        output_.reset();
        return false;
    }
    return true;
}

void PrinterSurface::finishDocument(bool deliverPages, const LoadStop* stop)
{
    const bool ended = painter_.end();
    writer_.reset();
    exactPageBox_.reset();
    // Not committed, the output goes with this: an older file stays as it was.
    const std::unique_ptr<OutputFile> output = std::move(output_);
    if (!deliverPages)
        return;
    QString problem;
    if (!ended)
        problem =
            QCoreApplication::translate("PrinterSurface", "The printer %1 cannot end the document.")
                .arg(quoted(name_));
    else if (!output->commit(stop))
        problem = output->error();
    else if (destination_ == Destination::PrintQueue)
        problem = stopRaised(stop)
                      ? QCoreApplication::translate("PrinterSurface",
                                                    "The job was stopped before it was sent.")
                      : deliver(output->spoolPath());
    if (!problem.isEmpty())
        setError(problem);
}

QString PrinterSurface::deliver(const QString& spoolFile)
{
    return submitToCups(*printer_, name_, spoolFile);
}

QPainter* PrinterSurface::pagePainter()
{
    return beginDocument() ? &painter_ : nullptr;
}

void PrinterSurface::newPage()
{
    if (!beginDocument())
        return;
    // A full disk stops the job at the end of the page it was found on.
    if (output_->failed())
        setError(output_->error());
    else if (!writer_->newPage())
        setError(
            QCoreApplication::translate("PrinterSurface", "The printer %1 cannot start a new page.")
                .arg(quoted(name_)));
}

void PrinterSurface::endDoc(const LoadStop* stop)
{
    if (painter_.isActive())
        finishDocument(true, stop);
}

void PrinterSurface::killDoc()
{
    if (painter_.isActive())
        finishDocument(false);
    // Whatever went wrong with the document went with it; the next one starts clean.
    clearError();
}

} // namespace quenbrook
