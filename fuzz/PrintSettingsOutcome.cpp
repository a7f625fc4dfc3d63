// SPDX-License-Identifier: GPL-2.0-or-later
// The print settings read from any settings file: the same record every time, and nothing
// written while reading.
#include "FuzzTargets.h"
#include "core/album/PreviewSurface.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/program/PrintSettingsKeys.h"
#include "core/settings/SettingsStore.h"

#include <QTemporaryDir>

using namespace quenbrook;

namespace fuzzing {
namespace {

class ReadOnlyLoader final : public PrintSettingsLoader
{
public:
    using PrintSettingsLoader::PrintSettingsLoader;
    bool wrote = false;

protected:
    void writeSetting(const QString&, const QString&) override { wrote = true; }
};

// What was read, font names left out: they depend on the fonts installed.
QString described(const QString& folder, bool& wrote)
{
    SettingsStore store(folder);
    PreviewSurface surface(96);
    PrintSettings s;
    ReadOnlyLoader loader(store, surface);
    loader.LoadAll(s);
    wrote = wrote || loader.wrote;
    return QStringLiteral("label %1, header %2 [%3], footer %4 [%5], pictures %6 x %7")
        .arg(s.LabelFont.Size)
        .arg(s.Header.Font.Size)
        .arg(s.Header.Text)
        .arg(s.Footer.Font.Size)
        .arg(s.Footer.Text)
        .arg(double(s.PictureMaxWidth))
        .arg(double(s.PictureMaxHeight));
}

} // namespace

QString PrintSettingsOutcome(QByteArrayView input)
{
    static const QTemporaryDir folder;
    WriteInput(SettingsStore(folder.path()).fileName(PrintKeys::Application), input);
    bool wrote = false;
    const QString first = described(folder.path(), wrote);
    const QString second = described(folder.path(), wrote);
    if (wrote)
        return Fault("wrote a setting while reading");
    if (first != second)
        return Fault("read " + first + ", then " + second);
    return first;
}

} // namespace fuzzing
