// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

class QMimeData;

namespace quenbrook {

// The dropped files that are pictures by name, as local paths in the order the data lists them;
// none when the data carries no list of files (a text/uri-list).
QStringList DroppedPictureFiles(const QMimeData& data);

} // namespace quenbrook
