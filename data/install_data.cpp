// SPDX-License-Identifier: GPL-2.0-or-later
// install_data [--extra-type EXT:MIME:NAME]... TEMPLATE OUTPUT
//
// Writes TEMPLATE to OUTPUT with each {{MARK}} or {{MARK ARGUMENT}} replaced by a list the program
// itself holds: the picture types and their MIME types, quenbrook-album's options, the menu
// entry's texts and their translations. So a new picture type or option reaches the desktop
// entry, the metainfo, the manual pages and the shell completion by itself. --extra-type adds a
// row to the picture types, as a new one would. Runs at build time; it is not installed.

#include "cli/AlbumOptions.h"
#include "cli/OptionReader.h"
#include "core/program/MenuEntry.h"
#include "core/program/PictureFileTypes.h"
#include "core/startup/RegisterFileTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <iterator>
#include <memory>
#include <vector>

namespace {

using namespace quenbrook;

int fail(const QString& message)
{
    std::fprintf(stderr, "install_data: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// The picture types with the rows added on the command line.
class TypeTable
{
public:
    TypeTable()
        : rows_(PictureTypes().begin(), PictureTypes().end())
    {}

    // "xyz:image/x-xyz:planted picture"; false when a part is missing.
    bool add(const QString& row)
    {
        const QStringList parts = row.split(QLatin1Char(':'));
        if (parts.size() != 3 || parts.contains(QString()))
            return false;
        for (const QString& part : parts)
            texts_.push_back(part.toUtf8());
        const char* name = texts_.back().constData();
        const char* mime = texts_[texts_.size() - 2].constData();
        const char* extension = texts_[texts_.size() - 3].constData();
        int last = 0;
        for (const PictureType& type : rows_)
            last = std::max(last, type.fileListPlace);
        rows_.push_back({extension, name, PictureDecoder::QtImage, "", RasterStructure::None, mime,
                         FilterGroup::Bitmap, last + 1, false});
        return true;
    }

    std::span<const PictureType> rows() const { return rows_; }

private:
    std::deque<QByteArray> texts_;
    std::vector<PictureType> rows_;
};

// Consecutive rows of one format name, as "JPEG picture" and its four extensions.
struct FormatGroup
{
    QString name;
    QStringList extensions;
};

std::vector<FormatGroup> formatGroups(std::span<const PictureType> rows)
{
    std::vector<FormatGroup> groups;
    for (const PictureType& type : rows) {
        const QString name = QString::fromUtf8(type.formatName);
        if (groups.empty() || groups.back().name != name)
            groups.push_back({name, {}});
        groups.back().extensions << QLatin1Char('.') + QString::fromUtf8(type.extension);
    }
    return groups;
}

QString xmlEscaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// Text on a roff line: backslashes and hyphens escaped, no request at its start.
QString roff(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\e"));
    escaped.replace(QLatin1Char('-'), QLatin1String("\\-"));
    if (escaped.startsWith(QLatin1Char('.')) || escaped.startsWith(QLatin1Char('\'')))
        escaped.prepend(QLatin1String("\\&"));
    return escaped;
}

// "bitmap (.bmp), ..., icon (.ico) and cursor (.cur)".
QString typesSentence(std::span<const PictureType> rows)
{
    QStringList parts;
    for (const FormatGroup& group : formatGroups(rows))
        parts << group.name + QStringLiteral(" (") + group.extensions.join(QLatin1String(", ")) +
                     QLatin1Char(')');
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last
                           : parts.join(QLatin1String(", ")) + QStringLiteral(" and ") + last;
}

// The same as roff lines, the extensions in italics, ending in `end`.
QString manTypes(std::span<const PictureType> rows, const QString& end)
{
    const std::vector<FormatGroup> groups = formatGroups(rows);
    QString text;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i > 0 && i + 1 == groups.size())
            text += QStringLiteral("and ");
        text += roff(groups[i].name) + QStringLiteral("\n.RI ( ");
        QStringList quoted;
        for (const QString& extension : groups[i].extensions)
            quoted << roff(extension);
        text += quoted.join(QLatin1String(" \", \" ")) + QStringLiteral(" \")");
        const QString after = i + 1 == groups.size()   ? end
                              : i + 2 == groups.size() ? QString()
                                                       : QStringLiteral(",");
        text += after + QStringLiteral("\"\n");
    }
    return text;
}

// The extensions the file lists show, in their order: ".IR .bmp ", " ... " or " .emf".
// The extensions quenbrook-album takes from a folder: every one it reads.
QString manListedTypes(std::span<const PictureType> rows)
{
    QStringList extensions;
    for (const PictureType& type : rows)
        extensions << roff(QLatin1Char('.') + QString::fromUtf8(type.extension));
    const QString last = extensions.takeLast();
    QString line = QStringLiteral(".IR ") + extensions.join(QLatin1String(" \", \" "));
    if (!extensions.isEmpty())
        line += QStringLiteral(" \" or \" ");
    return line + last + QLatin1Char('\n');
}

QString optionSynopsis(const QCommandLineOption& option, bool roffText)
{
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    if (!roffText)
        return names.join(QLatin1Char(' '));
    QStringList bold;
    for (const QString& name : names)
        bold << QStringLiteral("\\fB") + roff(name) + QStringLiteral("\\fR");
    QString line = bold.join(QLatin1String(", "));
    if (!option.valueName().isEmpty())
        line += (option.names().last().size() == 1 ? QStringLiteral(" ") : QStringLiteral("=")) +
                QStringLiteral("\\fI") + roff(option.valueName()) + QStringLiteral("\\fR");
    return line;
}

QString manOptions()
{
    QString text;
    for (const AlbumOption& option : AlbumOptionList())
        text += QStringLiteral(".TP\n") + optionSynopsis(option.Option, true) + QLatin1Char('\n') +
                roff(option.Option.description()) + QLatin1Char('\n');
    return text;
}

QString shellWords(const QStringList& words)
{
    QStringList quoted;
    for (const QString& word : words) {
        QString safe = word;
        safe.replace(QLatin1Char('\''), QLatin1String("'\\''"));
        quoted << safe;
    }
    return QLatin1Char('\'') + quoted.join(QLatin1Char(' ')) + QLatin1Char('\'');
}

QString bashOptions()
{
    QStringList words;
    for (const AlbumOption& option : AlbumOptionList())
        words << optionSynopsis(option.Option, false).split(QLatin1Char(' '));
    return shellWords(words);
}

// The case arms that complete an option's value: its words, a length's units after a typed
// number, file names for a file; nothing for a free text.
QString bashValueCases()
{
    QString text;
    for (const AlbumOption& option : AlbumOptionList()) {
        if (option.Option.valueName().isEmpty())
            continue;
        text += QStringLiteral("    ") +
                optionSynopsis(option.Option, false).replace(QLatin1Char(' '), QLatin1Char('|')) +
                QStringLiteral(")\n        ");
        if (!option.Words.isEmpty())
            text += QStringLiteral("words=") + shellWords(option.Words);
        else if (option.Length)
            text += QStringLiteral("units=") + shellWords(LengthUnits());
        else if (option.Option.valueName() == QStringLiteral("FILE"))
            text += QStringLiteral("files=1");
        else
            text += QStringLiteral("return 0"); // a free text
        text += QStringLiteral(" ;;\n");
    }
    return text;
}

QString bashExtensions(std::span<const PictureType> rows)
{
    QStringList extensions;
    for (const PictureType& type : rows)
        extensions << QString::fromUtf8(type.extension);
    return extensions.join(QLatin1Char(' '));
}

// Name, GenericName and Comment, each followed by its translations that differ from it.
QString desktopNames()
{
    struct Translation
    {
        QString language;
        std::unique_ptr<QTranslator> translator;
    };
    std::vector<Translation> translations;
    const QStringList files =
        QDir(QStringLiteral(":/translations"))
            .entryList({QStringLiteral("quenbrook_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral(":/translations/") + file))
            translations.push_back({QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1),
                                    std::move(translator)});
    }
    const struct
    {
        const char* key;
        const char* text;
    } keys[] = {{"Name", MenuEntry::Name},
                {"GenericName", MenuEntry::GenericName},
                {"Comment", MenuEntry::Comment}};
    QString text;
    for (const auto& key : keys) {
        const QString english = QString::fromUtf8(key.text);
        text += QLatin1String(key.key) + QLatin1Char('=') + english + QLatin1Char('\n');
        for (const Translation& t : translations) {
            const QString translated = t.translator->translate(MenuEntry::Context, key.text);
            if (!translated.isEmpty() && translated != english)
                text += QLatin1String(key.key) + QLatin1Char('[') + t.language +
                        QStringLiteral("]=") + translated + QLatin1Char('\n');
        }
    }
    return text;
}

// The text of one mark, or a null string for a mark it does not know.
QString fragment(const QString& mark, const QString& argument, const TypeTable& types)
{
    const std::span<const PictureType> rows = types.rows();
    // The windows read the first types only; quenbrook-album reads them all.
    std::vector<PictureType> windowRows;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(windowRows),
                 [](const PictureType& type) { return !type.albumOnly; });
    if (mark == QStringLiteral("MIME_TYPES"))
        return PictureMimeTypes(rows).join(QLatin1Char(';')) + QLatin1Char(';');
    if (mark == QStringLiteral("MEDIA_TYPES")) {
        QString text;
        for (const QString& type : PictureMimeTypes(rows))
            text += argument + QStringLiteral("<mediatype>") + xmlEscaped(type) +
                    QStringLiteral("</mediatype>\n");
        return text;
    }
    if (mark == QStringLiteral("TYPES_TEXT"))
        return xmlEscaped(typesSentence(windowRows));
    if (mark == QStringLiteral("SUMMARY"))
        return xmlEscaped(QString::fromUtf8(MenuEntry::Comment));
    if (mark == QStringLiteral("MAN_TYPES"))
        return manTypes(windowRows, argument);
    if (mark == QStringLiteral("MAN_ALBUM_TYPES"))
        return manTypes(rows, argument);
    if (mark == QStringLiteral("MAN_LISTED_TYPES"))
        return manListedTypes(rows);
    if (mark == QStringLiteral("MAN_OPTIONS"))
        return manOptions();
    if (mark == QStringLiteral("BASH_OPTIONS"))
        return bashOptions();
    if (mark == QStringLiteral("BASH_VALUE_CASES"))
        return bashValueCases();
    if (mark == QStringLiteral("BASH_EXTENSIONS"))
        return bashExtensions(rows);
    if (mark == QStringLiteral("ADD_VERB"))
        return AddVerb;
    if (mark == QStringLiteral("DESKTOP_NAMES"))
        return desktopNames();
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    TypeTable types;
    while (arguments.size() > 2 && arguments.first() == QStringLiteral("--extra-type")) {
        if (!types.add(arguments.at(1)))
            return fail(QStringLiteral("--extra-type takes EXT:MIME:NAME, not ") + arguments.at(1));
        arguments = arguments.mid(2);
    }
    if (arguments.size() != 2)
        return fail(QStringLiteral("usage: install_data [--extra-type EXT:MIME:NAME]... "
                                   "TEMPLATE OUTPUT"));
    QFile in(arguments.at(0));
    if (!in.open(QIODevice::ReadOnly))
        return fail(arguments.at(0) + QStringLiteral(": ") + in.errorString());
    const QString text = QString::fromUtf8(in.readAll());

    // A mark alone on its line replaces the line; fragments end in a line break where they are
    // lines themselves.
    static const QRegularExpression markPattern(
        QStringLiteral(R"(\{\{([A-Z_]+)(?: ([^}]*))?\}\}(\n?))"));
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : markPattern.globalMatch(text)) {
        const QString replacement = fragment(m.captured(1), m.captured(2), types);
        if (replacement.isNull())
            return fail(arguments.at(0) + QStringLiteral(": unknown mark ") + m.captured(0));
        out += text.mid(from, m.capturedStart() - from) + replacement;
        if (!replacement.endsWith(QLatin1Char('\n')))
            out += m.captured(3);
        from = m.capturedEnd();
    }
    out += text.mid(from);

    QSaveFile save(arguments.at(1));
    if (!save.open(QIODevice::WriteOnly) || save.write(out.toUtf8()) < 0 || !save.commit())
        return fail(arguments.at(1) + QStringLiteral(": ") + save.errorString());
    return 0;
}
