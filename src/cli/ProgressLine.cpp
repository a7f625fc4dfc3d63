#include "cli/ProgressLine.h"

#include "core/program/FileNames.h"

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

} // namespace

ProgressLine::ProgressLine(bool quiet)
    : shown_(!quiet && isatty(STDERR_FILENO))
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
    draw(QStringLiteral("[%1] page %2 of %3, picture %4 of %5  %6")
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
    std::fprintf(stderr, "\r%s\x1b[K", line.toLocal8Bit().constData());
    std::fflush(stderr);
    drawn_ = true;
}

void ProgressLine::finish()
{
    if (drawn_)
        std::fputs("\n", stderr);
    drawn_ = false;
}

} // namespace quenbrook
