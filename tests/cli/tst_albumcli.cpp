#include "core/album/AlbumSettings.h"
#include "core/program/Application.h"
#include "core/program/PrintSettingsKeys.h"
#include "support/CupsScheduler.h"
#include "support/PdfReader.h"
#include "support/SettingsSandbox.h"

#include <QDebug>
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quenbrook;
using namespace testsupport;

namespace {

using Boxes = QMap<int, QRectF>;     // picture → where it lies on page 1, in inches; null: absent
using Words = QMap<QString, QRectF>; // word of page 1 → region holding it, in inches; null: absent

const QString Program = QStringLiteral(QUENBROOK_ALBUM_PROGRAM);
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

QRectF inches(const QRectF& r, double perInch)
{
    return QRectF(r.topLeft() / perInch, r.size() / perInch);
}

// What the program's process starts with besides its arguments.
struct Child
{
    rlim_t fileSizeLimit = RLIM_INFINITY; // a full disk, for files of any size beyond it
    mode_t umask = 022;
    QStringList environment; // NAME=VALUE set besides the sandbox's
};

// A folder with the pictures (1000 pixels square: 500 ppi in 2-inch cells), a garbled JPEG
// between two good pictures, an empty folder, and the user's settings: 2-inch cells half an
// inch apart from the printable area's corner, no labels, no header, a footer "Stored", pictures
// at 150 ppi.
class Sandbox
{
public:
    Sandbox()
    {
        for (const char* folder : {"pics", "mixed", "empty"})
            QDir(dir.path()).mkdir(folder);
        for (const Picture& picture : Pictures) {
            QImage image(1000, 1000, QImage::Format_RGB32);
            image.fill(picture.colour);
            image.save(path("pics/") + picture.name);
        }
        // Neither a hidden picture nor a folder named like one is listed.
        QFile::copy(path("pics/a2.bmp"), path("pics/.hidden.bmp"));
        QDir(dir.path()).mkdir("pics/sub.jpg");
        QFile::copy(path("pics/a2.bmp"), path("mixed/a.bmp"));
        QFile garbled(path("mixed/b.jpg"));
        if (garbled.open(QIODevice::WriteOnly))
            garbled.write(QByteArray("not a picture\n").repeated(40));
        QFile::copy(path("pics/c.jpg"), path("mixed/c.jpg"));

        settings.put({"Scale=Inch", "PictureMaxWidth=2", "PictureMaxHeight=2",
                      "PictureSpacingX=0.5", "PictureSpacingY=0.5", "PictureLabelSpacingY=0.1",
                      "PrintLabel=None", "Center=False", "HeaderStyle=0", "FooterStyle=2",
                      "FooterText=Stored", "PictureResolution=150"});
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // The program with no display, in the sandbox, with its settings; on a terminal of its own
    // through script(1) when asked, where standard error shows all the terminal shows.
    ProgramRun run(const QStringList& arguments, const QByteArray& input = {},
                   bool terminal = false, Child child = {}) const
    {
        RunOptions options = this->options();
        options.environment += child.environment;
        options.input = input;
        options.inChild = [child] {
            const rlimit limit{child.fileSizeLimit, RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead
            ::umask(child.umask);
        };
        if (!terminal)
            return runProgram(Program, arguments, options);
        ProgramRun shown = runProgram(
            "script", {"-qec", (QStringList{Program} + arguments).join(' '), "/dev/null"}, options);
        shown.err += shown.out;
        shown.out.clear();
        return shown;
    }

    RunOptions options() const
    {
        RunOptions options;
        options.unset = QStringList{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
        options.environment << "XDG_CONFIG_HOME=" + settings.home();
        options.workingDirectory = dir.path();
        return options;
    }

    QTemporaryDir dir;
    SettingsSandbox settings;
};

// Where the pixels of a colour lie on a page drawn at Dpi, in inches; null when nowhere.
QRectF box(const QImage& page, QColor colour)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (colourDistance(page.pixelColor(x, y), colour) < 60)
                box |= QRect(x, y, 1, 1);
    return box.isNull() ? QRectF() : inches(QRectF(box), Dpi);
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

QByteArray contents(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every picture of the sandbox's folders, by path.
QMap<QString, QByteArray> pictures(const Sandbox& s)
{
    QMap<QString, QByteArray> found;
    for (const char* folder : {"pics", "mixed"})
        for (const QFileInfo& file : QDir(s.path(folder)).entryInfoList(QDir::Files | QDir::Hidden))
            found.insert(file.filePath(), contents(file.filePath()));
    return found;
}

QStringList entries(const Sandbox& s)
{
    return QDir(s.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
}

// Whether the process holds a file of the folder open that has no name there: an output being
// written.
bool writesUnnamedInto(qint64 pid, const QString& folder)
{
    const QDir handles(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& handle :
         handles.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QFileInfo target(QFile::symLinkTarget(handles.filePath(handle)));
        if (target.absolutePath() == folder && !target.exists())
            return true;
    }
    return false;
}

int modeOf(const QString& path)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode) : 0;
}

} // namespace

class tst_AlbumCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (const QString missing = PdfReader::unavailable(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        // Before any printer is made here: CUPS clients keep the server they first asked.
        if (noScheduler_.isEmpty()) {
            const QString error = scheduler_.start(Queue);
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
    }
    void cleanupTestCase() { scheduler_.stop(); }

    void optionsReachTheLayout_data()
    {
        QTest::addColumn<QString>("options");
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
            << "" << letter << grid << Words{{"Stored", bottomLeft}} << 150;
        QTest::newRow("A4 landscape in cm, a length in inches")
            << "--paper a4 --orientation landscape --unit cm --cell-width 2in" << QSizeF(842, 595)
            << Boxes{{0, at(0, 0)}, {1, at(2.5, 0)}, {2, at(5, 0)}, {3, at(7.5, 0)}} << Words()
            << 0;
        // 8 × 4 cm cells 1 cm across, 2 cm down; the square pictures centred in them.
        const double cm = 1 / 2.54;
        QTest::newRow("cells and gaps in cm")
            << "--unit cm --cell-width 8 --cell-height 4 --gap-x 1 --gap-y 2" << letter
            << Boxes{{0, at(2 * cm, 0, 4 * cm)},
                     {1, at(11 * cm, 0, 4 * cm)},
                     {2, at(2 * cm, 6 * cm, 4 * cm)},
                     {3, at(11 * cm, 6 * cm, 4 * cm)}}
            << Words() << 0;
        QTest::newRow("the same cells and gaps in mm, units in any case")
            << "--unit cm --cell-width 80MM --cell-height 4Cm --gap-x 10mm --gap-y 20Mm" << letter
            << Boxes{{0, at(2 * cm, 0, 4 * cm)},
                     {1, at(11 * cm, 0, 4 * cm)},
                     {2, at(2 * cm, 6 * cm, 4 * cm)},
                     {3, at(11 * cm, 6 * cm, 4 * cm)}}
            << Words() << 0;
        QTest::newRow("mm in an album in inches")
            << "--cell-width 76.2mm --cell-height 3IN --gap-x 25.4MM" << letter
            << Boxes{{0, at(0, 0, 3)}, {1, at(4, 0, 3)}, {2, at(0, 3.5, 3)}} << Words() << 0;
        const double c = (8.5 - 2 * m - 7) / 2;  // three columns 7 inches wide
        const double r = (11 - 2 * m - 9.5) / 2; // four rows 9.5 inches high, no footer
        QTest::newRow("centred, no footer, 300 ppi")
            << "--center --no-footer --resolution 300" << letter
            << Boxes{{0, at(c, r)}, {1, at(c + 2.5, r)}, {2, at(c + 5, r)}, {3, at(c, r + 2.5)}}
            << Words{{"Stored", QRectF()}} << 300;
        QTest::newRow("names below, half an inch off, at the printer's resolution")
            << "--labels name --label-position below --label-gap 0.5 --resolution printer" << letter
            << Boxes{{0, at(0, 0)}, {1, at(2.5, 0)}}
            << Words{{"a2.bmp", QRectF(m - 0.05, m + 2.45, 2, 0.4)},
                     {"a10.jpg", QRectF(m + 2.45, m + 2.45, 2, 0.4)}}
            << 500;
        QTest::newRow("header right, page number footer centred")
            << "--header-text Holiday --header-align right --footer-page-number "
               "--footer-align center"
            << letter << Boxes()
            << Words{{"Holiday", QRectF(8.5 - m - 1.5, m - 0.05, 1.55, 0.4)},
                     {"1", QRectF(4.25 - 0.3, 11 - m - 0.5, 0.6, 0.55)},
                     {"Stored", QRectF()}}
            << 0;
        QTest::newRow("page number header at the left, paths above")
            << "--header-page-number --header-align left --labels path --label-position above"
            << letter << Boxes()
            << Words{{"1", QRectF(m - 0.05, m - 0.05, 0.4, 0.4)},
                     {"pics/B3.bmp", QRectF(m + 4.95, m - 0.05, 2.5, 0.9)},
                     {"Stored", bottomLeft}}
            << 0;
        // One 4-inch cell across, two down: page 2 of 2 holds the last two pictures.
        QTest::newRow("pages 2 to the end")
            << "--pages 2- --cell-width 4 --cell-height 4" << letter
            << Boxes{{0, QRectF()}, {1, QRectF()}, {2, at(0, 0, 4)}, {3, at(0, 4.5, 4)}} << Words()
            << 0;
    }
    void optionsReachTheLayout()
    {
        QFETCH(QString, options);
        QFETCH(QSizeF, points);
        QFETCH(Boxes, boxes);
        QFETCH(Words, words);
        QFETCH(int, ppi);
        Sandbox s;
        // The row's own paper comes later and wins.
        const ProgramRun run =
            s.run(QStringList{"--paper", "Letter"} + options.split(' ', Qt::SkipEmptyParts) +
                  QStringList{"-o", "album.pdf", "pics"});
        QCOMPARE(run.errText(), QString());
        QCOMPARE(run.status, 0);

        const PdfReader pdf(s.path("album.pdf"));
        const QImage page = pdf.page(1, Dpi);
        const QSizeF size = pdf.points();
        QCOMPARE(pdf.pages(), 1);
        QVERIFY2(qAbs(size.width() - points.width()) < 1 &&
                     qAbs(size.height() - points.height()) < 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        if (ppi)
            QCOMPARE(pdf.imagePpi(), QList<int>(4, ppi));
        for (auto it = boxes.cbegin(); it != boxes.cend(); ++it) {
            const QRectF found = box(page, Pictures[it.key()].colour);
            QString where;
            QDebug(&where) << "picture" << it.key() << "found" << found << "expected" << it.value();
            QVERIFY2(it.value().isNull() ? found.isNull() : near(found, it.value()),
                     qPrintable(where));
        }
        const QMultiMap<QString, QRectF> printed = pdf.words(1);
        for (auto it = words.cbegin(); it != words.cend(); ++it) {
            QList<QRectF> found;
            for (const QRectF& points : printed.values(it.key()))
                found << inches(points, 72);
            QString where;
            QDebug(&where) << it.key() << "found" << found << "expected in" << it.value();
            QVERIFY2(it.value().isNull() ? found.isEmpty()
                                         : found.size() == 1 && it.value().contains(found[0]),
                     qPrintable(where));
        }
    }

    void failuresDeliverNothing_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<qint64>("fileSizeLimit"); // 0: none
        const auto row = [](const char* name, const char* arguments, int status,
                            const QString& said, qint64 limit = 0) {
            QTest::newRow(name) << arguments << status << said << limit;
        };
        // The album is some 17 000 bytes.
        // The system says why in the user's language.
        const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
        row("a full disk", "-o album.pdf pics", 1, "album.pdf cannot be written: " + tooLarge,
            8000);
        row("a full disk under standard output", "-o - pics", 1, "cannot be written: " + tooLarge,
            8000);
        row("a folder as the output", "-o pics pics", 1, "pics cannot be written: It is a folder");
        row("an output named like a picture", "-o pics/c.jpg pics", 2,
            "pics/c.jpg is named like a picture");
        row("an output forgotten before the pictures", "-o pics/a2.bmp pics/a10.jpg pics/B3.bmp", 2,
            "pics/a2.bmp is named like a picture");
        row("an output linked to a picture", "-o soft.pdf pics", 2, "leads to the picture");
        row("an output that is a picture by another name", "-o hard.pdf mixed", 2,
            "hard.pdf is the picture mixed/a.bmp");
        row("a broken picture in the middle", "-o album.pdf mixed", 1, "mixed/b.jpg: not a");
        row("a missing picture", "-o album.pdf pics pics/gone.jpg", 1,
            "pics/gone.jpg: file not found");
        row("a FIFO named like a picture", "-o album.pdf pics fifo.jpg", 1,
            "fifo.jpg: not a regular file (a FIFO)");
        row("a device named like a picture", "-o album.pdf zero.jpg", 1,
            "zero.jpg: not a regular file (a device)");
        row("a hidden picture", "-o album.pdf pics/.hidden.bmp", 1,
            "pics/.hidden.bmp: a hidden file");
        // Letter paper, 8.5 × 11 inches less the margins; a footer line below the cells.
        const double across = 8.5 - 2 * margin();
        row("no cell fits across", "-o album.pdf --paper Letter --cell-width 20 pics", 1,
            QStringLiteral("A cell 20 in wide does not fit across the printable area, %1 in wide: "
                           "it is %2 in too wide.")
                .arg(std::round(across * 100) / 100)
                .arg(std::round((20 - across) * 100) / 100));
        row("no cell fits down", "-o album.pdf --paper Letter --unit cm --cell-height 28 pics", 1,
            QStringLiteral("A cell 28 cm high does not fit down the printable area, %1 cm high (")
                .arg(std::round((11 - 2 * margin()) * 254) / 100));
        row("pages past the end", "-o album.pdf --pages 5-6 pics", 1, "no page 5");
        row("printer not installed", "-P no-such-printer pics", 1, "no-such-printer");
        row("unknown option", "-o album.pdf --colour red pics", 2, "colour");
        row("unit", "-o album.pdf --unit mm pics", 2, "--unit \"mm\"");
        row("negative cell", "-o album.pdf --cell-width -1 pics", 2, "--cell-width");
        row("a decimal comma", "-o album.pdf --cell-width 2,5cm pics", 2, "--cell-width \"2,5cm\"");
        row("a unit not known", "-o album.pdf --gap-x 2pt pics", 2, "--gap-x \"2pt\"");
        row("paper", "-o album.pdf --paper A11 pics", 2, "--paper");
        row("pages backwards", "-o album.pdf --pages 3-1 pics", 2, "--pages");
        row("two headers", "-o album.pdf --header-text x --no-header pics", 2, "together");
        row("file and printer", "-o album.pdf -P x pics", 2, "together");
        row("nowhere to go", "pics", 2, "-o FILE");
        row("no pictures", "-o album.pdf", 2, "No pictures");
        row("a folder without pictures", "-o album.pdf empty", 2, "No pictures");
    }
    void failuresDeliverNothing()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, message);
        QFETCH(qint64, fileSizeLimit);
        Sandbox s;
        QFile older(s.path("album.pdf"));
        const QByteArray bytes = QByteArray("an older album\n").repeated(100);
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write(bytes) == bytes.size());
        older.close();
        QVERIFY(QFile::link("pics/c.jpg", s.path("soft.pdf")));
        QVERIFY(QFile::link("/dev/zero", s.path("zero.jpg")));
        QCOMPARE(::mkfifo(QFile::encodeName(s.path("fifo.jpg")).constData(), 0644), 0);
        QCOMPARE(::link(QFile::encodeName(s.path("mixed/a.bmp")).constData(),
                        QFile::encodeName(s.path("hard.pdf")).constData()),
                 0);
        const QStringList before = entries(s);
        const QMap<QString, QByteArray> picturesBefore = pictures(s);

        Child child;
        if (fileSizeLimit)
            child.fileSizeLimit = rlim_t(fileSizeLimit);
        const ProgramRun run = s.run(arguments.split(' '), {}, false, child);
        QTEST(run.status, "status");
        QVERIFY2(run.errText().contains(message), qPrintable(run.errText()));
        QCOMPARE(run.errText().contains("Usage:"), run.status == 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(contents(s.path("album.pdf")), bytes);
        QCOMPARE(entries(s), before);
        QVERIFY(pictures(s) == picturesBefore);
    }

    // Each way the output's name can lead: the PDF ends up there, whole, with the permissions a
    // file would get from an editor, and nothing else is left in the folder.
    void writesWhereTheNameLeads_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("mode"); // of the file written; 0: not looked at
        QTest::newRow("a new file, umask 077") << "new" << 077 << 0600;
        QTest::newRow("a new file, umask 022") << "new" << 022 << 0644;
        QTest::newRow("an existing file keeps its mode") << "existing" << 077 << 0664;
        QTest::newRow("a symbolic link is written through") << "link" << 022 << 0640;
        QTest::newRow("standard output") << "-" << 022 << 0;
        QTest::newRow("a FIFO is written to, not replaced") << "fifo" << 022 << 0;
    }
    void writesWhereTheNameLeads()
    {
        QFETCH(QString, kind);
        QFETCH(int, umask);
        QFETCH(int, mode);
        Sandbox s;
        const QString album = s.path("album.pdf");
        QString written = album;
        QProcess reader;
        const auto older = [](const QString& path, int mode) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write("an older album\n") > 0 &&
                   ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
        };
        if (kind == "existing") {
            QVERIFY(older(album, 0664));
        } else if (kind == "link") {
            written = s.path("target.pdf");
            QVERIFY(older(written, 0640) && QFile::link("target.pdf", album));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(album).constData(), 0644), 0);
            written = s.path("read.pdf");
            reader.setStandardOutputFile(written);
            reader.start("cat", {album});
            QVERIFY(reader.waitForStarted());
        } else if (kind == "-") {
            written = s.path("out.pdf");
        }
        QStringList expected = entries(s);
        expected << QFileInfo(written).fileName();
        if (kind != "-")
            expected << QFileInfo(album).fileName();
        expected.removeDuplicates();
        expected.sort();

        Child child;
        child.umask = mode_t(umask);
        const ProgramRun run =
            s.run({"-o", kind == "-" ? "-" : "album.pdf", "pics"}, {}, false, child);
        QCOMPARE(run.errText(), QString());
        QCOMPARE(run.status, 0);
        if (kind == "-") {
            QFile out(written);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(run.out) == run.out.size());
        } else {
            QCOMPARE(run.out, QByteArray());
        }
        if (kind == "fifo") {
            QVERIFY(reader.waitForFinished(60000));
            QVERIFY(S_ISFIFO(modeOf(album)));
        }
        if (kind == "link")
            QVERIFY(S_ISLNK(modeOf(album)));
        QCOMPARE(PdfReader(written).pages(), 1);
        if (mode)
            QCOMPARE(modeOf(written) & 07777, mode);
        QCOMPARE(entries(s), expected);
    }

    // Ended by a signal half-way: ended cleanly by one it catches, at once by SIGKILL.
    void anInterruptionDeliversNothing_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGKILL") << int(SIGKILL);
    }
    void anInterruptionDeliversNothing()
    {
        QFETCH(int, signal);
        Sandbox s;
        const QByteArray bytes("an older album\n");
        QFile older(s.path("album.pdf"));
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write(bytes) == bytes.size());
        older.close();
        const QStringList before = entries(s);
        QProcess album;
        startProgram(album, Program, {"-o", "album.pdf", "-"}, s.options());
        album.write(QByteArray("pics/a2.bmp\n").repeated(5000));
        album.closeWriteChannel();
        // Once the pages are under way.
        QTRY_VERIFY_WITH_TIMEOUT(writesUnnamedInto(album.processId(), s.dir.path()), 60000);
        ::kill(pid_t(album.processId()), signal);
        QVERIFY(album.waitForFinished(60000));
        if (signal == SIGKILL) {
            QCOMPARE(album.exitStatus(), QProcess::CrashExit);
        } else {
            QCOMPARE(album.exitStatus(), QProcess::NormalExit);
            QCOMPARE(album.exitCode(), 128 + signal);
            QVERIFY(album.readAllStandardError().contains("Interrupted"));
        }
        QCOMPARE(contents(s.path("album.pdf")), bytes);
        QCOMPARE(entries(s), before);
    }

    void standardInputProgressAndTheUsersSettings()
    {
        Sandbox s;
        const QByteArray stored = contents(s.settings.fileName());
        // Paths one a line, empty lines skipped, line ends of either kind; the unit changes only
        // this album.
        ProgramRun run =
            s.run({"-o", "listed.pdf", "--unit", "cm", "-"}, "pics/c.jpg\r\n\npics/a2.bmp\n");
        QCOMPARE(run.errText(), QString());
        QCOMPARE(run.status, 0);
        const PdfReader pdf(s.path("listed.pdf"));
        const QImage page = pdf.page(1, Dpi);
        const double m = margin();
        QCOMPARE(pdf.imagePpi().size(), 2);
        QVERIFY(near(box(page, Pictures[3].colour), QRectF(m, m, 2, 2)));
        QVERIFY(near(box(page, Pictures[0].colour), QRectF(m + 2.5, m, 2, 2)));
        QCOMPARE(contents(s.settings.fileName()), stored);
        const QString creator = "Quenbrook " + QString::fromUtf16(VersionText);
        QCOMPARE(pdf.title(), "listed");
        QCOMPARE(pdf.creator(), creator);

        // With -0 the paths end in NUL bytes and may hold blanks and line ends; a hidden folder
        // named in a path is read.
        QVERIFY(QDir(s.dir.path()).mkdir(".hid"));
        QVERIFY(QFile::copy(s.path("pics/B3.bmp"), s.path(".hid/a b\nc.bmp")));
        run = s.run({"-0", "--title", "Holiday, 2019", "-o", "nul.pdf", "-"},
                    QByteArrayLiteral(".hid/a b\nc.bmp\0pics/a2.bmp\0"));
        QCOMPARE(run.errText(), QString());
        QCOMPARE(run.status, 0);
        const PdfReader nul(s.path("nul.pdf"));
        const QImage nulPage = nul.page(1, Dpi);
        QCOMPARE(nul.imagePpi().size(), 2);
        QCOMPARE(nul.title(), "Holiday, 2019");
        QCOMPARE(nul.creator(), creator);
        QVERIFY(near(box(nulPage, Pictures[2].colour), QRectF(m, m, 2, 2)));
        QVERIFY(near(box(nulPage, Pictures[0].colour), QRectF(m + 2.5, m, 2, 2)));

        // On a terminal the bar is redrawn on one line; --quiet keeps it quiet.
        if (QStandardPaths::findExecutable("script").isEmpty())
            QSKIP("script (util-linux) is not installed");
        run = s.run({"-o", "shown.pdf", "pics"}, {}, true);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.errText().contains("\r[") &&
                     run.errText().contains("page 1 of 1, picture 4 of 4") &&
                     run.errText().count('\n') == 1,
                 qPrintable(run.errText()));
        // The line ends in a summary, with no escape sequences for a dumb terminal or NO_COLOR.
        const QString done =
            QStringLiteral("\rDone: 1 page, 4 pictures, shown.pdf (%1 kB)")
                .arg(double(QFileInfo(s.path("shown.pdf")).size()) / 1024, 0, 'f', 0);
        QVERIFY2(run.errText().contains(done + "\x1b[K\r\n"), qPrintable(run.errText()));
        for (const char* plain : {"TERM=dumb", "NO_COLOR=1"}) {
            Child child;
            child.environment << plain;
            run = s.run({"-o", "shown.pdf", "pics"}, {}, true, child);
            QCOMPARE(run.status, 0);
            QVERIFY2(run.errText().contains(done) && !run.errText().contains('\x1b'),
                     qPrintable(run.errText()));
        }
        run = s.run({"-q", "-o", "shown.pdf", "pics"}, {}, true);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.errText(), QString());
    }

    // A name that is not UTF-8 (Latin-1 "café"): listed from its folder and taken from the
    // command line, read through the name as it is stored.
    void namesThatAreNotUtf8()
    {
        Sandbox s;
        QVERIFY(QDir(s.dir.path()).mkdir("latin"));
        const std::string stored =
            QFile::encodeName(s.path("latin/caf")).toStdString() + "\xe9.bmp";
        std::error_code error;
        std::filesystem::copy_file(QFile::encodeName(s.path("pics/a2.bmp")).toStdString(), stored,
                                   error);
        QVERIFY2(!error, error.message().c_str());
        // Qt cannot see the file to remove it.
        const auto removed = qScopeGuard([&] { std::filesystem::remove(stored, error); });

        const double m = margin();
        const auto printed = [&](const QString& album) {
            const PdfReader pdf(s.path(album));
            return pdf.pages() == 1 &&
                   near(box(pdf.page(1, Dpi), Pictures[0].colour), QRectF(m, m, 2, 2));
        };
        ProgramRun run = s.run({"-o", "folder.pdf", "latin"});
        QCOMPARE(run.errText(), QString());
        QCOMPARE(run.status, 0);
        QVERIFY(printed("folder.pdf"));

        // QProcess would pass the name as UTF-8: the shell makes the byte.
        QProcess shell;
        startProgram(shell, "/bin/sh",
                     {"-c", "exec \"$0\" -o named.pdf \"$(printf 'latin/caf\\351.bmp')\"", Program},
                     s.options());
        QVERIFY(shell.waitForFinished(120000));
        QCOMPARE(shell.readAllStandardError(), QByteArray());
        QCOMPARE(shell.exitCode(), 0);
        QVERIFY(printed("named.pdf"));
    }

    // --help lists the options the album settings declare and the few others, and the manual
    // page describes each of them and no other.
    void manualPageListsEveryOption()
    {
        const ProgramRun help = Sandbox().run({"--help"});
        QCOMPARE(help.status, 0);
        const auto names = [](const QString& text, const QRegularExpression& form) {
            QStringList found;
            for (const QRegularExpressionMatch& m : form.globalMatch(text))
                found << m.captured(1);
            found.removeDuplicates();
            found.sort();
            return found;
        };
        const QStringList helped = names(QString::fromLocal8Bit(help.out),
                                         QRegularExpression(R"(^ +(?:-\w, )?--([a-z0-9-]+))",
                                                            QRegularExpression::MultilineOption));
        QStringList declared;
        PrintSettings where;
        ForEachSingleSetting(where, [&](const auto& setting, auto&) {
            for (const auto& option : setting.Options)
                declared << option.Name;
        });
        // The options that are no setting.
        declared << QStringList{"output", "printer", "paper", "orientation", "pages",
                                "title",  "null",    "quiet", "help",        "version"};
        declared.sort();
        QCOMPARE(helped, declared);

        QString manual = QString::fromUtf8(contents(QStringLiteral(QUENBROOK_ALBUM_MANUAL)));
        QVERIFY(!manual.isEmpty());
        manual.replace("\\-", "-");
        QCOMPARE(names(manual, QRegularExpression("--([a-z0-9-]+)")), helped);
    }

    void printsOnACupsQueue()
    {
        if (!noScheduler_.isEmpty())
            QSKIP(qPrintable(noScheduler_));
        Sandbox s;
        const ProgramRun run = s.run({"-P", Queue, "--paper", "A5", "pics"});
        QCOMPARE(run.errText(), QString());
        QCOMPARE(run.status, 0);
        QTRY_COMPARE_WITH_TIMEOUT(scheduler_.activeJobs(Queue), 0, 120000);
        const QFileInfoList made = QDir(scheduler_.outputFolder()).entryInfoList({"*.pdf"});
        QVERIFY2(made.size() == 1, qPrintable(scheduler_.log()));
        const PdfReader pdf(made.first().filePath());
        const QSizeF size = pdf.points();
        // Two 2-inch cells across, three down on A5.
        QCOMPARE(pdf.pages(), 1);
        QVERIFY2(qAbs(size.width() - 420) < 2 && qAbs(size.height() - 595) < 2,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        const double m = margin();
        QVERIFY(near(box(pdf.page(1, Dpi), Pictures[2].colour), QRectF(m, m + 2.5, 2, 2)));
    }

private:
    const QString Queue = QStringLiteral("Album");
    CupsScheduler scheduler_;
    QString noScheduler_ = CupsScheduler::unavailable();
};

QTEST_MAIN(tst_AlbumCli)
#include "tst_albumcli.moc"
