// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/geometry/AlbumViewerLayout.h"

#include <QCoreApplication>
#include <QStringList>

namespace quenbrook::AlbumViewerLayout {
namespace {

constexpr std::array<const char*, ToolbarButtonCount> Keys{
    "AlbumPrinter", "Bitmap", "Gif",   "Jpeg", "Icon",      "First",       "Prev4",
    "Prev",         "Next",   "Next4", "Last", "AddToList", "ImageViewer", "Information"};

} // namespace

QString ToolbarKey(ToolbarButton button)
{
    return QString::fromLatin1(Keys[static_cast<std::size_t>(button)]);
}

std::optional<ToolbarButton> ToolbarButtonOf(const QString& key)
{
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        if (key == QLatin1String(Keys[i]))
            return static_cast<ToolbarButton>(i);
    }
    return std::nullopt;
}

std::optional<int> NavigationTarget(int count, int selected, ToolbarButton button)
{
    if (count <= 0)
        return std::nullopt;
    switch (button) {
    case ToolbarButton::First:
        return 0;
    case ToolbarButton::Prev4:
        return selected - 4 < 0 ? 0 : selected - 4;
    case ToolbarButton::Prev:
        if (selected - 1 < 0)
            return std::nullopt;
        return selected - 1;
    case ToolbarButton::Next:
        if (selected + 1 < count)
            return selected + 1;
        return std::nullopt;
    case ToolbarButton::Next4:
        if (selected + 4 < count)
            return selected + 4;
        return std::nullopt;
    case ToolbarButton::Last:
        return count - 1;
    default:
        return std::nullopt;
    }
}

LayoutStep ChooseLayoutStep(bool minimised, float outerWidth, float outerHeight)
{
    if (minimised)
        return LayoutStep::Nothing;
    if (MinimumWidth > outerWidth)
        return LayoutStep::Widen;
    if (MinimumHeight > outerHeight)
        return LayoutStep::Heighten;
    return LayoutStep::CompletePass;
}

Arrangement CompleteLayout(float CW, float CH, float marginX, float marginY)
{
    const auto paneRight = float(Design::Drive1.left() + Design::Drive1.width());
    Arrangement a{};
    a.DirectoryWidth = paneRight;
    a.PicturesWidth = CW - paneRight;
    a.File1Height = CH - float(Design::Dir1.top()) - float(Design::Dir1.height());

    const float X0 = paneRight + marginX;
    const auto Y0 = float(Design::Drive1.top());
    const float W = CW - X0 - marginX;
    const float H = CH - Y0 - marginY;
    const float halfW = W / 2;
    const float halfH = H / 2;
    for (int i = 0; i < SlotCount; ++i) {
        const QRectF focus(X0 + (i % 2) * halfW, Y0 + (i / 2) * halfH, halfW, halfH);
        a.shpFocus[i] = focus;
        a.picViewer[i] = QRectF(focus.left() + marginX, focus.top() + marginY,
                                focus.width() - 2 * marginX, focus.height() - 2 * marginY);
    }
    return a;
}

QRectF FitToSlotCorner(QSizeF slot, QSizeF picture)
{
    if (slot.width() <= 0 || slot.height() <= 0 || picture.width() <= 0 || picture.height() <= 0)
        return {};
    if (slot.width() / slot.height() > picture.width() / picture.height())
        return {0, 0, slot.height() * picture.width() / picture.height(), slot.height()};
    return {0, 0, slot.width(), slot.width() * picture.height() / picture.width()};
}

// The loader gives HIMETRIC rounded to the nearest unit; that half unit is given back before
// rounding down, so a picture of 500 pixels reads 500 and not 499.
QString InformationText(const QString& file, qint64 size, int width, int height)
{
    return QStringList{
        QCoreApplication::translate("AlbumViewerLayout", "File Name: %1").arg(file),
        QCoreApplication::translate("AlbumViewerLayout", "File Size: %1 Bytes").arg(size),
        QCoreApplication::translate("AlbumViewerLayout", "Width: %1 Pixels").arg(width),
        QCoreApplication::translate("AlbumViewerLayout", "Height: %1 Pixels").arg(height)}
        .join(QLatin1String("\r\n"));
}

} // namespace quenbrook::AlbumViewerLayout
