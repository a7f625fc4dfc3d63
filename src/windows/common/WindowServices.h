// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/PictureLoader.h"
#include "windows/common/Messages.h"
#include "windows/common/ProgramEnding.h"

#include <QSize>
#include <QString>

#include <functional>

class QDialog;

namespace quenbrook {

class Printers;
class SettingsStore;

// Shows a dialog modally and returns its result code.
using DialogRunner = std::function<int(QDialog&)>;
int RunModal(QDialog& dialog);

// Loads a picture file for a box of the given pixels, giving up soon once `stop` is raised and
// telling `rows` of a large picture's rows as they are decoded. The windows call it off their own
// thread, from any thread of the pool.
using PictureLoad = std::function<PictureResult(const QString& path, QSize targetPixels,
                                                const LoadStop* stop, const RowsDecoded& rows)>;

// What the program gives its windows: where settings live, the printers, how messages are shown,
// how modal dialogs run, how pictures are loaded and how the program ends. The windows keep a
// reference to it, so it outlives them; what it holds may change while they are open.
struct WindowServices
{
    SettingsStore& store;
    Printers& printers;
    MessageFunction message = ShowMessage;
    DialogRunner runDialog = RunModal;
    PictureLoad loadPicture = PictureLoader::loadUnlessStopped;
    ProgramEnding ending{};
};

} // namespace quenbrook
