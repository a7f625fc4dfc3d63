// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/DesktopKeyFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quenbrook {

DesktopKeyFile::DesktopKeyFile(const QByteArray& text)
{
    QList<QByteArray> raw = text.split('\n');
    if (text.endsWith('\n'))
        raw.removeLast();
    QString group;
    for (const QByteArray& bytes : raw) {
        const QString line = QString::fromUtf8(bytes);
        const QString trimmed = line.trimmed();
        QString key;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
            group = trimmed.mid(1, trimmed.size() - 2);
        else if (!trimmed.startsWith(QLatin1Char('#')) && trimmed.contains(QLatin1Char('=')))
            key = trimmed.left(trimmed.indexOf(QLatin1Char('='))).trimmed();
        lines_.append({group, key, line});
    }
}

DesktopKeyFile DesktopKeyFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DesktopKeyFile(file.readAll());
}

QString DesktopKeyFile::value(const QString& group, const QString& key) const
{
    for (const Line& line : lines_) {
        if (line.group == group && line.key == key)
            return line.text.section(QLatin1Char('='), 1).trimmed();
    }
    return {};
}

QStringList DesktopKeyFile::keys(const QString& group) const
{
    QStringList keys;
    for (const Line& line : lines_)
        if (line.group == group && !line.key.isEmpty() && !keys.contains(line.key))
            keys << line.key;
    return keys;
}

void DesktopKeyFile::setValue(const QString& group, const QString& key, const QString& value)
{
    const QString text = key + QLatin1Char('=') + value;
    qsizetype end = -1; // the line after which a new key of the group goes
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.group != group) {
            if (end >= 0)
                break; // only the first group of that name
            continue;
        }
        if (line.key == key) {
            lines_[i].text = text;
            return;
        }
        if (!line.key.isEmpty() || end < 0)
            end = i;
    }
    if (end >= 0) {
        lines_.insert(end + 1, {group, key, text});
        return;
    }
    if (!lines_.isEmpty() && !lines_.last().text.trimmed().isEmpty())
        lines_.append({lines_.last().group, {}, {}});
    lines_.append({group, {}, QLatin1Char('[') + group + QLatin1Char(']')});
    lines_.append({group, key, text});
}

bool DesktopKeyFile::removeValue(const QString& group, const QString& key)
{
    bool inGroup = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (lines_[i].group != group) {
            if (inGroup)
                return false;
            continue;
        }
        inGroup = true;
        if (lines_[i].key == key) {
            lines_.removeAt(i);
            return true;
        }
    }
    return false;
}

QByteArray DesktopKeyFile::text() const
{
    QByteArray bytes;
    for (const Line& line : lines_)
        bytes += line.text.toUtf8() + '\n';
    return bytes;
}

QString EscapeValue(const QString& text)
{
    QString value;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\'))
            value += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            value += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            value += QLatin1String("\\r");
        else if (c == QLatin1Char(' ') && i == 0)
            value += QLatin1String("\\s");
        else
            value += c;
    }
    return value;
}

QString UnescapeValue(const QString& value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == QLatin1Char('s'))
            text += QLatin1Char(' ');
        else if (next == QLatin1Char('n'))
            text += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            text += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            text += QLatin1Char('\r');
        else
            text += next; // "\\", and "\;" inside lists
    }
    return text;
}

QStringList SplitList(const QString& value)
{
    QStringList items;
    QString item;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) {
            item += value.mid(i, 2);
            ++i;
        } else if (value[i] == QLatin1Char(';')) {
            items << item.trimmed();
            item.clear();
        } else {
            item += value[i];
        }
    }
    if (!item.trimmed().isEmpty())
        items << item.trimmed();
    items.removeAll(QString());
    return items;
}

QString JoinList(const QStringList& items)
{
    QString value;
    for (const QString& item : items)
        value += item + QLatin1Char(';');
    return value;
}

bool WriteIfChanged(const QString& path, const QByteArray& text)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == text)
        return false;
    current.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    qWarning("Quenbrook: could not write %s: %s", qPrintable(QDir::toNativeSeparators(path)),
             qPrintable(file.errorString()));
    return false;
}

} // namespace quenbrook
