// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/program/Application.h"
#include "support/AlbumFixtures.h"
#include "support/Golden.h"
#include "support/PdfReader.h"
#include "support/PhotoEncoders.h"
#include "support/SettingsSandbox.h"
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;
using albumtest::solidPicture;
using phototest::encoded;

namespace {

const QString Program = QStringLiteral(QUENBROOK_ALBUM_PROGRAM);

// In file-list order; a plain sort would put "B3.bmp" first and "a10.jpg" before "a2.bmp".
const char* const Names[] = {"a2.bmp", "a10.jpg", "B3.bmp", "c.jpg"};
const QRgb Colours[] = {0xDC0000, 0x00A000, 0x0000DC, 0xC800C8};

// A folder with the pictures (1000 pixels square: 500 ppi in 2-inch cells), a garbled JPEG
// between two good pictures, an empty folder, and the user's settings: 2-inch cells half an
// inch apart from the printable area's corner, no labels, no header, a footer "Stored", pictures
// at 150 ppi.
struct Sandbox
{
    Sandbox()
    {
        // Neither a hidden picture nor a folder named like one is listed.
        for (const char* folder : {"pics/sub.jpg", "mixed", "empty"})
            QDir(dir.path()).mkpath(folder);
        for (int i = 0; i < 4; ++i)
            solidPicture(dir, QStringLiteral("pics/") + Names[i], {1000, 1000}, Colours[i]);
        QFile::copy(path("pics/a2.bmp"), path("pics/.hidden.bmp"));
        QFile::copy(path("pics/a2.bmp"), path("mixed/a.bmp"));
        put("mixed/b.jpg", QByteArray("not a picture\n").repeated(40));
        QFile::copy(path("pics/c.jpg"), path("mixed/c.jpg"));
        options.unset = QStringList{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
        options.environment << "XDG_CONFIG_HOME=" + settings.home();
        options.workingDirectory = dir.path();
        settings.put({"Scale=Inch", "PictureMaxWidth=2", "PictureMaxHeight=2",
                      "PictureSpacingX=0.5", "PictureSpacingY=0.5", "PictureLabelSpacingY=0.1",
                      "PrintLabel=None", "Center=False", "HeaderStyle=0", "FooterStyle=2",
                      "FooterText=Stored", "PictureResolution=150"});
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // The program with no display, in the sandbox, with its settings, NAME=VALUE variables
    // besides, a full disk for files beyond `fileSizeLimit` bytes and the umask; run through
    // another program when given.
    ProgramRun run(const QStringList& arguments, const QByteArray& input = {},
                   const QStringList& environment = {}, rlim_t fileSizeLimit = RLIM_INFINITY,
                   mode_t umask = 022, const QString& program = Program) const
    {
        RunOptions child = options;
        child.environment += environment;
        child.input = input;
        child.inChild = [fileSizeLimit, umask] {
            const rlimit limit{fileSizeLimit, RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead
            ::umask(umask);
        };
        return runProgram(program, arguments, child);
    }

    // The bytes written as the file; none when they could not be.
    QByteArray put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? bytes : "";
    }

    // An album.pdf of some 1500 bytes, to see that a failure leaves it as it was.
    QByteArray olderAlbum() const { return put("album.pdf", QByteArray("older\n").repeated(250)); }

    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    }

    QTemporaryDir dir;
    SettingsSandbox settings;
    RunOptions options; // no display, the sandbox's folder and settings
};

QByteArray contents(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Where the page shows the colour, give or take `distance`.
QRect boxOf(const QImage& page, QColor colour, int distance)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (colourDistance(page.pixelColor(x, y), colour) < distance)
                box |= QRect(x, y, 1, 1);
    return box;
}

// A PDF as the tests compare it: pages, paper in points, the pictures' resolutions, where each
// picture's colour lies on page 1 and each word of it, in inches to 1/20.
QString described(const QString& file)
{
    const auto in = [](double points) { return qRound(points / 72 * 20) / 20.0; };
    const PdfReader pdf(file);
    QString text = QString::asprintf("%d page(s), %d x %d pt, ppi", pdf.pages(),
                                     qRound(pdf.points().width()), qRound(pdf.points().height()));
    for (int ppi : pdf.imagePpi())
        text += ' ' + QString::number(ppi);
    const QImage page = pdf.page(1, 20);
    for (int i = 0; i < 4; ++i) {
        const QRect box = boxOf(page, Colours[i], 60);
        if (!box.isNull()) // 20 pixels an inch
            text += QString::asprintf("\n%s at %g, %g size %g x %g", Names[i], box.x() / 20.0,
                                      box.y() / 20.0, box.width() / 20.0, box.height() / 20.0);
    }
    for (const auto& [word, at] : pdf.words(1).asKeyValueRange())
        text += QString::asprintf("\n\"%s\" from %g, %g to %g, %g", qUtf8Printable(word),
                                  in(at.left()), in(at.top()), in(at.right()), in(at.bottom()));
    return text + '\n';
}

// With no folder, whether the process's main thread is waiting for input to be ready; else
// whether it holds a file of the folder open that has no name there: an output being written.
bool waitsOrWritesUnnamedInto(qint64 pid, const QString& folder)
{
    if (folder.isEmpty())
        return contents(QStringLiteral("/proc/%1/wchan").arg(pid)).contains("poll");
    const QDir handles(QStringLiteral("/proc/%1/fd").arg(pid));
    const auto all = handles.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    return std::ranges::any_of(all, [&](const QString& handle) {
        const QFileInfo target(QFile::symLinkTarget(handles.filePath(handle)));
        return target.absolutePath() == folder && !target.exists();
    });
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
    }

