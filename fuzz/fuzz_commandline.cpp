// The command line's cutting over any text: the command type and the path after a switch.
#include "core/startup/CommandLine.h"

#include <cstdlib>

using namespace quenbrook;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const CommandType type = GetCommandType(text);
    for (const QString& commandSwitch : {AddSwitch, ViewSwitch}) {
        const QString path = CommandPath(text, commandSwitch);
        // The path is cut from the text after the switch, so it is never longer than that.
        if (path.size() > text.size())
            std::abort();
        if (!text.contains(commandSwitch) && !path.isEmpty())
            std::abort();
    }
    if ((type == CommandType::None) != (!text.contains(AddSwitch) && !text.contains(ViewSwitch)))
        std::abort();
    return 0;
}
