// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/Printers.h"

#include "print/PrinterSurface.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <cups/cups.h>

#include <optional>
#include <utility>

namespace quenbrook {
namespace {

constexpr double CentimetresPerInch = 2.54;
constexpr double PointsPerInch = 72;

// "600dpi", "600x600dpi" or "240dpcm", the way CUPS options spell a resolution; 0 otherwise.
int dotsPerInch(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)(?:x\\d+)?(dpi|dpcm)$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return 0;
    const int dots = match.captured(1).toInt();
    return match.captured(2) == u"dpcm" ? qRound(dots * CentimetresPerInch) : dots;
}

// A CUPS queue as the scheduler describes it: the options set for it and its defaults. Nothing
// for "Save as PDF" or a queue that is not there.
class CupsQueue
{
public:
    explicit CupsQueue(const QString& name)
    {
        if (name.isEmpty() || name == SaveAsPdfPrinter)
            return;
        // A name may carry an instance after "/".
        const QByteArray queue = name.section(QLatin1Char('/'), 0, 0).toUtf8();
        const QByteArray instance = name.section(QLatin1Char('/'), 1).toUtf8();
        dest_ = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                 instance.isEmpty() ? nullptr : instance.constData());
    }
    ~CupsQueue()
    {
        if (info_)
            cupsFreeDestInfo(info_);
        if (dest_)
            cupsFreeDests(1, dest_);
    }
    CupsQueue(const CupsQueue&) = delete;
    CupsQueue& operator=(const CupsQueue&) = delete;

    // An option set on the queue or by the user (lpadmin, lpoptions), or nullptr.
    const char* option(const char* name) const
    {
        return dest_ ? cupsGetOption(name, dest_->num_options, dest_->options) : nullptr;
    }

    // The scheduler's default for an option, or nullptr.
    ipp_attribute_t* printerDefault(const char* name)
    {
        return destInfo() ? cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest_, info_, name) : nullptr;
    }

    // The queue's media of this size with its margins, in hundredths of a millimetre; of a size
    // offered both with and without borders, the one with borders.
    std::optional<cups_size_t> media(const QPageSize& paper)
    {
        const QSizeF millimetres = paper.size(QPageSize::Millimeter);
        cups_size_t size = {};
        if (!destInfo() || !cupsGetDestMediaBySize(
                               CUPS_HTTP_DEFAULT, dest_, info_, qRound(millimetres.width() * 100),
                               qRound(millimetres.height() * 100), CUPS_MEDIA_FLAGS_DEFAULT, &size))
            return std::nullopt;
        return size;
    }

    // How its paper usually lies: as the user or the queue set it, else the scheduler's default.
    QPageLayout::Orientation orientation()
    {
        // IPP's codes: 4 is landscape, 5 landscape the other way round.
        const auto landscape = [](int code) { return code == 4 || code == 5; };
        if (const char* chosen = option("orientation-requested"))
            return landscape(QByteArray(chosen).toInt()) ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait;
        if (const char* lying = option("landscape"); lying && qstrcmp(lying, "false") != 0)
            return QPageLayout::Landscape;
        ipp_attribute_t* standing = printerDefault("orientation-requested");
        if (standing && ippGetValueTag(standing) == IPP_TAG_ENUM &&
            landscape(ippGetInteger(standing, 0)))
            return QPageLayout::Landscape;
        return QPageLayout::Portrait;
    }

    // Its dots per inch: as set for it, else the scheduler's default, else the usual.
    int resolution()
    {
        for (const char* name : {"printer-resolution", "Resolution"})
            if (const int dots = dotsPerInch(QString::fromUtf8(option(name))); dots > 0)
                return dots;
        if (ipp_attribute_t* standing = printerDefault("printer-resolution");
            standing && ippGetValueTag(standing) == IPP_TAG_RESOLUTION) {
            ipp_res_t units = IPP_RES_PER_INCH;
            int dotsDown = 0;
            const int dots = ippGetResolution(standing, 0, &dotsDown, &units);
            if (dots > 0)
                return units == IPP_RES_PER_CM ? qRound(dots * CentimetresPerInch) : dots;
        }
        return UsualPrinterResolution;
    }

private:
    cups_dinfo_t* destInfo()
    {
        if (dest_ && !info_)
            info_ = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest_);
        return info_;
    }

    cups_dest_t* dest_ = nullptr;
    cups_dinfo_t* info_ = nullptr;
};

