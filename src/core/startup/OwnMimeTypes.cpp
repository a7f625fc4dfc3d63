// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/OwnMimeTypes.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace quenbrook {
namespace {

const QString MimeNamespace =
    QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

} // namespace

QMap<QString, QString> ReadOwnMimeTypes(const QString& packageFile)
{
    QMap<QString, QString> types;
    QFile file(packageFile);
    if (!file.open(QIODevice::ReadOnly))
        return types;
    QXmlStreamReader xml(&file);
    QString type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("mime-type"))
            type = xml.attributes().value(QLatin1String("type")).toString();
        const QString pattern = xml.attributes().value(QLatin1String("pattern")).toString();
        if (xml.name() == QLatin1String("glob") && pattern.startsWith(QLatin1String("*.")))
            types.insert(pattern.mid(2).toLower(), type);
    }
    return types;
}

QByteArray OwnMimeTypesText(const QMap<QString, QString>& types)
{
    QByteArray text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(MimeNamespace);
    xml.writeStartElement(MimeNamespace, QStringLiteral("mime-info"));
    for (auto it = types.cbegin(); it != types.cend(); ++it) {
        xml.writeStartElement(MimeNamespace, QStringLiteral("mime-type"));
        xml.writeAttribute(QStringLiteral("type"), it.value());
        xml.writeTextElement(MimeNamespace, QStringLiteral("comment"),
                             it.key().toUpper() + QStringLiteral(" file"));
        xml.writeEmptyElement(MimeNamespace, QStringLiteral("glob"));
        xml.writeAttribute(QStringLiteral("pattern"), QStringLiteral("*.") + it.key());
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return text;
}

} // namespace quenbrook
