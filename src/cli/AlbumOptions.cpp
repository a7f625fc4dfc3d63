#include "cli/AlbumOptions.h"

#include "core/program/Application.h"
#include "core/program/PictureFileTypes.h"
#include "core/settings/NumberRules.h"

#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <span>

namespace quenbrook {
namespace {

const QString ProgramName = QStringLiteral("quenbrook-album");

const char Description[] =
    "Prints pictures as album pages, as Quenbrook's Album Printer does: a grid of equal cells\n"
    "inside the printable area, each picture scaled into its cell keeping its proportions.\n"
    "Settings not given here are the user's Album Printer settings.\n"
    "\n"
    "Lengths are numbers in the album's unit (--unit, else the Album Printer's), or with \"in\",\n"
    "\"cm\" or \"mm\" after them, in any letter case: 2, 2.5in, 6cm, 25MM. The decimal point\n"
    "is \".\" in every language.\n"
    "\n"
    "Messages name a picture by its path as given, or by the folder given and its name.\n"
    "\n"
    "Exit status: 0 done, 1 a picture, the layout, the printer or the output failed (an older\n"
    "output file is then left as it was), 2 the command line is wrong.";

template <typename T> struct Word
{
    const char* Text;
    T Value;
};

constexpr Word<PrintUnit> Units[] = {{"inch", PrintUnit::Inch}, {"cm", PrintUnit::Centimetre}};
constexpr Word<LabelKind> LabelKinds[] = {
    {"none", LabelKind::None}, {"name", LabelKind::FileName}, {"path", LabelKind::FilePathName}};
constexpr Word<LabelPlace> LabelPlaces[] = {{"above", LabelPlace::Above},
                                            {"below", LabelPlace::Below}};
constexpr Word<BandAlignment> Alignments[] = {{"left", BandAlignment::Left},
                                              {"center", BandAlignment::Center},
                                              {"centre", BandAlignment::Center},
                                              {"right", BandAlignment::Right}};
constexpr Word<QPageLayout::Orientation> Orientations[] = {{"portrait", QPageLayout::Portrait},
                                                           {"landscape", QPageLayout::Landscape}};

// The paper sizes QPageSize knows, by key or name in any letter case ("A4", "letter", "B5").
std::optional<QPageSize> paperNamed(const QString& text)
{
    for (int id = 0; id < QPageSize::LastPageSize; ++id) {
        const auto size = QPageSize::PageSizeId(id);
        if (size == QPageSize::Custom)
            continue;
        // "Executive.7.5x10in" is "Executive", "Ledger / ANSI B" is "Ledger".
        const QString key = QPageSize::key(size);
        const QString name = QPageSize::name(size);
        for (const QString& word :
             {key, key.section(QLatin1Char('.'), 0, 0), name,
              name.section(QLatin1String(" ("), 0, 0), name.section(QLatin1String(" / "), 0, 0)}) {
            if (word.compare(text, Qt::CaseInsensitive) == 0)
                return QPageSize(size);
        }
    }
    return std::nullopt;
}

// "150, 300, 600, printer"
QString resolutionWords()
{
    QStringList words;
    for (const qint32 ppi : PrintSettings::PictureResolutions)
        words << QString::number(ppi);
    return (words << QStringLiteral("printer")).join(QLatin1String(", "));
}

// Reads the option values, keeping the first complaint.
class OptionReader
{
public:
    explicit OptionReader(const QCommandLineParser& parser)
        : parser_(parser)
    {}

    QString problem() const { return problem_; }

    template <typename T>
    std::optional<T> word(const QCommandLineOption& option, std::span<const Word<T>> words)
    {
        if (!parser_.isSet(option))
            return std::nullopt;
        const QString text = parser_.value(option);
        QStringList allowed;
        for (const Word<T>& w : words) {
            if (text.compare(QLatin1String(w.Text), Qt::CaseInsensitive) == 0)
                return w.Value;
            allowed << QLatin1String(w.Text);
        }
        complain(option, text, QStringLiteral("one of ") + allowed.join(QLatin1String(", ")));
        return std::nullopt;
    }

