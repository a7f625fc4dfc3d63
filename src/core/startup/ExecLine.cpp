// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/ExecLine.h"

#include <QStringList>

namespace quenbrook {
namespace {

// Reserved characters that make an Exec argument need quotes.
bool needsQuotes(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (argument.isEmpty())
        return true;
    for (const QChar c : argument)
        if (reserved.contains(c))
            return true;
    return false;
}

QString execArgument(QString argument)
{
    argument.replace(QLatin1Char('%'), QLatin1String("%%"));
    if (!needsQuotes(argument))
        return argument;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

} // namespace

QStringList CommandArguments(const QString& command)
{
    QStringList arguments;
    QString argument;
    bool inQuotes = false;
    bool started = false;
    for (const QChar c : command) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            started = true;
        } else if (c.isSpace() && !inQuotes) {
            if (started)
                arguments << argument;
            argument.clear();
            started = false;
        } else {
            argument += c;
            started = true;
        }
    }
    if (started)
        arguments << argument;
    return arguments;
}

QString ExecLine(const QString& command, const QStringList& extra)
{
    QStringList arguments = CommandArguments(command);
    if (!arguments.isEmpty())
        arguments = arguments.mid(0, 1) + extra + arguments.mid(1);
    for (QString& each : arguments)
        each = each == QLatin1String("%1") ? QStringLiteral("%F") : execArgument(each);
    return arguments.join(QLatin1Char(' '));
}

} // namespace quenbrook
