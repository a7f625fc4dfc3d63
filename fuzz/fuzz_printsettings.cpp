// The print settings read from any settings file: the same record every time, and nothing
// written while reading.
#include "FuzzApplication.h"
#include "core/album/PreviewSurface.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/program/PrintSettingsKeys.h"
#include "core/settings/SettingsStore.h"

#include <QTemporaryDir>

#include <cstdlib>

using namespace quenbrook;

namespace {

class ReadOnlyLoader final : public PrintSettingsLoader
{
public:
    using PrintSettingsLoader::PrintSettingsLoader;

protected:
    void writeSetting(const QString&, const QString&) override { std::abort(); }
};

PrintSettings read(const QString& folder)
{
    SettingsStore store(folder);
    PreviewSurface surface(96);
    PrintSettings settings;
    ReadOnlyLoader(store, surface).LoadAll(settings);
    return settings;
}

bool same(float a, float b)
{
    return a == b || (a != a && b != b);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QTemporaryDir folder;
    const QString file = SettingsStore(folder.path()).fileName(PrintKeys::Application);
    WriteFuzzInput(file, data, size);
    const PrintSettings a = read(folder.path());
    const PrintSettings b = read(folder.path());
    if (a.LabelFont != b.LabelFont || a.Header.Font != b.Header.Font ||
        a.Footer.Font != b.Footer.Font || a.Header.Text != b.Header.Text ||
        a.Footer.Text != b.Footer.Text || !same(a.PictureMaxWidth, b.PictureMaxWidth) ||
        !same(a.PictureMaxHeight, b.PictureMaxHeight))
        std::abort();
    return 0;
}
