// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A CUPS scheduler of the test's own, with a PDF printer made by CUPS-PDF. Configuration (from
// tests/data/cups, %1 standing for the folder), spool, logs and socket sit in a temporary folder.
// CUPS-PDF reads only /etc/cups/cups-pdf.conf, so the scheduler runs in a mount namespace of its
// own where a copy writing into the folder is bound over that file: nothing outside the folder
// changes. The scheduler ends with the object, or with the test program if that dies first.

#include "support/TestData.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

class CupsScheduler
{
public:
    // Why no scheduler can run here; empty when one can.
    static QString unavailable()
    {
        if (geteuid() != 0)
            return QStringLiteral("printing through CUPS needs root");
        for (const char* file : {Cupsd, "/usr/lib/cups/backend/cups-pdf", CupsPdfConf})
            if (!QFileInfo::exists(QLatin1String(file)))
                return QLatin1String(file) + QStringLiteral(" is not installed");
        return QString();
    }

    ~CupsScheduler() { stop(); }

    // Starts the scheduler, points this program's CUPS clients at it and adds the printer, with
    // lpadmin's `options` ("-o", "PageSize=Letter"), as its default printer; the error, or empty
    // when all is ready.
    QString start(const QString& printer, const QStringList& options = {})
    {
        // Filters run as lp and must reach the spool.
        QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFile::ExeOther |
                                               QFile::ReadOther | QFile::ExeGroup);
        for (const char* folder : {"conf", "spool", "cache", "state", "log", "pdf"})
            QDir(dir_.path()).mkpath(QLatin1String(folder));
        for (const char* name : {"conf/cupsd.conf", "conf/cups-files.conf", "cups-pdf.conf"}) {
            const QStringList lines = testsupport::dataLines("cups/" + QFileInfo(name).fileName());
            testsupport::savedFile(dir_.path(), name,
                                   (lines.join('\n') + '\n').arg(dir_.path()).toUtf8());
        }

        cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start("unshare", {"--mount", "--propagation", "private", "/bin/sh", "-c",
                                 "mount --bind \"$1\" \"$2\" && exec \"$3\" -f -c \"$4\" -s \"$5\"",
                                 "sh", path("cups-pdf.conf"), CupsPdfConf, Cupsd,
                                 path("conf/cupsd.conf"), path("conf/cups-files.conf")});
        const auto answers = [&] {
            QLocalSocket probe;
            probe.connectToServer(path("cups.sock"));
            return cupsd_.state() == QProcess::NotRunning || probe.waitForConnected(100);
        };
        if (!QTest::qWaitFor(answers, 30000) || cupsd_.state() == QProcess::NotRunning)
            return "the scheduler did not start: " + cupsd_.readAll() + log();
        qputenv("CUPS_SERVER", path("cups.sock").toLocal8Bit());
        // CUPS keeps the server it was last told of.
        cupsSetServer(path("cups.sock").toLocal8Bit().constData());
        const QString error = addPrinter(printer, options);
        const bool chosen = error.isEmpty() &&
                            !QProcess::execute("lpadmin", {"-h", path("cups.sock"), "-d", printer});
        return error.isEmpty() && !chosen ? "lpadmin failed: " + log() : error;
    }

    // Adds another PDF printer, with lpadmin's `options`: CUPS-PDF's own PPD unless they give one
    // ("-P", file), a description with "-D"; the error, or empty when it is ready.
    QString addPrinter(const QString& printer, const QStringList& options = {})
    {
        QStringList arguments{"-h", path("cups.sock"), "-p", printer, "-E", "-v", "cups-pdf:/"};
        if (!options.contains("-P"))
            arguments += {"-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"};
        return QProcess::execute("lpadmin", arguments + options) ? "lpadmin failed: " + log()
                                                                 : QString();
    }

    // CUPS-PDF's PPD with another imageable area for Letter ("left bottom right top" in points),
    // written into the scheduler's folder; its path.
    QString letterPpd(const QString& name, const QString& imageableArea) const
    {
        QFile in(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"));
        if (!in.open(QIODevice::ReadOnly))
            return QString();
        return testsupport::savedFile(
            path("conf"), name + ".ppd",
            in.readAll().replace("*ImageableArea Letter/US Letter: \"0 0 612 792\"",
                                 "*ImageableArea Letter/US Letter: \"" + imageableArea.toUtf8() +
                                     '"'));
    }

    void stop()
    {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(15000))
            cupsd_.kill();
        cupsd_.waitForFinished(5000);
    }

    // How many jobs of the printer are still pending, held, processing or stopped.
    int activeJobs(const QString& printer) const
    {
        cups_job_t* jobs = nullptr;
        const int count =
            cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, qPrintable(printer), 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(count, jobs);
        return count;
    }

    // Where CUPS-PDF puts the documents.
    QString outputFolder() const { return path("pdf"); }

    QString log() const
    {
        QFile file(path("log/error_log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().right(3000))
                                              : QString();
    }

private:
    static constexpr const char* Cupsd = "/usr/sbin/cupsd";
    static constexpr const char* CupsPdfConf = "/etc/cups/cups-pdf.conf";

    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    QTemporaryDir dir_;
    QProcess cupsd_;
};
