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

} // namespace quenbrook
