#pragma once

#include "cli/AlbumRequest.h"

class QPrinter;

namespace quenbrook {

class PrintSettingsLoader;

// Puts the command line's choices over the user's settings. A unit converts the user's lengths
// first, through loader (which should not write them back).
void ApplyRequest(const AlbumRequest& request, PrintSettings& settings,
                  PrintSettingsLoader& loader);

// The paper size and orientation asked for, on the printer.
void ApplyPaper(const AlbumRequest& request, QPrinter& printer);

// The document's title (--title, else the output file's name without its extension) and its
// creator, for the PDF's information and the print job's name.
void ApplyDocumentInfo(const AlbumRequest& request, QPrinter& printer);

} // namespace quenbrook
