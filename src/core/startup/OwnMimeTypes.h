// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace quenbrook {

// The MIME types this program defines for extensions the MIME database does not know, as its
// shared-mime-info package file holds them: lower-case extension to type. A missing or unreadable
// file holds none.
QMap<QString, QString> ReadOwnMimeTypes(const QString& packageFile);
// The package file's text for those types: each with a comment and a "*.<extension>" glob.
QByteArray OwnMimeTypesText(const QMap<QString, QString>& types);

} // namespace quenbrook
