#pragma once

#include "core/album/PrintSettingsLoader.h"

namespace quenbrook {

// The user's Album Printer settings, read and never written: a unit switch converts the lengths
// of the record only.
class SettingsReader final : public PrintSettingsLoader
{
public:
    using PrintSettingsLoader::PrintSettingsLoader;

protected:
    void writeSetting(const QString&, const QString&) override {}
};

} // namespace quenbrook
