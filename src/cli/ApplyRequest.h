// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "cli/AlbumRequest.h"

class QPrinter;

namespace quenbrook {

// Puts the command line's settings over the user's, in the order of their declarations: a unit
// first converts the user's lengths (in the record only), then lengths typed with a unit are
// converted to the album's.
void ApplyRequest(const AlbumRequest& request, PrintSettings& settings);

// The paper size and orientation asked for, on the printer.
void ApplyPaper(const AlbumRequest& request, QPrinter& printer);

// The document's title (--title, else the output file's name without its extension) and its
// creator, for the PDF's information and the print job's name.
void ApplyDocumentInfo(const AlbumRequest& request, QPrinter& printer);

} // namespace quenbrook
