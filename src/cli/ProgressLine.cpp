// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/ProgressLine.h"

#include "core/program/FileNames.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace quenbrook {
namespace {

constexpr int BarWidth = 24;

int terminalColumns()
{
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

// A terminal that takes no escape sequences, or a user who wants none.
bool plainTerminal()
{
    return qgetenv("TERM") == "dumb" || qEnvironmentVariableIsSet("NO_COLOR");
}

QString sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return QCoreApplication::translate("quenbrook-album", "%1 bytes").arg(bytes);
    const char* const units[] = {"kB", "MB", "GB"};
    double value = double(bytes) / 1024;
    int unit = 0;
    for (; value >= 1024 && unit < 2; ++unit)
        value /= 1024;
    return QString::number(value, 'f', value < 10 ? 1 : 0) + QLatin1Char(' ') +
           QLatin1String(units[unit]);
}

// "1 page", "2 pages": the text for one, or for any other count.
QString counted(qint64 count, const char* one, const char* many)
{
    return QCoreApplication::translate("quenbrook-album", count == 1 ? one : many).arg(count);
}

} // namespace

ProgressLine::ProgressLine(bool quiet)
    : shown_(!quiet && isatty(STDERR_FILENO))
    , plain_(plainTerminal())
{}

ProgressLine::~ProgressLine()
{
    finish();
}

void ProgressLine::start(qint32 first, qint32 last, qint64 pictures)
{
    first_ = first;
    last_ = last;
    pictures_ = std::max<qint64>(pictures, 1);
    done_ = 0;
}

void ProgressLine::picture(qint32 page, const QString& path)
{
    if (!shown_)
        return;
    ++done_;
    const int filled = int(std::min<qint64>(BarWidth, done_ * BarWidth / pictures_));
    const QString bar =
        QString(filled, QLatin1Char('#')) + QString(BarWidth - filled, QLatin1Char('-'));
    const QString pages =
        first_ == 1 ? QString::number(last_) : QStringLiteral("%1-%2").arg(first_).arg(last_);
    draw(QCoreApplication::translate("quenbrook-album", "[%1] page %2 of %3, picture %4 of %5  %6")
             .arg(bar)
             .arg(page)
             .arg(pages)
             .arg(done_)
             .arg(pictures_)
             .arg(ShownFileName(QFileInfo(path).fileName())));
}

void ProgressLine::draw(const QString& text)
{
    // One column is kept free so that the terminal does not wrap.
    const QString line = text.left(std::max(terminalColumns() - 1, 1));
    // Without escape sequences, blanks clear what is left of a longer line before.
    const QString rest =
        plain_ ? QString(std::max<qsizetype>(width_ - line.size(), 0), QLatin1Char(' '))
               : QStringLiteral("\x1b[K");
    std::fprintf(stderr, "\r%s%s", line.toLocal8Bit().constData(), rest.toLatin1().constData());
    std::fflush(stderr);
    width_ = line.size();
    drawn_ = true;
}

void ProgressLine::summary(qint32 pages, qint64 pictures, const QString& where, qint64 bytes)
{
    if (!shown_)
        return;
    QString text = QCoreApplication::translate("quenbrook-album", "Done: %1, %2, %3")
                       .arg(counted(pages, QT_TRANSLATE_NOOP("quenbrook-album", "%1 page"),
                                    QT_TRANSLATE_NOOP("quenbrook-album", "%1 pages")),
                            counted(pictures, QT_TRANSLATE_NOOP("quenbrook-album", "%1 picture"),
                                    QT_TRANSLATE_NOOP("quenbrook-album", "%1 pictures")),
                            where);
    if (bytes >= 0)
        text += QStringLiteral(" (%1)").arg(sizeText(bytes));
    draw(text);
    finish();
}

void ProgressLine::finish()
{
    if (drawn_)
        std::fputs("\n", stderr);
    drawn_ = false;
}

} // namespace quenbrook
