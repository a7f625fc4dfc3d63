// The installed desktop entry and metainfo offer the program for the picture types it reads, and
// the manual pages name them.

#include "core/program/PictureFileTypes.h"
#include "core/startup/FreedesktopRegistry.h"
#include "support/TestMain.h"

#include <QFile>
#include <QMimeDatabase>
#include <QRegularExpression>
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

// The extensions a manual page names between two texts, in their order, without the dot.
QStringList extensionsNamed(const QString& page, const QString& from, const QString& to)
{
    const QString text = QString::fromUtf8(
        contents(DataDir + QStringLiteral("/man/") + page + QStringLiteral(".in")));
    const qsizetype start = text.indexOf(from);
    const qsizetype end = text.indexOf(to, start);
    if (start < 0 || end < 0)
        qFatal("%s does not hold \"%s\" before \"%s\"", qPrintable(page), qPrintable(from),
               qPrintable(to));
    static const QRegularExpression extension(QStringLiteral(R"((?<![\w.\\])\.([a-z]+)\b)"));
    QStringList names;
    for (const auto& match : extension.globalMatch(QStringView(text).mid(start, end - start)))
        names << match.captured(1);
    return names;
}

} // namespace

class tst_DesktopFiles : public QObject
{
    Q_OBJECT

private slots:
    // Both files offer exactly the picture types' MIME types, each a type of the MIME database by
    // that very name and the one the program registers for its extensions.
    void pictureTypesOffered()
    {
        QCOMPARE(entryList(QStringLiteral("MimeType")), PictureMimeTypes());
        QCOMPARE(metainfoTexts(QStringLiteral("mediatype")), PictureMimeTypes());
        for (const QString& type : PictureMimeTypes())
            QVERIFY2(canonical(type) == type,
                     qPrintable(type + QStringLiteral(" is not a type of the MIME database")));
        for (const PictureType& type : PictureTypes())
            QCOMPARE(FreedesktopRegistry::KnownMimeTypeOf(QLatin1String(type.extension)),
                     QLatin1String(type.mimeType));
    }

    void manualPagesNameTheTypes_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("extensions");
        QStringList listed = FileListPattern().split(QLatin1Char(';'));
        for (QString& pattern : listed)
            pattern.remove(0, 2);
        QTest::newRow("quenbrook reads") << "quenbrook.1"
                                         << "It reads"
                                         << "The extension decides" << PictureFileTypes();
        QTest::newRow("album pictures") << "quenbrook-album.1"
                                        << "a picture file:"
                                        << "a folder," << PictureFileTypes();
        QTest::newRow("album folders") << "quenbrook-album.1"
                                       << "files ending in"
                                       << "in any letter case" << listed;
    }
    void manualPagesNameTheTypes()
    {
        QFETCH(QString, page);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QTEST(extensionsNamed(page, from, to), "extensions");
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

QUENBROOK_TEST(tst_DesktopFiles)
#include "tst_desktopfiles.moc"
