// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/program/ProgramMessages.h"
#include "core/program/Translations.h"
#include "print/PrinterSurface.h"
#include "support/Golden.h"
#include "support/RecordingSurface.h"
#include "support/SettingsSandbox.h"
#include "support/TestMain.h"
#include "support/TestPrinters.h"
#include "support/WidgetDump.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/common/WindowServices.h"
#include "windows/dialogs/BandDialog.h"
#include "windows/dialogs/FontDialog.h"
#include "windows/dialogs/TabStrip.h"
#include "windows/dialogs/frmLabel.h"
#include "windows/dialogs/frmPrintSize.h"

#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace quenbrook;

namespace {

// The mnemonic letters of a text ("&&" is a plain ampersand).
QString Mnemonics(QString text)
{
    text.remove(QStringLiteral("&&"));
    QString letters;
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf(u'&', at + 1))
        letters += text.at(at + 1).toLower();
    return letters;
}

// The placeholders (%1, %2 …, each once, sorted) and the number of mnemonics of a text.
QString Marks(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found.join(' ') + QStringLiteral(" &%1").arg(Mnemonics(text).size());
}

// The first mnemonic letter used twice among the texts, or an empty string.
QString Repeated(const QStringList& texts)
{
    const QString letters = Mnemonics(texts.join(QString()));
    for (qsizetype i = 0; i < letters.size(); ++i)
        if (letters.indexOf(letters[i], i + 1) > 0)
            return QString(letters[i]) + QStringLiteral(" in ") + texts.join(u'|');
    return {};
}

// Qt's and the program's texts in `language` for as long as it lives.
struct Speaking
{
    explicit Speaking(const QString& language)
    {
        QVERIFY(own.load(QStringLiteral(":/translations/quenbrook_") + language));
        QVERIFY(qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&qt);
        QCoreApplication::installTranslator(&own);
    }
    QTranslator own, qt;
};

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
    // Every message of every translation is translated and keeps the source's placeholders and
    // number of mnemonics.
    void filesAreComplete()
    {
        const QDir folder(QStringLiteral(QUENBROOK_TRANSLATIONS_DIR));
        const QStringList files = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
        QVERIFY(files.size() >= 2);
        for (const QString& name : files) {
            QFile file(folder.filePath(name)); // one that cannot be read has no messages
            QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
            QString source;
            int messages = 0;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == u"source")
                    source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (!xml.isStartElement() || xml.name() != u"translation")
                    continue;
                ++messages;
                const bool marked = xml.attributes().hasAttribute("type"); // unfinished, …
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                QVERIFY2(!marked && !text.trimmed().isEmpty() && Marks(text) == Marks(source),
                         qPrintable(name + ": " + source + " -> " + text));
            }
            QVERIFY2(!xml.hasError() && messages > 200, qPrintable(name));
        }
    }

    // Run under LANGUAGE=de: the program's and Qt's German texts are loaded.
    void germanDesktop()
    {
        LoadTranslations(*qApp);
        AlbumPrinterSandbox s;
        QUENBROOK_COMPARE_GOLDEN("windows/album-printer-de.txt", testsupport::dumpWindow(s.window));
        QCOMPARE(ProgramMessages::CantOpenFile(), "Die Datei kann nicht geöffnet werden!");
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'), "Abbrechen");
    }

    // Within a menu or a dialog no two items share a mnemonic, in each language.
    void mnemonicsDiffer()
    {
        for (const char* language : {"de", "fr"}) {
            const Speaking speaking(language); // each leaves the program as it ends
            AlbumPrinterSandbox s;
            QList<QStringList> groups{{}};
            for (QAction* item : s.window.menuBar()->actions()) {
                groups[0] << item->text();
                groups << QStringList();
                for (QAction* entry : item->menu() ? item->menu()->actions() : QList<QAction*>())
                    groups.last() << entry->text();
            }
            FontDialog font(nullptr, ChosenFont{});
            QStringList& texts = groups.emplaceBack();
            for (const QLabel* label : font.findChildren<QLabel*>())
                texts << label->text();
            for (const QAbstractButton* button : font.findChildren<QAbstractButton*>())
                texts << button->text();
            QVERIFY(texts.contains(QString(language) == "de" ? "&Durchgestrichen" : "&Barré"));
            for (const QStringList& group : groups)
                QVERIFY2(Repeated(group).isEmpty(), qPrintable(Repeated(group)));
        }
    }

    // In German and French, at the desktop's font and at 14 points, each option dialog shows all
    // of its texts: every tab within the strip and above the page, every button's text within
    // the button, and every control within the window.
    void dialogsHoldTheirTexts()
    {
        const QFont desktop = QApplication::font();
        for (const char* language : {"de", "fr"}) {
            const Speaking speaking(language);
            for (const int points : {0, 14}) {
                QFont font = desktop;
                if (points)
                    font.setPointSize(points);
                QApplication::setFont(font);
                testsupport::SettingsSandbox box;
                RecordingSurface printer;
                const std::unique_ptr<QDialog> dialogs[] = {
                    std::make_unique<frmLabel>(nullptr, box.store, printer, FontChooser()),
                    std::make_unique<frmFooter>(nullptr, box.store, printer, FontChooser()),
                    std::make_unique<frmPrintSize>(nullptr, box.store, printer)};
                for (const auto& dialog : dialogs) {
                    const QString where = dialog->objectName() + ' ' + language + ' ' +
                                          QString::number(font.pointSize()) + " pt: ";
                    const auto* strip = dialog->findChild<TabStrip*>();
                    const auto* page = dialog->findChildren<QFrame*>(
                        QRegularExpression(QStringLiteral("^fra")), Qt::FindDirectChildrenOnly)[0];
                    QVERIFY2(strip->tabBar()->sizeHint().width() <= strip->width() &&
                                 strip->y() + strip->tabBar()->sizeHint().height() <= page->y(),
                             qPrintable(where + "tabs"));
                    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
                        const QString text = QString(button->text()).remove(u'&');
                        QVERIFY2(button->fontMetrics().horizontalAdvance(text) < button->width(),
                                 qPrintable(where + text));
                    }
                    for (const QWidget* control : dialog->findChildren<QWidget*>())
                        QVERIFY2(dialog->rect().contains(control->geometry()) ||
                                     control->parentWidget() != dialog.get(),
                                 qPrintable(where + control->objectName()));
                }
            }
        }
        QApplication::setFont(desktop);
    }
};

QUENBROOK_TEST(tst_Translations)
#include "tst_translations.moc"
