// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "cli/AlbumRequest.h"

namespace quenbrook {

// Prints the album the request asks for and gives the exit status. Messages go to standard
// error. A run that fails or is interrupted delivers nothing: an older output file stays as it
// was.
int RunAlbum(const AlbumRequest& request);

} // namespace quenbrook
