// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QWidget;

namespace quenbrook {

// Puts a window's frame at the centre of its owner's frame (of the screen when it has none),
// kept inside the screen's free area.
void CentreOnOwner(QWidget& window);

} // namespace quenbrook