    // Each set of options (tests/data/album/cli-options.rows) on Letter paper (a row's own paper
    // comes later and wins), and the pictures listed on standard input: paths one a line, empty
    // lines skipped, line ends of either kind; with -0 ended by NUL bytes, holding blanks and line
    // ends, in a hidden folder; a folder holding a Latin-1 name.
    void optionsReachTheLayout()
    {
        Sandbox s;
        QVERIFY(QDir(s.dir.path()).mkdir(".hid") && QDir(s.dir.path()).mkdir("latin") &&
                QFile::copy(s.path("pics/B3.bmp"), s.path(".hid/a b\nc.bmp")));
        // A name that is not UTF-8, read through the name as it is stored.
        const QByteArray latin1 = QFile::encodeName(s.path("latin/caf")) + "\xe9.bmp";
        QCOMPARE(::link(QFile::encodeName(s.path("pics/a2.bmp")), latin1), 0);
        const auto removed = qScopeGuard([&] { ::unlink(latin1); });
        const QByteArray stored = contents(s.settings.fileName());
        const QString maker = "Quenbrook " + QString::fromUtf16(quenbrook::VersionText) + ", ";
        QString out;
        for (const QString& row : dataLines("album/cli-options.rows")) {
            const bool nul = row.startsWith("-0");
            const ProgramRun run = s.run(("--paper Letter -o album.pdf " + row).split(' '),
                                         nul ? QByteArrayLiteral(".hid/a b\nc.bmp\0pics/a2.bmp\0")
                                             : QByteArrayLiteral("pics/c.jpg\r\n\npics/a2.bmp\n"));
            QVERIFY2(run.status == 0 && run.err.isEmpty(), qPrintable(row + run.errText()));
            out += "== " + row + '\n' + described(s.path("album.pdf"));
            const PdfReader pdf(s.path("album.pdf"));
            QCOMPARE(pdf.creator() + ", " + pdf.title(), maker + (nul ? "Holiday,2019" : "album"));
        }
        QUENBROOK_COMPARE_GOLDEN("album/cli-options.txt", out);
        QCOMPARE(contents(s.settings.fileName()), stored); // options change only this album
    }

