#include "PrintingFixtures.h"
#include "album/PrintJob.h"

#include <QLabel>
#include <QMouseEvent>
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

// A click that arrives when the job next lets events in.
void postClick(QWidget* button)
{
    const QPointF at = QRectF(button->rect()).center();
    for (const auto& [type, buttons] : {std::pair(QEvent::MouseButtonPress, Qt::LeftButton),
                                        std::pair(QEvent::MouseButtonRelease, Qt::NoButton)})
        QCoreApplication::postEvent(button,
                                    new QMouseEvent(type, at, button->mapToGlobal(at),
                                                    Qt::LeftButton, buttons, Qt::NoModifier));
}

} // namespace

class tst_PrintJob : public QObject
{
    Q_OBJECT
private slots:
    void job_data();
    void job();
};

void tst_PrintJob::job_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<PageRange>("range");
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("firstShown"); // list entry of the first progress text, -1: none

    const PageRange all{1, 2};
    QTest::newRow("5 pictures") << 5 << all << ""
                                << "1: 0 1 2 3 | 2: 4 end"
                                << "" << 0;
    QTest::newRow("pages 2 to 3") << 12 << PageRange{2, 3} << ""
                                  << "2: 4 5 6 7 | 3: 8 9 10 11 end"
                                  << "" << 4;
    QTest::newRow("page 10") << 40 << PageRange{10, 10} << ""
                             << "10: 36 37 38 39 end"
                             << "" << 36;
    QTest::newRow("from after to") << 12 << PageRange{3, 2} << ""
                                   << "end"
                                   << "" << -1;
    QTest::newRow("range past the end") << 5 << PageRange{2, 9} << ""
                                        << "2: 4 end"
                                        << "" << 4;
    QTest::newRow("Cancel on page 2") << 8 << all << "cancel"
                                      << "1: 0 1 2 3 | 2: kill"
                                      << "" << 0;
    QTest::newRow("file deleted") << 8 << all << "deleted"
                                  << "1: 0 1 2 3 | 2: 4 kill"
                                  << "critical: gone.bmp: file not found" << 0;
    QTest::newRow("new page fails") << 8 << all << "new page"
                                    << "1: 0 1 2 3 | kill"
                                    << "critical: Out of paper." << 0;
    QTest::newRow("dialog cancelled") << 8 << all << "dialog"
                                      << "kill"
                                      << "" << -1;
    QTest::newRow("no cell fits") << 8 << all << "too wide"
                                  << "kill"
                                  << "critical: Picture is larger than the printable "
                                     "range!|Abort Print!"
                                  << -1;
    QTest::newRow("empty list") << 0 << all << ""
                                << ""
                                << "" << -1;
}

void tst_PrintJob::job()
{
    QFETCH(int, count);
    QFETCH(PageRange, range);
    QFETCH(QString, trouble);
    QFETCH(QString, expected);
    QFETCH(QString, message);
    QFETCH(int, firstShown);

    // 2 × 2 cells of 3 × 4 inch on the 8 × 10.5 inch recording printer, page number on top.
    QTemporaryDir dir;
    QStringList list = numberedPictures(dir, count);
    PrintSettings s = gridSettings();
    s.PictureMaxHeight = 4;
    s.PictureMaxWidth = trouble == "too wide" ? 9 : 3;
    s.HeaderStyle = BandStyle::PageNumber;
    RecordingSurface printer;
    if (trouble == "deleted")
        list[5] = dir.filePath("gone.bmp");
    if (trouble == "new page")
        printer.failNewPage("Out of paper.");

    QWidget owner;
    owner.setGeometry(100, 100, 600, 400);
    owner.show();
    QStringList shown;
    QString firstLook; // the windows as the first picture shows
    WindowWatcher watcher([&] {
        auto* window = owner.findChild<QWidget*>("frmOnPrinting");
        const QString text = window ? window->findChild<QLabel*>("lblMessage")->text() : "";
        if (text.isEmpty() || (!shown.isEmpty() && shown.last() == text))
            return;
        shown << text;
        auto* cancel = window->findChild<QPushButton*>("cmdCancel");
        const QCursor* cursor = QGuiApplication::overrideCursor();
        if (shown.size() == 1)
            firstLook =
                QStringLiteral("'%1' %2 %3, owner %4, %5 pointer, %6")
                    .arg(window->windowTitle(), window->isModal() ? "modal" : "modeless",
                         cancel->text(), owner.isEnabled() ? "enabled" : "disabled",
                         cursor && cursor->shape() == Qt::WaitCursor ? "busy" : "usual",
                         window->geometry().center() == owner.geometry().center() ? "centred"
                                                                                  : "off centre");
        if (trouble == "cancel" && text.startsWith("Print Page:2\r\n"))
            postClick(cancel);
    });
    bool asked = false;
    PrintAlbum(&owner, list, s, printer, [&](qint32) {
        asked = true;
        return trouble == "dialog" ? std::nullopt : std::optional(range);
    });

    QCOMPARE(printed(printer), expected);
    QCOMPARE(watcher.messages.join('\n'), message);
    QCOMPARE(asked, count > 0 && trouble != "too wide");
    // Every way out leaves the owner as it was.
    QVERIFY(owner.isEnabled() && !QGuiApplication::overrideCursor() &&
            !owner.findChild<QWidget*>("frmOnPrinting"));
    QCOMPARE(shown.isEmpty(), firstShown < 0);
    if (shown.isEmpty())
        return;
    QCOMPARE(
        shown.first(),
        QStringLiteral("Print Page:%1\r\nFile Name: %2").arg(range.FromPage).arg(list[firstShown]));
    QCOMPARE(firstLook, "'Printing' modeless Cancel, owner disabled, busy pointer, centred");
}

QTEST_MAIN(tst_PrintJob)
#include "tst_printjob.moc"
