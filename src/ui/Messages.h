#pragma once

#include "startup/Application.h"

#include <QString>

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

} // namespace quenbrook
