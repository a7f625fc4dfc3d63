// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/program/Application.h"

#include <QString>

#include <functional>

class QWidget;

namespace quenbrook {

enum class MessageIcon
{
    None,
    Information,
    Critical
};

// A message box titled with the program's name, with an OK button; returns when it is closed.
void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon);

// How a window shows its messages: ShowMessage, or what a test puts in its place.
using MessageFunction = std::function<void(QWidget*, const QString&, MessageIcon)>;

} // namespace quenbrook
