#include "core/program/PrintSettingsKeys.h"
#include "core/settings/SettingsStore.h"

#include <QDebug>
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quenbrook;

namespace {

using Boxes = QMap<int, QRectF>;     // picture → where it lies on page 1, in inches; null: absent
using Words = QMap<QString, QRectF>; // word of page 1 → region holding it, in inches; null: absent

constexpr int Dpi = 20;

struct Picture
{
    const char* name;
    QColor colour;
};
// In file-list order; a plain sort would put "B3.bmp" first and "a10.jpg" before "a2.bmp".
const Picture Pictures[] = {{"a2.bmp", QColor(220, 0, 0)},
                            {"a10.jpg", QColor(0, 160, 0)},
                            {"B3.bmp", QColor(0, 0, 220)},
                            {"c.jpg", QColor(200, 0, 200)}};

struct Run
{
    int status = -1;
    QString err;
};

QString tool(const QString& name, const QStringList& arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(name), arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// A folder with the pictures (1000 pixels square, 2 inches at 500 ppi in the user's cells),
// a garbled JPEG between two good pictures, an empty folder and the user's settings.
class Sandbox
{
public:
    Sandbox()
    {
        QDir root(dir.path());
        root.mkpath(QStringLiteral("pics"));
        root.mkpath(QStringLiteral("mixed"));
        root.mkpath(QStringLiteral("empty"));
        for (const Picture& picture : Pictures) {
            QImage image(1000, 1000, QImage::Format_RGB32);
            image.fill(picture.colour);
            image.save(path(QStringLiteral("pics/") + QLatin1String(picture.name)));
        }
        QFile::copy(path(QStringLiteral("pics/a2.bmp")), path(QStringLiteral("mixed/a.bmp")));
        QFile garbled(path(QStringLiteral("mixed/b.jpg")));
        if (garbled.open(QIODevice::WriteOnly))
            garbled.write(QByteArray("not a picture\n").repeated(40));
        garbled.close();
        QFile::copy(path(QStringLiteral("pics/c.jpg")), path(QStringLiteral("mixed/c.jpg")));

        // 2-inch cells half an inch apart from the printable area's corner, no labels, no
        // header, a footer "Stored".
        SettingsStore store(path(QStringLiteral("config/Quenbrook")));
        const QList<QPair<QString, QString>> settings = {
            {PrintKeys::Scale, "Inch"},          {PrintKeys::PictureMaxWidth, "2"},
            {PrintKeys::PictureMaxHeight, "2"},  {PrintKeys::PictureSpacingX, "0.5"},
            {PrintKeys::PictureSpacingY, "0.5"}, {PrintKeys::PictureLabelSpacingY, "0.1"},
            {PrintKeys::PrintLabel, "None"},     {PrintKeys::Center, "False"},
            {PrintKeys::HeaderStyle, "0"},       {PrintKeys::FooterStyle, "2"},
            {PrintKeys::FooterText, "Stored"}};
        for (const auto& [key, value] : settings)
            store.SaveSetting(PrintKeys::Application, PrintKeys::Section, key, value);
        settingsFile = store.fileName(PrintKeys::Application);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // The program with no display, the sandbox's settings and folder.
    Run run(const QStringList& arguments, const QByteArray& input = {}) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(QUENBROOK_ALBUM_PROGRAM), arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return {status, QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        return environment;
    }

    QTemporaryDir dir;
    QString settingsFile;
};

// pdfinfo's page count and page size in points.
QPair<int, QSizeF> pagesAndSize(const QString& pdf)
{
    const QString info = tool(QStringLiteral("pdfinfo"), {pdf});
    const auto pages = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(info);
    const auto size =
        QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")).match(info);
    return {pages.captured(1).toInt(),
            QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble())};
}

// The horizontal pixels per inch of every picture, as pdfimages reports them.
QList<int> picturePpi(const QString& pdf)
{
    QList<int> ppi;
    for (const QString& line : tool(QStringLiteral("pdfimages"), {"-list", pdf}).split('\n')) {
        const QStringList f = line.simplified().split(' ');
        if (f.size() > 12 && f[2] == QLatin1String("image"))
            ppi << f[12].toInt();
    }
    return ppi;
}

QRectF inches(const QRectF& r, double perInch)
{
    return QRectF(r.topLeft() / perInch, r.size() / perInch);
}

// Where the pixels of a colour lie on the page, in inches; null when nowhere.
QRectF colourBox(const QImage& page, QColor colour)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) +
                    qAbs(c.blue() - colour.blue()) <
                60)
                box |= QRect(x, y, 1, 1);
        }
    return box.isNull() ? QRectF() : inches(QRectF(box), Dpi);
}

