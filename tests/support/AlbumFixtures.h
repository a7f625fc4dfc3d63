// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Set-up shared by the album tests.

#include "core/album/PageLayout.h"
#include "support/RecordingSurface.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <optional>

namespace albumtest {

using namespace quenbrook;

// A picture file of one colour in dir; "" when it cannot be written.
inline QString solidPicture(const QTemporaryDir& dir, const QString& name, QSize pixels,
                            QColor colour = Qt::darkCyan)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    return image.save(path) ? path : QString();
}

// 3 × 2 inch cells 0.2 apart, centred, without labels, header or footer. On the recording surface
// fonts of 18 pt are 0.25 inch high, 14.4 pt 0.2 inch.
inline PrintSettings gridSettings()
{
    PrintSettings s;
    s.PictureMaxWidth = 3;
    s.PictureMaxHeight = 2;
    s.PictureSpacingX = s.PictureSpacingY = 0.2f;
    s.PrintLabel = LabelKind::None;
    s.LabelPosition = LabelPlace::Below;
    s.LabelFont = PrintFont{QStringLiteral("Label"), 14.4};
    s.Header.Font = PrintFont{QStringLiteral("Header"), 18};
    s.Footer.Font = PrintFont{QStringLiteral("Footer"), 18};
    return s;
}

// The layout for n pictures on the recording surface (8 × 10.5 inch); nothing when it fails.
inline std::optional<PageLayout> layoutOf(const PrintSettings& s, int n)
{
    RecordingSurface surface;
    const LayoutResult result = ComputePageLayout(s, n, surface);
    if (const auto* layout = std::get_if<PageLayout>(&result))
        return *layout;
    return std::nullopt;
}

} // namespace albumtest
