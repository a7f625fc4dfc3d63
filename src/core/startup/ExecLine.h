#pragma once

#include <QString>

namespace quenbrook {

// The Exec line of a desktop entry that runs a command written the registry way: arguments
// separated by blanks, double quotes around one holding blanks, "%1" for the file. The file
// becomes the field code %f; other arguments are quoted and escaped as desktop entries require.
QString ExecLine(const QString& command);

} // namespace quenbrook
