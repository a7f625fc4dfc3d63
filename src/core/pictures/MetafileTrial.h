// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/MetafileToSvg.h"

#include <QByteArrayView>

// The work of the helper program that converts a metafile away from the program, and the answer
// it gives back on its output.
namespace quenbrook::MetafileToSvg {

enum class MetafileKind
{
    Windows,  // .wmf
    Enhanced, // .emf
};

// Converts the metafile, then draws the SVG once, so that a drawing that is too costly costs the
// helper and not the program. The drawing keeps nothing.
Result convertAndTry(MetafileKind kind, const QByteArray& data);

// The helper's answer: a line saying what it is, then the SVG or the reason for a refusal.
QByteArray encodeAnswer(const Result& result);
// An answer as encodeAnswer writes it; anything else, or an answer beyond the limits (the SVG
// over MaxSvgBytes, a size no frame has), is a damaged metafile.
Result decodeAnswer(QByteArrayView answer);

} // namespace quenbrook::MetafileToSvg
