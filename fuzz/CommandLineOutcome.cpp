// SPDX-License-Identifier: GPL-2.0-or-later
// The command line's cutting over any text: the command type and the path after a switch.
#include "FuzzTargets.h"
#include "core/startup/CommandLine.h"

using namespace quenbrook;

namespace fuzzing {

QString CommandLineOutcome(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    const CommandType type = GetCommandType(text);
    QString outcome = QStringLiteral("type %1").arg(int(type));
    for (const QString& commandSwitch : {AddSwitch, ViewSwitch}) {
        const QString path = CommandPath(text, commandSwitch);
        // The path is cut from the text after the switch, so it is never longer than that.
        if (path.size() > text.size())
            return Fault("a path longer than the text: " + path);
        if (!text.contains(commandSwitch) && !path.isEmpty())
            return Fault("a path without its switch: " + path);
        outcome += QStringLiteral(" [%1]").arg(path);
    }
    if ((type == CommandType::None) != (!text.contains(AddSwitch) && !text.contains(ViewSwitch)))
        return Fault(outcome + " for a text with a switch in it or none");
    return outcome;
}

} // namespace fuzzing
