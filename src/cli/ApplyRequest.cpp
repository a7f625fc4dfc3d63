// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/ApplyRequest.h"

#include "core/album/AlbumSettings.h"
#include "core/platform/OutputFile.h"
#include "core/program/Application.h"
#include "core/program/Units.h"

#include <QFileInfo>
#include <QPrinter>

#include <type_traits>

namespace quenbrook {
namespace {

// Millimetres go to centimetres by a tenth, so that 25mm is 2.5cm to the last bit.
double inAlbumUnit(const TypedLength& length, PrintUnit albumUnit)
{
    using Unit = TypedLength::Unit;
    const double value = length.Value;
    const bool inch = albumUnit == PrintUnit::Inch;
    switch (length.Typed) {
    case Unit::Album:
        return value;
    case Unit::Inch:
        return inch ? value : value * CentimetresPerInch;
    case Unit::Centimetre:
        return inch ? value / CentimetresPerInch : value;
    case Unit::Millimetre:
        return inch ? value / (10 * CentimetresPerInch) : value / 10;
    }
    return value;
}

} // namespace

void ApplyRequest(const AlbumRequest& request, PrintSettings& settings)
{
    ForEachSingleSetting(settings, [&](const auto& setting, auto& record) {
        const auto given = request.Settings.find(setting.Key);
        if (given == request.Settings.end())
            return;
        auto& field = record.*setting.Field;
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, PrintUnit>) {
            ConvertUnit(settings, std::any_cast<PrintUnit>(given->second));
        } else if constexpr (std::is_same_v<T, float>) {
            field = float(inAlbumUnit(std::any_cast<TypedLength>(given->second), settings.Scale));
        } else if constexpr (std::is_same_v<T, BandStyle>) {
            const auto& band = std::any_cast<const BandChoice&>(given->second);
            field = band.Style;
            if (band.Style == BandStyle::Text)
                record.Text = band.Text;
        } else {
            field = std::any_cast<T>(given->second);
        }
    });
}

void ApplyPaper(const AlbumRequest& request, QPrinter& printer)
{
    if (request.Paper)
        printer.setPageSize(request.Paper->page);
    if (request.Orientation)
        printer.setPageOrientation(*request.Orientation);
}

void ApplyDocumentInfo(const AlbumRequest& request, QPrinter& printer)
{
    QString title = request.Title;
    if (title.isEmpty() && !request.OutputFile.isEmpty() &&
        request.OutputFile != OutputFile::StandardOutput)
        title = QFileInfo(request.OutputFile).completeBaseName();
    if (!title.isEmpty())
        printer.setDocName(title);
    printer.setCreator(QStringLiteral("Quenbrook ") + QString::fromUtf16(VersionText));
}

} // namespace quenbrook