// The scheduler's default printer, whatever the user's variables say; empty when it has none.
QString schedulerDefault()
{
    ipp_t* answer = cupsDoRequest(CUPS_HTTP_DEFAULT, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    ipp_attribute_t* name =
        answer ? ippFindAttribute(answer, "printer-name", IPP_TAG_NAME) : nullptr;
    const QString found = name ? QString::fromUtf8(ippGetString(name, 0, nullptr)) : QString();
    ippDelete(answer);
    return found;
}

// A paper as libpaper names it, in any letter case: the ISO A and B sizes, the North American
// ones and a few envelopes.
std::optional<QPageSize> paperNamed(const QString& name)
{
    using Id = QPageSize::PageSizeId;
    static const std::pair<const char*, Id> others[] = {
        {"letter", QPageSize::Letter},        {"note", QPageSize::Letter},
        {"legal", QPageSize::Legal},          {"executive", QPageSize::Executive},
        {"tabloid", QPageSize::Tabloid},      {"11x17", QPageSize::Tabloid},
        {"ledger", QPageSize::Ledger},        {"statement", QPageSize::Statement},
        {"halfletter", QPageSize::Statement}, {"dl", QPageSize::EnvelopeDL},
        {"c5", QPageSize::EnvelopeC5},        {"comm10", QPageSize::Comm10E}};
    const QString wanted = name.trimmed().toLower();
    for (const auto& [known, id] : others)
        if (wanted == QLatin1String(known))
            return QPageSize(id);
    static const QRegularExpression iso(QStringLiteral("^([ab])(\\d|10)$"));
    if (!iso.match(wanted).hasMatch())
        return std::nullopt;
    // Qt's "B5" is the Japanese size, as in PPD files; libpaper's is ISO's.
    const QString key = wanted.startsWith(u'b') ? QStringLiteral("iso") + wanted : wanted;
    for (int id = 0; id <= QPageSize::LastPageSize; ++id)
        if (QPageSize::key(Id(id)).toLower() == key)
            return QPageSize(Id(id));
    return std::nullopt;
}

// The first word of a file that is not in a comment ("#" to the end of the line).
QString firstWord(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray& line : file.read(4096).split('\n')) {
        const QList<QByteArray> words =
            line.first(line.contains('#') ? line.indexOf('#') : line.size())
                .simplified()
                .split(' ');
        if (!words.first().isEmpty())
            return QString::fromUtf8(words.first());
    }
    return QString();
}

// The system's paper as libpaper finds it, else the locale's.
QPageSize systemPaper()
{
    if (const std::optional<QPageSize> system = paperNamed(qEnvironmentVariable("PAPERSIZE")))
        return *system;
    QString file = qEnvironmentVariable("PAPERCONF");
    if (file.isEmpty() || !QFileInfo::exists(file))
        file = QStringLiteral("/etc/papersize");
    if (const std::optional<QPageSize> system = paperNamed(firstWord(file)))
        return *system;
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

} // namespace

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

PrinterDefaults DefaultsOf(const QString& printerName)
{
    PrinterDefaults defaults;
    CupsQueue queue(printerName);
    // Qt's own for a queue, named as Qt names the queue's papers in its lists.
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    defaults.paper =
        !info.isNull() && printerName != SaveAsPdfPrinter && info.defaultPageSize().isValid()
            ? info.defaultPageSize()
            : systemPaper();
    defaults.orientation = queue.orientation();
    defaults.resolution =
        printerName == SaveAsPdfPrinter ? SaveAsPdfResolution : queue.resolution();
    return defaults;
}

std::optional<QMarginsF> PrintableMargins(const QString& printerName, const QPageSize& paper,
                                          QPageLayout::Orientation orientation)
{
    CupsQueue queue(printerName);
    const std::optional<cups_size_t> media = queue.media(paper);
    if (!media)
        return std::nullopt;
    const auto points = [](int hundredths) { return hundredths * PointsPerInch / 2540.0; };
    const QMarginsF standing(points(media->left), points(media->top), points(media->right),
                             points(media->bottom));
    if (orientation == QPageLayout::Portrait)
        return standing;
    // A landscape page is turned a quarter counter-clockwise on the sheet: its top lies along the
    // sheet's left edge.
    return QMarginsF(standing.bottom(), standing.left(), standing.top(), standing.right());
}

QStringList SystemPrinters::names() const
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(SaveAsPdfPrinter.toString());
    return names;
}

QString Printers::description(const QString&) const
{
    return QString();
}

QString Printers::shownName(const QString& name) const
{
    if (name == SaveAsPdfPrinter)
        return QCoreApplication::translate("Printers", "Save as PDF");
    const QString said = description(name).trimmed();
    return said.isEmpty() || said == name ? name : QStringLiteral("%1 (%2)").arg(said, name);
}

QString SystemPrinters::description(const QString& name) const
{
    return name == SaveAsPdfPrinter ? QString() : QPrinterInfo::printerInfo(name).description();
}

QString SystemPrinters::defaultName() const
{
    const QStringList installed = names();
    if (cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)) {
        QString name = QString::fromUtf8(dest->name);
        if (dest->instance)
            name += QLatin1Char('/') + QString::fromUtf8(dest->instance);
        cupsFreeDests(1, dest);
        if (installed.contains(name))
            return name;
    }
    // A name that is no queue here (a variable left from elsewhere) leaves the scheduler's own.
    if (const QString name = schedulerDefault(); installed.contains(name))
        return name;
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? SaveAsPdfPrinter.toString() : name;
}

std::unique_ptr<PrinterSurface> SystemPrinters::open(const QString& name) const
{
    return std::make_unique<PrinterSurface>(name);
}

} // namespace quenbrook