    // Each failure says why on standard error, with the usage for a wrong command line (status
    // 2), writes nothing and leaves every file as it was. "full" runs on a disk that takes 8000
    // bytes a file (the album is some 17 000). Paper is Letter less the PDF printer's margins.
    // --help shows the usage.
    void failuresDeliverNothing()
    {
        QString out;
        for (const QString& arguments : dataLines("album/cli-failures.rows")) {
            Sandbox s;
            s.olderAlbum();
            const QByteArray at = QFile::encodeName(s.dir.path()) + '/';
            // Links, each named before what it points to.
            for (const QByteArray link :
                 {"soft.pdf pics/c.jpg", "chain.pdf soft.pdf", "link.pdf hard.pdf",
                  "dirlink.pdf pics/", "zero.jpg /dev/zero"})
                QCOMPARE(::symlink(link.split(' ')[1], at + link.split(' ')[0]), 0);
            QVERIFY(::mkfifo(at + "fifo.jpg", 0644) == 0 &&
                    ::link(at + "mixed/a.bmp", at + "hard.pdf") == 0);
            // The folder's names, the album and the pictures.
            const auto state = [&] {
                QByteArray all = s.entries().join('/').toUtf8() + contents(s.path("album.pdf"));
                for (const char* folder : {"pics", "mixed"})
                    for (const QFileInfo& file : QDir(s.path(folder)).entryInfoList(QDir::Files))
                        all += file.fileName().toUtf8() + contents(file.filePath());
                return all;
            };
            const QByteArray before = state();
            QStringList words = arguments.split(' ');
            const rlim_t limit = words.removeAll("full") ? 8000 : RLIM_INFINITY;
            const ProgramRun run = s.run(words, {}, {}, limit);
            QString said = run.errText().section('\n', 0, 0).replace(s.dir.path(), "<dir>");
            out += arguments + " -> " + QString::number(run.status) + ": " +
                   said.replace(QDir::tempPath(), "<tmp>") + '\n';
            QVERIFY2((run.status == 1 || run.errText().contains("\nUsage:")) && run.out.isEmpty() &&
                         state() == before,
                     qPrintable(arguments));
        }
        QUENBROOK_COMPARE_GOLDEN("album/cli-failures.txt", out);
        const ProgramRun help = Sandbox().run({"--help"});
        QCOMPARE(help.status, 0);
        QUENBROOK_COMPARE_GOLDEN("album/cli-help.txt", QString::fromLocal8Bit(help.out));
    }