    // A number by the program's number rule ("." in every locale), then a unit in any case.
    std::optional<TypedLength> length(const QCommandLineOption& option, bool zeroAllowed)
    {
        if (!parser_.isSet(option))
            return std::nullopt;
        using Unit = TypedLength::Unit;
        static constexpr Word<Unit> unitWords[] = {
            {"in", Unit::Inch}, {"cm", Unit::Centimetre}, {"mm", Unit::Millimetre}};
        const QString text = parser_.value(option);
        QString number = text.trimmed();
        TypedLength length;
        for (const Word<Unit>& w : unitWords) {
            if (number.endsWith(QLatin1String(w.Text), Qt::CaseInsensitive)) {
                number.chop(2);
                length.Typed = w.Value;
                break;
            }
        }
        // Hexadecimal and octal are for stored settings, not for lengths.
        const bool decimal = !number.contains(QLatin1Char('&'));
        length.Value = NumericValue(number);
        const double largest = std::numeric_limits<float>::max() / 10;
        if (!decimal || !IsNumericText(number) || !std::isfinite(length.Value) ||
            length.Value < 0 || length.Value > largest ||
            (!zeroAllowed && !(float(length.Value) > 0))) {
            complain(option, text,
                     zeroAllowed ? QStringLiteral("a length of 0 or more, like 0.2, 0.5cm, 5mm")
                                 : QStringLiteral("a length above 0, like 2, 2.5in, 6cm, 60mm"));
            return std::nullopt;
        }
        return length;
    }

    std::optional<QPageSize> paper(const QCommandLineOption& option)
    {
        if (!parser_.isSet(option))
            return std::nullopt;
        std::optional<QPageSize> size = paperNamed(parser_.value(option));
        if (!size)
            complain(option, parser_.value(option),
                     QStringLiteral("a paper size like A4, A3, A5, Letter, Legal, B5"));
        return size;
    }

    // One of the Album Printer's picture resolutions, or "printer".
    std::optional<qint32> resolution(const QCommandLineOption& option)
    {
        if (!parser_.isSet(option))
            return std::nullopt;
        const QString text = parser_.value(option);
        if (text.compare(QLatin1String("printer"), Qt::CaseInsensitive) == 0)
            return PrintSettings::PrinterResolution;
        for (const qint32 ppi : PrintSettings::PictureResolutions) {
            if (text.trimmed() == QString::number(ppi))
                return ppi;
        }
        complain(option, text, QStringLiteral("one of ") + resolutionWords());
        return std::nullopt;
    }

    std::optional<PageRange> pages(const QCommandLineOption& option)
    {
        if (!parser_.isSet(option))
            return std::nullopt;
        // "3", "2-5", or "2-" for page 2 to the end.
        static const QRegularExpression form(QStringLiteral(R"(^\s*(\d+)\s*(-\s*(\d*))?\s*$)"));
        const QString text = parser_.value(option);
        const QRegularExpressionMatch m = form.match(text);
        bool fromOk = false;
        bool toOk = true;
        const int from = m.captured(1).toInt(&fromOk);
        int to = from;
        if (m.hasCaptured(2))
            to = m.captured(3).isEmpty() ? std::numeric_limits<int>::max()
                                         : m.captured(3).toInt(&toOk);
        if (!m.hasMatch() || !fromOk || !toOk || from < 1 || to < from) {
            complain(option, text,
                     QStringLiteral("pages FROM-TO counted from 1, like 2-5, 2- or 3"));
            return std::nullopt;
        }
        return PageRange{from, to};
    }

    // At most one of the options; the index of the one given.
    std::optional<int> oneOf(std::initializer_list<const QCommandLineOption*> options)
    {
        std::optional<int> chosen;
        int index = 0;
        for (const QCommandLineOption* option : options) {
            if (parser_.isSet(*option)) {
                if (chosen) {
                    fail(QStringLiteral("%1 and %2 cannot be given together.")
                             .arg(dashed(**(options.begin() + *chosen)), dashed(*option)));
                    return std::nullopt;
                }
                chosen = index;
            }
            ++index;
        }
        return chosen;
    }

    void fail(const QString& message)
    {
        if (problem_.isEmpty())
            problem_ = message;
    }

private:
    static QString dashed(const QCommandLineOption& option)
    {
        return QStringLiteral("--") + option.names().constLast();
    }

    void complain(const QCommandLineOption& option, const QString& text, const QString& wanted)
    {
        fail(QStringLiteral("%1 \"%2\": expected %3.").arg(dashed(option), text, wanted));
    }

