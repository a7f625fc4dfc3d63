// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <memory>

class QMimeData;

namespace quenbrook {

// The four filter buttons of a window's toolbar, one for each group of picture types.
struct FilterButtons
{
    bool Bitmap = true;
    bool Gif = true;
    bool Jpeg = true;
    bool Icon = true;
};

// The file list's pattern for the pressed buttons, in the order Bitmap, Gif, Jpeg, Icon, each
// button's types in their fixed order; empty when none is pressed.
QString FilterPattern(FilterButtons pressed);

// A file of a folder as one path: one "/" between them, none added after the root.
QString FolderAndFile(const QString& folder, const QString& fileName);

// What a drag of one file carries: its local URL as a text/uri-list.
std::unique_ptr<QMimeData> FileDragData(const QString& path);

} // namespace quenbrook