    // Each way the output's name can lead: the PDF ends up there, whole, with the permissions a
    // file would get from an editor (an existing file or a link's target keeps its mode), and
    // nothing else is left in the folder; a FIFO is written to, not replaced. A name through
    // folders is followed as the system follows it, with each ".." after the link before it,
    // and the older album.pdf stays as it was.
    void writesWhereTheNameLeads()
    {
        // What album.pdf is or the name given, the umask, the mode the PDF gets (0: not
        // checked), the file it ends up in and what album.pdf is then.
        for (const auto& [kind, umask, mode, file, type] :
             {std::tuple{"new", 077, 0600, "album.pdf", S_IFREG},
              {"new", 022, 0644, "album.pdf", S_IFREG},
              {"existing", 077, 0664, "album.pdf", S_IFREG},
              {"link", 022, 0640, "target.pdf", S_IFLNK},
              {"-", 022, 0, "out.pdf", 0},
              {"fifo", 022, 0, "read.pdf", S_IFIFO},
              {"jump/../album.pdf", 022, 0, "mixed/album.pdf", S_IFREG},
              {"./pics/../new.pdf", 022, 0, "new.pdf", S_IFREG},
              {"pics//..//jump/./../made.pdf", 022, 0, "mixed/made.pdf", S_IFREG}}) {
            Sandbox s;
            const QString album = s.path("album.pdf"), which = kind, written = s.path(file);
            const bool typed = which.contains('/');
            const QByteArray older = typed ? s.olderAlbum() : QByteArray();
            QProcess reader;
            // An older file there, or at the link's target.
            QVERIFY(mode <= 0600 || (!s.put(file, "older").isEmpty() &&
                                     ::chmod(QFile::encodeName(written), mode_t(mode)) == 0));
            QVERIFY(!typed || (QDir(s.dir.path()).mkpath("mixed/inner") &&
                               QFile::link("mixed/inner", s.path("jump"))));
            QVERIFY(which != "link" || QFile::link("target.pdf", album));
            if (which == "fifo") {
                QCOMPARE(::mkfifo(QFile::encodeName(album).constData(), 0644), 0);
                reader.setStandardOutputFile(written);
                reader.start("cat", {album});
            }
            // The folder as it was, the file written and the name given ("." for standard output).
            QStringList expected = s.entries() << QString(file).section('/', 0, 0)
                                               << (which == "-" ? "." : "album.pdf");
            expected.removeDuplicates();
            expected.sort();
            const ProgramRun run =
                s.run({"-o", typed || which == "-" ? which : "album.pdf", "pics"}, {}, {},
                      RLIM_INFINITY, mode_t(umask));
            QVERIFY2(run.status == 0 && run.err.isEmpty(), qPrintable(which + run.errText()));
            QCOMPARE(run.out.isEmpty(), which != "-");
            QVERIFY(which != "-" || s.put(file, run.out) == run.out);
            QVERIFY(which != "fifo" || reader.waitForFinished(60000));
            QCOMPARE(modeOf(album) & S_IFMT, int(type));
            QVERIFY2(!typed || contents(album) == older, qPrintable(which));
            QCOMPARE(PdfReader(written).pages(), 1);
            QVERIFY(mode == 0 || (modeOf(written) & 07777) == mode);
            QCOMPARE(s.entries(), expected);
        }
    }

    // Ended by a signal: by one it catches within a second, while it waits for its list, while
    // the pictures are loaded or when the album is about to take its place, or at once by
    // SIGKILL; the older album stays as it was and the status says which signal it was.
    void anInterruptionDeliversNothing()
    {
        // While the pages are under way ("pages"), while it waits for its list on a silent input
        // ("silent"), and as the finished album is synced to disk, just before it would be put
        // in place ("sync").
        for (const QString moment : {"pages", "silent", "sync"})
            for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
                const bool silent = moment == "silent";
                if (moment == "sync" && (signal == SIGHUP || signal == SIGKILL))
                    continue;
                const QString row = moment + ", signal " + QString::number(signal) + ": ";
                Sandbox s;
                const QByteArray bytes = silent ? QByteArray() : s.olderAlbum();
                const QStringList before = s.entries();
                ProgramRun run; // the status -1 when it was killed
                if (moment == "sync") {
                    run = s.run({"-o", "album.pdf", "pics"}, {},
                                {"LD_PRELOAD=" + QStringLiteral(QUENBROOK_SIGNAL_AT_SYNC),
                                 "QUENBROOK_SIGNAL_AT_SYNC=" + QString::number(signal),
                                 "QUENBROOK_SIGNAL_AT_SYNC_FOLDER=" +
                                     QFileInfo(s.dir.path()).canonicalFilePath()});
                } else {
                    QProcess album;
                    startProgram(album, Program, {"-o", "album.pdf", "-"}, s.options);
                    if (!silent)
                        album.write(QByteArray("pics/a2.bmp\n").repeated(5000)),
                            album.closeWriteChannel();
                    QTRY_VERIFY_WITH_TIMEOUT(
                        waitsOrWritesUnnamedInto(album.processId(), silent ? "" : s.dir.path()),
                        60000);
                    ::kill(pid_t(album.processId()), signal);
                    QVERIFY2(album.waitForFinished(1000), qPrintable(row + "still running 1 s on"));
                    run.status = album.exitStatus() == QProcess::NormalExit ? album.exitCode() : -1;
                    run.err = album.readAllStandardError();
                }
                QVERIFY2(run.status == (signal == SIGKILL ? -1 : 128 + signal) &&
                             (silent || signal == SIGKILL || run.errText().contains("Interrupted")),
                         qPrintable(row + QString::number(run.status) + ' ' + run.errText()));
                QCOMPARE(contents(s.path("album.pdf")), bytes);
                QCOMPARE(s.entries(), before);
            }
    }

