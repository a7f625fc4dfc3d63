#pragma once

#include <QString>
#include <QStringList>

class QMimeData;

namespace quenbrook {

// The four filter buttons of the Album Printer's toolbar.
struct FilterButtons
{
    bool Bitmap = true;
    bool Gif = true;
    bool Jpeg = true;
    bool Icon = true;
};

// The file list's pattern for the pressed buttons, in the order Bitmap, Gif, Jpeg, Icon; empty
// when none is pressed.
QString FilterPattern(FilterButtons pressed);

// A file of a folder as one path: one "/" between them, none added after the root.
QString FolderAndFile(const QString& folder, const QString& fileName);

// The dropped files that are pictures by name, as local paths in the order the data lists them;
// none when the data carries no list of files (a text/uri-list).
QStringList DroppedPictureFiles(const QMimeData& data);

} // namespace quenbrook
