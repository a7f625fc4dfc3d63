#include "print/PrinterSurface.h"

#include "print/Printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
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
    const QString docName = printer.docName();
    const QByteArray title =
        (docName.isEmpty() ? QCoreApplication::applicationName() : docName).toUtf8();
    const int job = cupsPrintFile(queueName.constData(), QFile::encodeName(file).constData(),
                                  title.constData(), optionCount, cupsOptions);
    cupsFreeOptions(optionCount, cupsOptions);
    if (job == 0) {
        const QString reason = QString::fromUtf8(cupsLastErrorString());
        return QStringLiteral("The printer %1 did not accept the job.").arg(quoted(queue)) +
               (reason.isEmpty() ? QString() : QStringLiteral(" ") + reason);
    }
    return QString();
}

// The printer's own resolution, paper and orientation, in place of the last printer's.
void takeOwnSetup(QPrinter& printer, const QString& name)
{
    printer.setResolution(PrinterResolution(name));
    // The printable margins a queue gives depend on the orientation.
    printer.setPageOrientation(DefaultOrientation(name));
    printer.setPageSize(DefaultPaperSize(name));
}

} // namespace

PrinterSurface::PrinterSurface(const QString& printerName)
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    selectPrinter(printerName);
}

PrinterSurface::PrinterSurface(Unopened)
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , problem_(QStringLiteral("No printer is chosen."))
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
        return {Destination::PrintQueue, QStringLiteral("No printer is installed.")};
    if (QPrinterInfo::printerInfo(name).isNull())
        return {Destination::PrintQueue,
                QStringLiteral("The printer %1 is not installed.").arg(quoted(name))};
    printer.setPrinterName(name);
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName() != name)
        return {Destination::PrintQueue,
                QStringLiteral("The printer %1 cannot be used.").arg(quoted(name))};
    takeOwnSetup(printer, name);
    return {Destination::PrintQueue, QString()};
}

void PrinterSurface::selectPrinter(const QString& printerName)
{
    killDoc();
    name_ = printerName;
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

bool PrinterSurface::writesPdf() const
{
    return destination_ == Destination::PdfFile;
}

float PrinterSurface::scaleWidth() const
{
    const QRectF area = printer_->pageLayout().paintRect(QPageLayout::Point);
    return static_cast<float>(inchesToUnits(area.width() / PointsPerInch));
}

float PrinterSurface::scaleHeight() const
{
    const QRectF area = printer_->pageLayout().paintRect(QPageLayout::Point);
    return static_cast<float>(inchesToUnits(area.height() / PointsPerInch));
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

double PrinterSurface::dotsPerInchX() const
{
    return printer_->logicalDpiX();
}

double PrinterSurface::dotsPerInchY() const
{
    return printer_->logicalDpiY();
}

const QPaintDevice& PrinterSurface::metricsDevice() const
{
    return *printer_;
}

QString PrinterSurface::error() const
{
    return problem_.isEmpty() ? PainterSurface::error() : problem_;
}

void PrinterSurface::setSpoolFile(const QString& path)
{
    spoolFile_ = path;
    // Set on the engine itself: QPrinter::setOutputFileName would also change the output format.
    printer_->printEngine()->setProperty(QPrintEngine::PPK_OutputFileName, path);
}

bool PrinterSurface::beginDocument()
{
    if (painter_.isActive())
        return true;
    clearError();
    if (!problem_.isEmpty())
        return false;
    if (destination_ == Destination::PdfFile && outputFileName_.isEmpty()) {
        setError(QStringLiteral("No file name was given for the PDF."));
        return false;
    }

    // The spool file sits next to the output file, so that it can replace it in one step.
    const QString folder =
        outputFileName_.isEmpty() ? QDir::tempPath() : QFileInfo(outputFileName_).absolutePath();
    const QString stem = outputFileName_.isEmpty() ? QStringLiteral("quenbrook-job")
                                                   : QFileInfo(outputFileName_).fileName();
    QTemporaryFile spool(
        QDir(folder).filePath(QLatin1Char('.') + stem + QLatin1String(".XXXXXX.part")));
    if (!spool.open()) {
        setError(QStringLiteral("The folder %1 cannot be written to.")
                     .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    spool.setAutoRemove(false);
    spool.close();
    setSpoolFile(spool.fileName());

    if (!painter_.begin(printer_.get())) {
        setError(QStringLiteral("The printer %1 cannot be opened.").arg(quoted(name_)));
        QFile::remove(spoolFile_);
        // A QPrinter that failed to begin may refuse every later attempt: start a fresh one.
        const QPageLayout layout = printer_->pageLayout();
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        setUpPrinter(*printer_, name_);
        printer_->setPageLayout(layout);
        spoolFile_.clear();
        return false;
    }
    return true;
}

void PrinterSurface::finishDocument(bool deliverPages)
{
    painter_.end();
    const QString spool = std::exchange(spoolFile_, QString());
    setSpoolFile(QString());
    if (deliverPages) {
        const QString problem = deliver(spool);
        if (!problem.isEmpty())
            setError(problem);
    }
    if (QFile::exists(spool))
        QFile::remove(spool);
}

QString PrinterSurface::deliver(const QString& spoolFile)
{
    if (destination_ == Destination::PdfFile)
        return moveIntoPlace(spoolFile, QFileInfo(outputFileName_).absoluteFilePath());
    return submitToCups(*printer_, name_, spoolFile);
}

QString PrinterSurface::moveIntoPlace(const QString& spoolFile, const QString& target)
{
    // Temporary files are private to the user; the document gets the target's permissions,
    // or the usual ones for a new file.
    const QFileInfo existing(target);
    QFile::setPermissions(spoolFile, existing.exists() ? existing.permissions()
                                                       : QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ReadUser | QFile::WriteUser |
                                                             QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(spoolFile).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        return QStringLiteral("The file %1 cannot be written: %2")
            .arg(QDir::toNativeSeparators(target), QString::fromLocal8Bit(std::strerror(errno)));
    }
    return QString();
}

QPainter* PrinterSurface::pagePainter()
{
    return beginDocument() ? &painter_ : nullptr;
}

void PrinterSurface::newPage()
{
    if (!beginDocument())
        return;
    if (!printer_->newPage())
        setError(QStringLiteral("The printer %1 cannot start a new page.").arg(quoted(name_)));
}

void PrinterSurface::endDoc()
{
    if (painter_.isActive())
        finishDocument(true);
}

void PrinterSurface::killDoc()
{
    if (painter_.isActive())
        finishDocument(false);
    // Whatever went wrong with the document went with it; the next one starts clean.
    clearError();
}

} // namespace quenbrook