    // Standard input's list is bounded: a name as long as the longest path the system takes
    // and a list of 32 MB are read, one byte more of either is a wrong command line; endless
    // input is read no further than that.
    void listsOnInputAreBounded()
    {
        Sandbox s;
        const qint64 list = qint64(32) << 20;
        const QByteArray picture = "pics/a2.bmp", name(4095, 'a');
        const QByteArray lines(list - picture.size() - 1, '\n'), nuls(list - picture.size(), '\0');
        // No input here stands for endless input; a failure writes nothing.
        for (const auto& [nul, input, status, said] :
             {std::tuple{false, QByteArray(), 2, "longer than 4095 bytes"},
              {true, QByteArray(), 2, "longer than 32 MB"},
              {false, name + "\n", 1, "file not found"},
              {false, name + "a\n", 2, "longer than 4095 bytes"},
              {true, name + 'a', 2, "longer than 4095 bytes"},
              {false, lines + '\n' + picture + '\n', 2, "longer than 32 MB"},
              {true, nuls + '\0' + picture, 2, "longer than 32 MB"},
              {false, lines + picture + '\n', 0, ""},
              {true, nuls + picture, 0, ""}}) {
            RunOptions options = s.options;
            options.input = input;
            if (input.isEmpty())
                options.inChild = [] { ::dup2(::open("/dev/zero", O_RDONLY), STDIN_FILENO); };
            const QStringList arguments = QStringList{"-0", "-o", "album.pdf", "-"}.mid(!nul);
            const ProgramRun run = runProgram(Program, arguments, options);
            QVERIFY2(run.status == status && run.errText().contains(said) &&
                         run.errText().contains("\nUsage:") == (status == 2) &&
                         (status == 0 || !QFile::exists(s.path("album.pdf"))),
                     qPrintable(
                         (input.isEmpty() ? "endless" : QString::number(input.size()) + " bytes") +
                         (nul ? " NUL-ended: " : ": ") + QString::number(run.status) + ' ' +
                         run.errText().left(300)));
        }
    }

    // On a terminal the bar is redrawn on one line and ends in a summary; with no escape
    // sequences for a dumb terminal or NO_COLOR; --quiet keeps it quiet.
    void progress()
    {
        Sandbox s;
        // Each row an option or a variable of the environment.
        for (const QString environment : {"", "TERM=dumb", "NO_COLOR=1", "-q"}) {
            // On a terminal of its own through script(1), whose output is all the terminal shows.
            const ProgramRun run =
                s.run({"-qec", Program + (environment == "-q" ? " -q" : "") + " -o shown.pdf pics",
                       "/dev/null"},
                      {}, QStringList{environment}.filter("="), RLIM_INFINITY, 022, "script");
            const QString said = QString::fromLocal8Bit(run.err + run.out);
            const QString done =
                QStringLiteral("\rDone: 1 page, 4 pictures, shown.pdf (%1 kB)")
                    .arg(double(QFileInfo(s.path("shown.pdf")).size()) / 1024, 0, 'f', 0);
            const bool shown = environment == "-q" ? said.isEmpty() : said.contains(done);
            const bool bar = said.contains("\r[") && said.contains("page 1 of 1, picture 4 of 4") &&
                             said.count('\n') == 1 && said.contains(done + "\x1b[K\r\n");
            QVERIFY2(run.status == 0 && shown &&
                         (environment.isEmpty() ? bar : !said.contains('\x1b')),
                     qPrintable(environment + ": " + said));
        }
    }

