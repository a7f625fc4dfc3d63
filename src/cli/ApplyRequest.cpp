#include "cli/ApplyRequest.h"

#include "core/album/PrintSettingsLoader.h"
#include "core/platform/OutputFile.h"
#include "core/program/Application.h"
#include "core/program/Units.h"

#include <QFileInfo>
#include <QPrinter>

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

void setLength(const std::optional<TypedLength>& length, PrintUnit albumUnit, float& field)
{
    if (length)
        field = float(inAlbumUnit(*length, albumUnit));
}

void setBand(const BandRequest& request, PrintBand& band)
{
    if (request.Style) {
        band.Style = *request.Style;
        if (band.Style == BandStyle::Text)
            band.Text = request.Text;
    }
    band.Alignment = request.Alignment.value_or(band.Alignment);
}

} // namespace

void ApplyRequest(const AlbumRequest& r, PrintSettings& s, PrintSettingsLoader& loader)
{
    if (r.Unit)
        loader.SetUnit(s, *r.Unit);
    setLength(r.CellWidth, s.Scale, s.PictureMaxWidth);
    setLength(r.CellHeight, s.Scale, s.PictureMaxHeight);
    setLength(r.GapX, s.Scale, s.PictureSpacingX);
    setLength(r.GapY, s.Scale, s.PictureSpacingY);
    setLength(r.LabelGap, s.Scale, s.PictureLabelSpacingY);
    s.PrintLabel = r.Labels.value_or(s.PrintLabel);
    s.LabelPosition = r.LabelPosition.value_or(s.LabelPosition);
    setBand(r.Header, s.Header);
    setBand(r.Footer, s.Footer);
    s.Center = r.Center.value_or(s.Center);
    s.PictureResolution = r.PictureResolution.value_or(s.PictureResolution);
}

void ApplyPaper(const AlbumRequest& request, QPrinter& printer)
{
    if (request.Paper)
        printer.setPageSize(*request.Paper);
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
