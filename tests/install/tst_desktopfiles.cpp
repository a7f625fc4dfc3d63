// The installed desktop entry and metainfo offer the program for the picture types it reads.

#include "core/program/PictureFileTypes.h"

#include <QFile>
#include <QMimeDatabase>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

using namespace quenbrook;

namespace {

const QString DataDir = QStringLiteral(QUENBROOK_DATA_DIR);
const QString AppId = QStringLiteral(QUENBROOK_APP_ID);

QByteArray contents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// The semicolon list of a key of the entry's [Desktop Entry] group.
QStringList entryList(const QString& key)
{
    const QList<QByteArray> lines =
        contents(DataDir + QLatin1Char('/') + AppId + QStringLiteral(".desktop.in")).split('\n');
    QString group;
    for (const QByteArray& line : lines) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QLatin1Char('[')))
            group = text;
        else if (group == QLatin1String("[Desktop Entry]") &&
                 text.startsWith(key + QLatin1Char('=')))
            return text.mid(key.size() + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    return {};
}

// The texts of the metainfo's elements of that name.
QStringList metainfoTexts(const QString& element)
{
    QXmlStreamReader xml(
        contents(DataDir + QLatin1Char('/') + AppId + QStringLiteral(".metainfo.xml.in")));
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element)
            texts << xml.readElementText();
    if (xml.hasError())
        qFatal("the metainfo is not XML: %s", qPrintable(xml.errorString()));
    return texts;
}

QString canonical(const QString& mimeType)
{
    const QMimeType type = QMimeDatabase().mimeTypeForName(mimeType);
    return type.isValid() ? type.name() : QString();
}

// The MIME type a file manager gives a file of the extension. An extension the MIME database
// does not know is told by its content, that of its format's other extensions (".jfif" is a
// JPEG).
QString typeOfExtension(const QString& extension)
{
    const QMimeDatabase mime;
    const auto byName = [&](const QString& ext) {
        const QMimeType type =
            mime.mimeTypeForFile(QStringLiteral("x.") + ext, QMimeDatabase::MatchExtension);
        return type.isDefault() ? QString() : type.name();
    };
    if (const QString type = byName(extension); !type.isEmpty())
        return type;
    for (const QString& other : PictureFileTypes())
        if (PictureFormatOf(other) == PictureFormatOf(extension) && !byName(other).isEmpty())
            return byName(other);
    return {};
}

} // namespace

class tst_DesktopFiles : public QObject
{
    Q_OBJECT

private slots:
    // Every picture type is offered, in both files alike, and each listed type is one the MIME
    // database knows by that very name.
    void pictureTypesOffered()
    {
        const QStringList entryTypes = entryList(QStringLiteral("MimeType"));
        const QStringList metainfoTypes = metainfoTexts(QStringLiteral("mediatype"));
        QCOMPARE(QSet<QString>(metainfoTypes.cbegin(), metainfoTypes.cend()),
                 QSet<QString>(entryTypes.cbegin(), entryTypes.cend()));
        QCOMPARE(QSet<QString>(entryTypes.cbegin(), entryTypes.cend()).size(), entryTypes.size());
        for (const QString& type : entryTypes)
            QVERIFY2(canonical(type) == type,
                     qPrintable(type + QStringLiteral(" is not a type of the MIME database")));

        QSet<QString> needed;
        for (const QString& extension : PictureFileTypes()) {
            const QString type = typeOfExtension(extension);
            QVERIFY2(!type.isEmpty(), qPrintable(extension + QStringLiteral(" has no type")));
            QVERIFY2(entryTypes.contains(type),
                     qPrintable(
                         QStringLiteral("the entry does not offer .%1 (%2)").arg(extension, type)));
            needed << type;
        }
        // Nothing is offered that the program does not read.
        QCOMPARE(QSet<QString>(entryTypes.cbegin(), entryTypes.cend()), needed);
    }

    // The menu and the software centre file the program alike.
    void sameCategories()
    {
        const QStringList entry = entryList(QStringLiteral("Categories"));
        const QStringList metainfo = metainfoTexts(QStringLiteral("category"));
        QVERIFY(!entry.isEmpty());
        QCOMPARE(metainfo, entry);
    }
};

QTEST_GUILESS_MAIN(tst_DesktopFiles)
#include "tst_desktopfiles.moc"
