// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "cli/AlbumRequest.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quenbrook {

// The command line read: either a request to run, or a text to show and the status to end with
// (--help and --version on standard output, a usage error on standard error).
struct ParsedCommandLine
{
    std::optional<AlbumRequest> Request;
    QString Text;
    int Status = ExitDone;
};

// One of quenbrook-album's options as --help shows it, with the words its value may be when they
// are a fixed list ("inch", "cm"), or whether it is a length.
struct AlbumOption
{
    QCommandLineOption Option;
    QStringList Words = {};
    bool Length = false;
};

// Every option, in the order --help lists them.
QList<AlbumOption> AlbumOptionList();

// A usage error's text: the problem, how to call the program, where to find more.
QString UsageText(const QString& problem);

// arguments include the program's name first.
ParsedCommandLine ParseAlbumCommandLine(const QStringList& arguments);

} // namespace quenbrook
