#include "support/TestMain.h"
#include "core/program/ProgramMessages.h"
#include "core/program/Translations.h"
#include "print/PrinterSurface.h"
#include "support/SettingsSandbox.h"
#include "support/TestPrinters.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/common/WindowServices.h"
#include "windows/dialogs/FontDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace quenbrook;

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

// The messages of a Qt Linguist file, or an empty list when it cannot be read.
QList<Message> ReadMessages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}, {}});
        else if (xml.name() == u"source" && !messages.isEmpty())
            messages.last().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QStringLiteral("type")).toString();
            messages.last().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

// %1, %2 … in order of their numbers, each once.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The letters marked as mnemonics ("&&" is a plain ampersand).
QString Mnemonics(QString text)
{
    text.remove(QStringLiteral("&&"));
    QString letters;
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf(u'&', at + 1))
        letters += text.at(at + 1).toLower();
    return letters;
}

// The first mnemonic used twice among texts, or an empty string.
QString Repeated(const QStringList& texts)
{
    QString seen;
    for (const QString& text : texts) {
        for (const QChar letter : Mnemonics(text)) {
            if (seen.contains(letter))
                return QString(letter) + QStringLiteral(" in ") + texts.join(u'|');
            seen += letter;
        }
    }
    return {};
}

struct AlbumPrinterSandbox
{
    testsupport::SettingsSandbox settings;
    TestPrinters printers{{"First"}};
    std::unique_ptr<PrinterSurface> printer = printers.open("First");
    WindowServices services{settings.store, printers};
    frmAlbumPrinter window{services, *printer};
};

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    // Every message of every translation is translated, keeps its placeholders and has the
    // source's number of mnemonics.
    void filesAreComplete_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(QUENBROOK_TRANSLATIONS_DIR));
        const QStringList files = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
        QVERIFY(files.size() >= 2);
        for (const QString& name : files)
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }
    void filesAreComplete()
    {
        QFETCH(QString, path);
        const QList<Message> messages = ReadMessages(path);
        QVERIFY2(messages.size() > 200, qPrintable(path));
        for (const Message& m : messages) {
            const QString where = m.context + QStringLiteral(": ") + m.source;
            QVERIFY2(m.type.isEmpty(), qPrintable(m.type + QStringLiteral(" ") + where));
            QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where));
            QVERIFY2(Placeholders(m.translation) == Placeholders(m.source),
                     qPrintable(where + QStringLiteral(" -> ") + m.translation));
            QVERIFY2(Mnemonics(m.translation).size() == Mnemonics(m.source).size(),
                     qPrintable(where + QStringLiteral(" -> ") + m.translation));
        }
    }

    // Run under LANGUAGE=de: the program's and Qt's German texts are loaded.
    void germanDesktop()
    {
        LoadTranslations(*qApp);
        AlbumPrinterSandbox s;
        QCOMPARE(s.window.windowTitle(), QStringLiteral("Albumdrucker"));
        const QList<QAction*> bar = s.window.menuBar()->actions();
        QCOMPARE(bar.value(0)->text(), QStringLiteral("&Datei"));
        QCOMPARE(s.window.findChild<QAction*>("mnuPrinterSetup")->text(),
                 QStringLiteral("Drucker&einrichtung …"));
        QCOMPARE(s.window.findChild<QPushButton*>("cmdRemove")->text(),
                 QStringLiteral("Entfernen"));
        // The core's texts, and Qt's own.
        QCOMPARE(ProgramMessages::CantOpenFile(),
                 QStringLiteral("Die Datei kann nicht geöffnet werden!"));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'),
                 QStringLiteral("Abbrechen"));
    }

    // Within a menu or a dialog no two items share a mnemonic, in each language.
    void mnemonicsDiffer_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("de") << "de";
        QTest::newRow("fr") << "fr";
    }
    void mnemonicsDiffer()
    {
        QFETCH(QString, language);
        QTranslator own;
        QTranslator qt;
        QVERIFY(own.load(QStringLiteral(":/translations/quenbrook_") + language));
        QVERIFY(qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&qt);
        QCoreApplication::installTranslator(&own);

        AlbumPrinterSandbox s;
        QStringList barTexts;
        for (QAction* item : s.window.menuBar()->actions()) {
            barTexts << item->text();
            if (QMenu* menu = item->menu()) {
                QStringList texts;
                for (QAction* entry : menu->actions())
                    texts << entry->text();
                QVERIFY2(Repeated(texts).isEmpty(), qPrintable(Repeated(texts)));
            }
        }
        QVERIFY2(Repeated(barTexts).isEmpty(), qPrintable(Repeated(barTexts)));

        FontDialog font(nullptr, ChosenFont{});
        QStringList texts;
        for (const QLabel* label : font.findChildren<QLabel*>())
            texts << label->text();
        for (const QAbstractButton* button : font.findChildren<QAbstractButton*>())
            texts << button->text();
        QVERIFY2(Repeated(texts).isEmpty(), qPrintable(Repeated(texts)));
        QVERIFY(texts.contains(language == u"de" ? QStringLiteral("&Durchgestrichen")
                                                 : QStringLiteral("&Barré")));
        QCoreApplication::removeTranslator(&own);
        QCoreApplication::removeTranslator(&qt);
    }
};

QUENBROOK_TEST(tst_Translations)
#include "tst_translations.moc"