    // A folder of today's photo types, each made by its encoder in its own colour, and the two
    // JPEG names the file panes leave out: every one is printed, in file-list order, in its
    // colour; ".png" given as a picture also reads, and naming the output like one is refused.
    void todaysPhotoTypes()
    {
        Sandbox s;
        QVERIFY(QDir(s.dir.path()).mkdir("photos"));
        const std::pair<QString, QRgb> photos[] = {
            {"a.PNG", 0xDC0000},  {"b.tif", 0x00A000}, {"c.webp", 0x0000DC}, {"d.heic", 0xC800C8},
            {"e.avif", 0x00AAAA}, {"f.jpe", 0xE6C800}, {"g.jfif", 0xF07800}, {"h.tiff", 0x5A280A}};
        QStringList missing;
        QList<QColor> made;
        for (const auto& [name, colour] : photos) {
            QImage image(300, 300, QImage::Format_RGB32);
            image.fill(colour);
            if (const QString why = encoded(image, s.path("photos/") + name); why.isEmpty())
                made << colour;
            else
                missing << name + ": " + why;
        }
        const ProgramRun run = s.run({"--paper", "A4", "-o", "album.pdf", "photos"});
        QVERIFY2(run.status == 0 && run.err.isEmpty(), qPrintable(run.errText()));
        const PdfReader pdf(s.path("album.pdf"));
        QCOMPARE(pdf.imagePpi().size(), made.size());
        // Three 2-inch cells across A4, 50 pixels apart at 20 dpi, filled in reading order.
        const QImage page = pdf.page(1, 20);
        int top = -1, last = -1;
        for (const QColor& colour : made) {
            const QRect box = boxOf(page, colour, 40);
            top = top < 0 ? box.y() : top;
            const int place = (box.y() - top + 25) / 50 * 10000 + box.x();
            QVERIFY2(!box.isNull() && place > last, qPrintable(colour.name()));
            last = place;
        }
        QCOMPARE(s.run({"-o", "one.pdf", "photos/a.PNG"}).status, 0);
        const ProgramRun named = s.run({"-o", "album.heic", "photos"});
        QVERIFY2(named.status == 2 && named.errText().contains("is named like a picture"),
                 qPrintable(named.errText()));
        if (!missing.isEmpty())
            QSKIP(qPrintable("Not made, so not checked: " + missing.join("; ")));
    }

    // A paper given by its size is exactly that size, by its photo-pack name or with a unit in
    // any form, up to a metre a side.
    void paperBySize()
    {
        Sandbox s;
        // paper; width; height in points
        for (const QString row :
             {"10x15cm;283.46;425.20", "10x15;283.46;425.20", "13x18;368.50;510.24", "4x6;288;432",
              "5X7;360;504", "4x6IN;288;432", "130mm×180mm;368.50;510.24",
              " 10.5 x 14.8 cm ;297.64;419.53", "100x100cm;2834.65;2834.65",
              "39.37x10in;2834.64;720", "100x5.08cm;2834.65;144", "1.5x2in;108;144"}) {
            const QStringList paper = row.split(';');
            const ProgramRun run =
                s.run({"--paper", paper[0], "--cell-width", "0.4in", "--cell-height", "0.4in", "-o",
                       "album.pdf", "pics/c.jpg"});
            const QSizeF pt = PdfReader(s.path("album.pdf")).points();
            QVERIFY2(run.status == 0 && std::abs(pt.width() - paper[1].toDouble()) < 0.05 &&
                         std::abs(pt.height() - paper[2].toDouble()) < 0.05,
                     qPrintable(row + QString::asprintf(": %g x %g ", pt.width(), pt.height()) +
                                run.errText()));
        }
    }
};

QUENBROOK_TEST(tst_AlbumCli)
#include "tst_albumcli.moc"
