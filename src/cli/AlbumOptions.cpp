#include "cli/AlbumOptions.h"

#include "core/album/AlbumSettings.h"
#include "core/program/Application.h"
#include "core/program/PictureFileTypes.h"
#include "core/settings/NumberRules.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <span>
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

template <typename T> struct Word
{
    const char* Text;
    T Value;
};

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

// What an option with a value takes: "inch, cm"; for a setting with choices each choice, by its
// word if it has one: "150, 300, 600, printer".
template <class T> QString acceptedWords(const SettingOption<T>& option, const QList<T>& choices)
{
    QStringList words;
    if constexpr (std::is_same_v<T, qint32>) {
        for (const qint32 choice : choices) {
            const auto named = std::find_if(option.Words.cbegin(), option.Words.cend(),
                                            [&](const auto& w) { return w.Value == choice; });
            words << (named == option.Words.cend() ? QString::number(choice)
                                                   : QLatin1String(named->Text));
        }
    }
    if (words.isEmpty()) {
        for (const SettingWord<T>& word : option.Words)
            words << QLatin1String(word.Text);
    }
    return words.join(QLatin1String(", "));
}

// Reads the option values, keeping the first complaint.
class OptionReader
{
public:
    explicit OptionReader(const QCommandLineParser& parser)
        : parser_(parser)
    {}

    QString problem() const { return problem_; }

    template <typename T> std::optional<T> word(const QString& name, std::span<const Word<T>> words)
    {
        if (!parser_.isSet(name))
            return std::nullopt;
        const QString text = parser_.value(name);
        QStringList allowed;
        for (const Word<T>& w : words) {
            if (text.compare(QLatin1String(w.Text), Qt::CaseInsensitive) == 0)
                return w.Value;
            allowed << QLatin1String(w.Text);
        }
        complain(name, text, oneOf(allowed.join(QLatin1String(", "))));
        return std::nullopt;
    }

    // One of the option's words in any letter case, or for a setting with choices the number of
    // one of them.
    template <class T>
    std::optional<T> settingWord(const SettingOption<T>& option, const QList<T>& choices)
    {
        const QString name = QLatin1String(option.Name);
        const QString text = parser_.value(name);
        for (const SettingWord<T>& w : option.Words) {
            if (text.compare(QLatin1String(w.Text), Qt::CaseInsensitive) == 0)
                return w.Value;
        }
        if constexpr (std::is_same_v<T, qint32>) {
            for (const qint32 choice : choices) {
                if (text.trimmed() == QString::number(choice))
                    return choice;
            }
        }
        complain(name, text, oneOf(acceptedWords(option, choices)));
        return std::nullopt;
    }

    // A number by the program's number rule ("." in every locale), then a unit in any case.
    std::optional<TypedLength> length(const QString& name, bool zeroAllowed)
    {
        using Unit = TypedLength::Unit;
        static constexpr Word<Unit> unitWords[] = {
            {"in", Unit::Inch}, {"cm", Unit::Centimetre}, {"mm", Unit::Millimetre}};
        const QString text = parser_.value(name);
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
            complain(name, text,
                     zeroAllowed ? translated("a length of 0 or more, like 0.2, 0.5cm, 5mm")
                                 : translated("a length above 0, like 2, 2.5in, 6cm, 60mm"));
            return std::nullopt;
        }
        return length;
    }

    std::optional<QPageSize> paper(const QString& name)
    {
        if (!parser_.isSet(name))
            return std::nullopt;
        std::optional<QPageSize> size = paperNamed(parser_.value(name));
        if (!size)
            complain(name, parser_.value(name),
                     translated("a paper size like A4, A3, A5, Letter, Legal, B5"));
        return size;
    }

    std::optional<PageRange> pages(const QString& name)
    {
        if (!parser_.isSet(name))
            return std::nullopt;
        // "3", "2-5", or "2-" for page 2 to the end.
        static const QRegularExpression form(QStringLiteral(R"(^\s*(\d+)\s*(-\s*(\d*))?\s*$)"));
        const QString text = parser_.value(name);
        const QRegularExpressionMatch m = form.match(text);
        bool fromOk = false;
        bool toOk = true;
        const int from = m.captured(1).toInt(&fromOk);
        int to = from;
        if (m.hasCaptured(2))
            to = m.captured(3).isEmpty() ? std::numeric_limits<int>::max()
                                         : m.captured(3).toInt(&toOk);
        if (!m.hasMatch() || !fromOk || !toOk || from < 1 || to < from) {
            complain(name, text, translated("pages FROM-TO counted from 1, like 2-5, 2- or 3"));
            return std::nullopt;
        }
        return PageRange{from, to};
    }

    // At most one of the options; the one given.
    template <class T> const SettingOption<T>* oneOf(const QList<SettingOption<T>>& options)
    {
        const SettingOption<T>* chosen = nullptr;
        for (const SettingOption<T>& option : options) {
            if (!parser_.isSet(QLatin1String(option.Name)))
                continue;
            if (chosen) {
                fail(QCoreApplication::translate("quenbrook-album",
                                                 "%1 and %2 cannot be given together.")
                         .arg(dashed(QLatin1String(chosen->Name)),
                              dashed(QLatin1String(option.Name))));
                return nullptr;
            }
            chosen = &option;
        }
        return chosen;
    }

    void fail(const QString& message)
    {
        if (problem_.isEmpty())
            problem_ = message;
    }

