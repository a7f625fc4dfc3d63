// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/ByteReader.h"
#include "core/pictures/MetafileToSvg.h"

#include <variant>

// The record structure of an enhanced metafile, checked before libemf2svg sees it.
namespace quenbrook::MetafileToSvg {

// Where the records end, just past the end record. Every record must fit, and every bitmap lie
// within its record and within what converting may hold.
std::variant<qsizetype, Failure> emfRecordsEnd(ByteReader data);

} // namespace quenbrook::MetafileToSvg