    const QCommandLineParser& parser_;
    QString problem_;
};

QString usageLines()
{
    return QStringLiteral("Usage: %1 [options] -o album.pdf PICTURE...\n"
                          "       %1 [options] -P PRINTER PICTURE...\n")
        .arg(ProgramName);
}

// Qt's help names the program by the path it was started with.
QString helpText(const QCommandLineParser& parser)
{
    const QString text = parser.helpText();
    return usageLines() + QLatin1Char('\n') + text.mid(text.indexOf(QLatin1Char('\n')) + 1);
}

} // namespace

QString UsageText(const QString& problem)
{
    return ProgramName + QStringLiteral(": ") + problem + QLatin1Char('\n') + usageLines() +
           QStringLiteral("Try \"%1 --help\" for more.\n").arg(ProgramName);
}

ParsedCommandLine ParseAlbumCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(Description));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addPositionalArgument(
        QStringLiteral("PICTURE"),
        QStringLiteral("Picture files; folders, for their pictures in the order of the program's "
                       "file lists; \"-\" for paths on standard input, one a line (with -0: "
                       "each ended by a NUL byte)."),
        QStringLiteral("PICTURE..."));

    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write the album to this PDF file (\"-\": "
                                                   "standard output). Nothing is written until "
                                                   "every page is done."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption printer({QStringLiteral("P"), QStringLiteral("printer")},
                                     QStringLiteral("Print on this CUPS printer instead."),
                                     QStringLiteral("NAME"));
    const QCommandLineOption null({QStringLiteral("0"), QStringLiteral("null")},
                                  QStringLiteral("Paths on standard input (\"-\") are ended by "
                                                 "NUL bytes, as find -print0 writes them."));
    const QCommandLineOption quiet(
        {QStringLiteral("q"), QStringLiteral("quiet")},
        QStringLiteral("Show no progress. Progress, ending in a summary, is shown only when "
                       "standard error is a terminal; as plain text when TERM=dumb or NO_COLOR "
                       "is set."));
    const QCommandLineOption unit(QStringLiteral("unit"),
                                  QStringLiteral("The album's unit: inch or cm. The user's "
                                                 "lengths are converted to it."),
                                  QStringLiteral("UNIT"));
    const QCommandLineOption cellWidth(QStringLiteral("cell-width"),
                                       QStringLiteral("Width of a picture's cell."),
                                       QStringLiteral("LENGTH"));
    const QCommandLineOption cellHeight(QStringLiteral("cell-height"),
                                        QStringLiteral("Height of a picture's cell."),
                                        QStringLiteral("LENGTH"));
    const QCommandLineOption gapX(QStringLiteral("gap-x"),
                                  QStringLiteral("Space between the columns."),
                                  QStringLiteral("LENGTH"));
    const QCommandLineOption gapY(QStringLiteral("gap-y"),
                                  QStringLiteral("Space between the rows."),
                                  QStringLiteral("LENGTH"));
    const QCommandLineOption labelGap(QStringLiteral("label-gap"),
                                      QStringLiteral("Space between a cell and its label."),
                                      QStringLiteral("LENGTH"));
    const QCommandLineOption labels(QStringLiteral("labels"),
                                    QStringLiteral("Label of each picture: none, name (the file's "
                                                   "name) or path (the path as given)."),
                                    QStringLiteral("KIND"));
    const QCommandLineOption labelPosition(QStringLiteral("label-position"),
                                           QStringLiteral("Labels above or below their cells."),
                                           QStringLiteral("WHERE"));
    const QCommandLineOption headerText(QStringLiteral("header-text"),
                                        QStringLiteral("A header line with this text."),
                                        QStringLiteral("TEXT"));
    const QCommandLineOption headerPage(QStringLiteral("header-page-number"),
                                        QStringLiteral("The page number as the header."));
    const QCommandLineOption noHeader(QStringLiteral("no-header"), QStringLiteral("No header."));
    const QCommandLineOption headerAlign(QStringLiteral("header-align"),
                                         QStringLiteral("Header at the left, center or right."),
                                         QStringLiteral("WHERE"));
    const QCommandLineOption footerText(QStringLiteral("footer-text"),
                                        QStringLiteral("A footer line with this text."),
                                        QStringLiteral("TEXT"));
    const QCommandLineOption footerPage(QStringLiteral("footer-page-number"),
                                        QStringLiteral("The page number as the footer."));
    const QCommandLineOption noFooter(QStringLiteral("no-footer"), QStringLiteral("No footer."));
    const QCommandLineOption footerAlign(QStringLiteral("footer-align"),
                                         QStringLiteral("Footer at the left, center or right."),
                                         QStringLiteral("WHERE"));
    const QCommandLineOption center(QStringLiteral("center"),
                                    QStringLiteral("Center the grid in the printable area."));
    const QCommandLineOption noCenter(QStringLiteral("no-center"),
                                      QStringLiteral("Start the grid at the printable area's "
                                                     "top-left corner."));
    const QCommandLineOption title(QStringLiteral("title"),
                                   QStringLiteral("The document's title, in the PDF and as the "
                                                  "print job's name (default: the output file's "
                                                  "name without its extension)."),
                                   QStringLiteral("TEXT"));
    const QCommandLineOption paper(QStringLiteral("paper"),
                                   QStringLiteral("Paper size: A4, A3, A5, Letter, Legal, B5, "
                                                  "Tabloid... (default: the printer's)."),
                                   QStringLiteral("SIZE"));
    const QCommandLineOption orientation(QStringLiteral("orientation"),
                                         QStringLiteral("portrait or landscape."),
                                         QStringLiteral("WHICH"));
    const QCommandLineOption resolution(
        QStringLiteral("resolution"),
        QStringLiteral("Most pixels per inch of a picture on paper: %1 (the printer's own).")
            .arg(resolutionWords()),
        QStringLiteral("PPI"));
    const QCommandLineOption pages(QStringLiteral("pages"),
                                   QStringLiteral("Print only pages FROM to TO of the album: 2-5, "
                                                  "2- (to the end) or 3; a TO past the end means "
                                                  "the last page."),
                                   QStringLiteral("FROM-TO"));
    for (const QCommandLineOption* option :
         {&output,     &printer,     &paper,    &orientation, &unit,          &cellWidth,
          &cellHeight, &gapX,        &gapY,     &labels,      &labelPosition, &labelGap,
          &headerText, &headerPage,  &noHeader, &headerAlign, &footerText,    &footerPage,
          &noFooter,   &footerAlign, &center,   &noCenter,    &resolution,    &pages,
          &title,      &null,        &quiet,    &help,        &version})
        parser.addOption(*option);

    if (!parser.parse(arguments))
        return {std::nullopt, UsageText(parser.errorText()), ExitUsage};
    if (parser.isSet(help))
        return {std::nullopt, helpText(parser), ExitDone};
    if (parser.isSet(version))
        return {std::nullopt,
                ProgramName + QLatin1Char(' ') + QString::fromUtf16(VersionText) +
                    QLatin1Char('\n'),
                ExitDone};

    AlbumRequest r;
    OptionReader read(parser);
    r.OutputFile = parser.value(output);
    r.PrinterName = parser.value(printer);
    r.PictureArguments = parser.positionalArguments();
    r.NulSeparated = parser.isSet(null);
    r.Quiet = parser.isSet(quiet);
    r.Title = parser.value(title);
    r.Unit = read.word<PrintUnit>(unit, Units);
    r.CellWidth = read.length(cellWidth, false);
    r.CellHeight = read.length(cellHeight, false);
    r.GapX = read.length(gapX, true);
    r.GapY = read.length(gapY, true);
    r.LabelGap = read.length(labelGap, true);
    r.Labels = read.word<LabelKind>(labels, LabelKinds);
    r.LabelPosition = read.word<LabelPlace>(labelPosition, LabelPlaces);
    const auto band = [&](BandRequest& band, const QCommandLineOption& text,
                          const QCommandLineOption& pageNumber, const QCommandLineOption& none,
                          const QCommandLineOption& align) {
        constexpr BandStyle styles[] = {BandStyle::Text, BandStyle::PageNumber, BandStyle::None};
        if (const std::optional<int> chosen = read.oneOf({&text, &pageNumber, &none}))
            band.Style = styles[*chosen];
        band.Text = parser.value(text);
        band.Alignment = read.word<BandAlignment>(align, Alignments);
    };
    band(r.Header, headerText, headerPage, noHeader, headerAlign);
    band(r.Footer, footerText, footerPage, noFooter, footerAlign);
    if (const std::optional<int> chosen = read.oneOf({&center, &noCenter}))
        r.Center = *chosen == 0;
    r.Paper = read.paper(paper);
    r.Orientation = read.word<QPageLayout::Orientation>(orientation, Orientations);
    r.PictureResolution = read.resolution(resolution);
    r.Pages = read.pages(pages);

    if (parser.isSet(output) && parser.isSet(printer))
        read.fail(QStringLiteral("--output and --printer cannot be given together."));
    else if (r.OutputFile.isEmpty() && r.PrinterName.isEmpty())
        read.fail(QStringLiteral("Say where the album goes: -o FILE or -P PRINTER."));
    else if (IsPictureFile(r.OutputFile))
        read.fail(QStringLiteral("The output file %1 is named like a picture; the album is a PDF "
                                 "file, like -o album.pdf.")
                      .arg(QDir::toNativeSeparators(r.OutputFile)));
    if (r.PictureArguments.isEmpty())
        read.fail(QStringLiteral("No pictures were given."));
    if (!read.problem().isEmpty())
        return {std::nullopt, UsageText(read.problem()), ExitUsage};
    return {std::move(r), QString(), ExitDone};
}

} // namespace quenbrook