private:
    static QString dashed(const QString& name) { return QStringLiteral("--") + name; }

    static QString oneOf(const QString& words)
    {
        return QCoreApplication::translate("quenbrook-album", "one of %1").arg(words);
    }

    void complain(const QString& name, const QString& text, const QString& wanted)
    {
        fail(QCoreApplication::translate("quenbrook-album", "%1 \"%2\": expected %3.")
                 .arg(dashed(name), text, wanted));
    }

    const QCommandLineParser& parser_;
    QString problem_;
};

// The options of the settings, in the order of their declarations.
void addSettingOptions(QCommandLineParser& parser)
{
    PrintSettings where; // only shows each setting's place
    ForEachSingleSetting(where, [&](const auto& setting, auto&) {
        for (const auto& option : setting.Options) {
            QString help = translated(option.Help);
            if (!setting.Choices.isEmpty())
                help = help.arg(acceptedWords(option, setting.Choices));
            parser.addOption(QCommandLineOption(QLatin1String(option.Name), help,
                                                QString::fromLatin1(option.ValueName)));
        }
    });
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
    PrintSettings where;
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

QCommandLineOption option(const QStringList& names, const char* help,
                          const QString& valueName = QString())
{
    return QCommandLineOption(names, translated(help), valueName);
}

// Every option, in the order the help lists them: where the album goes and on what paper, the
// settings, then how the run goes.
void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(translated(Description));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addPositionalArgument(
        QStringLiteral("PICTURE"),
        translated(QT_TRANSLATE_NOOP("quenbrook-album",
                                     "Picture files; folders, for their pictures in the order of "
                                     "the program's file lists; \"-\" for paths on standard input, "
                                     "one a line (with -0: each ended by a NUL byte).")),
        QStringLiteral("PICTURE..."));
    parser.addOptions(
        {option({"o", "output"},
                QT_TRANSLATE_NOOP("quenbrook-album",
                                  "Write the album to this PDF file (\"-\": standard output). "
                                  "Nothing is written until every page is done."),
                "FILE"),
         option({"P", "printer"},
                QT_TRANSLATE_NOOP("quenbrook-album", "Print on this CUPS printer instead."),
                "NAME"),
         option({"paper"},
                QT_TRANSLATE_NOOP("quenbrook-album", "Paper size: A4, A3, A5, Letter, Legal, B5, "
                                                     "Tabloid... (default: the printer's)."),
                "SIZE"),
         option({"orientation"}, QT_TRANSLATE_NOOP("quenbrook-album", "portrait or landscape."),
                "WHICH")});
    addSettingOptions(parser);
    parser.addOptions(
        {option({"pages"},
                QT_TRANSLATE_NOOP("quenbrook-album",
                                  "Print only pages FROM to TO of the album: 2-5, 2- (to the end) "
                                  "or 3; a TO past the end means the last page."),
                "FROM-TO"),
         option({"title"},
                QT_TRANSLATE_NOOP("quenbrook-album",
                                  "The document's title, in the PDF and as the print job's name "
                                  "(default: the output file's name without its extension)."),
                "TEXT"),
         option({"0", "null"},
                QT_TRANSLATE_NOOP("quenbrook-album", "Paths on standard input (\"-\") are ended by "
                                                     "NUL bytes, as find -print0 writes them.")),
         option({"q", "quiet"},
                QT_TRANSLATE_NOOP("quenbrook-album",
                                  "Show no progress. Progress, ending in a summary, is shown only "
                                  "when standard error is a terminal; as plain text when "
                                  "TERM=dumb or NO_COLOR is set.")),
         option({"h", "help"}, QT_TRANSLATE_NOOP("quenbrook-album", "Show this help and exit.")),
         option({"version"}, QT_TRANSLATE_NOOP("quenbrook-album", "Show the version and exit."))});
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
    else if (IsPictureFile(r.OutputFile))
        read.fail(QCoreApplication::translate("quenbrook-album",
                                              "The output file %1 is named like a picture; the "
                                              "album is a PDF file, like -o album.pdf.")
                      .arg(QDir::toNativeSeparators(r.OutputFile)));
    if (r.PictureArguments.isEmpty())
        read.fail(translated(QT_TRANSLATE_NOOP("quenbrook-album", "No pictures were given.")));
}

} // namespace

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
