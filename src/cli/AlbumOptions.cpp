// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/AlbumOptions.h"

#include "cli/OptionReader.h"
#include "core/album/AlbumSettings.h"
#include "core/program/Application.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <type_traits>

namespace quenbrook {
namespace {

const QString ProgramName = QStringLiteral("quenbrook-album");

const char* const Description = QT_TRANSLATE_NOOP(
    "quenbrook-album",
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
    "output file is then left as it was), 2 the command line is wrong.");

QString translated(const char* text)
{
    return QCoreApplication::translate("quenbrook-album", text);
}

constexpr SettingWord<QPageLayout::Orientation> Orientations[] = {
    {"portrait", QPageLayout::Portrait}, {"landscape", QPageLayout::Landscape}};

template <class Record, class T>
void addSettingOptions(const AlbumSetting<Record, T>& setting, QList<AlbumOption>& options)
{
    for (const SettingOption<T>& option : setting.Options) {
        QString help = translated(option.Help);
        if (!setting.Choices.isEmpty())
            help = help.arg(AcceptedWords(option, setting.Choices));
        AlbumOption added{QCommandLineOption(QLatin1String(option.Name), help,
                                             QString::fromLatin1(option.ValueName))};
        if (option.ValueName) {
            added.Length = std::is_same_v<T, float>;
            if (!added.Length && !std::is_same_v<T, BandStyle>)
                added.Words = AcceptedWords(option, setting.Choices)
                                  .split(QLatin1String(", "), Qt::SkipEmptyParts);
        }
        options << added;
    }
}

// The options of the settings, in the order of their declarations.
void addSettingOptions(QList<AlbumOption>& options)
{
    PrintSettings where; // only shows each setting's place
    ForEachSingleSetting(where,
                         [&](const auto& setting, auto&) { addSettingOptions(setting, options); });
}

// The value of the setting's option that was given, if one was.
template <class Record, class T>
std::optional<std::any> settingValue(const AlbumSetting<Record, T>& setting,
                                     const QCommandLineParser& parser, OptionReader& read)
{
    const SettingOption<T>* option = read.oneOf(setting.Options);
    if (!option)
        return std::nullopt;
    const QString name = QLatin1String(option->Name);
    std::optional<std::any> value;
    if constexpr (std::is_same_v<T, BandStyle>) {
        value = BandChoice{option->Value, option->ValueName ? parser.value(name) : QString()};
    } else if (!option->ValueName) {
        value = option->Value;
    } else if constexpr (std::is_same_v<T, float>) {
        if (const std::optional<TypedLength> length = read.length(name, option->ZeroAllowed))
            value = *length;
    } else if (const std::optional<T> word = read.settingWord(*option, setting.Choices)) {
        value = *word;
    }
    return value;
}

void readSettingOptions(const QCommandLineParser& parser, OptionReader& read, AlbumRequest& r)
{
    PrintSettings where; // only shows each setting's place
    ForEachSingleSetting(where, [&](const auto& setting, auto&) {
        if (std::optional<std::any> value = settingValue(setting, parser, read))
            r.Settings[setting.Key] = std::move(*value);
    });
}

QString usageLines()
{
    return QCoreApplication::translate("quenbrook-album",
                                       "Usage: %1 [options] -o album.pdf PICTURE...\n"
                                       "       %1 [options] -P PRINTER PICTURE...\n")
        .arg(ProgramName);
}

// Qt's help names the program by the path it was started with.
QString helpText(const QCommandLineParser& parser)
{
    const QString text = parser.helpText();
    return usageLines() + QLatin1Char('\n') + text.mid(text.indexOf(QLatin1Char('\n')) + 1);
}

AlbumOption option(const QStringList& names, const char* help, const QString& valueName = QString())
{
    return {QCommandLineOption(names, translated(help), valueName)};
}

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(translated(Description));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addPositionalArgument(
        QStringLiteral("PICTURE"),
        QCoreApplication::translate("quenbrook-album",
                                    "Picture files (%1); folders, for their pictures in the order "
                                    "of the program's file lists; \"-\" for paths on standard "
                                    "input, one a line (with -0: each ended by a NUL byte).")
            .arg(QLatin1Char('.') + AlbumPictureTypes().join(QLatin1String(" ."))),
        QStringLiteral("PICTURE..."));
    for (const AlbumOption& option : AlbumOptionList())
        parser.addOption(option.Option);
}

// Where the album goes and what it is made of.
void checkDestination(const QCommandLineParser& parser, const AlbumRequest& r, OptionReader& read)
{
    if (parser.isSet(QStringLiteral("output")) && parser.isSet(QStringLiteral("printer")))
        read.fail(translated(QT_TRANSLATE_NOOP(
            "quenbrook-album", "--output and --printer cannot be given together.")));
    else if (r.OutputFile.isEmpty() && r.PrinterName.isEmpty())
        read.fail(translated(QT_TRANSLATE_NOOP(
            "quenbrook-album", "Say where the album goes: -o FILE or -P PRINTER.")));
    if (r.PictureArguments.isEmpty())
        read.fail(translated(QT_TRANSLATE_NOOP("quenbrook-album", "No pictures were given.")));
}

} // namespace