// The words of page 1 with their boxes in inches.
QMultiMap<QString, QRectF> wordsOf(const QString& pdf)
{
    const QString html =
        tool(QStringLiteral("pdftotext"), {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QMultiMap<QString, QRectF> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(html))
        words.insert(m.captured(5),
                     inches(QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                            72));
    return words;
}

bool near(const QRectF& a, const QRectF& b)
{
    const double d = 0.08; // less than two pixels at 20 dpi
    return qAbs(a.left() - b.left()) < d && qAbs(a.top() - b.top()) < d &&
           qAbs(a.right() - b.right()) < d && qAbs(a.bottom() - b.bottom()) < d;
}

// The margin of the PDF printer, the same on every side.
double margin()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    return printer.pageLayout().margins(QPageLayout::Inch).left();
}

} // namespace

class tst_AlbumCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char* name : {"pdfinfo", "pdfimages", "pdftoppm", "pdftotext"})
            if (QStandardPaths::findExecutable(QLatin1String(name)).isEmpty())
                QSKIP("poppler-utils is not installed");
    }

    void optionsReachTheLayout_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QSizeF>("points");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<Words>("words");
        QTest::addColumn<int>("ppi"); // 0: not looked at

        const double m = margin();
        const QSizeF letter(612, 792);
        const auto at = [&](double x, double y, double side = 2) {
            return QRectF(m + x, m + y, side, side);
        };
        const Boxes grid{{0, at(0, 0)}, {1, at(2.5, 0)}, {2, at(5, 0)}, {3, at(0, 2.5)}};
        const QRectF bottomLeft(m - 0.05, 11 - m - 0.5, 2, 0.55);
        QTest::newRow("the user's settings")
            << QStringList() << 1 << letter << grid << Words{{"Stored", bottomLeft}} << 500;
        QTest::newRow("A4 landscape in cm, a length in inches")
            << QStringList{"--paper", "a4", "--orientation", "landscape",
                           "--unit",  "cm", "--cell-width",  "2in"}
            << 1 << QSizeF(842, 595)
            << Boxes{{0, at(0, 0)}, {1, at(2.5, 0)}, {2, at(5, 0)}, {3, at(7.5, 0)}} << Words()
            << 0;
        // 8 × 4 cm cells 1 cm across, 2 cm down; the square pictures centred in them.
        const double cm = 1 / 2.54;
        QTest::newRow("cells and gaps in cm")
            << QStringList{"--unit",  "cm", "--cell-width", "8", "--cell-height", "4",
                           "--gap-x", "1",  "--gap-y",      "2"}
            << 1 << letter
            << Boxes{{0, at(2 * cm, 0, 4 * cm)},
                     {1, at(11 * cm, 0, 4 * cm)},
                     {2, at(2 * cm, 6 * cm, 4 * cm)},
                     {3, at(11 * cm, 6 * cm, 4 * cm)}}
            << Words() << 0;
        const double c = (8.5 - 2 * m - 7) / 2;  // three columns 7 inches wide
        const double r = (11 - 2 * m - 9.5) / 2; // four rows 9.5 inches high, no footer
        QTest::newRow("centred, no footer, 300 ppi")
            << QStringList{"--center", "--no-footer", "--resolution", "300"} << 1 << letter
            << Boxes{{0, at(c, r)}, {1, at(c + 2.5, r)}, {2, at(c + 5, r)}, {3, at(c, r + 2.5)}}
            << Words{{"Stored", QRectF()}} << 300;
        QTest::newRow("names below, half an inch off, 150 ppi")
            << QStringList{"--labels",    "name", "--label-position", "below",
                           "--label-gap", "0.5",  "--resolution",     "150"}
            << 1 << letter << Boxes{{0, at(0, 0)}, {1, at(2.5, 0)}}
            << Words{{"a2.bmp", QRectF(m - 0.05, m + 2.45, 2, 0.4)},
                     {"a10.jpg", QRectF(m + 2.45, m + 2.45, 2, 0.4)}}
            << 150;
        QTest::newRow("paths above")
            << QStringList{"--labels", "path", "--label-position", "above"} << 1 << letter
            << Boxes() << Words{{"pics/B3.bmp", QRectF(m + 4.95, m - 0.05, 2.5, 0.4)}} << 0;
        QTest::newRow("header right, page number footer centred")
            << QStringList{"--header-text",        "Holiday",        "--header-align", "right",
                           "--footer-page-number", "--footer-align", "center"}
            << 1 << letter << Boxes()
            << Words{{"Holiday", QRectF(8.5 - m - 1.5, m - 0.05, 1.55, 0.4)},
                     {"1", QRectF(4.25 - 0.3, 11 - m - 0.5, 0.6, 0.55)},
                     {"Stored", QRectF()}}
            << 0;
        QTest::newRow("page number header at the left")
            << QStringList{"--header-page-number", "--header-align", "left"} << 1 << letter
            << Boxes() << Words{{"1", QRectF(m - 0.05, m - 0.05, 0.4, 0.4)}, {"Stored", bottomLeft}}
            << 0;
        // One 4-inch cell across, two down: page 2 holds the last two pictures.
        QTest::newRow("pages 2 to 3 of 2")
            << QStringList{"--pages", "2-3", "--cell-width", "4", "--cell-height", "4"} << 1
            << letter << Boxes{{0, QRectF()}, {1, QRectF()}, {2, at(0, 0, 4)}, {3, at(0, 4.5, 4)}}
            << Words() << 0;
    }
    void optionsReachTheLayout()
    {
        QFETCH(QStringList, options);
        QFETCH(Boxes, boxes);
        QFETCH(Words, words);
        QFETCH(int, ppi);
        Sandbox s;
        const QString pdf = s.path(QStringLiteral("album.pdf"));
        // The row's own paper comes later and wins.
        const Run run = s.run(QStringList{"--paper", "Letter"} + options +
                              QStringList{"-o", "album.pdf", "pics"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);

        const auto [pages, size] = pagesAndSize(pdf);
        QTEST(pages, "pages");
        QFETCH(QSizeF, points);
        QVERIFY2(qAbs(size.width() - points.width()) < 1 &&
                     qAbs(size.height() - points.height()) < 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        if (ppi)
            QCOMPARE(picturePpi(pdf), QList<int>(4, ppi));

        QVERIFY(QProcess::execute(QStandardPaths::findExecutable("pdftoppm"),
                                  {"-r", QString::number(Dpi), "-f", "1", "-l", "1", "-png",
                                   "-singlefile", pdf, s.path("page")}) == 0);
        const QImage page(s.path("page.png"));
        for (auto it = boxes.cbegin(); it != boxes.cend(); ++it) {
            const QRectF found = colourBox(page, Pictures[it.key()].colour);
            QString where;
            QDebug(&where) << "picture" << it.key() << "found" << found << "expected" << it.value();
            QVERIFY2(it.value().isNull() ? found.isNull() : near(found, it.value()),
                     qPrintable(where));
        }
        const QMultiMap<QString, QRectF> found = wordsOf(pdf);
        for (auto it = words.cbegin(); it != words.cend(); ++it) {
            QString where;
            QDebug(&where) << it.key() << "found" << found.values(it.key()) << "expected in"
                           << it.value();
            QVERIFY2(it.value().isNull() ? !found.contains(it.key())
                                         : found.values(it.key()).size() == 1 &&
                                               it.value().contains(found.value(it.key())),
                     qPrintable(where));
        }
    }

    void failuresDeliverNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QStringList out{"-o", "album.pdf"};
        const auto row = [&](const char* name, const QStringList& arguments, int status,
                             const char* message) {
            QTest::newRow(name) << arguments << status << QString::fromUtf8(message);
        };
        row("a broken picture in the middle", out + QStringList{"mixed"}, 1, "b.jpg");
        row("a missing picture", out + QStringList{"pics", "gone.jpg"}, 1, "gone.jpg");
        row("no cell fits", out + QStringList{"--cell-width", "20", "pics"}, 1,
            "larger than the printable range");
        row("pages past the end", out + QStringList{"--pages", "5-6", "pics"}, 1, "no page 5");
        row("printer not installed", {"-P", "no-such-printer", "pics"}, 1, "no-such-printer");
        row("unknown option", out + QStringList{"--colour", "red", "pics"}, 2, "colour");
        row("value missing", out + QStringList{"pics", "--labels"}, 2, "labels");
        row("unit", out + QStringList{"--unit", "mm", "pics"}, 2, "--unit \"mm\"");
        row("negative cell", out + QStringList{"--cell-width", "-1", "pics"}, 2, "--cell-width");
        row("zero cell", out + QStringList{"--cell-height", "0", "pics"}, 2, "--cell-height");
        row("length unit", out + QStringList{"--gap-x", "3km", "pics"}, 2, "--gap-x");
        row("paper", out + QStringList{"--paper", "A11", "pics"}, 2, "--paper");
        row("orientation", out + QStringList{"--orientation", "up", "pics"}, 2, "--orientation");
        row("label kind", out + QStringList{"--labels", "title", "pics"}, 2, "--labels");
        row("alignment", out + QStringList{"--footer-align", "top", "pics"}, 2, "--footer-align");
        row("pages backwards", out + QStringList{"--pages", "3-1", "pics"}, 2, "--pages");
        row("page 0", out + QStringList{"--pages", "0", "pics"}, 2, "--pages");
        row("resolution", out + QStringList{"--resolution", "200", "pics"}, 2, "--resolution");
        row("two headers", out + QStringList{"--header-text", "x", "--no-header", "pics"}, 2,
            "cannot be given together");
        row("centred and not", out + QStringList{"--center", "--no-center", "pics"}, 2,
            "cannot be given together");
        row("file and printer", out + QStringList{"-P", "x", "pics"}, 2,
            "cannot be given together");
        row("nowhere to go", {"pics"}, 2, "-o FILE");
        row("no pictures", out, 2, "No pictures");
        row("a folder without pictures", out + QStringList{"empty"}, 2, "No pictures");
    }
    void failuresDeliverNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        Sandbox s;
        QFile older(s.path(QStringLiteral("album.pdf")));
        QVERIFY(older.open(QIODevice::WriteOnly));
        const QByteArray bytes = QByteArray("an older album\n").repeated(100);
        older.write(bytes);
        older.close();
        const QStringList before = QDir(s.dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

        const Run run = s.run(arguments);
        QTEST(run.status, "status");
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.err.contains(QLatin1String("Usage:")), run.status == 2);
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), bytes);
        QCOMPARE(QDir(s.dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    }

    void standardInputProgressAndTheUsersSettings()
    {
        Sandbox s;
        QFile settings(s.settingsFile);
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QByteArray stored = settings.readAll();
        settings.close();

        // Paths one a line, empty lines skipped, line ends of either kind; the unit changes only
        // this album.
        const Run run =
            s.run({"-o", "listed.pdf", "--unit", "cm", "-"}, "pics/c.jpg\r\n\npics/a2.bmp\n");
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(picturePpi(s.path("listed.pdf")).size(), 2);
        QVERIFY(QProcess::execute(QStandardPaths::findExecutable("pdftoppm"),
                                  {"-r", QString::number(Dpi), "-png", "-singlefile",
                                   s.path("listed.pdf"), s.path("listed")}) == 0);
        const QImage page(s.path("listed.png"));
        const double m = margin();
        QVERIFY(near(colourBox(page, Pictures[3].colour), QRectF(m, m, 2, 2)));
        QVERIFY(near(colourBox(page, Pictures[0].colour), QRectF(m + 2.5, m, 2, 2)));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), stored);

        // On a terminal the bar is redrawn on one line; --quiet keeps it quiet.
        const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
        if (script.isEmpty())
            QSKIP("script (util-linux) is not installed");
        for (const bool quiet : {false, true}) {
            QProcess terminal;
            terminal.setProcessEnvironment(s.environment());
            terminal.setWorkingDirectory(s.dir.path());
            terminal.start(script,
                           {"-qec",
                            QStringLiteral("%1 %2 -o shown.pdf pics")
                                .arg(QStringLiteral(QUENBROOK_ALBUM_PROGRAM), quiet ? "-q" : ""),
                            "/dev/null"});
            terminal.closeWriteChannel();
            QVERIFY(terminal.waitForFinished(120000));
            const QString shown = QString::fromLocal8Bit(terminal.readAll());
            QCOMPARE(terminal.exitCode(), 0);
            if (quiet) {
                QCOMPARE(shown, QString());
            } else {
                QVERIFY2(shown.contains("\r[") && shown.contains("page 1 of 1, picture 4 of 4") &&
                             shown.count('\n') == 1,
                         qPrintable(shown));
            }
        }
    }
};

QTEST_MAIN(tst_AlbumCli)
#include "tst_albumcli.moc"
