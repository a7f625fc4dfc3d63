// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What each fuzz target makes of one input, as one line of text that a replay can compare.
// A line starting with "FAULT: " is a rule of the program broken; the fuzzer stops on it.

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace fuzzing {

using Outcome = QString (*)(QByteArrayView input);

struct Target
{
    const char* name; // as in fuzz/corpus/fuzz_<name>
    Outcome outcome;
};

QString PicturesOutcome(QByteArrayView input); // its start names or picks the picture type
QString PhotosOutcome(QByteArrayView input);   // the same among quenbrook-album's own types
QString NumbersOutcome(QByteArrayView input);
QString CommandLineOutcome(QByteArrayView input);
QString HandOffOutcome(QByteArrayView input);
QString PrintSettingsOutcome(QByteArrayView input);
QString MetafilesOutcome(QByteArrayView input); // the first byte picks wmf (even) or emf

// A picture file loaded as the album loads it: "refused: <reason>" or
// "loads [drawing ]WxH, holds N bytes", the same pixels each time.
QString PictureFileOutcome(const QString& path);

const QList<Target>& Targets();
const Target* FindTarget(const QString& name);

inline QString Fault(const QString& why)
{
    return QStringLiteral("FAULT: ") + why;
}

// The targets decode pictures and measure fonts, which needs a GUI application; the offscreen
// platform needs no display.
void StartApplication();

// The input as a file at path, its folder made if need be.
void WriteInput(const QString& path, QByteArrayView input);

} // namespace fuzzing