// Every option, in the order the help lists them: where the album goes and on what paper, the
// settings, then how the run goes.
QList<AlbumOption> AlbumOptionList()
{
    QList<AlbumOption> options{
        option({"o", "output"},
               QT_TRANSLATE_NOOP("quenbrook-album",
                                 "Write the album to this PDF file (\"-\": standard output). "
                                 "Nothing is written until every page is done."),
               "FILE"),
        option({"P", "printer"},
               QT_TRANSLATE_NOOP("quenbrook-album", "Print on this CUPS printer instead."), "NAME"),
        option({"paper"},
               QT_TRANSLATE_NOOP("quenbrook-album",
                                 "Paper size: A4, A3, A5, Letter, Legal, B5, Tabloid...; photo "
                                 "paper 4x6 or 5x7 (inches), 10x15 or 13x18 (cm); or any WxH "
                                 "with a unit, like 9x13cm or 8x10in (default: the printer's)."),
               "SIZE"),
        option({"orientation"}, QT_TRANSLATE_NOOP("quenbrook-album", "portrait or landscape."),
               "WHICH")};
    options[2].Words = PaperNames();
    for (const SettingWord<QPageLayout::Orientation>& word : Orientations)
        options[3].Words << QLatin1String(word.Text);
    addSettingOptions(options);
    options
        << option({"pages"},
                  QT_TRANSLATE_NOOP("quenbrook-album",
                                    "Print only pages FROM to TO of the album: 2-5, 2- (to the "
                                    "end) or 3; a TO past the end means the last page."),
                  "FROM-TO")
        << option({"title"},
                  QT_TRANSLATE_NOOP("quenbrook-album",
                                    "The document's title, in the PDF and as the print job's name "
                                    "(default: the output file's name without its extension)."),
                  "TEXT")
        << option({"0", "null"},
                  QT_TRANSLATE_NOOP("quenbrook-album",
                                    "Paths on standard input (\"-\") are ended by NUL bytes, as "
                                    "find -print0 writes them."))
        << option(
               {"q", "quiet"},
               QT_TRANSLATE_NOOP("quenbrook-album",
                                 "Show no progress. Progress, ending in a summary, is shown only "
                                 "when standard error is a terminal; as plain text when "
                                 "TERM=dumb or NO_COLOR is set."))
        << option({"h", "help"}, QT_TRANSLATE_NOOP("quenbrook-album", "Show this help and exit."))
        << option({"version"}, QT_TRANSLATE_NOOP("quenbrook-album", "Show the version and exit."));
    return options;
}

QString UsageText(const QString& problem)
{
    return ProgramName + QStringLiteral(": ") + problem + QLatin1Char('\n') + usageLines() +
           QCoreApplication::translate("quenbrook-album", "Try \"%1 --help\" for more.\n")
               .arg(ProgramName);
}

ParsedCommandLine ParseAlbumCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments))
        return {std::nullopt, UsageText(parser.errorText()), ExitUsage};
    if (parser.isSet(QStringLiteral("help")))
        return {std::nullopt, helpText(parser), ExitDone};
    if (parser.isSet(QStringLiteral("version")))
        return {std::nullopt,
                ProgramName + QLatin1Char(' ') + QString::fromUtf16(VersionText) +
                    QLatin1Char('\n'),
                ExitDone};

    AlbumRequest r;
    OptionReader read(parser);
    r.OutputFile = parser.value(QStringLiteral("output"));
    r.PrinterName = parser.value(QStringLiteral("printer"));
    r.PictureArguments = parser.positionalArguments();
    r.NulSeparated = parser.isSet(QStringLiteral("null"));
    r.Quiet = parser.isSet(QStringLiteral("quiet"));
    r.Title = parser.value(QStringLiteral("title"));
    readSettingOptions(parser, read, r);
    r.Paper = read.paper(QStringLiteral("paper"));
    r.Orientation =
        read.word<QPageLayout::Orientation>(QStringLiteral("orientation"), Orientations);
    r.Pages = read.pages(QStringLiteral("pages"));
    checkDestination(parser, r, read);
    if (!read.problem().isEmpty())
        return {std::nullopt, UsageText(read.problem()), ExitUsage};
    return {std::move(r), QString(), ExitDone};
}

} // namespace quenbrook
