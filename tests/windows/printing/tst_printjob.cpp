#include "support/PrintingFixtures.h"
#include "windows/printing/RunPrintJob.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace printingtest;

namespace {

// What reached the printer: "1: 0 1 2 3 | 2: 4 end" is page 1's header, list entries 0 to 3,
// a new page, page 2's header, entry 4 and the end of the document.
QString printed(const RecordingSurface& surface)
{
    using K = SurfaceCall::Kind;
    QStringList out;
    for (const SurfaceCall& c : surface.calls()) {
        if (c.kind == K::Text && c.font.Name == u"Header")
            out << c.text + ':';
        else if (c.kind == K::Picture)
            out << QString::number(qRound(c.natural.width() * 96 / 2540.0) - 20);
        else if (c.kind == K::NewPage || c.kind == K::EndDoc || c.kind == K::KillDoc)
            out << (c.kind == K::NewPage ? "|" : c.kind == K::EndDoc ? "end" : "kill");
    }
    return out.join(' ');
}

} // namespace

class tst_PrintJob : public QObject
{
    Q_OBJECT
private slots:
    void job_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<PageSequence>("pages");
        QTest::addColumn<int>("firstShown");   // list entry of the first progress text, -1: none
        QTest::addColumn<QString>("expected"); // what was printed; the messages shown

        const PageSequence all(PageRange{1, 2});
        QTest::newRow("5 pictures") << 5 << all << 0 << "1: 0 1 2 3 | 2: 4 end;";
        QTest::newRow("pages 2 to 3")
            << 12 << PageSequence(PageRange{2, 3}) << 4 << "2: 4 5 6 7 | 3: 8 9 10 11 end;";
        QTest::newRow("3, 1, and past the album") << 12 << PageSequence({{3, 3}, {1, 1}, {5, 9}})
                                                  << 8 << "3: 8 9 10 11 | 1: 0 1 2 3 end;";
        QTest::newRow("from after to") << 12 << PageSequence(PageRange{3, 2}) << -1 << "end;";
        QTest::newRow("cancel") << 8 << all << 0 << "1: 0 1 2 3 | 2: kill;";
        QTest::newRow("deleted") << 8 << all << 0
                                 << "1: 0 1 2 3 | 2: 4 kill;critical: gone.bmp: file not found";
        QTest::newRow("dialog cancelled") << 8 << all << -1 << "kill;";
    }

    void job()
    {
        QFETCH(int, count);
        QFETCH(PageSequence, pages);
        QFETCH(int, firstShown);
        QFETCH(QString, expected);
        const QString trouble = QTest::currentDataTag();

        // 2 × 2 cells of 3 × 4 inch on the 8 × 10.5 inch recording printer, page number on top.
        QTemporaryDir dir;
        QStringList list = numberedPictures(dir, count);
        if (trouble == "deleted")
            list[5] = dir.filePath("gone.bmp");
        PrintSettings s = gridSettings();
        s.PictureMaxHeight = 4;
        s.Header.Style = BandStyle::PageNumber;
        RecordingSurface printer;

        QWidget owner;
        owner.show();
        QStringList shown;
        bool busy = false; // owner disabled under a wait cursor while the first picture shows
        WindowWatcher watcher([&] {
            auto* window = owner.findChild<QWidget*>("frmOnPrinting");
            const QString text = window ? window->findChild<QLabel*>("lblMessage")->text() : "";
            if (text.isEmpty() || (!shown.isEmpty() && shown.last() == text))
                return;
            if (shown.isEmpty())
                busy = !owner.isEnabled() && QGuiApplication::overrideCursor() &&
                       QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            shown << text;
            if (trouble == "cancel" && text.startsWith("Print Page:2\r\n"))
                QMetaObject::invokeMethod(window->findChild<QPushButton*>("cmdCancel"),
                                          &QPushButton::click, Qt::QueuedConnection);
        });
        PrintAlbum(&owner, list, s, printer, [&](qint32) {
            return trouble == "dialog cancelled" ? std::nullopt : std::optional(pages);
        });

        QCOMPARE(printed(printer) + ';' + watcher.messages.join('\n'), expected);
        // Every way out leaves the owner as it was.
        QVERIFY(owner.isEnabled() && !QGuiApplication::overrideCursor() &&
                !owner.findChild<QWidget*>("frmOnPrinting"));
        QCOMPARE(shown.isEmpty(), firstShown < 0);
        if (shown.isEmpty())
            return;
        QVERIFY(busy);
        QCOMPARE(shown.first(), QStringLiteral("Print Page:%1\r\nFile Name: %2")
                                    .arg(pages.Runs.first().FromPage)
                                    .arg(list[firstShown]));
    }
};

QTEST_MAIN(tst_PrintJob)
#include "tst_printjob.moc"
