// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/geometry/AlbumPrinterLayout.h"

#include <algorithm>
#include <cmath>

namespace quenbrook::AlbumPrinterLayout {
namespace {

constexpr float Gap = 50; // between the list and the arrows, and between the buttons below it

float f(double value)
{
    return static_cast<float>(value);
}

} // namespace

Limits ComputeLimits(float drive1Width, float splitterWidth, float dir1Height)
{
    return {2 * drive1Width, 2 * splitterWidth + 1.5f * drive1Width, f(3.5 * drive1Width),
            f(3.6 * drive1Width), 2 * dir1Height};
}

Limits DesignLimits()
{
    return ComputeLimits(f(Design::Drive1.width()), f(Design::imgSplitter.width()),
                         f(Design::Dir1.height()));
}

Placement DefaultPlacement(const Limits& limits)
{
    return {0, 0, limits.MinimumWidth, limits.FixedHeight, limits.SplitterMin};
}

float SplitterOnLoad(float stored, float outerWidth, const Limits& limits)
{
    if (!(stored > SplitterLeast)) // also NaN
        return SplitterLeast;
    return std::min(stored, std::max(outerWidth - limits.SplitterMargin, limits.SplitterMin));
}

LayoutStep ChooseLayoutStep(WindowShow show, float outerWidth, float outerHeight,
                            const Limits& limits)
{
    if (show == WindowShow::Minimised)
        return LayoutStep::Nothing;
    if (show == WindowShow::Maximised)
        return LayoutStep::Restore;
    if (outerWidth < limits.MinimumWidth)
        return LayoutStep::Widen;
    if (outerHeight != limits.FixedHeight)
        return LayoutStep::FixHeight;
    return LayoutStep::CompletePass;
}

Arrangement CompleteLayout(float innerWidth, float innerHeight, float splitterLeft)
{
    const float splitterWidth = f(Design::imgSplitter.width());
    Arrangement a{};
    a.imgSplitter = QRectF(splitterLeft, 0, splitterWidth, innerHeight);
    a.FilesOnDiskWidth = splitterLeft;
    a.SelectedFilesWidth = innerWidth - splitterLeft;
    a.listLeft = splitterLeft + splitterWidth;
    a.listWidth = innerWidth - (splitterLeft + splitterWidth) - Gap - f(Design::cmdUp.width());
    a.upDownLeft = innerWidth - f(Design::cmdUp.width());
    a.removeLeft = a.listLeft;
    a.removeAllLeft = a.removeLeft + f(Design::cmdRemove.width()) + Gap;
    a.printLeft = a.removeAllLeft + f(Design::cmdRemoveAll.width()) + Gap;
    a.fileListWidth = splitterLeft - f(Design::File1.left());
    return a;
}

QRectF BarOnPress(const QRectF& imgSplitter)
{
    const auto whole = static_cast<long long>(std::nearbyint(imgSplitter.width())); // ties to even
    return {imgSplitter.left(), imgSplitter.top(), double(whole / 2),
            double(f(imgSplitter.height()) - 20)};
}

float DraggedBarLeft(float pointerX, float splitterLeft, float outerWidth, const Limits& limits)
{
    const float proposed = pointerX + splitterLeft;
    const float rightmost = outerWidth - limits.SplitterMargin;
    if (proposed < limits.SplitterMin)
        return limits.SplitterMin;
    if (proposed > rightmost)
        return rightmost;
    return proposed;
}

} // namespace quenbrook::AlbumPrinterLayout
