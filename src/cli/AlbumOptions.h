#pragma once

#include "cli/AlbumRequest.h"

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

// A usage error's text: the problem, how to call the program, where to find more.
QString UsageText(const QString& problem);

// arguments include the program's name first.
ParsedCommandLine ParseAlbumCommandLine(const QStringList& arguments);

} // namespace quenbrook
