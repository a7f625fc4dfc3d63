// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace quenbrook {

// The run's progress on standard error, redrawn on one line: a bar, the page and the picture.
// Shown only when standard error is a terminal and the run is not quiet.
class ProgressLine
{
public:
    explicit ProgressLine(bool quiet);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    bool shown() const { return shown_; }

    // The job prints pages first to last, pictures in all.
    void start(qint32 first, qint32 last, qint64 pictures);
    // Before each picture is drawn.
    void picture(qint32 page, const QString& path);
    // Ends the line, so that a message or the shell prompt starts on a line of its own.
    void finish();
    // Replaces the line with what was done and ends it: "Done: 2 pages, 7 pictures, album.pdf
    // (1.2 MB)". bytes < 0: the size is not known.
    void summary(qint32 pages, qint64 pictures, const QString& where, qint64 bytes);

private:
    void draw(const QString& text);

    bool shown_ = false;
    bool plain_ = false;  // TERM=dumb or NO_COLOR: no escape sequences
    qsizetype width_ = 0; // of the line last drawn
    bool drawn_ = false;
    qint32 first_ = 1;
    qint32 last_ = 1;
    qint64 pictures_ = 0;
    qint64 done_ = 0;
};

} // namespace quenbrook
